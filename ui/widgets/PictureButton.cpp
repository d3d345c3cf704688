#include "PictureButton.h"

#include "Art.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

PictureButton::PictureButton(QWidget *parent) : QAbstractButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
}

void PictureButton::setPicture(const QString &resource)
{
    m_resource = resource;
    update();
}

void PictureButton::setPainter(Painter painter)
{
    m_painter = std::move(painter);
    update();
}

void PictureButton::setPictureText(const QString &text, const QFont &font, const QColor &color, int bandHeight)
{
    m_text = text;
    m_font = font;
    m_color = color;
    m_band = bandHeight;
    setAccessibleName(text);
    update();
}

namespace {

bool fits(const QFont &font, const QRect &area, const QString &text)
{
    const QRect needed = QFontMetrics(font).boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap, text);
    return needed.height() <= area.height() && needed.width() <= area.width();
}

} // namespace

QRect PictureButton::textArea() const
{
    return m_text.isEmpty() ? QRect() : QRect(2, height() - m_band - 3, width() - 4, m_band);
}

qreal PictureButton::fittingTextSize() const
{
    QFont font = m_font;
    while (font.pointSizeF() > 6.5 && !fits(font, textArea(), m_text))
        font.setPointSizeF(font.pointSizeF() - 0.25);
    return font.pointSizeF();
}

void PictureButton::shareTextSize(const QList<PictureButton *> &buttons)
{
    qreal size = 1000;
    for (const PictureButton *b : buttons)
        size = qMin(size, b->fittingTextSize());
    for (PictureButton *b : buttons) {
        b->m_font.setPointSizeF(size);
        b->update();
    }
}

QFont PictureButton::textFont() const
{
    QFont font = m_font;
    font.setPointSizeF(fittingTextSize());
    return font;
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(rect()).adjusted(1, 1, -1, -1);
    QPainterPath shape;
    shape.addRoundedRect(frame, 6, 6);
    p.fillPath(shape, m_background);
    p.save();
    p.setClipPath(shape);
    const int band = m_text.isEmpty() ? 0 : m_band;
    const QRect art = rect().adjusted(4, 4, -4, -4 - band);
    if (m_painter)
        m_painter(p, art, devicePixelRatioF());
    else if (!m_resource.isEmpty()) {
        const QRect fit = Art::fitted(m_resource, art);
        p.drawPixmap(fit.topLeft(), Art::picture(m_resource, fit.size(), devicePixelRatioF()));
    }
    if (band) {
        p.setFont(textFont());
        p.setPen(m_color);
        p.drawText(textArea(), Qt::AlignCenter | Qt::TextWordWrap, m_text);
    }
    if (!isEnabled())
        p.fillPath(shape, QColor(0, 0, 0, 150));
    else if (isDown())
        p.fillPath(shape, QColor(0, 0, 0, 70));
    else if (underMouse())
        p.fillPath(shape, QColor(255, 255, 255, 28));
    p.restore();
    const bool focused = hasFocus();
    p.setPen(QPen(focused ? Palette::SignYellow : Palette::GoldDark, focused ? 3 : 1.5));
    p.drawRoundedRect(frame.adjusted(focused ? 1 : 0, focused ? 1 : 0, focused ? -1 : 0, focused ? -1 : 0), 6, 6);
}

void PictureButton::keyPressEvent(QKeyEvent *event)
{
    if (!event->isAutoRepeat() && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        animateClick();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}
