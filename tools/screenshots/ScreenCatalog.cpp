#include "ScreenCatalog.h"

#include "GroupChooser.h"
#include "GroupScreen.h"
#include "Pictures.h"
#include "StageChooser.h"
#include "Splash.h"
#include "MainMenu.h"
#include "AboutPage.h"
#include "CreditsPage.h"
#include "ReferenceData.h"
#include "TeamPages.h"
#include "HistoryPages.h"
#include "VenueDirectory.h"
#include "VenuePages.h"
#include "BracketScreen.h"
#include "FinalsScreen.h"

#include <QLineEdit>

#include <QTest>

namespace {

void hoverClock(QWidget *screen, int k)
{
    if (auto *clock = screen->findChild<ClockIcon *>(QStringLiteral("Crono_%1").arg(k)))
        emit clock->hovered(k);
}


} // namespace

namespace ScreenCatalog {

std::vector<ScreenShot> all()
{
    using K = SampleData::Kind;
    std::vector<ScreenShot> shots;
    shots.push_back({"FrmGrupos", K::GroupsPartly, [] { return new GroupChooser; }, nullptr});
    shots.push_back({"FrmGrupoA-partly", K::GroupsPartly, [] { return new GroupScreen('A'); },
                     [](QWidget *w) { hoverClock(w, 2); }});
    shots.push_back({"FrmGrupoC-invalid", K::GroupsPartly, [] { return new GroupScreen('C'); },
                     [](QWidget *w) { hoverClock(w, 6); }});
    shots.push_back({"FrmGrupoH-complete", K::GroupsDone, [] { return new GroupScreen('H'); }, nullptr});
    shots.push_back({"FrmGrupoyLlave", K::None, [] { return new StageChooser; }, nullptr});
    shots.push_back({"FrmgruposLLAVE-seeded", K::GroupsDone, [] { return new BracketScreen; },
                     [](QWidget *w) { hoverClock(w, 10); }});
    shots.push_back({"FrmgruposLLAVE-midway", K::MidKnockout, [] { return new BracketScreen; },
                     [](QWidget *w) { hoverClock(w, 4); }});
    shots.push_back({"FrmgruposLLAVE-complete", K::Complete, [] { return new BracketScreen; }, nullptr});
    shots.push_back({"FrmgruposFinales-complete", K::Complete,
                     [] {
                         BracketScreen bracket;
                         return new FinalsScreen(bracket.board().semifinalists());
                     },
                     [](QWidget *w) { hoverClock(w, 4); }});
    shots.push_back({"frmSplash-halfway", K::None, [] { return new Splash(nullptr); },
                     [](QWidget *w) { static_cast<Splash *>(w)->advanceTo(2400); }});
    shots.push_back({"frmSplash-complete", K::None, [] { return new Splash(nullptr); },
                     [](QWidget *w) { static_cast<Splash *>(w)->advanceTo(4800); }});
    shots.push_back({"Frminicio", K::None, [] { return new MainMenu; }, nullptr});
    shots.push_back({"Frmquelmar", K::None, [] { return new AboutPage; }, nullptr});
    shots.push_back({"FrmFuente", K::None, [] { return new CreditsPage; }, nullptr});
    shots.push_back({"FrmInfoEquipos", K::None, [] { return new TeamDirectory; }, nullptr});
    for (const TeamRecord &team : ReferenceData::teams()) {
        const TeamRecord *record = &team;
        shots.push_back({team.page, K::None, [record] { return new TeamInfoPage(*record); }, nullptr});
    }
    shots.push_back({"FrmEstadios", K::None, [] { return static_cast<QWidget *>(VenuePages::stadiumDirectory()); }, nullptr});
    for (const StadiumRecord &r : ReferenceData::stadiums()) {
        const StadiumRecord *record = &r;
        shots.push_back({r.page, K::None, [record] { return new StadiumPage(*record); }, nullptr});
    }
    shots.push_back({"Frmciudades", K::None, [] { return static_cast<QWidget *>(VenuePages::cityDirectory()); }, nullptr});
    for (const CityRecord &r : ReferenceData::cities()) {
        const CityRecord *record = &r;
        shots.push_back({r.page, K::None, [record] { return new CityPage(*record); }, nullptr});
    }
    shots.push_back({"FrmHistoria", K::None, [] { return new HistoryDirectory; }, nullptr});
    for (const EditionRecord &r : ReferenceData::editions()) {
        if (r.page.isEmpty())
            continue;
        const EditionRecord *record = &r;
        shots.push_back({r.page, K::None, [record] { return new EditionPage(*record); }, nullptr});
    }

    // Both knockout screens at their fullest: every match drawn to penalties shows every box.
    shots.push_back({"FrmgruposLLAVE-shootouts", K::EveryMatchToPenalties, [] { return new BracketScreen; },
                     [](QWidget *w) { hoverClock(w, 12); }});
    shots.push_back({"FrmgruposFinales-shootouts", K::EveryMatchToPenalties,
                     [] {
                         BracketScreen bracket;
                         return new FinalsScreen(bracket.board().semifinalists());
                     },
                     [](QWidget *w) { hoverClock(w, 3); }});
    return shots;
}

} // namespace ScreenCatalog
