// The wallchart's two costs: rebuilding the tournament from the files, and drawing the page.

#include "TournamentSnapshot.h"
#include "WallchartExport.h"
#include "WallchartPage.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <functional>

using Report = std::function<void(const char *, int, const std::function<void()> &)>;

void benchWallchart(const Report &report)
{
    report("wallchart snapshot built from the 16 files", 500, [] { (void)TournamentSnapshot::fromFiles(); });
    const TournamentSnapshot snapshot = TournamentSnapshot::fromFiles();
    report("wallchart page drawn as PDF (in memory)", 20, [&] {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(QPageLayout::Landscape);
        QPainter painter(&writer);
        Wallchart::paint(painter, QRectF(0, 0, writer.width(), writer.height()), snapshot);
    });
    QImage image(Wallchart::pngSize(), QImage::Format_RGB32);
    report("wallchart page drawn at 300 dpi (3508 x 2480)", 10, [&] {
        image.fill(Qt::white);
        QPainter painter(&image);
        Wallchart::paint(painter, QRectF(image.rect()), snapshot);
    });
    QTemporaryDir out;
    report("wallchart exported to PDF (snapshot + file)", 10,
           [&] { Wallchart::exportTo(QDir(out.path()).filePath("p.pdf"), Wallchart::Format::Pdf); });
    report("wallchart exported to PNG at 300 dpi", 3,
           [&] { Wallchart::exportTo(QDir(out.path()).filePath("p.png"), Wallchart::Format::Png); });
}
