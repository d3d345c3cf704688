// What a screen reader hears: every control a user reads or edits names itself in
// Spanish, and the names follow what the screen shows.

#include "AccessibleNames.h"
#include "BracketScreen.h"
#include "FinalsScreen.h"
#include "GroupChooser.h"
#include "GroupScreen.h"
#include "GuiSupport.h"
#include "HistoryPages.h"
#include "MainMenu.h"
#include "Pictures.h"
#include "ReferenceData.h"
#include "StageChooser.h"
#include "TeamPages.h"
#include "TestSupport.h"
#include "VenueDirectory.h"
#include "VenuePages.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <memory>

namespace {

QString spoken(QWidget *w, QAccessible::Text what = QAccessible::Name)
{
    QAccessibleInterface *iface = w ? QAccessible::queryAccessibleInterface(w) : nullptr;
    return iface ? iface->text(what) : QStringLiteral("<no control>");
}

QString spoken(QWidget *screen, const QString &name, QAccessible::Text what = QAccessible::Name)
{
    return spoken(child<QWidget>(screen, name), what);
}

void type(QWidget *screen, const QString &box, const QString &text)
{
    auto *b = child<QLineEdit>(screen, box);
    b->setText(text);
}

} // namespace

class AccessibleNamesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Fonts::install(); }
    void cleanup() { closeAllScreens(); }

    void groupScoreBoxesNameTeamOpponentAndMatch_data()
    {
        QTest::addColumn<char>("group");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::newRow("first box") << 'A' << "R_0" << "Alemania, goles ante Costa Rica, partido 1"
                                   << "9 de Junio - 13:00 Hs., Munich";
        QTest::newRow("away box") << 'A' << "R_1" << "Costa Rica, goles ante Alemania, partido 1"
                                  << "9 de Junio - 13:00 Hs., Munich";
        QTest::newRow("Ecuador at home") << 'A' << "R_8" << "Ecuador, goles ante Alemania, partido 5"
                                         << "20 de Junio - 11:00 Hs., Berlín";
        QTest::newRow("last box") << 'A' << "R_11" << "Polonia, goles ante Costa Rica, partido 6"
                                  << "20 de Junio - 11:00 Hs., Hannover";
        QTest::newRow("group-screen name") << 'C' << "R_2" << "Serbia y Montenegro, goles ante Holanda, partido 2"
                                           << QString();
    }
    void groupScoreBoxesNameTeamOpponentAndMatch()
    {
        QFETCH(char, group);
        QFETCH(QString, box);
        QFETCH(QString, name);
        QFETCH(QString, description);
        TempDataFolder folder;
        GroupScreen screen(group);
        QCOMPARE(spoken(&screen, box), name);
        if (!description.isEmpty())
            QCOMPARE(spoken(&screen, box, QAccessible::Description), description);
    }

    void clocksNameTheirMatch()
    {
        TempDataFolder folder;
        GroupScreen screen('A');
        QCOMPARE(spoken(&screen, "Crono_5"), QString("Partido 5: Ecuador ante Alemania"));
        QCOMPARE(spoken(&screen, "Crono_5", QAccessible::Description), QString("20 de Junio - 11:00 Hs., Berlín"));
    }

    void tableFiguresFollowTheirFigures()
    {
        TempDataFolder folder;
        GroupScreen screen('A');
        QCOMPARE(spoken(&screen, "PUN_1"), QString("Alemania, puntos: 0"));
        type(&screen, "R_0", "4");
        type(&screen, "R_1", "2");
        QCOMPARE(spoken(&screen, "PUN_1"), QString("Alemania, puntos: 3"));
        QCOMPARE(spoken(&screen, "GF_2"), QString("Costa Rica, goles a favor: 2"));
        QCOMPARE(spoken(&screen, "GC_2"), QString("Costa Rica, goles en contra: 4"));
        QCOMPARE(spoken(&screen, "DIF_2"), QString("Costa Rica, diferencia de gol: -2"));
        QCOMPARE(spoken(&screen, "J_3"), QString("Polonia, partidos jugados: 0"));
        // The name says what the label shows, however the figure was reached.
        type(&screen, "R_1", "");
        QCOMPARE(spoken(&screen, "PUN_1"), QString("Alemania, puntos: 0"));
    }

    // A reader walks the rows in the order the table shows them, not in team order.
    void tableReadsInRankedOrder()
    {
        TempDataFolder folder;
        GroupScreen screen('A');
        auto rowsRead = [&] {
            QStringList rows;
            QAccessibleInterface *surface = QAccessible::queryAccessibleInterface(screen.surface());
            for (int i = 0; i < surface->childCount(); ++i) {
                const QString n = surface->child(i)->text(QAccessible::Name);
                if (n.startsWith("Puesto "))
                    rows << n;
            }
            return rows;
        };
        QCOMPARE(rowsRead(), QStringList({"Puesto 1: Alemania", "Puesto 2: Costa Rica", "Puesto 3: Polonia",
                                          "Puesto 4: Ecuador"}));
        const char *scores[] = {"4", "2", "0", "2", "1", "0", "3", "0", "0", "3", "1", "2"};
        for (int i = 0; i < 12; ++i)
            type(&screen, QString("R_%1").arg(i), scores[i]);
        QCOMPARE(rowsRead(), QStringList({"Puesto 1: Alemania", "Puesto 2: Ecuador", "Puesto 3: Polonia",
                                          "Puesto 4: Costa Rica"}));
        // Within each row, the name before its figures.
        QAccessibleInterface *second = QAccessible::queryAccessibleInterface(screen.rowInSlot(1));
        QCOMPARE(second->child(1)->text(QAccessible::Name), QString("Ecuador"));
        QCOMPARE(second->child(second->childCount() - 1)->text(QAccessible::Name), QString("Ecuador, puntos: 6"));
        // The rows stay between the table's heading and the matches' heading.
        QAccessibleInterface *surface = QAccessible::queryAccessibleInterface(screen.surface());
        const int heading = surface->indexOfChild(QAccessible::queryAccessibleInterface(child<QWidget>(&screen, "Label30")));
        const int lastRow = surface->indexOfChild(QAccessible::queryAccessibleInterface(screen.rowInSlot(3)));
        QCOMPARE(lastRow + 1, heading);
    }

    void matchPanelNamesWhatItShows()
    {
        TempDataFolder folder;
        GroupScreen screen('A');
        QCOMPARE(spoken(&screen, "LblFecha"), QString("Fecha: sin partido elegido"));
        emit child<ClockIcon>(&screen, "Crono_6")->hovered(6);
        QCOMPARE(spoken(&screen, "Lblestadio"), QString("Lugar: Hannover"));
        QCOMPARE(spoken(&screen, "LblFecha"), QString("Fecha: 20 de Junio - 11:00 Hs."));
    }

    void knockoutNamesFollowSeedingAndTieRule()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        seedGroups(folder);
        BracketScreen s;
        QCOMPARE(spoken(&s, "txtOct_1"), QString("Alemania, goles ante Suecia, octavos de final, partido 1, tiempo reglamentario"));
        QCOMPARE(spoken(&s, "txtOct_1", QAccessible::Description), QString("24 de Junio - 12:00 Hs., Munich"));
        QCOMPARE(spoken(&s, "txtTEoct_2"), QString("Suecia, goles ante Alemania, octavos de final, partido 1, alargue"));
        QCOMPARE(spoken(&s, "txtPENoct_16"), QString("Francia, goles ante España, octavos de final, partido 8, penales"));
        QCOMPARE(spoken(&s, "LblOct_1"), QString("Octavos de final, partido 1: Alemania"));
        QCOMPARE(spoken(&s, "ImOCT_1"), QString("Bandera de Alemania"));
        const QString undecidedQuarter = "Sin definir (ganador del partido 1 (octavos de final)), goles ante sin definir "
                                         "(ganador del partido 2 (octavos de final)), cuartos de final, partido 9, penales";
        QCOMPARE(spoken(&s, "txtPENcuar_1"), undecidedQuarter);
        QCOMPARE(spoken(&s, "Lblcuar_1"), QString("Cuartos de final, partido 9: sin definir (ganador del partido 1 "
                                                  "(octavos de final))"));
        QCOMPARE(spoken(&s, "ImCuar_1"), QString("Bandera: sin definir"));

        type(&s, "txtOct_1", "2");
        type(&s, "txtOct_2", "1");
        QCOMPARE(spoken(&s, "Lblcuar_1"), QString("Cuartos de final, partido 9: Alemania"));
        QCOMPARE(spoken(&s, "ImCuar_1"), QString("Bandera de Alemania"));
        QCOMPARE(spoken(&s, "txtcuar_1"), QString("Alemania, goles ante sin definir (ganador del partido 2 (octavos de "
                                                  "final)), cuartos de final, partido 9, tiempo reglamentario"));
        QCOMPARE(spoken(&s, "Crono_9"), QString("Cuartos de final, partido 9: Alemania ante sin definir (ganador del "
                                                "partido 2 (octavos de final))"));
        // A later result changes the names again.
        type(&s, "txtOct_2", "3");
        QCOMPARE(spoken(&s, "txtcuar_1").left(24), QString("Suecia, goles ante sin d"));
        QCOMPARE(spoken(&s, "Lblsemi_1"), QString("Semifinalista: sin definir (ganador del partido 9 (cuartos de final))"));
    }

    void finalsNameThePodium()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        FinalsScreen s({"Alemania", "Italia", "Portugal", QString()});
        QCOMPARE(spoken(&s, "txtOct_1"), QString("Alemania, goles ante Italia, semifinal 1, tiempo reglamentario"));
        QCOMPARE(spoken(&s, "LblOct_4"), QString("Semifinal 2: sin definir (ganador del partido 12 (cuartos de final))"));
        QCOMPARE(spoken(&s, "Campeon"), QString("Campeón: sin definir (ganador de la final)"));
        QCOMPARE(spoken(&s, "Tercero"), QString("Tercer puesto: sin definir (ganador del partido por el tercer puesto)"));
        QCOMPARE(spoken(&s, "Crono_4", QAccessible::Description), QString("9 de Julio - 16:00 Hs., Berlin"));
        type(&s, "txtOct_1", "0");
        type(&s, "txtOct_2", "1");
        type(&s, "txtOct_3", "2");
        type(&s, "txtOct_4", "1");
        QCOMPARE(spoken(&s, "Lblcuar_5"), QString("Tercer puesto: Alemania"));
        QCOMPARE(spoken(&s, "txtPENcuar_3"), QString("Portugal, goles ante Italia, final, penales"));
        type(&s, "txtcuar_1", "1");
        type(&s, "txtcuar_3", "0");
        QCOMPARE(spoken(&s, "Campeon"), QString("Campeón: Italia"));
        QCOMPARE(spoken(&s, "Subcampeon"), QString("Subcampeón: Portugal"));
        QCOMPARE(spoken(&s, "ImCampeon"), QString("Bandera de Italia"));
    }

    void flagsNameTheirTeam()
    {
        FlagView flag;
        QCOMPARE(spoken(&flag), QString("Bandera: sin definir"));
        flag.setFlagKey("SerbiayMont");
        QCOMPARE(spoken(&flag), QString("Bandera de Serbia y Montenegro"));
    }

    void proseIsNamedByItsOpeningWords_data()
    {
        QTest::addColumn<QStringList>("paragraphs");
        QTest::addColumn<QString>("name");
        QTest::newRow("short") << QStringList{"Berlín, capital."} << "Texto: Berlín, capital.";
        QTest::newRow("cut at a word")
            << QStringList{"El 21 de Mayo de 1904 fue el día elegido para empezar una larguísima historia.", "Otro."}
            << "Texto: El 21 de Mayo de 1904 fue el día elegido para empezar una…";
        QTest::newRow("one long word") << QStringList{QString(70, 'a')} << "Texto: " + QString(60, 'a') + "…";
        QTest::newRow("none") << QStringList{} << "Texto: ";
    }
    void proseIsNamedByItsOpeningWords()
    {
        QFETCH(QStringList, paragraphs);
        QFETCH(QString, name);
        QCOMPARE(AccessibleNames::prose(paragraphs), name);
    }

    // Tab reaches nothing a screen reader would announce as a bare role.
    void everyFocusableControlIsNamed_data()
    {
        QTest::addColumn<int>("screen");
        // A team page has nothing to Tab to: only its menu.
        const char *names[] = {"main menu", "stages", "groups", "group A", "bracket", "finals", "teams", "stadiums", "stadium page", "cities", "city page", "history", "edition page"};
        for (int i = 0; i < int(std::size(names)); ++i)
            QTest::newRow(names[i]) << i;
    }
    void everyFocusableControlIsNamed()
    {
        QFETCH(int, screen);
        TempDataFolder folder;
        RecordingNotifier notes;
        seedGroups(folder);
        std::unique_ptr<QWidget> w;
        switch (screen) {
        case 0: w.reset(new MainMenu); break;
        case 1: w.reset(new StageChooser); break;
        case 2: w.reset(new GroupChooser); break;
        case 3: w.reset(new GroupScreen('A')); break;
        case 4: {
            auto *b = new BracketScreen;
            w.reset(b);
            // Every kind of box showing: a drawn match with a drawn extra time.
            type(b, "txtOct_1", "1");
            type(b, "txtOct_2", "1");
            type(b, "txtTEoct_1", "0");
            type(b, "txtTEoct_2", "0");
            break;
        }
        case 5: w.reset(new FinalsScreen({"Alemania", "Italia", "Portugal", "Francia"})); break;
        case 6: w.reset(new TeamDirectory); break;
        case 7: w.reset(VenuePages::stadiumDirectory()); break;
        case 8: w.reset(new StadiumPage(ReferenceData::stadiums().first())); break;
        case 9: w.reset(VenuePages::cityDirectory()); break;
        case 10: w.reset(new CityPage(ReferenceData::cities().first())); break;
        case 11: w.reset(new HistoryDirectory); break;
        case 12: w.reset(new EditionPage(ReferenceData::editions().first())); break;
        }
        w->setAttribute(Qt::WA_DeleteOnClose, false);
        w->show();
        QStringList unnamed;
        int focusable = 0;
        for (QWidget *c : w->findChildren<QWidget *>()) {
            if (!(c->focusPolicy() & Qt::TabFocus) || !c->isVisibleTo(w.get()))
                continue;
            ++focusable;
            if (spoken(c).trimmed().isEmpty())
                unnamed << QString("%1 (%2)").arg(c->objectName(), c->metaObject()->className());
        }
        QVERIFY(focusable > 0);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
    }
};

QTEST_MAIN(AccessibleNamesTest)
#include "tst_accessiblenames.moc"
