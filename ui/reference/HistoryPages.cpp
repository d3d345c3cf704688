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
#include <climits>

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
    layOut(top, side, bottom);
}

void EditionPage::layOut(const QStringList &top, const QStringList &side, const QStringList &bottom)
{
    QWidget *s = surface();
    const QFont prose = Fonts::font(8);
    const int left = 10, right = kWidth - 10, fullWidth = right - left, gap = 8;
    const int head = 116, foot = kHeight - 8;
    auto *opening = top.isEmpty() ? nullptr : new Prose(QStringLiteral("LabelTexto_1"), top, prose, Palette::Ink, s);
    auto *column = new Prose(QStringLiteral("LabelTexto_2"), side, prose, Palette::Ink, s);
    auto *closing = bottom.isEmpty() ? nullptr : new Prose(QStringLiteral("LabelTexto_3"), bottom, prose, Palette::Ink, s);
    auto *caption = Controls::label(s, QStringLiteral("LabelEpigrafe"), m_record.photoCaption, {0, 0, 10, 10}, Fonts::font(8),
                                    QApplication::palette().color(QPalette::WindowText));
    caption->setWordWrap(true);
    Controls::setBackground(caption, QApplication::palette().color(QPalette::Window));
    const QString illustration = ReferenceData::picture(m_record.illustration);

    const int openingHeight = opening ? opening->heightFor(fullWidth) + 2 : 0;
    const int closingHeight = closing ? closing->heightFor(fullWidth) + 2 : 0;
    const int middleTop = head + (opening ? openingHeight + gap : 0);
    const int room = foot - middleTop - (closing ? closingHeight + gap : 0);

    // The photo stands in the right half; its width is chosen so that it and the column
    // beside it come out about as tall as each other and together fill the page.
    struct Choice {
        int width = 0, photo = 0, caption = 0, column = 0;
        int height() const { return qMax(photo + 4 + caption, column); }
    };
    auto measure = [&](int width) {
        Choice c;
        c.width = width;
        c.photo = PageParts::framedHeight(illustration, width);
        c.caption = caption->heightForWidth(width) + 6;
        c.column = column->heightFor(fullWidth - width - gap - 4) + 2;
        return c;
    };
    // Beside a text of full-width paragraphs the photo keeps to the right half; a page
    // that is all column gives it more, so that the photo can reach the page's foot.
    const int widest = opening || closing ? right - (kWidth / 2 + 4) : (right - left) * 2 / 3;
    Choice best = measure(200);
    int bestCost = INT_MAX;
    for (int width = widest; width >= 200; width -= 4) {
        const Choice c = measure(width);
        if (c.height() > room)
            continue;
        const int cost = (room - c.height()) + qAbs(c.photo + 4 + c.caption - c.column);
        if (cost < bestCost) {
            bestCost = cost;
            best = c;
        }
    }
    // What little height is left over goes between the blocks, not under the last one.
    const int spare = qMax(0, room - best.height());
    const int between = (opening ? 1 : 0) + (closing ? 1 : 0);
    const int step = between ? spare / (between + 1) : 0;
    int y = head;
    if (opening) {
        opening->setGeometry(left, y, fullWidth, openingHeight);
        y += openingHeight + gap + step;
    }
    const int middle = qMin(best.height(), foot - y - (closing ? closingHeight + gap : 0));
    const int photoLeft = right - best.width;
    const int photoTop = y + (middle - best.photo - 4 - best.caption) / 2;
    ArtView *photo = PageParts::framedPicture(s, QStringLiteral("ImageFoto"), illustration,
                                              {photoLeft, photoTop, best.width, best.photo});
    caption->setGeometry(photoLeft, photo->geometry().bottom() + 7, best.width, best.caption);
    const int columnHeight = closing ? middle : foot - y;
    column->spreadTo(photoLeft - gap - 4 - left, columnHeight);
    column->setGeometry(left, y, photoLeft - gap - 4 - left, columnHeight);
    if (closing)
        closing->setGeometry(left, foot - closingHeight, fullWidth, closingHeight);
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
