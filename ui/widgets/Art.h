#pragma once
// The program's pictures: vector art from the resources, rendered at the screen's
// pixel ratio and cached, so that no picture is rendered twice at the same size.

#include <QColor>
#include <QRectF>
#include <QPixmap>
#include <QList>
#include <QString>
#include <utility>

class QPainter;

namespace Palette {
inline const QColor NightDeep{0x0A, 0x16, 0x33};
inline const QColor Night{0x13, 0x28, 0x5A};
inline const QColor NightLight{0x1F, 0x3F, 0x7A};
inline const QColor Glow{0x3A, 0x65, 0xB0};
inline const QColor Gold{0xF3, 0xCF, 0x5A};
inline const QColor GoldDeep{0xD4, 0xA1, 0x2A};
inline const QColor GoldDark{0x9A, 0x72, 0x12};
inline const QColor SignYellow{0xFF, 0xD7, 0x00};
inline const QColor Pitch{0x2E, 0x8B, 0x3E};
inline const QColor PitchDark{0x0C, 0x2A, 0x28};
inline const QColor Paper{0xF4, 0xF6, 0xFA};
inline const QColor Ink{0x0A, 0x16, 0x33};
inline const QColor Silver{0xC9, 0xCE, 0xD6};
inline const QColor Bronze{0xC0, 0x7A, 0x3C};
} // namespace Palette

namespace Art {

// ":/art/<name>.svg"
QString artResource(const QString &name);
// ":/flags/<flagKey>.svg"; empty when the key names no flag.
QString flagResource(const QString &flagKey);

// The whole picture stretched over the logical size, at the given pixel ratio.
QPixmap picture(const QString &resource, QSize logicalSize, qreal dpr);
// A flag fills its box exactly; whatever a file draws outside its frame is cut off.
QPixmap flag(const QString &flagKey, QSize logicalSize, qreal dpr);

// A picture with some of its colours replaced (for instance a kit's), cached under `key`.
QPixmap recoloured(const QString &resource, const QList<std::pair<QString, QString>> &colours, const QString &key,
                   QSize logicalSize, qreal dpr);

// Draws the picture as vector shapes into any painter (a PDF stays sharp); whatever the
// file draws outside its frame is cut off. Nothing happens for an unknown resource.
void draw(QPainter &painter, const QString &resource, const QRectF &target);

// One step of the podium, the same on screen and on paper: a night-blue block under a
// band of its medal's colour, `bandHeight` tall.
void drawPodiumStep(QPainter &painter, const QRectF &step, const QColor &medal, qreal bandHeight);

// The largest rectangle of the picture's own proportions that fits `area`, centred in it.
QRect fitted(const QString &resource, const QRect &area);

int cachedCount();  // for tests and benchmarks

} // namespace Art
