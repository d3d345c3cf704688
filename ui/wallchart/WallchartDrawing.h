#pragma once
// What the parts of the wallchart share: the page's units, type and pen helpers.
// The page is laid out in millimetres of a landscape A4 sheet and drawn in units of
// 1/20 mm, fine enough that type keeps its proportions on any device; the whole page
// is then scaled onto paper, PDF or picture.

#include "Art.h"

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;
struct TournamentSnapshot;
struct KnockoutResult;

namespace WallchartDrawing {

constexpr double kPageWidthMm = 297;
constexpr double kPageHeightMm = 210;
constexpr double kMargin = 7;
constexpr double kUnitsPerMm = 20;

inline double mm(double v) { return v * kUnitsPerMm; }
inline QRectF area(double x, double y, double w, double h) { return QRectF(mm(x), mm(y), mm(w), mm(h)); }

// Colours of the printed page: the screens' night blue and gold on white paper.
inline const QColor kPaper{0xFF, 0xFF, 0xFF};
inline const QColor kStripe{0xF4, 0xF6, 0xFA};
inline const QColor kMuted{0x4A, 0x55, 0x6E};
inline const QColor kFaint{0xB8, 0xC0, 0xCE};
inline const QColor kPoints{0xB0, 0x00, 0x00};
inline const QColor kWinnerTint{0xFB, 0xEE, 0xC0};

// The program's face at a size in printer's points.
QFont font(double points, bool bold = false);

// Text in the rectangle; a text too wide is set smaller (down to three quarters of its
// size) and then cut short with an ellipsis, so that nothing runs into its neighbour.
void text(QPainter &p, const QRectF &r, int flags, const QString &text, const QFont &font, const QColor &colour);

// A team's flag with a hairline frame; nothing for an empty key.
void flag(QPainter &p, const QString &flagKey, const QRectF &r);

// A hairline rule of the given colour, width in millimetres.
void rule(QPainter &p, const QPointF &a, const QPointF &b, const QColor &colour, double widthMm);

// The parts of the page, each in page units.
void paintHeader(QPainter &p);
void paintGroups(QPainter &p, const TournamentSnapshot &s);
void paintKnockout(QPainter &p, const TournamentSnapshot &s);
void paintPodium(QPainter &p, const TournamentSnapshot &s);
void paintFooter(QPainter &p);

// Where the parts lie, in millimetres.
QRectF groupsArea();
QRectF knockoutArea();
QRectF podiumArea();

} // namespace WallchartDrawing
