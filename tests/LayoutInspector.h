#pragma once
// Looks over an open window the way a user would and lists what is visibly wrong with
// its layout: texts cut by their controls, lines and frames running through a score,
// a flag or a name, texts over texts, controls sticking out of what holds them, prose
// that scrolls, sibling buttons in different type sizes.
// Words a custom widget paints itself are within reach only where the widget tells
// where and in what type it draws them (picture buttons, captioned pictures).

#include "PictureButton.h"
#include "Pictures.h"

#include <QAbstractScrollArea>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTextDocument>
#include <QWidget>
#include <cmath>

struct LayoutFlaw {
    QString widget;  // the control's object name (or its class inside its named parent)
    QString kind;    // "clipped", "crossed", "overlaps", "outside", "scrolls", "typesize"
    QString detail;
};

namespace LayoutInspector {

inline QString nameOf(const QWidget *w)
{
    if (!w->objectName().isEmpty())
        return w->objectName();
    // Unnamed: the class and its place among its unnamed siblings of that class, under
    // the nearest named ancestor.
    const QWidget *parent = w->parentWidget();
    int index = 0;
    if (parent) {
        for (const QObject *o : parent->children()) {
            if (o == w)
                break;
            index += o->metaObject() == w->metaObject() && o->objectName().isEmpty() ? 1 : 0;
        }
    }
    const QString self = QStringLiteral("%1[%2]").arg(QLatin1String(w->metaObject()->className())).arg(index);
    return parent ? nameOf(parent) + QLatin1Char('/') + self : self;
}

inline QString sizeText(QSize s) { return QStringLiteral("%1x%2").arg(s.width()).arg(s.height()); }

// Inside a scrolling area the content is cut by the viewport on purpose.
inline bool insideScrollArea(const QWidget *w)
{
    for (const QWidget *p = w->parentWidget(); p && !p->isWindow(); p = p->parentWidget()) {
        if (qobject_cast<const QAbstractScrollArea *>(p))
            return true;
    }
    return false;
}

inline bool isRichText(const QLabel *l)
{
    return l->textFormat() == Qt::RichText || (l->textFormat() == Qt::AutoText && Qt::mightBeRichText(l->text()));
}

// Where a label's text stands, laid out as the label lays it out in its contents.
inline QRect labelTextRect(const QLabel *l)
{
    const QRect room = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
    if (isRichText(l)) {
        QTextDocument doc;
        doc.setDefaultFont(l->font());
        doc.setDocumentMargin(0);
        doc.setHtml(l->text());
        if (l->wordWrap())
            doc.setTextWidth(room.width());
        const QSize size(int(std::ceil(doc.idealWidth())), int(std::ceil(doc.size().height())));
        return QStyle::alignedRect(l->layoutDirection(), l->alignment(), size, room);
    }
    int flags = int(l->alignment());
    if (l->wordWrap())
        flags |= Qt::TextWordWrap;
    if (l->buddy())
        flags |= Qt::TextShowMnemonic;
    return l->fontMetrics().boundingRect(room, flags, l->text());
}

inline void checkLabel(const QLabel *l, QList<LayoutFlaw> &flaws)
{
    if (l->text().isEmpty() || insideScrollArea(l))
        return;
    const QRect room = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
    const QSize need = labelTextRect(l).size();
    if (need.width() > room.width() || need.height() > room.height())
        flaws.append({nameOf(l), QStringLiteral("clipped"),
                      QStringLiteral("text \"%1\" needs %2, the label gives %3")
                          .arg(l->text().left(60), sizeText(need), sizeText(room.size()))});
}

inline void checkButton(const QPushButton *b, QList<LayoutFlaw> &flaws)
{
    if (b->text().isEmpty())
        return;
    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.text = b->text();
    opt.features = b->isDefault() ? QStyleOptionButton::DefaultButton : QStyleOptionButton::None;
    const QRect room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b);
    QSize need = b->fontMetrics().boundingRect(QRect(0, 0, 100000, 100000), Qt::TextShowMnemonic, b->text()).size();
    if (!b->icon().isNull())
        need.rwidth() += b->iconSize().width() + 4;
    if (need.width() > room.width() || need.height() > room.height())
        flaws.append({nameOf(b), QStringLiteral("clipped"),
                      QStringLiteral("caption \"%1\" needs %2, the button gives %3")
                          .arg(b->text(), sizeText(need), sizeText(room.size()))});
}

inline void checkLineEdit(const QLineEdit *e, QList<LayoutFlaw> &flaws)
{
    if (e->text().isEmpty())
        return;
    QStyleOptionFrame opt;
    opt.initFrom(e);
    opt.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e) : 0;
    opt.midLineWidth = 0;
    opt.state |= QStyle::State_Sunken;
    const QMargins text = e->textMargins();
    // QLineEdit keeps two pixels clear at each side and one above and below the text.
    const QRect room = e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e)
                           .adjusted(text.left() + 2, text.top() + 1, -text.right() - 2, -text.bottom() - 1);
    const QFontMetrics fm = e->fontMetrics();
    const QSize need(fm.horizontalAdvance(e->displayText()), fm.height());
    if (need.width() > room.width() || need.height() > room.height())
        flaws.append({nameOf(e), QStringLiteral("clipped"),
                      QStringLiteral("text \"%1\" needs %2, the box gives %3")
                          .arg(e->text(), sizeText(need), sizeText(room.size()))});
}

// Words painted into an area of a widget, wrapped and centred as the widget draws them.
inline void checkPaintedText(const QWidget *w, const QString &text, const QFont &font, const QRect &area,
                             QList<LayoutFlaw> &flaws)
{
    if (text.isEmpty())
        return;
    const QRect need = QFontMetrics(font, w).boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap, text);
    const QRect shown = area.intersected(w->rect());
    if (!shown.contains(need))
        flaws.append({nameOf(w), QStringLiteral("clipped"),
                      QStringLiteral("painted words \"%1\" need %2, the widget gives %3")
                          .arg(text, sizeText(need.size()), sizeText(shown.size()))});
}

// Picture buttons side by side, of one size, name their targets in one type size.
inline void checkTypeSizes(const QList<QWidget *> &visible, QList<LayoutFlaw> &flaws)
{
    QHash<std::pair<const QWidget *, QSize>, const PictureButton *> first;
    for (const QWidget *w : visible) {
        const auto *b = qobject_cast<const PictureButton *>(w);
        if (!b || b->pictureText().isEmpty())
            continue;
        const auto key = std::pair{b->parentWidget(), b->size()};
        const PictureButton *sibling = first.value(key);
        if (!sibling) {
            first.insert(key, b);
        } else if (sibling->textFont().pointSizeF() != b->textFont().pointSizeF()) {
            flaws.append({nameOf(b), QStringLiteral("typesize"),
                          QStringLiteral("its name is set at %1 pt, its sibling %2 at %3 pt")
                              .arg(b->textFont().pointSizeF())
                              .arg(nameOf(sibling))
                              .arg(sibling->textFont().pointSizeF())});
        }
    }
}

// A bare QFrame drawn as a line or as an outline (a connector, a name's frame).
inline bool isBareFrame(const QWidget *w) { return qstrcmp(w->metaObject()->className(), "QFrame") == 0; }

inline bool isLine(const QFrame *f)
{
    return f->frameShape() == QFrame::HLine || f->frameShape() == QFrame::VLine ||
           qMin(f->width(), f->height()) <= 3 || f->objectName().startsWith(QLatin1String("Line"));
}

// What a line or a frame must keep clear of: score boxes, flags and texts.
inline bool mustStayClear(const QWidget *w)
{
    if (qobject_cast<const QLineEdit *>(w) || qobject_cast<const FlagView *>(w))
        return true;
    const auto *label = qobject_cast<const QLabel *>(w);
    return label && !label->text().isEmpty() && !insideScrollArea(w);
}

inline QRect inWindow(const QWidget *w) { return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size()); }

// The part of a control a line must not touch: a label's words (a line may well run along
// its edge, between two cells), all of a score box or a flag.
inline QRect keepClear(const QWidget *w)
{
    if (auto *label = qobject_cast<const QLabel *>(w))
        return labelTextRect(label).intersected(label->rect()).translated(inWindow(w).topLeft());
    return inWindow(w);
}

inline void checkCrossings(const QList<QWidget *> &visible, QList<LayoutFlaw> &flaws)
{
    QList<const QWidget *> clear;
    for (const QWidget *w : visible) {
        if (mustStayClear(w))
            clear.append(w);
    }
    for (const QWidget *w : visible) {
        if (!isBareFrame(w) || insideScrollArea(w))
            continue;
        const auto *frame = static_cast<const QFrame *>(w);
        const bool line = isLine(frame);
        const QRect f = inWindow(frame);
        for (const QWidget *c : clear) {
            if (frame->isAncestorOf(c))
                continue;  // a frame holding its own controls; spilling out is checked apart
            const QRect r = keepClear(c);
            if (!f.intersects(r))
                continue;
            // A frame may lie around or behind a control, but its edge must not cut one.
            if (!line && (f.contains(r) || r.contains(f)))
                continue;
            flaws.append({nameOf(c), QStringLiteral("crossed"),
                          QStringLiteral("%1 %2 runs through it").arg(line ? QStringLiteral("line") : QStringLiteral("frame"),
                                                                     nameOf(frame))});
        }
    }
}

// Two texts over each other: neither reads.
inline void checkOverlaps(const QList<QWidget *> &visible, QList<LayoutFlaw> &flaws)
{
    QList<std::pair<const QLabel *, QRect>> texts;
    for (const QWidget *w : visible) {
        auto *l = qobject_cast<const QLabel *>(w);
        if (l && !l->text().isEmpty() && !insideScrollArea(l))
            texts.append({l, keepClear(l)});
    }
    for (int i = 0; i < texts.size(); ++i) {
        for (int j = i + 1; j < texts.size(); ++j) {
            if (texts[i].second.intersects(texts[j].second))
                flaws.append({nameOf(texts[j].first), QStringLiteral("overlaps"),
                              QStringLiteral("its words run into those of %1").arg(nameOf(texts[i].first))});
        }
    }
}

inline void checkInside(const QWidget *w, QList<LayoutFlaw> &flaws)
{
    const QWidget *parent = w->parentWidget();
    if (!parent || w->isWindow() || insideScrollArea(w) || qobject_cast<const QAbstractScrollArea *>(parent))
        return;
    const QRect window = w->window()->rect();
    const QRect r = inWindow(w);
    if (!window.contains(r)) {
        flaws.append({nameOf(w), QStringLiteral("outside"),
                      QStringLiteral("at %1,%2 %3 it leaves the window (%4)")
                          .arg(r.x()).arg(r.y()).arg(sizeText(r.size()), sizeText(window.size()))});
    } else if (!parent->rect().contains(w->geometry())) {
        flaws.append({nameOf(w), QStringLiteral("outside"),
                      QStringLiteral("at %1,%2 %3 it leaves %4 (%5)")
                          .arg(w->x()).arg(w->y()).arg(sizeText(w->size()), nameOf(parent), sizeText(parent->size()))});
    }
}

inline void checkScrolling(const QAbstractScrollArea *area, QList<LayoutFlaw> &flaws)
{
    // A bar that shows, or content cut off where the bar is switched off: either way
    // the text does not fit its place.
    for (const QScrollBar *bar : {area->verticalScrollBar(), area->horizontalScrollBar()}) {
        if (bar->isVisible() || bar->maximum() > bar->minimum()) {
            flaws.append({nameOf(area), QStringLiteral("scrolls"),
                          QStringLiteral("%1 scroll range %2 px").arg(bar->orientation() == Qt::Vertical
                                                                          ? QStringLiteral("vertical")
                                                                          : QStringLiteral("horizontal"))
                              .arg(bar->maximum() - bar->minimum())});
            return;
        }
    }
}

inline QList<LayoutFlaw> inspect(QWidget *window)
{
    QList<QWidget *> visible;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (w->isVisible() && !w->isWindow() && !w->size().isEmpty() && w->window() == window)
            visible.append(w);
    }
    QList<LayoutFlaw> flaws;
    for (const QWidget *w : visible) {
        if (auto *label = qobject_cast<const QLabel *>(w))
            checkLabel(label, flaws);
        else if (auto *button = qobject_cast<const QPushButton *>(w))
            checkButton(button, flaws);
        else if (auto *edit = qobject_cast<const QLineEdit *>(w))
            checkLineEdit(edit, flaws);
        else if (auto *picture = qobject_cast<const PictureButton *>(w))
            checkPaintedText(picture, picture->pictureText(), picture->textFont(), picture->textArea(), flaws);
        else if (auto *art = qobject_cast<const ArtView *>(w))
            checkPaintedText(art, art->caption(), art->captionFont(), art->captionArea(), flaws);
        if (auto *area = qobject_cast<const QAbstractScrollArea *>(w))
            checkScrolling(area, flaws);
        checkInside(w, flaws);
    }
    checkCrossings(visible, flaws);
    checkTypeSizes(visible, flaws);
    checkOverlaps(visible, flaws);
    return flaws;
}

} // namespace LayoutInspector
