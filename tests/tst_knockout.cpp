#include "BracketBoard.h"
#include "FinalsBoard.h"
#include "TestSupport.h"

#include <QTest>

namespace {

// Everything the board reports, in order, as short words.
class Log {
public:
    explicit Log(KnockoutBoard &b) : board(b)
    {
        QObject::connect(&b, &KnockoutBoard::boxTextChanged, &b,
                         [this](int box, const QString &t) { events << board.wiring().boxNames[box] + "=" + t; });
        QObject::connect(&b, &KnockoutBoard::boxVisibilityChanged, &b, [this](int box, bool v) {
            events << QString(v ? "show " : "hide ") + board.wiring().boxNames[box];
        });
        QObject::connect(&b, &KnockoutBoard::slotTextChanged, &b, [this](int slot, const QString &t) {
            events << board.wiring().slotNames[slot] + ":" + t;
        });
    }
    KnockoutBoard &board;
    QStringList events;
};

} // namespace

class KnockoutTest : public QObject {
    Q_OBJECT

    void set(KnockoutBoard &b, const QString &box, const QString &text) { b.setBoxText(b.boxIndex(box), text); }
    QString slot(const KnockoutBoard &b, const QString &name) { return b.slotText(b.slotIndex(name)); }
    bool shown(const KnockoutBoard &b, const QString &box) { return b.boxVisible(b.boxIndex(box)); }

private slots:
    void seedingFillsTheSlotsAndTheFile()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        seedGroups(folder);
        BracketBoard b;
        b.SeedRoundOf16();
        QCOMPARE(slot(b, "LblOct_1"), QString("Alemania"));
        QCOMPARE(slot(b, "LblOct_10"), QString("Ecuador"));
        QCOMPARE(slot(b, "LblOct_2"), QString("Suecia"));
        QCOMPARE(slot(b, "LblOct_4"), QString("México"));
        QCOMPARE(slot(b, "LblOct_16"), QString("Francia"));
        QCOMPARE(b.slotFlag(b.slotIndex("LblOct_4")), QString("Mexico"));
        const QByteArray seeding = folder.bytes("torvelollave.txt");
        QVERIFY(seeding.startsWith("Alemania\r\nEcuador\r\nInglaterra\r\nSuecia\r\n"));
        QVERIFY(seeding.endsWith("Portugal\r\nM\xe9xico\r\nItalia\r\nGhana\r\nBrasil\r\nAustralia\r\n"
                                 "Suiza\r\nFrancia\r\nEspa\xf1" "a\r\nUcrania\r\n"));
        BracketBoard again;
        again.SeedRoundOf16();
        QCOMPARE(folder.bytes("torvelollave.txt"), seeding);
    }

    void seedingCopesWithMissingAndOddNames()
    {
        TempDataFolder folder;
        folder.writeLines("torveloC.txt", QStringList(12, "*") << "Serbia y Montenegro" << "Serbia y Mont.");
        folder.writeLines("torveloB.txt", QStringList(12, "*") << "Brasil" << "");
        folder.writeLines("torveloD.txt", QStringList(5, "1"));
        BracketBoard b;
        b.SeedRoundOf16();
        QCOMPARE(slot(b, "LblOct_3"), QString("Serbia y Montenegro"));
        QCOMPARE(b.slotFlag(b.slotIndex("LblOct_3")), QString());
        QCOMPARE(b.slotFlag(b.slotIndex("LblOct_12")), QString("SerbiayMont"));
        // Brasil is not a group B team, so slot 9 (first of B) finds no flag for it.
        QCOMPARE(slot(b, "LblOct_9"), QString("Brasil"));
        QCOMPARE(b.slotFlag(b.slotIndex("LblOct_9")), QString());
        QCOMPARE(slot(b, "LblOct_1"), QString());
        QCOMPARE(slot(b, "LblOct_11"), QString());
        QCOMPARE(folder.bytes("torvelollave.txt"), QByteArray("\r\n\r\nBrasil\r\n\r\nSerbia y Montenegro\r\n"
                                                              "Serbia y Mont.\r\n") + QByteArray(10, 0).replace('\0', "\r\n"));
    }

    void regularTimeDecidesInEitherOrder_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("firstBoxFirst");
        QTest::addColumn<QString>("winner");
        QTest::newRow("2-1") << "2" << "1" << true << "Alemania";
        QTest::newRow("2-1 typed backwards") << "2" << "1" << false << "Alemania";
        QTest::newRow("10-9") << "10" << "9" << true << "Alemania";
        QTest::newRow("0-3") << "0" << "3" << true << "Suecia";
        QTest::newRow("40000 valid") << "40000" << "39999" << true << "Alemania";
        QTest::newRow("long") << "12345678901234567889" << "12345678901234567890" << true << "Suecia";
        QTest::newRow("07-7 draw") << "07" << "7" << true << "";
    }
    void regularTimeDecidesInEitherOrder()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(bool, firstBoxFirst);
        QFETCH(QString, winner);
        TempDataFolder folder;
        RecordingNotifier notes;
        seedGroups(folder);
        BracketBoard b;
        b.SeedRoundOf16();
        if (firstBoxFirst) {
            set(b, "txtOct_1", first);
            QCOMPARE(slot(b, "Lblcuar_1"), QString());
            set(b, "txtOct_2", second);
        } else {
            set(b, "txtOct_2", second);
            set(b, "txtOct_1", first);
        }
        QCOMPARE(slot(b, "Lblcuar_1"), winner);
        QCOMPARE(shown(b, "txtTEoct_1"), winner.isEmpty());
        QCOMPARE(shown(b, "txtTEoct_2"), winner.isEmpty());
        QVERIFY(notes.messages.isEmpty());
        if (!winner.isEmpty())
            QCOMPARE(b.slotFlag(b.slotIndex("Lblcuar_1")), winner == "Alemania" ? QString("Alemania") : QString("Suecia"));
    }

    void extraTimeThenPenalties()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        seedGroups(folder);
        BracketBoard b;
        b.SeedRoundOf16();
        set(b, "txtOct_3", "1");
        set(b, "txtOct_4", "1");
        QVERIFY(shown(b, "txtTEoct_3") && shown(b, "txtTEoct_4"));
        QVERIFY(!shown(b, "txtPENoct_3"));
        set(b, "txtTEoct_3", "0");
        set(b, "txtTEoct_4", "0");
        QVERIFY(shown(b, "txtPENoct_3") && shown(b, "txtPENoct_4"));
        set(b, "txtPENoct_3", "4");
        set(b, "txtPENoct_4", "4");
        QCOMPARE(notes.messages.size(), 1);
        QCOMPARE(notes.messages[0].text, QString("No puede colocar empate en los penales"));
        QCOMPARE(notes.messages[0].title, QString("Debe haber un Ganador"));
        QCOMPARE(slot(b, "Lblcuar_3"), QString());
        QCOMPARE(b.boxText(b.boxIndex("txtPENoct_4")), QString("4"));
        set(b, "txtPENoct_4", "5");
        QCOMPARE(slot(b, "Lblcuar_3"), QString("México"));
        // Extra time changed to a win: penalties vanish and empty, the new winner is written.
        set(b, "txtTEoct_3", "2");
        QVERIFY(!shown(b, "txtPENoct_3") && !shown(b, "txtPENoct_4"));
        QCOMPARE(b.boxText(b.boxIndex("txtPENoct_3")), QString());
        QCOMPARE(b.boxText(b.boxIndex("txtPENoct_4")), QString());
        QCOMPARE(slot(b, "Lblcuar_3"), QString("Argentina"));
        QVERIFY(shown(b, "txtTEoct_3"));
    }

    void regularChangeCascadesThroughExtraTime()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        seedGroups(folder);
        BracketBoard b;
        b.SeedRoundOf16();
        set(b, "txtOct_1", "1");
        set(b, "txtOct_2", "1");
        set(b, "txtTEoct_1", "2");
        set(b, "txtTEoct_2", "1");
        QCOMPARE(slot(b, "Lblcuar_1"), QString("Alemania"));
        Log log(b);
        set(b, "txtOct_1", "0");
        QCOMPARE(log.events, (QStringList{"txtOct_1=0", "hide txtTEoct_1", "hide txtTEoct_2",
                                          "txtTEoct_1=", "Lblcuar_1:Suecia", "txtTEoct_2="}));
        QCOMPARE(slot(b, "Lblcuar_1"), QString("Suecia"));

        // A regular draw after that keeps the name the cascade wrote.
        set(b, "txtOct_2", "");
        set(b, "txtOct_2", "0");
        QCOMPARE(slot(b, "Lblcuar_1"), QString("Alemania"));  // "" < "0" wrote Alemania first
        QVERIFY(shown(b, "txtTEoct_1"));
        QVERIFY(notes.messages.isEmpty());
    }

    void deletingScoresNeverEmptiesTheWinner()
    {
        TempDataFolder folder;
        seedGroups(folder);
        BracketBoard b;
        b.SeedRoundOf16();
        set(b, "txtOct_5", "3");
        set(b, "txtOct_6", "1");
        QCOMPARE(slot(b, "Lblcuar_5"), QString("Italia"));
        set(b, "txtOct_5", "");
        QCOMPARE(slot(b, "Lblcuar_5"), QString("Australia"));
        set(b, "txtOct_6", "");
        QCOMPARE(slot(b, "Lblcuar_5"), QString("Australia"));
    }

    void invalidEntryChangesNothing()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        seedGroups(folder);
        BracketBoard b;
        b.SeedRoundOf16();
        set(b, "txtOct_7", "1");
        set(b, "txtOct_8", "1");
        set(b, "txtTEoct_7", "1");
        Log log(b);
        set(b, "txtOct_7", "x");
        QCOMPARE(log.events, QStringList{"txtOct_7=x"});
        QCOMPARE(notes.texts(), QStringList{"Ingrese solo números enteros"});
        QVERIFY(shown(b, "txtTEoct_7"));
        // The other side typed later compares against the invalid text's value, 0.
        set(b, "txtOct_8", "2");
        QCOMPARE(slot(b, "Lblcuar_7"), QString("Ucrania"));
    }

    void laterRoundsAreNotDecidedAgain()
    {
        TempDataFolder folder;
        seedGroups(folder);
        BracketBoard b;
        b.SeedRoundOf16();
        set(b, "txtOct_1", "2");
        set(b, "txtOct_2", "0");
        set(b, "txtOct_3", "2");
        set(b, "txtOct_4", "0");
        set(b, "txtcuar_1", "1");
        set(b, "txtcuar_3", "0");
        QCOMPARE(slot(b, "Lblsemi_1"), QString("Alemania"));
        set(b, "txtOct_2", "5");
        QCOMPARE(slot(b, "Lblcuar_1"), QString("Suecia"));
        QCOMPARE(b.slotFlag(b.slotIndex("Lblcuar_1")), QString("Suecia"));
        QCOMPARE(slot(b, "Lblsemi_1"), QString("Alemania"));
        set(b, "txtcuar_3", "");
        set(b, "txtcuar_3", "0");
        QCOMPARE(slot(b, "Lblsemi_1"), QString("Suecia"));
    }

    void emptyNameMovesOnAndKeepsTheOldFlag()
    {
        TempDataFolder folder;
        seedGroups(folder);
        folder.writeLines("torveloB.txt", QStringList(12, "*") << "Inglaterra" << "");
        BracketBoard b;
        b.SeedRoundOf16();
        set(b, "txtOct_1", "1");
        set(b, "txtOct_2", "0");
        QCOMPARE(b.slotFlag(b.slotIndex("Lblcuar_1")), QString("Alemania"));
        set(b, "txtOct_2", "3");
        QCOMPARE(slot(b, "Lblcuar_1"), QString());
        QCOMPARE(b.slotFlag(b.slotIndex("Lblcuar_1")), QString("Alemania"));
    }

    void finalsButtonFollowsTheFourthSemifinalist()
    {
        TempDataFolder folder;
        seedGroups(folder);
        BracketBoard b;
        b.SeedRoundOf16();
        QList<bool> checks;
        connect(&b, &BracketBoard::finalsOpenChecked, this, [&](bool open) { checks << open; });
        for (int k = 1; k <= 8; ++k) {
            set(b, QString("txtOct_%1").arg(2 * k - 1), "1");
            set(b, QString("txtOct_%1").arg(2 * k), "0");
        }
        for (int first : {1, 5, 9}) {
            set(b, QString("txtcuar_%1").arg(first), "1");
            set(b, QString("txtcuar_%1").arg(first + 2), "0");
        }
        QCOMPARE(checks, (QList<bool>{false, false, false}));
        QVERIFY(!b.finalsOpen());
        set(b, "txtcuar_13", "0");
        set(b, "txtcuar_15", "2");
        QCOMPARE(checks.last(), true);
        QVERIFY(b.finalsOpen());
        QCOMPARE(b.semifinalists(), (QStringList{"Alemania", "Italia", "Inglaterra", "España"}));
        QCOMPARE(b.slotFlag(b.slotIndex("Lblsemi_13")), QString("España"));
        // A quarter-final turned undecided keeps its semi-finalist, and the way on stays open.
        set(b, "txtcuar_15", "0");
        QVERIFY(b.finalsOpen());
        QCOMPARE(b.semifinalists().last(), QString("España"));
    }

    void bracketFilesRoundTrip()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        seedGroups(folder);
        {
            BracketBoard b;
            b.open();
            set(b, "txtOct_1", "1");
            set(b, "txtOct_2", "1");
            set(b, "txtTEoct_1", "2");
            set(b, "txtTEoct_2", "1");
            set(b, "txtOct_9", " 2");
            set(b, "txtOct_10", "*");  // refused, kept, saved as a lone asterisk
            QVERIFY(b.save());
        }
        QCOMPARE(folder.bytes("torveloOct.txt"),
                 QByteArray("1\r\n1\r\n*\r\n*\r\n*\r\n*\r\n*\r\n*\r\n 2\r\n*\r\n*\r\n*\r\n*\r\n*\r\n*\r\n*\r\n"));
        QCOMPARE(folder.bytes("torveloTEOct.txt"), QByteArray("2\r\n1\r\n") + QByteArray(14, '#').replace("#", "*\r\n"));
        QCOMPARE(folder.bytes("torveloPENcuar.txt"), QByteArray(8, '#').replace("#", "*\r\n"));
        notes.clear();
        BracketBoard b;
        b.open();
        QVERIFY(notes.messages.isEmpty());
        QCOMPARE(slot(b, "Lblcuar_1"), QString("Alemania"));
        QVERIFY(shown(b, "txtTEoct_1"));
        QCOMPARE(b.boxText(b.boxIndex("txtOct_9")), QString(" 2"));
        QCOMPARE(b.boxText(b.boxIndex("txtOct_10")), QString());
        QCOMPARE(slot(b, "Lblcuar_9"), QString());  // " 2" against an empty box decides nothing
        const QByteArray oct = folder.bytes("torveloOct.txt");
        QVERIFY(b.save());
        QVERIFY(b.save());
        QCOMPARE(folder.bytes("torveloOct.txt"), oct);
    }

    void replayRebuildsTheBracket()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        seedGroups(folder);
        QStringList oct(16, "*"), te(16, "*"), pen(16, "*");
        for (int i = 0; i < 16; i += 2) {
            oct[i] = "2";
            oct[i + 1] = "1";
        }
        oct[14] = "0";  // clock 8: 0-0, extra time 1-1, penalties 3-3
        oct[15] = "0";
        te[14] = "1";
        te[15] = "1";
        pen[14] = "3";
        pen[15] = "3";
        folder.writeLines("torveloOct.txt", oct);
        folder.writeLines("torveloTEOct.txt", te);
        folder.writeLines("torveloPENOct.txt", pen);
        folder.writeLines("torvelocuar.txt", {"1", "0", "0", "1", "3", "3", "*", "*"});
        folder.writeLines("torveloTEcuar.txt", {"*", "*", "*", "*", "2", "1"});  // short: the rest is empty
        BracketBoard b;
        b.open();
        QCOMPARE(notes.messages.size(), 1);
        QCOMPARE(notes.messages[0].title, QString("Debe haber un Ganador"));
        QVERIFY(shown(b, "txtPENoct_15") && shown(b, "txtPENoct_16"));
        QCOMPARE(slot(b, "Lblcuar_15"), QString());
        QCOMPARE(slot(b, "Lblsemi_1"), QString("Alemania"));
        QCOMPARE(slot(b, "Lblsemi_5"), QString("Suiza"));
        QCOMPARE(slot(b, "Lblsemi_9"), QString("Inglaterra"));
        QCOMPARE(slot(b, "Lblsemi_13"), QString());
        QVERIFY(!b.finalsOpen());

        // A changed group result reseeds at the next opening; scores stay with their slots.
        folder.writeLines("torveloA.txt", QStringList(12, "*") << "Costa Rica" << "Polonia");
        BracketBoard reseeded;
        reseeded.open();
        QCOMPARE(slot(reseeded, "Lblsemi_1"), QString("Costa Rica"));
        QCOMPARE(reseeded.slotFlag(reseeded.slotIndex("Lblsemi_1")), QString("CostaRica"));
    }

    void missingFilesOpenAnEmptyBracket()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        seedGroups(folder);
        BracketBoard b;
        b.open();
        QVERIFY(notes.messages.isEmpty());
        for (int box = 0; box < b.boxCount(); ++box) {
            QCOMPARE(b.boxText(box), QString());
            QCOMPARE(b.boxVisible(box), b.wiring().boxKinds[box] == BoxKind::Regular);
        }
        QVERIFY(b.save());
        QCOMPARE(folder.bytes("torveloPENOct.txt"), QByteArray(16, '#').replace("#", "*\r\n"));
    }

    void finalsCarrySemifinalsOn()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        FinalsBoard f;
        f.open({"Alemania", "Italia", "Argentina", "Portugal"});
        QCOMPARE(f.slotFlag(f.slotIndex("LblOct_2")), QString("Italia"));
        set(f, "txtOct_1", "1");
        set(f, "txtOct_2", "1");
        QVERIFY(shown(f, "txtTEoct_1") && shown(f, "txtTEoct_2"));
        set(f, "txtTEoct_1", "0");
        set(f, "txtTEoct_2", "0");
        QVERIFY(shown(f, "txtPENoct_1"));
        set(f, "txtPENoct_1", "4");
        set(f, "txtPENoct_2", "4");
        QCOMPARE(notes.messages.size(), 1);
        QCOMPARE(slot(f, "Lblcuar_1"), QString());
        set(f, "txtPENoct_1", "5");
        QCOMPARE(slot(f, "Lblcuar_1"), QString("Alemania"));
        QCOMPARE(slot(f, "Lblcuar_5"), QString("Italia"));
        set(f, "txtOct_3", "2");
        set(f, "txtOct_4", "0");
        QCOMPARE(slot(f, "Lblcuar_3"), QString("Argentina"));
        QCOMPARE(slot(f, "Lblcuar_7"), QString("Portugal"));

        set(f, "txtcuar_5", "3");
        set(f, "txtcuar_7", "1");
        QCOMPARE(f.third(), QString("Italia"));
        QCOMPARE(f.champion(), QString());
        set(f, "txtcuar_1", "0");
        set(f, "txtcuar_3", "1");
        QCOMPARE(f.champion(), QString("Argentina"));
        QCOMPARE(f.runnerUp(), QString("Alemania"));
        QCOMPARE(f.slotFlag(f.slotIndex("Campeon")), QString("Argentina"));

        // A semi-final changed later renames the finalists, not the podium.
        set(f, "txtOct_4", "3");
        QCOMPARE(slot(f, "Lblcuar_3"), QString("Portugal"));
        QCOMPARE(f.slotFlag(f.slotIndex("Lblcuar_3")), QString("Portugal"));
        QCOMPARE(f.champion(), QString("Argentina"));
        QCOMPARE(f.third(), QString("Italia"));

        QVERIFY(f.save());
        notes.clear();
        FinalsBoard again;
        again.open({"Alemania", "Italia", "Argentina", "Portugal"});
        QVERIFY(notes.messages.isEmpty());
        QCOMPARE(again.champion(), QString("Portugal"));
        QCOMPARE(again.runnerUp(), QString("Alemania"));
        QCOMPARE(again.third(), QString("Italia"));
        QCOMPARE(folder.bytes("torvelofinal.txt"),
                 QByteArray("1\r\n1\r\n2\r\n3\r\n0\r\n0\r\n*\r\n*\r\n5\r\n4\r\n*\r\n*\r\n"
                            "0\r\n1\r\n3\r\n1\r\n*\r\n*\r\n*\r\n*\r\n*\r\n*\r\n*\r\n*\r\n"));
    }

    void finalsWithEmptySemifinalist()
    {
        TempDataFolder folder;
        FinalsBoard f;
        f.open({"", "Italia", "Brasil", ""});
        set(f, "txtOct_1", "2");
        set(f, "txtOct_2", "0");
        QCOMPARE(slot(f, "Lblcuar_1"), QString());
        QCOMPARE(slot(f, "Lblcuar_5"), QString("Italia"));
        QCOMPARE(f.slotFlag(f.slotIndex("Lblcuar_1")), QString());
    }
};

QTEST_GUILESS_MAIN(KnockoutTest)
#include "tst_knockout.moc"
