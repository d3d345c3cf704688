#pragma once
// The wallchart: the whole tournament on one landscape page, as a newspaper would
// print it. Drawn with any QPainter: screen, picture, PDF or printer.

#include <QRectF>
#include <QSizeF>

class QPainter;
struct TournamentSnapshot;

namespace Wallchart {

// The page as laid out: A4 landscape, in millimetres. Larger sheets scale it up.
QSizeF pageSizeMm();

// Draws the page into `target` (device units), as large as fits, keeping its proportions.
void paint(QPainter &painter, const QRectF &target, const TournamentSnapshot &snapshot);

// Where the champion, runner-up and third stand on the page, in millimetres.
QRectF podiumAreaMm();

} // namespace Wallchart
