#include "Pictures.h"

#include "AccessibleNames.h"
#include "Art.h"

#include <QMouseEvent>
#include <QPainter>

ArtView::ArtView(const QString &resource, QWidget *parent) : QWidget(parent), m_resource(resource) {}

void ArtView::setResource(const QString &resource)
{
    m_resource = resource;
    update();
}

void ArtView::setCaption(const QString &text, const QFont &font, const QColor &color, int bandHeight)
{
    m_caption = text;
    m_font = font;
    m_color = color;
    m_band = bandHeight;
    m_area = QRect();
    update();
}

void ArtView::setCaption(const QString &text, const QFont &font, const QColor &color, const QRect &area)
{
    setCaption(text, font, color, 0);
    m_area = area;
}

void ArtView::setCovering(bool covering)
{
    m_covering = covering;
    update();
}
QRect ArtView::captionArea() const { return m_area.isValid() ? m_area : QRect(0, height() - m_band, width(), m_band); }

void ArtView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (m_covering) {
        const QSize natural = Art::fitted(m_resource, QRect(0, 0, 1000, 1000)).size();
        const QSize cover = natural.scaled(size(), Qt::KeepAspectRatioByExpanding);
        p.drawPixmap((width() - cover.width()) / 2, (height() - cover.height()) / 2,
                     Art::picture(m_resource, cover, devicePixelRatioF()));
    } else {
        p.drawPixmap(0, 0, Art::picture(m_resource, size(), devicePixelRatioF()));
    }
    if (!m_caption.isEmpty()) {
        p.setFont(m_font);
        p.setPen(m_color);
        p.drawText(captionArea(), Qt::AlignCenter | Qt::TextWordWrap, m_caption);
    }
}

FlagView::FlagView(QWidget *parent) : QWidget(parent) { AccessibleNames::set(this, AccessibleNames::flag(m_key)); }

void FlagView::setFlagKey(const QString &flagKey)
{
    if (m_key == flagKey)
        return;
    m_key = flagKey;
    AccessibleNames::set(this, AccessibleNames::flag(m_key));
    update();
}

void FlagView::paintEvent(QPaintEvent *)
{
    if (m_key.isEmpty())
        return;
    QPainter p(this);
    const QRect box = rect().adjusted(0, 0, -1, -1);
    p.drawPixmap(1, 1, Art::flag(m_key, size() - QSize(2, 2), devicePixelRatioF()));
    p.setPen(QColor(0, 0, 0, 110));
    p.drawRect(box);
}

ClockIcon::ClockIcon(int index, const QString &resource, QWidget *parent) : ArtView(resource, parent), m_index(index)
{
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
}

void ClockIcon::mouseMoveEvent(QMouseEvent *event)
{
    emit hovered(m_index);
    event->accept();
}

void ClockIcon::enterEvent(QEnterEvent *event)
{
    emit hovered(m_index);
    ArtView::enterEvent(event);
}
