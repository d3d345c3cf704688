#include "GroupScreen.h"

#include "AccessibleNames.h"
#include "Art.h"
#include "Controls.h"
#include "Fonts.h"
#include "GroupFile.h"
#include "MatchInfoPanel.h"
#include "Pictures.h"
#include "TournamentData.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

namespace {

constexpr int kLeft = 10;          // left column
constexpr int kLeftWidth = 250;
constexpr int kRight = 272;        // table and matches
constexpr int kRightWidth = 512;
constexpr int kTableTop = 34;
constexpr int kHeaderTop = 38;
constexpr int kSlotTop = 68;
constexpr int kSlotPitch = 37;
constexpr int kRowHeight = 34;
constexpr int kStatLeft = 228;     // inside a row
constexpr int kStatWidth = 34;
constexpr int kMatchTop = 254;
constexpr int kMatchPitch = 47;
constexpr int kMatchHeight = 45;

const char *const kStatArrays[kStatCount] = {"J", "G", "E", "P", "GF", "GC", "DIF", "PUN"};
const char *const kHeaders[] = {"Equipo", "J", "G", "E", "P", "GF", "GC", "Dif", "Ptos"};

QString indexed(const char *array, int i) { return QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(i); }

} // namespace

QString GroupScreen::caption(char group)
{
    return QStringLiteral("Torvelo Alemania 2006 - Partidos del Grupo %1 - Resolucion Optima 800 x 600")
        .arg(QLatin1Char(group));
}

QRect GroupScreen::rowSlot(int slot) { return {kRight + 4, kSlotTop + slot * kSlotPitch, kRightWidth - 8, kRowHeight}; }

GroupScreen::GroupScreen(char group, QWidget *parent)
    : Screen(QStringLiteral("FrmGrupo%1").arg(QLatin1Char(group)), caption(group), {794, 543}, parent),
      m_group(group), m_sheet(GroupSheet::of(group)), m_files(GroupFile::files(group))
{
    addExitCommand();
    Controls::setBackground(surface(), Palette::Night);
    surface()->setBackgroundPainter([this](QPainter &p) { paintBackground(p); });
    buildLeftColumn();
    buildTable();
    buildMatches();

    m_sheet.reset();
    connect(&m_sheet, &GroupSheet::statStored, this,
            [this](int t, Stat s, qint16 v) { showFigure(t - 1, int(s), QString::number(v)); });
    connect(&m_sheet, &GroupSheet::orderChanged, this, &GroupScreen::placeRows);
    connect(&m_sheet, &GroupSheet::cellChanged, this, [this](int i, const QString &text) {
        if (m_boxes[i]->text() != text)
            m_boxes[i]->setText(text);
    });
    for (int i = 0; i < 12; ++i)
        connect(m_boxes[i], &QLineEdit::textChanged, this, [this, i](const QString &t) { m_sheet.setCell(i, t); });
    connect(surface(), &Surface::bareMouseMove, m_panel, &MatchInfoPanel::clear);
    nameRows();

    GroupFile::LoadGroupFile(m_sheet, m_files);
}

SaveOutcome GroupScreen::save() { return GroupFile::SaveGroupFile(m_sheet, m_files); }

QFrame *GroupScreen::rowInSlot(int slot) const { return m_rows[m_sheet.displayOrder()[slot] - 1]; }

void GroupScreen::placeRows()
{
    for (int slot = 0; slot < 4; ++slot)
        rowInSlot(slot)->setGeometry(rowSlot(slot));
    nameRows();
}

void GroupScreen::nameRows()
{
    // A screen reader reads the rows in the order of the widgets, not of their places:
    // keep that order the ranked one, just before the heading that follows the table.
    QWidget *afterTable = surface()->findChild<QWidget *>(QStringLiteral("Label30"), Qt::FindDirectChildrenOnly);
    const auto teams = TournamentData::teamsOfGroup(m_group);
    for (int slot = 0; slot < 4; ++slot) {
        QFrame *row = rowInSlot(slot);
        if (afterTable)
            row->stackUnder(afterTable);
        AccessibleNames::set(row, AccessibleNames::tableRow(slot + 1, teams[m_sheet.displayOrder()[slot] - 1].groupScreenName));
    }
}

void GroupScreen::showFigure(int row, int stat, const QString &value)
{
    QLabel *figure = m_stats[row][stat];
    figure->setText(value);
    const QString team = TournamentData::team(m_group, row + 1).groupScreenName;
    AccessibleNames::set(figure, AccessibleNames::tableFigure(team, stat, value));
}

void GroupScreen::paintBackground(QPainter &p) const
{
    QLinearGradient sky(0, 0, 0, 543);
    sky.setColorAt(0, Palette::Night);
    sky.setColorAt(1, Palette::NightDeep);
    p.fillRect(surface()->rect(), sky);
    // The table's border and the banded match rows are drawing, not controls.
    p.setPen(QPen(Palette::GoldDeep, 1.5));
    p.setBrush(QColor(255, 255, 255, 18));
    p.drawRoundedRect(QRectF(kRight, kTableTop, kRightWidth, kSlotTop + 4 * kSlotPitch - kTableTop + 2), 6, 6);
    p.setPen(Qt::NoPen);
    for (int m = 0; m < 6; ++m) {
        p.setBrush(m % 2 ? QColor(255, 255, 255, 16) : QColor(255, 255, 255, 34));
        p.drawRoundedRect(QRectF(kRight, kMatchTop + m * kMatchPitch, kRightWidth, kMatchHeight), 5, 5);
    }
}

void GroupScreen::buildLeftColumn()
{
    QWidget *s = surface();
    auto *banner = new ArtView(Art::artResource(QStringLiteral("group-banner")), s);
    banner->setObjectName(QStringLiteral("Image17"));
    banner->setGeometry(kLeft, 10, kLeftWidth, 150);
    banner->setCaption(QStringLiteral("Grupo %1").arg(QLatin1Char(m_group)), Fonts::font(20, true), Palette::Gold, 45);

    Controls::label(s, QStringLiteral("Label31"), QStringLiteral("Lugar y Fecha"), {kLeft, 166, kLeftWidth, 22},
                    Fonts::font(11, true), Palette::Gold);
    auto *board = new ArtView(Art::artResource(QStringLiteral("cartel")), s);
    board->setObjectName(QStringLiteral("Cartel"));
    board->setGeometry(kLeft, 190, kLeftWidth, 110);
    const QFont signFont = Fonts::font(13.5, true);
    m_estadio = Controls::label(s, QStringLiteral("Lblestadio"), QString(), {kLeft + 8, 200, kLeftWidth - 16, 44},
                                signFont, Palette::SignYellow);
    m_fecha = Controls::label(s, QStringLiteral("LblFecha"), QString(), {kLeft + 8, 246, kLeftWidth - 16, 44},
                              signFont, Palette::SignYellow);
    m_panel = new MatchInfoPanel(MatchInfoPanel::Backdrop::SignBoard, m_fecha, m_estadio, {}, this);

    Controls::noteFrame(s, QStringLiteral("Frame1"), QStringLiteral("Label28"), QStringLiteral("Observaciones"),
                        QStringLiteral("Posicionando el Mouse encima del Icono al costado de cada partido podra ver "
                                       "en el cartel de Arriba el Lugar y Fecha del Partido."),
                        {kLeft, 312, kLeftWidth, 120}, Qt::white);
    auto *emblem = new ArtView(Art::artResource(QStringLiteral("emblem")), s);
    emblem->setObjectName(QStringLiteral("Emblema"));
    emblem->setGeometry(kLeft + kLeftWidth / 2 - 48, 438, 96, 96);
}

void GroupScreen::buildTable()
{
    QWidget *s = surface();
    Controls::label(s, QStringLiteral("Label29"), QStringLiteral("Tabla de Posiciones"), {kRight, 8, kRightWidth, 24},
                    Fonts::font(12, true), Palette::Gold);
    QFrame *header = Controls::panel(s, QStringLiteral("Frame"), {kRight + 4, kHeaderTop, kRightWidth - 8, 26},
                                     Palette::NightDeep, Qt::transparent, 4);
    for (int c = 0; c < 9; ++c) {
        const QRect r = c == 0 ? QRect(6, 0, kStatLeft - 10, 26) : QRect(kStatLeft + (c - 1) * kStatWidth, 0, kStatWidth, 26);
        Controls::label(header, QStringLiteral("Label%1").arg(c + 1), QString::fromLatin1(kHeaders[c]), r,
                        Fonts::font(9, true), Palette::Gold);
    }

    const auto teams = TournamentData::teamsOfGroup(m_group);
    for (int t = 0; t < 4; ++t) {
        QFrame *row = Controls::panel(s, QStringLiteral("Frm%1%2").arg(QLatin1Char(m_group)).arg(t + 1), rowSlot(t),
                                      Palette::Paper, Qt::transparent, 4);
        auto *flag = new FlagView(row);
        flag->setObjectName(QStringLiteral("Image%1").arg(t + 1));
        flag->setGeometry(8, 4, 34, 26);
        flag->setFlagKey(teams[t].flagKey);
        Controls::label(row, QStringLiteral("A%1").arg(t + 1), teams[t].groupScreenName, {46, 0, kStatLeft - 50, kRowHeight},
                        Fonts::font(9.5, true), Palette::Ink);
        for (int st = 0; st < kStatCount; ++st) {
            const bool points = st == int(Stat::PUN);
            m_stats[t][st] = Controls::label(row, indexed(kStatArrays[st], t + 1), QStringLiteral("0"),
                                             {kStatLeft + st * kStatWidth, 0, kStatWidth, kRowHeight},
                                             Fonts::font(points ? 10.5 : 9.5, true),
                                             points ? QColor(0xB0, 0x00, 0x00) : Palette::Ink);
        }
        m_rows[t] = row;
        for (int st = 0; st < kStatCount; ++st)
            showFigure(t, st, m_stats[t][st]->text());
    }
}

void GroupScreen::nameMatch(const GroupMatch &m, QWidget *clock)
{
    const QString home = TournamentData::team(m_group, m.homePosition).groupScreenName;
    const QString away = TournamentData::team(m_group, m.awayPosition).groupScreenName;
    const QString when = AccessibleNames::when(m.dateTime, m.venue);
    AccessibleNames::set(m_boxes[m.homeCell], AccessibleNames::groupScore(home, away, m.number), when);
    AccessibleNames::set(m_boxes[m.awayCell], AccessibleNames::groupScore(away, home, m.number), when);
    AccessibleNames::set(clock, AccessibleNames::groupClock(m.number, home, away), when);
}

void GroupScreen::buildMatches()
{
    QWidget *s = surface();
    Controls::label(s, QStringLiteral("Label30"), QStringLiteral("Partidos del Grupo"), {kRight, 228, kRightWidth, 24},
                    Fonts::font(12, true), Palette::Gold);
    const QFont nameFont = Fonts::font(9, true);
    QWidget *previous = nullptr;
    for (const GroupMatch &m : TournamentData::matchesOfGroup(m_group)) {
        const int k = m.number;
        const int y = kMatchTop + (k - 1) * kMatchPitch;
        const TeamEntry &home = TournamentData::team(m_group, m.homePosition);
        const TeamEntry &away = TournamentData::team(m_group, m.awayPosition);
        auto flagAt = [&](int image, const TeamEntry &team, int x) {
            auto *f = new FlagView(s);
            f->setObjectName(QStringLiteral("Image%1").arg(image));
            f->setGeometry(kRight + x, y + 9, 36, 27);
            f->setFlagKey(team.flagKey);
        };
        const int firstLabel = 10 + 3 * (k - 1);
        flagAt(5 + 2 * (k - 1), home, 6);
        auto *homeName = Controls::label(s, QStringLiteral("Label%1").arg(firstLabel), home.groupScreenName,
                                         {kRight + 44, y, 132, kMatchHeight}, nameFont, Qt::white);
        homeName->setWordWrap(true);
        m_boxes[m.homeCell] = Controls::scoreBox(s, indexed("R", m.homeCell), {kRight + 178, y + 10, 40, 25});
        Controls::label(s, QStringLiteral("Label%1").arg(firstLabel + 1), QStringLiteral("Vs"),
                        {kRight + 218, y, 32, kMatchHeight}, Fonts::font(9, true), Palette::Gold);
        m_boxes[m.awayCell] = Controls::scoreBox(s, indexed("R", m.awayCell), {kRight + 250, y + 10, 40, 25});
        auto *awayName = Controls::label(s, QStringLiteral("Label%1").arg(firstLabel + 2), away.groupScreenName,
                                         {kRight + 292, y, 132, kMatchHeight}, nameFont, Qt::white);
        awayName->setWordWrap(true);
        flagAt(6 + 2 * (k - 1), away, 426);

        auto *clock = new ClockIcon(k, Art::artResource(QStringLiteral("clock")), s);
        clock->setObjectName(indexed("Crono", k));
        clock->setGeometry(kRight + 472, y + 6, 32, 32);
        auto show = [this, m] { m_panel->showMatch(m.dateTime, m.venue); };
        connect(clock, &ClockIcon::hovered, this, show);
        nameMatch(m, clock);
        m_panel->showOnFocus(m_boxes[m.homeCell], show);
        m_panel->showOnFocus(m_boxes[m.awayCell], show);
    }
    for (QLineEdit *box : m_boxes) {
        if (previous)
            setTabOrder(previous, box);
        previous = box;
    }
    m_boxes[0]->setFocus();
}
