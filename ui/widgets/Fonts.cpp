#include "Fonts.h"

#include <QApplication>
#include <QFontDatabase>

namespace Fonts {

QString family() { return QStringLiteral("Liberation Sans"); }

void install()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    for (const char *file : {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf", "LiberationSans-Italic.ttf"})
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/") + QLatin1String(file));
    QApplication::setFont(font(9));
    // One look everywhere, whatever desktop theme the machine has.
    QApplication::setStyle(QStringLiteral("Fusion"));
}

QFont font(qreal pointSize, bool bold, bool underline)
{
    QFont f(family());
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    f.setUnderline(underline);
    f.setStyleHint(QFont::SansSerif);
    return f;
}

} // namespace Fonts
