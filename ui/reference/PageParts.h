#pragma once
// Pieces the stadium, city and history pages are built from alike.

#include <QRect>
#include <QString>
#include <QStringList>

class ArtView;
class QLabel;
class QWidget;

namespace PageParts {

// The blue underlined title, and the byline "(Por writer)" to its right when a writer is given.
QLabel *heading(QWidget *parent, const QString &title, const QString &writer, int x, int y);

// The picture standing in a photograph's place: fitted into `area` at its top, framed.
ArtView *framedPicture(QWidget *parent, const QString &name, const QString &resource, const QRect &area);

// The same, but filling `area` whole: a picture of other proportions loses a little at
// its sides (or top and bottom) rather than leaving the place half empty.
ArtView *filledPicture(QWidget *parent, const QString &name, const QString &resource, const QRect &area);

// The height a framed picture takes at `width`, in its own proportions.
int framedHeight(const QString &resource, int width);

// Paragraphs set across `width` at their full height; returns the y just below them.
int fullWidthText(QWidget *parent, const QString &name, const QStringList &paragraphs, int x, int y, int width);

} // namespace PageParts
