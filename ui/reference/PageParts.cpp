#include "PageParts.h"

#include "Art.h"
#include "Controls.h"
#include "Fonts.h"
#include "Pictures.h"
#include "Prose.h"

#include <QLabel>

namespace PageParts {

QLabel *heading(QWidget *parent, const QString &title, const QString &writer, int x, int y)
{
    QLabel *l = Controls::label(parent, QStringLiteral("LabelTitulo"), title, {x, y, 10, 24}, Fonts::font(12, true, true),
                                QColor(0x00, 0x00, 0xC0), Qt::AlignLeft | Qt::AlignVCenter);
    l->adjustSize();
    l->setFixedHeight(24);
    if (!writer.isEmpty())
        Controls::label(parent, QStringLiteral("LabelPor"), QStringLiteral("(Por %1)").arg(writer),
                        {l->geometry().right() + 10, y, 300, 24}, Fonts::font(9.75, true), Palette::Ink,
                        Qt::AlignLeft | Qt::AlignVCenter);
    return l;
}

ArtView *framedPicture(QWidget *parent, const QString &name, const QString &resource, const QRect &area)
{
    QRect fit = Art::fitted(resource, area.adjusted(3, 3, -3, -3));
    fit.moveTop(area.top() + 3);
    Controls::panel(parent, name + QStringLiteral("_marco"), fit.adjusted(-3, -3, 3, 3), Palette::NightDeep,
                    Palette::GoldDark, 2);
    auto *picture = new ArtView(resource, parent);
    picture->setObjectName(name);
    picture->setGeometry(fit);
    return picture;
}

ArtView *filledPicture(QWidget *parent, const QString &name, const QString &resource, const QRect &area)
{
    Controls::panel(parent, name + QStringLiteral("_marco"), area, Palette::NightDeep, Palette::GoldDark, 2);
    auto *picture = new ArtView(resource, parent);
    picture->setObjectName(name);
    picture->setGeometry(area.adjusted(3, 3, -3, -3));
    picture->setCovering(true);
    return picture;
}

int framedHeight(const QString &resource, int width)
{
    return Art::fitted(resource, QRect(0, 0, width - 6, 100000)).height() + 6;
}

int fullWidthText(QWidget *parent, const QString &name, const QStringList &paragraphs, int x, int y, int width)
{
    auto *text = new Prose(name, paragraphs, Fonts::font(8), Palette::Ink, parent);
    const int h = text->heightFor(width) + 2;
    text->setGeometry(x, y, width, h);
    return y + h;
}

} // namespace PageParts
