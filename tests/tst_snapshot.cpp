// The tournament snapshot against the screens: for the same files it must hold exactly
// what the group, bracket and finals screens show, and it must only read.

#include "BracketScreen.h"
#include "FinalsScreen.h"
#include "GroupScreen.h"
#include "GuiSupport.h"
#include "SampleData.h"
#include "TestSupport.h"
#include "TournamentSnapshot.h"

#include <QDir>
#include <algorithm>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

Q_DECLARE_METATYPE(SampleData::Kind)

namespace {

const char *const kStatNames[kStatCount] = {"J", "G", "E", "P", "GF", "GC", "DIF", "PUN"};

// Every file of the folder with its bytes.
QMap<QString, QByteArray> folderContents(const TempDataFolder &folder)
{
    QMap<QString, QByteArray> out;
    for (const QString &name : QDir(folder.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot))
        out.insert(name, folder.bytes(name));
    return out;
}

} // namespace

class SnapshotTest : public QObject {
    Q_OBJECT

    // Each knockout match of the snapshot against the labels and boxes of the screen showing it.
    void compareTies(QWidget *screen, KnockoutBoard &board, const TournamentSnapshot &s, KnockoutScreen which, int clocks)
    {
        const BoardWiring &w = board.wiring();
        for (int clock = 1; clock <= clocks; ++clock) {
            const KnockoutResult &r = s.match(which, clock);
            const TieWiring *tie = board.tieOfClock(clock);
            QVERIFY(tie && r.match);
            QCOMPARE(r.match->clock, clock);
            for (int side = 0; side < 2; ++side) {
                const TieSide &ts = tie->sides[side];
                const MatchSide &ms = r.sides[side];
                QCOMPARE(ms.name, child<QLabel>(screen, w.slotNames[ts.slot])->text());
                QCOMPARE(ms.flagKey, board.slotFlag(ts.slot));
                const QString *texts[3] = {&ms.regular, &ms.extra, &ms.penalty};
                for (int k = 0; k < 3; ++k)
                    QCOMPARE(*texts[k], child<QLineEdit>(screen, w.boxNames[ts.boxes[k]])->text());
                QCOMPARE(r.extraTime, !child<QLineEdit>(screen, w.boxNames[ts.boxes[1]])->isHidden());
                QCOMPARE(r.penalties, !child<QLineEdit>(screen, w.boxNames[ts.boxes[2]])->isHidden());
            }
            // A decided match sends its winner's name on, as the screen shows it.
            if (r.winner >= 0)
                QCOMPARE(child<QLabel>(screen, w.slotNames[tie->winnerSlot])->text(), r.sides[r.winner].name);
        }
    }

private slots:
    void initTestCase() { Fonts::install(); }
    void cleanup() { closeAllScreens(); }

    void holdsWhatTheScreensShow_data()
    {
        QTest::addColumn<SampleData::Kind>("kind");
        QTest::newRow("nothing typed") << SampleData::Kind::None;
        QTest::newRow("groups half played, an invalid entry") << SampleData::Kind::GroupsPartly;
        QTest::newRow("groups complete") << SampleData::Kind::GroupsDone;
        QTest::newRow("knockout under way") << SampleData::Kind::MidKnockout;
        QTest::newRow("2006 complete") << SampleData::Kind::Complete;
    }
    void holdsWhatTheScreensShow()
    {
        QFETCH(SampleData::Kind, kind);
        TempDataFolder folder;
        RecordingNotifier notes;
        SampleData::prepare(kind);
        notes.clear();
        const TournamentSnapshot s = TournamentSnapshot::fromFiles();
        QVERIFY(notes.messages.isEmpty());

        for (char g : QByteArrayLiteral("ABCDEFGH")) {
            GroupScreen screen(g);
            const GroupTable &table = s.group(g);
            QCOMPARE(table.group, g);
            for (int i = 0; i < 12; ++i)
                QCOMPARE(table.cells[i], screen.scoreBox(i)->text());
            for (int slot = 0; slot < 4; ++slot) {
                QFrame *row = screen.rowInSlot(slot);
                const int position = table.rows[slot].team->position;
                QCOMPARE(row->findChild<QLabel *>(QString("A%1").arg(position))->text(),
                         table.rows[slot].team->groupScreenName);
                for (int st = 0; st < kStatCount; ++st)
                    QCOMPARE(row->findChild<QLabel *>(QString("%1_%2").arg(kStatNames[st]).arg(position))->text(),
                             QString::number(table.rows[slot].figures.values[st]));
            }
            // The screens' sheets remember their last qualifiers across openings; a
            // replay that ranks the group gives the same ones.
            if (std::any_of(table.cells.begin(), table.cells.end(), [](const QString &c) { return !c.isEmpty(); })) {
                QCOMPARE(table.first, screen.sheet().first());
                QCOMPARE(table.second, screen.sheet().second());
            }
        }

        BracketScreen bracket;
        compareTies(&bracket, bracket.board(), s, KnockoutScreen::Bracket, 12);
        FinalsScreen finals(bracket.board().semifinalists());
        compareTies(&finals, finals.board(), s, KnockoutScreen::Finals, 4);
        QCOMPARE(s.champion.name, child<QLabel>(&finals, "Campeon")->text());
        QCOMPARE(s.runnerUp.name, child<QLabel>(&finals, "Subcampeon")->text());
        QCOMPARE(s.third.name, child<QLabel>(&finals, "Tercero")->text());
        QCOMPARE(s.champion.flagKey, finals.board().slotFlag(finals.board().slotIndex("Campeon")));
    }

    void the2006Tournament()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        SampleData::prepare(SampleData::Kind::Complete);
        const TournamentSnapshot s = TournamentSnapshot::fromFiles();
        QVERIFY(s.withheldMessages.isEmpty());

        const GroupTable &a = s.group('A');
        QStringList order;
        for (const TableRow &row : a.rows)
            order << row.team->displayName;
        QCOMPARE(order, QStringList({"Alemania", "Ecuador", "Polonia", "Costa Rica"}));
        QCOMPARE(a.rows[0].figures.values, (std::array<qint16, 8>{3, 3, 0, 0, 8, 2, 6, 9}));
        QCOMPARE(s.group('C').rows[3].team->groupScreenName, QString("Serbia y Montenegro"));

        const KnockoutResult &first = s.match(KnockoutScreen::Bracket, 1);
        QCOMPARE(first.sides[0].name, QString("Alemania"));
        QCOMPARE(first.sides[1].name, QString("Suecia"));
        QCOMPARE(first.winner, 0);
        QVERIFY(!first.extraTime && !first.penalties);
        QCOMPARE(first.match->dateTime, QString("24 de Junio - 12:00 Hs."));
        QCOMPARE(first.match->venue, QString("Munich"));
        // Suiza-Ucrania: 0-0, 0-0 in extra time, 0-3 on penalties.
        const KnockoutResult &swiss = s.match(KnockoutScreen::Bracket, 6);
        QCOMPARE(swiss.sides[1].name, QString("Ucrania"));
        QVERIFY(swiss.extraTime && swiss.penalties);
        QCOMPARE(swiss.sides[1].penalty, QString("3"));
        QCOMPARE(swiss.winner, 1);
        // Argentina-México was decided in extra time only.
        const KnockoutResult &arg = s.match(KnockoutScreen::Bracket, 2);
        QVERIFY(arg.extraTime && !arg.penalties);
        QCOMPARE(arg.winner, 0);

        const KnockoutResult &final = s.match(KnockoutScreen::Finals, 4);
        QCOMPARE(final.sides[0].name, QString("Italia"));
        QCOMPARE(final.sides[1].name, QString("Francia"));
        QCOMPARE(final.sides[0].regular + final.sides[0].extra + final.sides[0].penalty, QString("105"));
        QCOMPARE(final.winner, 0);
        QCOMPARE(final.match->venue, QString("Berlin"));
        QCOMPARE(s.champion.name, QString("Italia"));
        QCOMPARE(s.champion.flagKey, QString("Italia"));
        QCOMPARE(s.runnerUp.name, QString("Francia"));
        QCOMPARE(s.third.name, QString("Alemania"));
        QCOMPARE(s.match(KnockoutScreen::Finals, 3).sides[1].name, QString("Portugal"));
    }

    // Opening the bracket screen rewrites the seeding file; the snapshot must not.
    void readsAndNeverWrites()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        SampleData::prepare(SampleData::Kind::Complete);
        QFile::remove(folder.file("torvelollave.txt"));
        const auto before = folderContents(folder);
        QCOMPARE(before.size(), 15);
        const TournamentSnapshot s = TournamentSnapshot::fromFiles();
        QCOMPARE(folderContents(folder), before);
        QVERIFY(!QFile::exists(folder.file("torvelollave.txt")));
        QVERIFY(notes.failedSaves.isEmpty());
    }

    // Entries the screens would complain about while opening are kept, not shown.
    void messagesAreWithheld()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        seedGroups(folder);
        QStringList b(12, "*");
        b[0] = "x";
        folder.writeLines("torveloB.txt", b << "Inglaterra" << "Suecia");
        QStringList oct(16, "*"), te(16, "*"), pen(16, "*");
        oct[0] = "1", oct[1] = "1", te[0] = "0", te[1] = "0", pen[0] = "3", pen[1] = "3";
        folder.writeLines("torveloOct.txt", oct);
        folder.writeLines("torveloTEOct.txt", te);
        folder.writeLines("torveloPENOct.txt", pen);

        const TournamentSnapshot s = TournamentSnapshot::fromFiles();
        QVERIFY(notes.messages.isEmpty());
        QCOMPARE(&Notifier::current(), static_cast<Notifier *>(&notes));
        QCOMPARE(s.withheldMessages, QStringList({Messages::notAWholeNumber(), Messages::penaltiesDrawn()}));
        QCOMPARE(s.group('B').cells[0], QString("x"));
        const KnockoutResult &m = s.match(KnockoutScreen::Bracket, 1);
        QVERIFY(m.extraTime && m.penalties);
        QCOMPARE(m.winner, -1);
        QCOMPARE(s.match(KnockoutScreen::Bracket, 9).sides[0].name, QString());
    }

    // A group file that cannot be read counts as an empty group; short files as "*" lines.
    void unreadableAndShortFiles()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        seedGroups(folder);
        QFile::remove(folder.file("torveloA.txt"));
        QVERIFY(QDir(folder.path()).mkdir("torveloA.txt"));
        folder.writeLines("torveloOct.txt", {"2", "1", "1"});
        const TournamentSnapshot s = TournamentSnapshot::fromFiles();
        QVERIFY(notes.messages.isEmpty() && notes.failedSaves.isEmpty());
        QCOMPARE(s.group('A').rows[0].team->displayName, QString("Alemania"));
        QCOMPARE(s.group('A').rows[3].figures.values, (std::array<qint16, 8>{}));
        QCOMPARE(s.group('A').first, QString());
        // 1st A is read from the unreadable file: an empty name that still wins its match.
        const KnockoutResult &first = s.match(KnockoutScreen::Bracket, 1);
        QCOMPARE(first.sides[0].name, QString());
        QCOMPARE(first.sides[1].name, QString("Suecia"));
        QCOMPARE(first.winner, 0);
        QCOMPARE(s.match(KnockoutScreen::Bracket, 2).sides[0].regular, QString("1"));
        QCOMPARE(s.match(KnockoutScreen::Bracket, 2).winner, -1);
        QCOMPARE(s.champion.name, QString());
    }
};

QTEST_MAIN(SnapshotTest)
#include "tst_snapshot.moc"
