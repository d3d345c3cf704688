#include "PageBanner.h"

#include "Art.h"
#include "Fonts.h"

#include <QPainter>

PageBanner::PageBanner(bool withMakerLogo, QWidget *parent) : QWidget(parent), m_logo(withMakerLogo)
{
    setObjectName(QStringLiteral("Banner"));
}

void PageBanner::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal dpr = devicePixelRatioF();
    QLinearGradient band(0, 0, 0, height());
    band.setColorAt(0, Palette::Night);
    band.setColorAt(1, Palette::NightDeep);
    p.fillRect(rect(), band);
    const QSize side(230, height() - 6);
    p.drawPixmap(4, 3, Art::picture(Art::artResource(QStringLiteral("banner-germany")), side, dpr));
    p.drawPixmap(width() - side.width() - 4, 3, Art::picture(Art::artResource(QStringLiteral("banner-trophy")), side, dpr));
    const QRect middle(side.width() + 12, 4, width() - 2 * side.width() - 24, height() - 8);
    if (m_logo) {
        const QString logo = Art::artResource(QStringLiteral("quelmar-logo"));
        const QRect fit = Art::fitted(logo, QRect(middle.left(), middle.top(), middle.width() / 2, middle.height()));
        p.drawPixmap(fit.topLeft(), Art::picture(logo, fit.size(), dpr));
        p.setPen(Palette::Gold);
        p.setFont(Fonts::font(13, true));
        p.drawText(QRect(middle.center().x() - 10, middle.top(), middle.width() / 2 + 10, middle.height()),
                   Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Torvelo\nAlemania 2006"));
    } else {
        p.setPen(Palette::Gold);
        p.setFont(Fonts::font(18, true));
        p.drawText(middle, Qt::AlignCenter, QStringLiteral("Torvelo Alemania 2006"));
    }
    p.setPen(QPen(Palette::GoldDeep, 2));
    p.drawLine(0, height() - 1, width(), height() - 1);
}
