#pragma once
// For the reference page tests: whether a page's text blocks fit their places, and
// whether the page leaves empty bands where a reader expects text or pictures.

#include "Prose.h"

#include <QLabel>
#include <QScrollBar>
#include <QString>
#include <QWidget>
#include <algorithm>

namespace PageFit {

// What a control shows on the page: a text block only as far down as its text goes.
inline QRect shownArea(QWidget *w)
{
    QRect r = w->geometry();
    if (auto *prose = qobject_cast<Prose *>(w))
        r.setHeight(qMin(r.height(), prose->text()->height()));
    return r;
}

// The tallest stretch between `top` and `bottom` in which nothing at all is shown
// within the columns `left` to `right` of `surface`.
inline int largestGap(QWidget *surface, int left, int right, int top, int bottom)
{
    QList<std::pair<int, int>> spans;
    for (QWidget *w : surface->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!w->isVisible())
            continue;
        const QRect r = shownArea(w);
        if (r.right() < left || r.left() > right || r.bottom() < top || r.top() > bottom)
            continue;
        spans.append({r.top(), r.bottom() + 1});
    }
    std::sort(spans.begin(), spans.end());
    int reached = top, gap = 0;
    for (const auto &[from, to] : spans) {
        gap = qMax(gap, from - reached);
        reached = qMax(reached, to);
    }
    return qMax(gap, bottom - reached);
}

// Empty if every text block on the page shows all its text without scrolling, else
// the name of the first that does not.
inline QString scrollingBlock(QWidget *page)
{
    for (Prose *prose : page->findChildren<Prose *>()) {
        if (prose->verticalScrollBar()->isVisible() || prose->text()->height() > prose->viewport()->height())
            return QStringLiteral("%1 needs %2 px, has %3").arg(prose->objectName())
                .arg(prose->text()->height()).arg(prose->viewport()->height());
    }
    return QString();
}

// Empty if no quarter of the page's width, from under the banner to the foot, has an
// empty band taller than `most`; else where the worst one is.
inline QString emptyBand(QWidget *surface, int top, int most)
{
    const int quarter = surface->width() / 4;
    for (int i = 0; i < 4; ++i) {
        const int gap = largestGap(surface, i * quarter + 8, (i + 1) * quarter - 8, top, surface->height() - 10);
        if (gap > most)
            return QStringLiteral("an empty band of %1 px in quarter %2").arg(gap).arg(i + 1);
    }
    return QString();
}

} // namespace PageFit
