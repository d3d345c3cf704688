#include "GroupSheet.h"
#include "ScoreCell.h"
#include "TestSupport.h"
#include "TournamentData.h"

#include <QTest>

namespace {

struct Figures {
    int pun, dif, gf;
};

Figures figures(const GroupSheet &s, int t)
{
    return {s.stat(t, Stat::PUN), s.stat(t, Stat::DIF), s.stat(t, Stat::GF)};
}

void fill(GroupSheet &s, const QStringList &cells)
{
    for (int i = 0; i < cells.size(); ++i)
        s.setCell(i, cells[i] == "*" ? QString() : cells[i]);
}

QString orderText(const GroupSheet &s)
{
    QString out;
    for (int p : s.displayOrder())
        out += QString::number(p);
    return out;
}

} // namespace

class GroupSheetTest : public QObject {
    Q_OBJECT
private slots:
    void oneSideTypedCountsGoalsButNoResult()
    {
        RecordingNotifier notes;
        GroupSheet s('A');
        s.setCell(0, "2");
        QCOMPARE(s.stat(1, Stat::J), qint16(1));
        QCOMPARE(s.stat(1, Stat::GF), qint16(2));
        QCOMPARE(s.stat(1, Stat::DIF), qint16(2));
        QCOMPARE(s.stat(2, Stat::J), qint16(0));
        QCOMPARE(s.stat(2, Stat::GC), qint16(2));
        QCOMPARE(s.stat(2, Stat::DIF), qint16(-2));
        for (int t : {1, 2}) {
            QCOMPARE(s.stat(t, Stat::G) + s.stat(t, Stat::E) + s.stat(t, Stat::P), 0);
            QCOMPARE(s.stat(t, Stat::PUN), qint16(0));
        }
        QVERIFY(notes.messages.isEmpty());
    }

    void levelTeamsEndInExchangeOrder()
    {
        GroupSheet s('A');
        fill(s, {"1", "1", "2", "1"});
        QCOMPARE(figures(s, 1).pun, 1);
        QCOMPARE(figures(s, 3).pun, 3);
        QCOMPARE(figures(s, 4).dif, -1);
        QCOMPARE(orderText(s), QString("3214"));
        QCOMPARE(s.first(), QString("Polonia"));
        QCOMPARE(s.second(), QString("Costa Rica"));
    }

    void matchResults_data()
    {
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("away");
        QTest::addColumn<int>("homeWins");
        QTest::addColumn<int>("draws");
        QTest::addColumn<int>("homePoints");
        QTest::newRow("10 beats 9") << "10" << "9" << 1 << 0 << 3;
        QTest::newRow("05 draws 5") << "05" << "5" << 0 << 1 << 1;
        QTest::newRow("blank kept") << " 2" << "2" << 0 << 1 << 1;
        QTest::newRow("negative goals") << "-1" << "0" << 0 << 0 << 0;
        QTest::newRow("plus sign") << "+3" << "2" << 1 << 0 << 3;
    }
    void matchResults()
    {
        QFETCH(QString, home);
        QFETCH(QString, away);
        QFETCH(int, homeWins);
        QFETCH(int, draws);
        QFETCH(int, homePoints);
        RecordingNotifier notes;
        GroupSheet s('B');
        s.setCell(0, home);
        s.setCell(1, away);
        QCOMPARE(int(s.stat(1, Stat::G)), homeWins);
        QCOMPARE(int(s.stat(1, Stat::E)), draws);
        QCOMPARE(int(s.stat(1, Stat::PUN)), homePoints);
        QCOMPARE(int(s.stat(1, Stat::GF)), int(ScoreCell::value(home)));
        QVERIFY(notes.messages.isEmpty());
    }

    void refreshOrderIsFixed()
    {
        GroupSheet s('A');
        s.setCell(9, "1");
        QStringList steps;
        connect(&s, &GroupSheet::statStored, &s, [&](int t, Stat st, qint16) {
            static const char *names[] = {"J", "G", "E", "P", "GF", "GC", "DIF", "PUN"};
            steps << QString("%1%2").arg(names[int(st)]).arg(t);
        });
        bool ranked = false;
        connect(&s, &GroupSheet::orderChanged, &s, [&] { ranked = true; });
        s.setCell(8, "2");  // match 5: Ecuador (4) at home against Alemania (1)
        QCOMPARE(steps.join(' '),
                 QString("J4 J1 G4 G1 E4 E1 P4 P1 PUN4 PUN1 GC4 GF4 DIF4 GC1 GF1 DIF1"));
        QVERIFY(ranked);
        QCOMPARE(s.stat(4, Stat::PUN), qint16(3));
        QCOMPARE(s.stat(2, Stat::J), qint16(0));
    }

    void groupLimitsAreChecked_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("messages");
        QTest::newRow("32765") << "32765" << true << 0;
        // Valid, but the opponent's difference of 32770 no longer fits the table.
        QTest::newRow("-32770") << "-32770" << true << 1;
        QTest::newRow("32766") << "32766" << false << 1;
        QTest::newRow("-32771") << "-32771" << false << 1;
        QTest::newRow("single blank") << " " << false << 1;
        QTest::newRow("2,5") << "2,5" << false << 1;
    }
    void groupLimitsAreChecked()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(int, messages);
        RecordingNotifier notes;
        GroupSheet s('A');
        s.setCell(0, text);
        QCOMPARE(notes.messages.size(), messages);
        QCOMPARE(s.cell(0), text);
        QCOMPARE(s.stat(1, Stat::J), qint16(valid ? 1 : 0));
        if (messages) {
            QCOMPARE(notes.messages.first().text, QString("Ingrese solo números enteros"));
            QCOMPARE(notes.messages.first().title, QString());
        }
    }

    void typingIsOneEditPerCharacter()
    {
        RecordingNotifier notes;
        GroupSheet s('A');
        s.setCell(0, "-");
        QCOMPARE(notes.messages.size(), 1);
        QCOMPARE(s.stat(1, Stat::J), qint16(0));
        s.setCell(0, "-3");
        QCOMPARE(notes.messages.size(), 1);
        QCOMPARE(s.stat(1, Stat::GF), qint16(-3));
        s.setCell(0, "-3");  // same text: no edit
        QCOMPARE(notes.messages.size(), 1);
    }

    void invalidTextStaysAndCountsLater()
    {
        RecordingNotifier notes;
        GroupSheet s('A');
        s.setCell(0, "3x");
        QCOMPARE(notes.messages.size(), 1);
        QCOMPARE(s.stat(1, Stat::J), qint16(0));
        QCOMPARE(orderText(s), QString("1234"));
        QCOMPARE(s.first(), QString());
        s.setCell(1, "1");
        QCOMPARE(s.stat(1, Stat::J), qint16(1));
        QCOMPARE(s.stat(1, Stat::G), qint16(1));
        QCOMPARE(s.stat(1, Stat::GF), qint16(3));
        QCOMPARE(s.stat(2, Stat::P), qint16(1));
    }

    void overflowStopsTheEditMidway()
    {
        RecordingNotifier notes;
        GroupSheet s('A');
        s.setCell(0, "20000");
        s.setCell(1, "0");
        const QString before = orderText(s);
        QList<QPair<int, Stat>> stored;
        connect(&s, &GroupSheet::statStored, &s, [&](int t, Stat st, qint16) { stored.append({t, st}); });
        bool ranked = false;
        connect(&s, &GroupSheet::orderChanged, &s, [&] { ranked = true; });
        s.setCell(4, "20000");  // match 3: Alemania's goals for reach 40000
        QCOMPARE(notes.messages.size(), 1);
        QVERIFY(!ranked);
        QCOMPARE(stored.size(), 11);  // J, G, E, P, PUN of both, then GC of Alemania
        QCOMPARE(stored.last(), (QPair<int, Stat>(1, Stat::GC)));
        QCOMPARE(s.stat(1, Stat::J), qint16(2));
        QCOMPARE(s.stat(1, Stat::GF), qint16(20000));
        QCOMPARE(s.stat(1, Stat::DIF), qint16(20000));
        QCOMPARE(orderText(s), before);
    }

    void overflowOfHugeInvalidText()
    {
        RecordingNotifier notes;
        GroupSheet s('A');
        s.setCell(0, QString(400, '9') + "x");  // refused, but its value is astronomically large
        s.setCell(1, "1");
        QCOMPARE(notes.messages.size(), 2);
        QCOMPARE(s.stat(1, Stat::GF), qint16(0));
    }

    void deletingAScoreUndoesTheResult()
    {
        GroupSheet s('A');
        fill(s, {"1", "0"});
        QCOMPARE(s.first(), QString("Alemania"));
        s.setCell(0, "");
        QCOMPARE(s.stat(1, Stat::J), qint16(0));
        QCOMPARE(s.stat(1, Stat::PUN), qint16(0));
        QCOMPARE(s.stat(2, Stat::J), qint16(1));
        s.setCell(1, "");
        QCOMPARE(orderText(s), QString("1234"));
        QCOMPARE(s.first(), QString("Alemania"));
        QCOMPARE(s.second(), QString("Costa Rica"));
    }

    void qualifiersUseDisplayNames()
    {
        GroupSheet c('C');
        fill(c, {"*", "*", "3", "0"});
        QCOMPARE(c.first(), QString("Serbia y Mont."));
        GroupSheet h('H');
        fill(h, {"*", "*", "0", "2"});
        QCOMPARE(h.first(), QString("Arabia Saudí"));
    }

    void statisticsOfUnknownTeamAreZero()
    {
        GroupSheet s('A');
        fill(s, {"4", "1"});
        qint16 v = 7;
        QVERIFY(s.GolF(0, v));
        QCOMPARE(v, qint16(0));
        QVERIFY(s.puntos(5, v));
        QCOMPARE(v, qint16(0));
        QVERIFY(s.GolF(1, v));
        QCOMPARE(v, qint16(4));
    }

    void qualifiersSurviveReset()
    {
        GroupSheet &s = GroupSheet::of('G');
        QCOMPARE(&s, &GroupSheet::of('G'));
        fill(s, {"0", "2"});
        s.reset();
        QCOMPARE(s.cell(1), QString());
        QCOMPARE(s.stat(2, Stat::PUN), qint16(0));
        QCOMPARE(orderText(s), QString("1234"));
        QCOMPARE(s.first(), QString("Suiza"));
    }
};

QTEST_APPLESS_MAIN(GroupSheetTest)
#include "tst_groupsheet.moc"
