#include "TeamPages.h"

#include "AccessibleNames.h"
#include "Art.h"
#include "Controls.h"
#include "Fonts.h"
#include "Navigation.h"
#include "PageBanner.h"
#include "PictureButton.h"
#include "Pictures.h"
#include "ReferenceData.h"
#include "TournamentData.h"

#include <QLabel>
#include <QPainter>

namespace {

constexpr int kWidth = 794;
constexpr int kHeight = 543;

// Shrinks a one-line text until it fits its cell, down to a readable minimum.
void fitText(QLabel *label, qreal from, qreal minimum)
{
    QFont f = label->font();
    for (qreal size = from; size >= minimum; size -= 0.25) {
        f.setPointSizeF(size);
        if (QFontMetrics(f).horizontalAdvance(label->text()) <= label->width() - 6)
            break;
    }
    label->setFont(f);
}

// A framed box with an underlined heading, as the page's text blocks are drawn.
QFrame *framedBlock(QWidget *parent, const QString &name, const QRect &r, const QString &heading)
{
    QFrame *frame = Controls::panel(parent, name, r, QColor(255, 255, 255, 235), QColor(0x5C, 0x43, 0x06), 2);
    Controls::label(frame, name + QStringLiteral("_titulo"), heading, {4, 4, r.width() - 8, 22}, Fonts::font(12, true, true),
                    Palette::Ink);
    return frame;
}

const QString kPlayerArt = QStringLiteral("player");

} // namespace

TeamDirectory::TeamDirectory(QWidget *parent)
    : Screen(QStringLiteral("FrmInfoEquipos"), caption(), {kWidth, kHeight}, parent)
{
    addExitCommand(QStringLiteral("Salir"));
    Controls::setBackground(surface(), Palette::NightDeep);
    const int gap = 8;
    const int w = (kWidth - 8 * gap) / 7;
    const int h = (kHeight - 6 * gap) / 5;
    auto cell = [&](int row, int column) { return QRect(gap + (column - 1) * (w + gap), gap + (row - 1) * (h + gap), w, h); };
    QList<PictureButton *> buttons;
    for (const TeamRecord &team : ReferenceData::teams()) {
        auto *b = new PictureButton(surface());
        b->setObjectName(team.button);
        b->setGeometry(cell(team.row, team.column));
        const TeamEntry *entry = TournamentData::teamByDisplayName(team.team);
        const QString flagKey = entry ? entry->flagKey : QString();
        b->setPainter([flagKey](QPainter &p, const QRect &r, qreal dpr) {
            QSize flag(r.width() - 16, (r.width() - 16) * 3 / 4);
            flag.scale(r.size() - QSize(8, 8), Qt::KeepAspectRatio);
            const QPoint at(r.center().x() - flag.width() / 2, r.center().y() - flag.height() / 2);
            p.drawPixmap(at, Art::flag(flagKey, flag, dpr));
            p.setPen(QColor(255, 255, 255, 90));
            p.drawRect(QRect(at, flag).adjusted(0, 0, -1, -1));
        });
        // Room for two lines, so that the longest names keep the size of the others.
        const QFont font = Fonts::font(8.5, true);
        b->setPictureText(entry ? entry->groupScreenName : team.team, font, Palette::Gold,
                          2 * QFontMetrics(font).lineSpacing() + 2);
        const QString page = team.page;
        connect(b, &QAbstractButton::clicked, this, [this, page] { openPage(page); });
        AccessibleNames::set(b, b->pictureText(), QStringLiteral("Abre la información de %1").arg(b->pictureText()));
        buttons << b;
    }
    PictureButton::shareTextSize(buttons);
    // Row 3, columns 3 to 5: the maker's logo, a picture and not a button.
    const QRect logoArea = cell(3, 3).united(cell(3, 5));
    auto *logo = new ArtView(Art::artResource(QStringLiteral("quelmar-logo")), surface());
    logo->setObjectName(QStringLiteral("Image1"));
    logo->setGeometry(Art::fitted(logo->resource(), logoArea.adjusted(8, 4, -150, -4)));
    auto *name = Controls::label(surface(), QStringLiteral("Label1"), QStringLiteral("Quelmar Software"),
                                 {logo->geometry().right() + 4, logoArea.top(), logoArea.right() - logo->geometry().right() - 4,
                                  logoArea.height()},
                                 Fonts::font(14, true), Palette::Gold);
    name->setWordWrap(true);
}

QWidget *TeamDirectory::openPage(const QString &page)
{
    const TeamRecord *record = ReferenceData::team(page);
    if (!record)
        return nullptr;
    return Navigation::openNew<TeamInfoPage>(*record);
}

QString TeamInfoPage::caption(const QString &captionName)
{
    return QStringLiteral("Torvelo Alemania 2006- Información de %1 - Resolucion Optima 800 x 600").arg(captionName);
}

TeamInfoPage::TeamInfoPage(const TeamRecord &record, QWidget *parent)
    : Screen(record.page, caption(record.captionName), {kWidth, kHeight}, parent), m_record(record)
{
    addExitCommand(record.exitCommand);
    Controls::setBackground(surface(), QColor(0xE9, 0xEC, 0xF2));
    auto *banner = new PageBanner(false, surface());
    banner->setGeometry(0, 0, kWidth, PageBanner::kHeight);
    buildLeftColumn();
    buildFacts();
    buildPlayers();
    buildRightColumn();
}

void TeamInfoPage::buildLeftColumn()
{
    QWidget *s = surface();
    const TeamEntry *entry = TournamentData::teamByDisplayName(m_record.team);
    auto *flag = new FlagView(s);
    flag->setObjectName(QStringLiteral("ImageBandera"));
    flag->setGeometry(34, 88, 150, 112);
    flag->setFlagKey(entry ? entry->flagKey : QString());
    auto *arms = new ArtView(ReferenceData::picture(QStringLiteral("arms/%1.svg").arg(m_record.key)), s);
    arms->setObjectName(QStringLiteral("ImageEscudo"));
    arms->setGeometry(Art::fitted(arms->resource(), {8, 206, 202, 96}));

    QFrame *frame = framedBlock(s, QStringLiteral("FrameOrigen"), {8, 308, 202, 227}, QStringLiteral("Origen del Nombre"));
    auto *origin = Controls::label(frame, QStringLiteral("LabelOrigen"), m_record.origin.join(QStringLiteral("\n\n")),
                                   {6, 30, 190, 192}, Fonts::font(9), Palette::Ink, Qt::AlignHCenter | Qt::AlignTop);
    origin->setWordWrap(true);
    for (qreal size = 9; size > 6.5 && origin->heightForWidth(origin->width()) > origin->height(); size -= 0.25)
        origin->setFont(Fonts::font(size - 0.25));
}

void TeamInfoPage::buildFacts()
{
    QWidget *s = surface();
    const int left = 218, labelW = 124, valueW = 226, rowH = 21, groupGap = 5;
    const QFont font = Fonts::font(9.75, true);
    for (int i = 0; i < m_record.facts.size(); ++i) {
        const TeamFact &fact = m_record.facts[i];
        const int y = 88 + i * rowH + (i / 3) * groupGap;
        auto cell = [&](const QString &name, const QString &text, int x, int w) {
            QLabel *l = Controls::label(s, name, text, {x, y, w, rowH - 1}, font, fact.foreground);
            Controls::setBackground(l, fact.background);
            return l;
        };
        fitText(cell(QStringLiteral("LabelDato_%1").arg(i + 1), fact.label, left, labelW), 9.75, 7.5);
        QLabel *value = cell(QStringLiteral("LabelValor_%1").arg(i + 1), fact.value, left + labelW, valueW);
        if (!fact.note.isEmpty()) {
            // A note follows the value in normal weight.
            value->setTextFormat(Qt::RichText);
            value->setText(QStringLiteral("%1 <span style=\"font-weight:normal; font-size:8pt\">%2</span>")
                               .arg(fact.value.toHtmlEscaped(), fact.note.toHtmlEscaped()));
        } else {
            fitText(value, 9.75, 7);
        }
        if (m_record.separators) {
            Controls::line(s, QStringLiteral("LineaV_%1").arg(i + 1), {left + labelW - 1, y, 2, rowH - 1}, QColor(0xFE, 0xCC, 0x00));
            if (i % 3 == 2 && i < 11)
                Controls::line(s, QStringLiteral("LineaH_%1").arg(i / 3 + 1), {left, y + rowH, labelW + valueW, groupGap - 1},
                               QColor(0xFE, 0xCC, 0x00));
        }
    }
}

void TeamInfoPage::buildPlayers()
{
    QWidget *s = surface();
    Controls::label(s, QStringLiteral("LabelFiguras"), QStringLiteral("Figuras"), {218, 364, 350, 22}, Fonts::font(12, true, true),
                    Palette::Ink);
    const QList<std::pair<QString, QString>> kit = {
        {QStringLiteral("#FF00FF"), m_record.shirt.name()},
        {QStringLiteral("#00FFFF"), m_record.shorts.name()},
        {QStringLiteral("#FFFF01"), m_record.socks.name()},
        {QStringLiteral("#FF0101"), m_record.trim.name()},
    };
    const QString resource = ReferenceData::picture(QStringLiteral("player.svg"));
    // Every name gets room for two whole lines under its photo, descenders included;
    // the photos take what is left above.
    const QFont nameFont = Fonts::font(9.75);
    const int nameHeight = 2 * QFontMetrics(nameFont).lineSpacing() + 4;
    const int nameTop = kHeight - 4 - nameHeight;
    for (int i = 0; i < m_record.players.size() && i < 3; ++i) {
        const QRect area(222 + i * 116, 388, 110, nameTop - 2 - 388);
        auto *picture = new QLabel(s);
        picture->setObjectName(QStringLiteral("ImageFigura_%1").arg(i + 1));
        const QRect fit = Art::fitted(resource, area);
        picture->setGeometry(fit);
        picture->setPixmap(Art::recoloured(resource, kit, m_record.key, fit.size(), devicePixelRatioF()));
        const Player &player = m_record.players[i];
        QLabel *name = Controls::label(s, QStringLiteral("LabelFigura_%1").arg(i + 1), player.name,
                                       {area.left() - 3, nameTop, area.width() + 6, nameHeight}, nameFont, Palette::Ink,
                                       Qt::AlignHCenter | Qt::AlignTop);
        name->setWordWrap(true);
        name->setToolTip(player.number ? QStringLiteral("%1 - N° %2").arg(player.position).arg(player.number) : player.position);
    }
}

void TeamInfoPage::buildRightColumn()
{
    QWidget *s = surface();
    auto *map = new ArtView(ReferenceData::picture(QStringLiteral("maps/%1.svg").arg(m_record.key)), s);
    map->setObjectName(QStringLiteral("ImageMapa"));
    map->setGeometry(578, 88, 208, 208);
    QFrame *frame = framedBlock(s, QStringLiteral("FramePosicion"), {578, 304, 208, 231}, QStringLiteral("Mejor Posición"));
    if (!m_record.titles.isEmpty()) {
        const int n = m_record.titles.size();
        const int perRow = n > 3 ? 3 : n;
        const int rows = (n + perRow - 1) / perRow;
        const int cellW = 200 / perRow, cellH = qMin(110, 196 / rows);
        const int top = 30 + (196 - rows * cellH) / 2;
        for (int i = 0; i < n; ++i) {
            const int year = m_record.titles[i];
            const int row = i / perRow, col = i % perRow;
            const int inRow = row == rows - 1 ? n - row * perRow : perRow;
            const int x0 = 4 + (200 - inRow * cellW) / 2 + col * cellW;
            const int y0 = top + row * cellH;
            // The first trophy was awarded up to 1970, the present one since 1974.
            const QString art = Art::artResource(year <= 1970 ? QStringLiteral("trophy-classic") : QStringLiteral("trophy-modern"));
            auto *trophy = new ArtView(art, frame);
            trophy->setObjectName(QStringLiteral("ImageCopa_%1").arg(i + 1));
            trophy->setGeometry(Art::fitted(art, {x0, y0, cellW, cellH - 20}));
            Controls::label(frame, QStringLiteral("LabelAnio_%1").arg(i + 1), QString::number(year),
                            {x0, y0 + cellH - 20, cellW, 18}, Fonts::font(9.75, true), Palette::Ink);
        }
    } else {
        int total = 0;
        for (const BestLine &line : m_record.best)
            total += int(line.size * 1.9);
        int y = 30 + qMax(0, (196 - total) / 2);
        for (int i = 0; i < m_record.best.size(); ++i) {
            const BestLine &line = m_record.best[i];
            const int h = int(line.size * 1.9);
            QLabel *l = Controls::label(frame, QStringLiteral("LabelPosicion_%1").arg(i + 1), line.text, {4, y, 200, h},
                                        Fonts::font(line.size, line.bold), Qt::black);
            fitText(l, line.size, 10);
            y += h;
        }
    }
}
