#include "VenuePages.h"

#include "AccessibleNames.h"
#include "Art.h"
#include "Controls.h"
#include "CreditsPage.h"
#include "Fonts.h"
#include "Navigation.h"
#include "PageBanner.h"
#include "PictureButton.h"
#include "Pictures.h"
#include "PageParts.h"
#include "Prose.h"
#include "ReferenceData.h"
#include "VenueDirectory.h"

#include <QAction>
#include <QLabel>

namespace {

constexpr int kWidth = 794;
constexpr int kHeight = 543;
constexpr int kFoot = kHeight - 8;   // where a page's last block ends
constexpr int kLinkHeight = 70;
const QColor kPage(0xFA, 0xFA, 0xF6);

// The directories and the links show a stadium in the shape of their buttons; a page
// with a tall photo shows the tall version of the same picture.
QString pagePicture(const StadiumRecord &r)
{
    return r.tallPicture ? QString(r.picture).replace(QLatin1String(".svg"), QLatin1String("-tall.svg")) : r.picture;
}

QWidget *newStadiumPage(const QString &page)
{
    const StadiumRecord *r = ReferenceData::stadium(page);
    return r ? new StadiumPage(*r) : nullptr;
}

QWidget *newCityPage(const QString &page)
{
    const CityRecord *r = ReferenceData::city(page);
    return r ? new CityPage(*r) : nullptr;
}

} // namespace

namespace VenuePages {

VenueDirectory *stadiumDirectory()
{
    QList<VenueButton> buttons;
    for (const StadiumRecord &s : ReferenceData::stadiums()) {
        const CityRecord *city = ReferenceData::city(s.city);
        const QString page = s.page;
        buttons << VenueButton{s.button, ReferenceData::picture(s.picture), s.buttonLabel, city ? city->venueKey : QString(),
                               s.buttonLabel, [page] { return newStadiumPage(page); }};
    }
    return new VenueDirectory(QStringLiteral("FrmEstadios"),
                              QStringLiteral("Torvelo Alemania 2006- Estadios del Mundial - Resolucion Optima 800 x 600"),
                              QStringLiteral("Estadios del Mundial"), buttons,
                              {"Command10", "Command9", "Command8", "Command7", "Command12", "Command11"});
}

VenueDirectory *cityDirectory()
{
    QList<VenueButton> buttons;
    for (const CityRecord &c : ReferenceData::cities()) {
        const QString page = c.page;
        buttons << VenueButton{c.button, ReferenceData::picture(c.picture), c.buttonLabel, c.venueKey, c.buttonLabel,
                               [page] { return newCityPage(page); }};
    }
    return new VenueDirectory(QStringLiteral("Frmciudades"),
                              QStringLiteral("Torvelo Alemania 2006- Cedes del Mundial - Resolucion Optima 800 x 600"),
                              QStringLiteral("Sedes del Mundial"), buttons,
                              {"Command10", "Command11", "Command12", "Command7", "Command8", "Command9"});
}

} // namespace VenuePages

StadiumPage::StadiumPage(const StadiumRecord &record, QWidget *parent)
    : Screen(record.page, caption(record.captionName), {kWidth, kHeight}, parent), m_record(record)
{
    addExitCommand(QStringLiteral("Salir"));
    Controls::setBackground(surface(), kPage);
    QWidget *s = surface();
    auto *banner = new PageBanner(true, s);
    banner->setGeometry(0, 0, kWidth, PageBanner::kHeight);

    // Most pages: title, first paragraph across the page, then photo left and text right,
    // the links at the foot of the text. A tall photo instead fills the left third and
    // everything else stands beside it. The photo fills its place to the page's foot.
    const bool tall = record.tallPicture;
    const int textLeft = tall ? 272 : 10;
    const int textWidth = kWidth - textLeft - 10;
    PageParts::heading(s, record.title, record.writer, textLeft, 86);
    const QFont prose = Fonts::font(8);
    QStringList rest = record.paragraphs;
    const QString first = rest.isEmpty() ? QString() : rest.takeFirst();
    int top = 116;
    const QString photo = ReferenceData::picture(pagePicture(record));
    if (tall) {
        PageParts::filledPicture(s, QStringLiteral("ImageFoto"), photo, {8, 86, 256, kFoot - 86});
        rest.prepend(first);
    } else {
        top = PageParts::fullWidthText(s, QStringLiteral("LabelTexto_1"), {first}, textLeft, top, textWidth) + 6;
        // A photo much shorter than its place is not stretched beyond a modest trim.
        const int natural = PageParts::framedHeight(photo, 388);
        const int height = qMin(kFoot - top, natural * 4 / 3);
        PageParts::filledPicture(s, QStringLiteral("ImageFoto"), photo, {8, top + (kFoot - top - height) / 2, 388, height});
    }
    const int columnLeft = tall ? textLeft : 404;
    const int columnWidth = kWidth - columnLeft - 10;
    const int y = kFoot - kLinkHeight - 23;
    auto *column = new Prose(QStringLiteral("LabelTexto_2"), rest, prose, Palette::Ink, s);
    column->spreadTo(columnWidth, y - 6 - top);
    column->setGeometry(columnLeft, top, columnWidth, y - 6 - top);

    const StadiumRecord *previous = ReferenceData::stadium(record.previous);
    const StadiumRecord *next = ReferenceData::stadium(record.next);
    const CityRecord *city = ReferenceData::city(record.city);
    const int w = (columnWidth - 16) / 3;
    addLink(QStringLiteral("CmdAnterior"), QStringLiteral(" Anterior"), previous ? ReferenceData::picture(previous->picture) : QString(),
            {columnLeft, y, w, kLinkHeight}, &StadiumPage::goPrevious);
    addLink(QStringLiteral("CmdSiguiente"), QStringLiteral("Siguiente"), next ? ReferenceData::picture(next->picture) : QString(),
            {columnLeft + w + 8, y, w, kLinkHeight}, &StadiumPage::goNext);
    addLink(QStringLiteral("CmdCiudad"), QStringLiteral("Ciudad"), city ? ReferenceData::picture(city->picture) : QString(),
            {columnLeft + 2 * (w + 8), y, w, kLinkHeight}, &StadiumPage::goCity);
    // Where each link leads, for a screen reader: the picture alone says it to the eye.
    const std::pair<const char *, QString> targets[] = {
        {"CmdAnterior", previous ? previous->captionName.trimmed() : QString()},
        {"CmdSiguiente", next ? next->captionName.trimmed() : QString()},
        {"CmdCiudad", city ? QStringLiteral("la ciudad de %1").arg(city->captionName) : QString()}};
    for (const auto &[button, target] : targets) {
        if (auto *b = findChild<PictureButton *>(QLatin1String(button)); b && !target.isEmpty())
            AccessibleNames::set(b, b->accessibleName(), QStringLiteral("Abre %1").arg(target));
    }
}

void StadiumPage::addLink(const QString &name, const QString &caption, const QString &picture, const QRect &geometry,
                          QWidget *(StadiumPage::*go)())
{
    auto *b = new PictureButton(surface());
    b->setObjectName(name);
    b->setGeometry(geometry);
    b->setPicture(picture);
    b->setAccessibleName(caption.trimmed());
    connect(b, &QAbstractButton::clicked, this, [this, go] { (this->*go)(); });
    QLabel *bar = Controls::label(surface(), name + QStringLiteral("_texto"), caption,
                                  {geometry.left(), geometry.bottom() + 1, geometry.width(), 22}, Fonts::font(9.75, true),
                                  QColor(0xE0, 0xE0, 0xE0));
    Controls::setBackground(bar, Qt::black);
}

QWidget *StadiumPage::replaceBy(const QString &stadiumPage)
{
    QWidget *target = newStadiumPage(stadiumPage);
    if (target)
        Navigation::replace(this, target);
    return target;
}

QWidget *StadiumPage::goPrevious() { return replaceBy(m_record.previous); }
QWidget *StadiumPage::goNext() { return replaceBy(m_record.next); }

QWidget *StadiumPage::goCity()
{
    QWidget *city = newCityPage(m_record.city);
    if (!city)
        return nullptr;
    // From the Olympic stadium Berlin opens on top; elsewhere the city takes the page's place.
    if (m_record.page == QLatin1String("FrmEOlimpia"))
        Navigation::openModal(city);
    else
        Navigation::replace(this, city);
    return city;
}

CityPage::CityPage(const CityRecord &record, QWidget *parent)
    : Screen(record.page, caption(record.captionName), {kWidth, kHeight}, parent)
{
    addExitCommand(QStringLiteral("Salir"));
    QAction *sources = addMenuCommand(QStringLiteral("fuente"), record.sources);
    connect(sources, &QAction::triggered, this, &CityPage::openSources);
    Controls::setBackground(surface(), kPage);
    QWidget *s = surface();
    auto *banner = new PageBanner(true, s);
    banner->setGeometry(0, 0, kWidth, PageBanner::kHeight);
    PageParts::filledPicture(s, QStringLiteral("ImageFoto"), ReferenceData::picture(record.tallPicture),
                             {8, 86, 212, kFoot - 86});
    PageParts::heading(s, record.title, QString(), 232, 86);
    auto *text = new Prose(QStringLiteral("LabelTexto"), record.paragraphs, Fonts::font(8), Palette::Ink, s);
    text->spreadTo(kWidth - 242, kFoot - 116);
    text->setGeometry(232, 116, kWidth - 242, kFoot - 116);
}

QWidget *CityPage::openSources()
{
    return Navigation::openNew<CreditsPage>();
}
