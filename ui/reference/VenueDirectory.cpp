#include "VenueDirectory.h"

#include "AccessibleNames.h"
#include "Art.h"
#include "Controls.h"
#include "Fonts.h"
#include "Navigation.h"
#include "PageBanner.h"
#include "PictureButton.h"
#include "ReferenceData.h"

#include <QLabel>
#include <QPainter>
#include <algorithm>

namespace {

constexpr int kWidth = 794;
constexpr int kHeight = 543;

// Germany with the twelve places marked and named where they really are.
class VenueMap : public QWidget {
public:
    VenueMap(QList<std::pair<QString, QString>> labels, QWidget *parent) : QWidget(parent), m_labels(std::move(labels)) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QString map = ReferenceData::picture(QStringLiteral("maps/germany-venues.svg"));
        const QRect fit = Art::fitted(map, rect().adjusted(0, 2, 0, -2));
        p.drawPixmap(fit.topLeft(), Art::picture(map, fit.size(), devicePixelRatioF()));
        const qreal scale = fit.width() / ReferenceData::venueMapSize().width();
        QFont font = Fonts::font(7, true);
        p.setFont(font);
        const QFontMetrics fm(font);
        for (const Venue &v : ReferenceData::venues()) {
            QString text;
            for (const auto &[key, label] : m_labels) {
                if (key == v.key)
                    text = label;
            }
            if (text.isEmpty())
                continue;
            const QPointF at = fit.topLeft() + v.at * scale;
            p.setPen(QPen(Qt::white, 1.5));
            p.setBrush(QColor(0xDD, 0x00, 0x00));
            p.drawEllipse(at, 4, 4);
            // Western places are named to the left of their mark, the rest to the right;
            // Gelsenkirchen and Dortmund, close neighbours, are named one above the other.
            static const QStringList toLeft = {QStringLiteral("Gelsenkirchen"), QStringLiteral("Köln"),
                                               QStringLiteral("Kaiserslautern"), QStringLiteral("Stuttgart")};
            const bool left = toLeft.contains(v.key);
            const int w = fm.horizontalAdvance(text) + 6;
            QRectF box(left ? at.x() - 6 - w : at.x() + 6, at.y() - 7, w, 14);
            if (v.key == QLatin1String("Dortmund"))
                box.translate(0, 9);
            if (v.key == QLatin1String("Gelsenkirchen"))
                box.translate(0, -8);
            box.moveLeft(qBound(1.0, box.left(), width() - box.width() - 1));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(10, 22, 51, 200));
            p.drawRoundedRect(box, 3, 3);
            p.setPen(Qt::white);
            p.drawText(box, Qt::AlignCenter, text);
        }
    }

private:
    QList<std::pair<QString, QString>> m_labels;
};

} // namespace

VenueDirectory::VenueDirectory(const QString &objectName, const QString &caption, const QString &title,
                               const QList<VenueButton> &buttons, const QStringList &beside, QWidget *parent)
    : Screen(objectName, caption, {kWidth, kHeight}, parent)
{
    addExitCommand(QStringLiteral("Salir"));
    Controls::setBackground(surface(), Qt::black);
    QWidget *s = surface();
    auto *banner = new PageBanner(true, s);
    banner->setGeometry(0, 0, kWidth, PageBanner::kHeight);

    QList<std::pair<QString, QString>> labels;
    for (const VenueButton &b : buttons)
        labels.append({b.venueKey, b.mapLabel});
    auto *map = new VenueMap(labels, s);
    map->setObjectName(QStringLiteral("ImageMapa"));
    map->setGeometry(0, 84, 312, 306);

    QLabel *heading = Controls::label(s, QStringLiteral("LabelTitulo"), title, {316, 88, 470, 32}, Fonts::font(18, true, true),
                                      QColor(0xFF, 0x00, 0x00));
    Controls::setBackground(heading, Qt::white);

    QList<PictureButton *> order;
    auto make = [&](const QString &name, const QRect &r) {
        auto found = std::find_if(buttons.begin(), buttons.end(), [&](const VenueButton &b) { return b.name == name; });
        if (found == buttons.end())
            return;
        const VenueButton &b = *found;
        auto *button = new PictureButton(s);
        button->setObjectName(b.name);
        button->setGeometry(r);
        button->setPicture(b.picture);
        button->setPictureText(b.label, Fonts::font(9, true), Palette::Gold, 22);
        AccessibleNames::set(button, b.label, QStringLiteral("Abre la página de %1").arg(b.label));
        if (b.open) {
            auto open = b.open;
            connect(button, &QAbstractButton::clicked, this, [open] { Navigation::openModal(open()); });
        }
        order << button;
    };
    for (int i = 0; i < beside.size(); ++i)
        make(beside[i], {316 + (i % 3) * 158, 126 + (i / 3) * 132, 150, 128});
    const int w = (kWidth - 7 * 8) / 6;
    for (int i = 0; i < 6; ++i)
        make(QStringLiteral("Command%1").arg(i + 1), {8 + i * (w + 8), 396, w, 141});
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    if (!order.isEmpty())
        order.first()->setFocus();
}
