#include "WallchartShots.h"

#include "SampleData.h"
#include "TournamentSnapshot.h"
#include "WallchartPage.h"

#include <QImage>
#include <QPainter>
#include <cstdio>

namespace WallchartShots {

void renderAll(const QString &folder)
{
    using K = SampleData::Kind;
    const struct {
        const char *name;
        K sample;
    } pages[] = {{"planilla-vacia", K::None}, {"planilla-a-medias", K::MidKnockout}, {"planilla-2006", K::Complete}};
    // 150 dots per inch: every word of the printed page readable at full size on screen.
    const QSize size(1754, 1240);
    for (const auto &page : pages) {
        SampleData::prepare(page.sample);
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            Wallchart::paint(painter, QRectF(image.rect()), TournamentSnapshot::fromFiles());
        }
        const QString file = folder + QLatin1Char('/') + QLatin1String(page.name) + QStringLiteral(".png");
        image.save(file);
        std::printf("%s\n", qPrintable(file));
    }
}

} // namespace WallchartShots
