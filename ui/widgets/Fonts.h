#pragma once
// One bundled sans-serif face for every screen, so fixed layouts look the same on
// every machine whatever fonts it has installed.

#include <QFont>

namespace Fonts {
void install();  // once, after the QApplication exists
QFont font(qreal pointSize, bool bold = false, bool underline = false);
QString family();
} // namespace Fonts
