#include "ScreenCatalog.h"

#include "GroupChooser.h"
#include "GroupScreen.h"
#include "Pictures.h"

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
    return shots;
}

} // namespace ScreenCatalog
