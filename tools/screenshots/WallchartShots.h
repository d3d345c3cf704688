#pragma once
// The wallchart page for a few stages of the tournament, as pictures to look at.

#include <QString>

namespace WallchartShots {
// Writes planilla-*.png into `folder`.
void renderAll(const QString &folder);
}
