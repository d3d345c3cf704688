// Renders every screen with sample data to PNG files, for looking at the layouts.
// Usage: torvelo_screenshots <output folder>

#include "DataFolder.h"
#include "Fonts.h"
#include "Notifier.h"
#include "SampleData.h"
#include "ScreenCatalog.h"
#include "WallchartShots.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdio>

namespace {

// Messages would block the run; they are printed instead.
class PrintingNotifier final : public Notifier {
public:
    void showMessage(const QString &text, const QString &title) override
    {
        std::printf("  message: %s %s\n", qPrintable(title), qPrintable(text));
    }
    void saveFailed(const QString &fileName, const QString &reason) override
    {
        std::printf("  save failed: %s %s\n", qPrintable(fileName), qPrintable(reason));
    }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Fonts::install();
    PrintingNotifier notifier;
    Notifier::install(&notifier);
    QTemporaryDir data;
    DataFolder::setPath(data.path());

    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(out);
    for (const ScreenShot &shot : ScreenCatalog::all()) {
        SampleData::prepare(shot.sample);
        QWidget *screen = shot.make();
        screen->show();
        QApplication::processEvents();
        if (shot.afterShow)
            shot.afterShow(screen);
        QApplication::processEvents();
        const QString file = out + QLatin1Char('/') + shot.name + QStringLiteral(".png");
        screen->grab().save(file);
        std::printf("%s\n", qPrintable(file));
        screen->setAttribute(Qt::WA_DeleteOnClose);
        screen->close();
        QApplication::processEvents();
    }
    WallchartShots::renderAll(out);
    return 0;
}
