#include "VenueDirectory.h"

#include "AccessibleNames.h"
#include "Art.h"
#include "Controls.h"
#include "Fonts.h"
#include "Navigation.h"
#include "PageBanner.h"
#include "PictureButton.h"
#include "ReferenceData.h"

#include <QHash>
#include <QLabel>
#include <QPainter>
#include <algorithm>

namespace {

constexpr int kWidth = 794;
constexpr int kHeight = 543;

QRect mapArea(const QSize &widget)
{
    return Art::fitted(ReferenceData::picture(QStringLiteral("maps/germany-venues.svg")),
                       QRect(QPoint(0, 0), widget).adjusted(0, 2, 0, -2));
}

QPointF markOf(const Venue &v, const QRect &fit)
{
    return fit.topLeft() + v.at * (fit.width() / ReferenceData::venueMapSize().width());
}

// Where each place's name stands beside its mark, chosen so that the names of close
// neighbours (Gelsenkirchen, Dortmund and Köln) keep clear of one another and of the
// map's western edge.
enum class Side { Right, Left, Above, Below };

Side sideOf(const QString &key)
{
    static const QHash<QString, Side> sides = {
        {QStringLiteral("Gelsenkirchen"), Side::Above}, {QStringLiteral("Köln"), Side::Below},
        {QStringLiteral("Berlin"), Side::Below},        {QStringLiteral("Kaiserslautern"), Side::Below},
        {QStringLiteral("Hannover"), Side::Above},
    };
    return sides.value(key, Side::Right);
}

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
        const QRect fit = mapArea(size());
        p.drawPixmap(fit.topLeft(), Art::picture(map, fit.size(), devicePixelRatioF()));
        for (const Venue &v : ReferenceData::venues()) {
            p.setPen(QPen(Qt::white, 1.5));
            p.setBrush(QColor(0xDD, 0x00, 0x00));
            p.drawEllipse(markOf(v, fit), 4, 4);
        }
        p.setFont(VenueDirectory::mapFont());
        for (const auto &[box, text] : VenueDirectory::mapLabels(m_labels, size())) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(10, 22, 51, 200));
            p.drawRoundedRect(box, 3, 3);
            p.setPen(Qt::white);
            p.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, text);
        }
    }

private:
    QList<std::pair<QString, QString>> m_labels;
};

} // namespace

QFont VenueDirectory::mapFont() { return Fonts::font(7, true); }

QList<std::pair<QRectF, QString>> VenueDirectory::mapLabels(const QList<std::pair<QString, QString>> &labels,
                                                            const QSize &widget)
{
    const QRect fit = mapArea(widget);
    const QFontMetrics fm(mapFont());
    QList<std::pair<QRectF, QString>> out;
    for (const Venue &v : ReferenceData::venues()) {
        QString text;
        for (const auto &[key, label] : labels) {
            if (key == v.key)
                text = label;
        }
        if (text.isEmpty())
            continue;
        // A long name takes two lines rather than reaching across its neighbours.
        const QRect lines = fm.boundingRect(QRect(0, 0, 84, 100), Qt::AlignCenter | Qt::TextWordWrap, text);
        const QSizeF size(lines.width() + 6, lines.height() + 2);
        const QPointF at = markOf(v, fit);
        QRectF box(QPointF(0, 0), size);
        switch (sideOf(v.key)) {
        case Side::Right: box.moveCenter(at + QPointF(6 + size.width() / 2, 0)); break;
        case Side::Left: box.moveCenter(at - QPointF(6 + size.width() / 2, 0)); break;
        case Side::Above: box.moveCenter(at - QPointF(0, 6 + size.height() / 2)); break;
        case Side::Below: box.moveCenter(at + QPointF(0, 6 + size.height() / 2)); break;
        }
        // Every name stays on the map.
        box.moveLeft(qBound<qreal>(fit.left(), box.left(), fit.right() + 1 - box.width()));
        box.moveTop(qBound<qreal>(fit.top(), box.top(), fit.bottom() + 1 - box.height()));
        out.append({box, text});
    }
    return out;
}

QList<QRectF> VenueDirectory::mapMarks(const QSize &widget)
{
    QList<QRectF> out;
    const QRect fit = mapArea(widget);
    for (const Venue &v : ReferenceData::venues())
        out << QRectF(markOf(v, fit) - QPointF(4, 4), QSizeF(8, 8));
    return out;
}

QList<std::pair<QRectF, QString>> VenueDirectory::mapLabels() const
{
    const QWidget *map = findChild<QWidget *>(QStringLiteral("ImageMapa"));
    return map ? mapLabels(m_mapLabels, map->size()) : QList<std::pair<QRectF, QString>>();
}

QRect VenueDirectory::mapPicture(const QSize &widget) { return mapArea(widget); }

VenueDirectory::VenueDirectory(const QString &objectName, const QString &caption, const QString &title,
                               const QList<VenueButton> &buttons, const QStringList &beside, QWidget *parent)
    : Screen(objectName, caption, {kWidth, kHeight}, parent)
{
    addExitCommand(QStringLiteral("Salir"));
    Controls::setBackground(surface(), Qt::black);
    QWidget *s = surface();
    auto *banner = new PageBanner(true, s);
    banner->setGeometry(0, 0, kWidth, PageBanner::kHeight);

    for (const VenueButton &b : buttons)
        m_mapLabels.append({b.venueKey, b.mapLabel});
    auto *map = new VenueMap(m_mapLabels, s);
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
        // Room for two lines, so that the longest names keep the size of the others.
        const QFont font = Fonts::font(9, true);
        button->setPictureText(b.label, font, Palette::Gold, 2 * QFontMetrics(font).lineSpacing() + 2);
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
    PictureButton::shareTextSize(order);
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    if (!order.isEmpty())
        order.first()->setFocus();
}
