#include "TournamentData.h"

#include <QTest>

class TournamentDataTest : public QObject {
    Q_OBJECT
private slots:
    void displayNameLookupIsExact_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("flagKey");
        QTest::newRow("serbia display") << "Serbia y Mont." << "SerbiayMont";
        QTest::newRow("arabia display") << "Arabia Saudí" << "Arabia";
        QTest::newRow("mexico accent") << "México" << "Mexico";
        QTest::newRow("espana key") << "España" << "España";
        QTest::newRow("serbia screen name") << "Serbia y Montenegro" << "";
        QTest::newRow("arabia screen name") << "Arabia Saudita" << "";
        QTest::newRow("no accent") << "Mexico" << "";
        QTest::newRow("lower case") << "alemania" << "";
        QTest::newRow("trailing blank") << "Alemania " << "";
        QTest::newRow("empty") << "" << "";
    }
    void displayNameLookupIsExact()
    {
        QFETCH(QString, name);
        QFETCH(QString, flagKey);
        const TeamEntry *team = TournamentData::teamByDisplayName(name);
        QCOMPARE(team ? team->flagKey : QString(), flagKey);
    }

    void groupsHoldTheirTeamsInPositionOrder()
    {
        QCOMPARE(TournamentData::teams().size(), size_t(32));
        const auto h = TournamentData::teamsOfGroup('H');
        QCOMPARE(h[0].displayName, QString("España"));
        QCOMPARE(h[3].displayName, QString("Arabia Saudí"));
        QCOMPARE(h[3].groupScreenName, QString("Arabia Saudita"));
        QCOMPARE(TournamentData::team('C', 3).groupScreenName, QString("Serbia y Montenegro"));
        QCOMPARE(TournamentData::team('A', 2).groupScreenName, QString("Costa Rica"));
        for (char g : QByteArrayLiteral("ABCDEFGH")) {
            const auto group = TournamentData::teamsOfGroup(g);
            for (int p = 0; p < 4; ++p) {
                QCOMPARE(group[p].group, g);
                QCOMPARE(group[p].position, p + 1);
            }
        }
    }

    void venuesAndDatesAreKeptAsWritten_data()
    {
        QTest::addColumn<char>("group");
        QTest::addColumn<int>("match");
        QTest::addColumn<QString>("dateTime");
        QTest::addColumn<QString>("venue");
        QTest::newRow("A3 Dormund") << 'A' << 3 << "14 de Junio - 16:00 Hs." << "Dormund";
        QTest::newRow("A5 Berlín") << 'A' << 5 << "20 de Junio - 11:00 Hs." << "Berlín";
        QTest::newRow("A6 same time") << 'A' << 6 << "20 de Junio - 11:00 Hs." << "Hannover";
        QTest::newRow("B2 Dormund") << 'B' << 2 << "10 de Junio - 13:00 Hs." << "Dormund";
        QTest::newRow("D5 Gelsenkirchner") << 'D' << 5 << "21 de Junio - 11:00 Hs." << "Gelsenkirchner";
        QTest::newRow("E2 Gelsenkirchner") << 'E' << 2 << "12 de Junio - 13:00 Hs." << "Gelsenkirchner";
        QTest::newRow("F5 Dortmund") << 'F' << 5 << "22 de Junio - 16:00 Hs." << "Dortmund";
        QTest::newRow("G2 Fankfurt") << 'G' << 2 << "13 de Junio - 10:00 Hs." << "Fankfurt";
        QTest::newRow("H6") << 'H' << 6 << "23 de Junio - 11:00 Hs." << "Berlín";
    }
    void venuesAndDatesAreKeptAsWritten()
    {
        QFETCH(char, group);
        QFETCH(int, match);
        QFETCH(QString, dateTime);
        QFETCH(QString, venue);
        const GroupMatch &m = TournamentData::matchesOfGroup(group)[match - 1];
        QCOMPARE(m.number, match);
        QCOMPARE(m.dateTime, dateTime);
        QCOMPARE(m.venue, venue);
    }

    void lastTwoMatchesOfEveryGroupShareTheirTime()
    {
        for (char g : QByteArrayLiteral("ABCDEFGH")) {
            const auto ms = TournamentData::matchesOfGroup(g);
            QCOMPARE(ms[4].dateTime, ms[5].dateTime);
        }
    }

    void cellsFollowTheMatchPattern()
    {
        // Match 5: position 4 at home, so position 1's own cells are 0, 4 and 9.
        QCOMPARE(TournamentData::cellsOfPosition(1).own, (std::array<int, 3>{0, 4, 9}));
        QCOMPARE(TournamentData::cellsOfPosition(1).opponent, (std::array<int, 3>{1, 5, 8}));
        QCOMPARE(TournamentData::cellsOfPosition(2).own, (std::array<int, 3>{1, 7, 10}));
        QCOMPARE(TournamentData::cellsOfPosition(2).opponent, (std::array<int, 3>{0, 6, 11}));
        QCOMPARE(TournamentData::cellsOfPosition(3).own, (std::array<int, 3>{2, 5, 11}));
        QCOMPARE(TournamentData::cellsOfPosition(4).own, (std::array<int, 3>{3, 6, 8}));
        const GroupMatch &m = TournamentData::matchOfCell('A', 8);
        QCOMPARE(m.number, 5);
        QCOMPARE(m.homePosition, 4);
        QCOMPARE(TournamentData::team('A', m.homePosition).displayName, QString("Ecuador"));
        QVERIFY(TournamentData::isHomeCell(8));
        QVERIFY(!TournamentData::isHomeCell(9));
    }

    void knockoutClocks_data()
    {
        QTest::addColumn<bool>("finals");
        QTest::addColumn<int>("clock");
        QTest::addColumn<QString>("dateTime");
        QTest::addColumn<QString>("venue");
        QTest::newRow("bracket 1") << false << 1 << "24 de Junio - 12:00 Hs." << "Munich";
        QTest::newRow("bracket 9") << false << 9 << "30 de Junio - 12:00 Hs." << "Berlín";
        QTest::newRow("bracket 10 degree") << false << 10 << "1° de Julio - 12:00 Hs." << "Gelsenkirchen";
        QTest::newRow("bracket 12 degree") << false << 12 << "1° de Julio - 16:00 Hs." << "Frankfurt";
        QTest::newRow("finals 1") << true << 1 << "4 de Julio - 16:00 Hs." << "Dortmund";
        QTest::newRow("final Berlin") << true << 4 << "9 de Julio - 16:00 Hs." << "Berlin";
    }
    void knockoutClocks()
    {
        QFETCH(bool, finals);
        QFETCH(int, clock);
        QFETCH(QString, dateTime);
        QFETCH(QString, venue);
        const KnockoutMatch *m =
            TournamentData::knockoutMatch(finals ? KnockoutScreen::Finals : KnockoutScreen::Bracket, clock);
        QVERIFY(m);
        QCOMPARE(m->dateTime, dateTime);
        QCOMPARE(m->venue, venue);
    }
};

QTEST_APPLESS_MAIN(TournamentDataTest)
#include "tst_tournamentdata.moc"
