#include "HistoryPages.h"

#include "AccessibleNames.h"
#include "Art.h"
#include "Controls.h"
#include "Fonts.h"
#include "Navigation.h"
#include "Notifier.h"
#include "PageBanner.h"
#include "PictureButton.h"
#include "Pictures.h"
#include "PageParts.h"
#include "Prose.h"
#include "ReferenceData.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QTimer>

namespace {

constexpr int kWidth = 794;
constexpr int kHeight = 543;

} // namespace

HistoryDirectory::HistoryDirectory(QWidget *parent)
    : Screen(QStringLiteral("FrmHistoria"), caption(), {kWidth, kHeight}, parent)
{
    addExitCommand(QStringLiteral("Salir"));
    Controls::setBackground(surface(), Qt::black);
    const int columnWidth = kWidth / 6;
    const int buttonW = columnWidth - 12, buttonH = 152, rowPitch = 181;
    QList<QWidget *> order;
    for (const EditionRecord &e : ReferenceData::editions()) {
        const int x = (e.column - 1) * columnWidth + 6;
        const int y = (e.row - 1) * rowPitch + 2;
        auto *b = new PictureButton(surface());
        b->setObjectName(e.button);
        b->setGeometry(x, y, buttonW, buttonH);
        b->setBackground(Qt::black);
        const QString poster = ReferenceData::picture(e.poster);
        const QString year = QString::number(e.year);
        const QString host = e.host.toUpper();
        // The poster with its year and host written into the calm band at its foot.
        b->setPainter([poster, year, host](QPainter &p, const QRect &area, qreal dpr) {
            const QRect fit = Art::fitted(poster, area);
            p.drawPixmap(fit.topLeft(), Art::picture(poster, fit.size(), dpr));
            const int band = fit.height() * 40 / 180;
            const QRect text(fit.left(), fit.bottom() - band + 1, fit.width(), band);
            p.setPen(Palette::Gold);
            p.setFont(Fonts::font(11, true));
            p.drawText(text.adjusted(0, 1, 0, -band / 2), Qt::AlignCenter, year);
            QFont small = Fonts::font(6.5, true);
            p.setFont(small);
            p.setPen(Qt::white);
            p.drawText(text.adjusted(1, band / 2 - 2, -1, 0), Qt::AlignCenter, host);
        });
        const QString page = e.page;
        AccessibleNames::set(b, e.label, page.isEmpty() ? QStringLiteral("Sin página")
                                                        : QStringLiteral("Abre la historia del Mundial %1").arg(e.label));
        if (!page.isEmpty())
            connect(b, &QAbstractButton::clicked, this, [this, page] { openPage(page); });
        QLabel *label = Controls::label(surface(), QStringLiteral("Label%1").arg(e.button.mid(7)), e.label,
                                        {x, y + buttonH + 2, buttonW, 20}, Fonts::font(8.5, true), Qt::black);
        Controls::setBackground(label, Qt::white);
        order << b;
    }
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    if (!order.isEmpty())
        order.first()->setFocus();
}

QWidget *HistoryDirectory::openPage(const QString &page)
{
    const EditionRecord *record = ReferenceData::edition(page);
    if (!record)
        return nullptr;
    return Navigation::openNew<EditionPage>(*record);
}

QString EditionPage::warTitle() { return QStringLiteral("Información 2da Guerra Mundial"); }

QString EditionPage::warText()
{
    return QStringLiteral(
        "Sin Mundiales en 1942 y 1946 ¿Por que?\n\n"
        "* Catorce meses habían pasado del 3er Mundial, precisamente el 1 de Septiembre de 1939 llegaría el final de la paz "
        "en el Mundo. Era el principio de la Segunda Guerra Mundial entre los países europeos de: Unión Soviética, Gran "
        "Bretaña, Francia y luego EE.UU denominados aliados y por el otro los  Países del Eje, Alemania, Italia y Japón. Se "
        "utilizó por 1era vez la bomba atómica en Hiroshima y en Nagasaki (Japón) arrojada por los estadounidenses en 1945. "
        "El saldo de muertos fue de 55 millones y más de 35 millones de heridos. Los sucesos repercutieron en todo el mundo y "
        "por eso el lapso sin los Mundiales de 1942 y 1946. ");
}

EditionPage::EditionPage(const EditionRecord &record, QWidget *parent)
    : Screen(record.page, caption(record.captionName), {kWidth, kHeight}, parent), m_record(record)
{
    addExitCommand(QStringLiteral("Salir"));
    Controls::setBackground(surface(), QColor(0xFA, 0xFA, 0xF6));
    QWidget *s = surface();
    auto *banner = new PageBanner(true, s);
    banner->setGeometry(0, 0, kWidth, PageBanner::kHeight);
    PageParts::heading(s, record.title, record.writer, 10, 86);

    QStringList top, side, bottom;
    for (const EditionParagraph &p : record.paragraphs)
        (p.place == QLatin1String("top") ? top : p.place == QLatin1String("bottom") ? bottom : side) << p.text;
    const QFont prose = Fonts::font(8);
    const int fullWidth = kWidth - 20;
    int y = 116;
    if (!top.isEmpty())
        y = PageParts::fullWidthText(s, QStringLiteral("LabelTexto_1"), top, 10, y, fullWidth) + 4;
    int bottomHeight = 0;
    Prose *closing = nullptr;
    if (!bottom.isEmpty()) {
        closing = new Prose(QStringLiteral("LabelTexto_3"), bottom, prose, Palette::Ink, s);
        bottomHeight = qMin(closing->heightFor(fullWidth) + 2, 120);
        closing->setGeometry(10, kHeight - 8 - bottomHeight, fullWidth, bottomHeight);
    }
    const int middleBottom = kHeight - 8 - (closing ? bottomHeight + 6 : 0);
    // The photo's place, framed, on the right with its caption under it; the side text at the left.
    const int photoLeft = 520;
    const QString illustration = ReferenceData::picture(record.illustration);
    auto *caption = Controls::label(s, QStringLiteral("LabelEpigrafe"), record.photoCaption, {photoLeft, 0, kWidth - photoLeft - 10, 10},
                                    Fonts::font(8), QApplication::palette().color(QPalette::WindowText));
    caption->setWordWrap(true);
    Controls::setBackground(caption, QApplication::palette().color(QPalette::Window));
    const int captionHeight = caption->heightForWidth(caption->width()) + 6;
    const QRect photoArea(photoLeft, y, kWidth - photoLeft - 10, middleBottom - y - captionHeight - 4);
    ArtView *photo = PageParts::framedPicture(s, QStringLiteral("ImageFoto"), illustration, photoArea);
    caption->setGeometry(photoLeft, photo->geometry().bottom() + 6, kWidth - photoLeft - 10, captionHeight);
    auto *column = new Prose(QStringLiteral("LabelTexto_2"), side, prose, Palette::Ink, s);
    column->setGeometry(10, y, photoLeft - 22, middleBottom - y);
}

void EditionPage::showEvent(QShowEvent *event)
{
    Screen::showEvent(event);
    // Once per opening, right after the page appears; closing the box gives the page back.
    if (m_record.page == QLatin1String("FrmBrasil50") && !m_greeted) {
        m_greeted = true;
        QTimer::singleShot(0, this, [] { Notifier::current().showInformation(warText(), warTitle()); });
    }
}
