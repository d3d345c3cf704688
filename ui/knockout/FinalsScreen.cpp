#include "FinalsScreen.h"

#include "Art.h"
#include "BoardView.h"
#include "Controls.h"
#include "Fonts.h"
#include "KnockoutNames.h"
#include "MatchInfoPanel.h"
#include "Pictures.h"
#include "TournamentData.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>

namespace {

constexpr int kWidth = 794;
constexpr int kHeight = 543;
constexpr int kBox = 28, kBoxStep = 31, kRow = 24;

QString named(const char *array, int i) { return QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(i); }

QRect mirrored(bool right, int x, int y, int w, int h) { return right ? QRect(kWidth - x - w, y, w, h) : QRect(x, y, w, h); }

// The podium steps: centre highest, runner-up left, third right and a little lower.
// All stand on the window's bottom edge, each tall enough to hold its number whole.
constexpr QRect kStepCentre{300, 483, 194, 60};
constexpr QRect kStepLeft{116, 499, 184, 44};
constexpr QRect kStepRight{494, 509, 184, 34};
constexpr int kStepBand = 5;  // the coloured top of a step

} // namespace

FinalsScreen::FinalsScreen(const QStringList &semifinalists, QWidget *parent)
    : Screen(QStringLiteral("FrmgruposFinales"), caption(), {kWidth, kHeight}, parent)
{
    addExitCommand(QStringLiteral("Salir"));
    m_view = new BoardView(m_board, this);
    Controls::setBackground(surface(), Palette::PitchDark);
    surface()->setBackgroundPainter([this](QPainter &p) { paintBackground(p); });
    buildBanner();
    buildSemifinals();
    buildLastMatches();
    buildPodium();
    BoardView::addFlagStore(surface(), kHeight - 16, true);
    connect(surface(), &Surface::bareMouseMove, m_panel, &MatchInfoPanel::clear);
    buildTabOrder();

    // The names and the replay run on the board alone; the controls then show the result.
    m_board.open(semifinalists);
    m_view->connectBoard();
    new KnockoutNames(m_board, *m_view, surface(), m_panel, true);
}

FinalsScreen::~FinalsScreen()
{
    // The board goes before the boxes that feed it: cut them off from it first.
    delete m_view;
}

SaveOutcome FinalsScreen::save() { return m_board.save(); }

void FinalsScreen::paintBackground(QPainter &p) const
{
    const qreal dpr = surface()->devicePixelRatioF();
    p.drawPixmap(0, 0, Art::picture(Art::artResource(QStringLiteral("pitch-background")), surface()->size(), dpr));
    // The framed date-and-venue area in the banner.
    p.setPen(QPen(Palette::GoldDeep, 2));
    p.setBrush(Palette::NightDeep);
    p.drawRoundedRect(QRectF(282, 8, 230, 90), 6, 6);
    // Lines joining the semi-finals to each other and down the middle to the last two matches.
    p.setPen(QPen(QColor(0xF3, 0xCF, 0x5A, 190), 2));
    // Between the rows of the semi-finals, clear of their penalty boxes.
    p.drawLine(318, 160, 476, 160);
    p.drawLine(397, 160, 397, 236);
    p.setFont(Fonts::font(9, true));
    p.setPen(Palette::Gold);
    p.drawText(QRect(0, 106, kWidth, 16), Qt::AlignCenter, QStringLiteral("SEMIFINALES"));
    p.drawText(QRect(0, 238, kWidth, 16), Qt::AlignCenter, QStringLiteral("TERCER PUESTO"));
    p.drawText(QRect(0, 318, kWidth, 16), Qt::AlignCenter, QStringLiteral("FINAL"));
    Art::drawPodiumStep(p, kStepCentre, Palette::Gold, kStepBand);
    Art::drawPodiumStep(p, kStepLeft, Palette::Silver, kStepBand);
    Art::drawPodiumStep(p, kStepRight, Palette::Bronze, kStepBand);
    // Each number centred in its step below the coloured band.
    p.setFont(Fonts::font(16, true));
    p.setPen(QColor(255, 255, 255, 60));
    p.drawText(kStepCentre.adjusted(0, kStepBand, 0, 0), Qt::AlignCenter, QStringLiteral("1"));
    p.drawText(kStepLeft.adjusted(0, kStepBand, 0, 0), Qt::AlignCenter, QStringLiteral("2"));
    p.drawText(kStepRight.adjusted(0, kStepBand, 0, 0), Qt::AlignCenter, QStringLiteral("3"));
}

void FinalsScreen::buildBanner()
{
    QWidget *s = surface();
    auto *germany = new ArtView(Art::artResource(QStringLiteral("banner-germany")), s);
    germany->setObjectName(QStringLiteral("Picture2"));
    germany->setGeometry(10, 8, 260, 90);
    germany->setCaption(QStringLiteral("Mundial\nAlemania 2006"), Fonts::font(11, true), Palette::Gold, QRect(150, 10, 106, 70));
    auto *trophy = new ArtView(Art::artResource(QStringLiteral("banner-trophy")), s);
    trophy->setObjectName(QStringLiteral("Picture1"));
    trophy->setGeometry(kWidth - 270, 8, 260, 90);
    const QFont sign = Fonts::font(13.5, true);
    auto bar = [&](const QString &name, int y) {
        QLabel *l = Controls::label(s, name, QString(), {292, y, 210, 32}, sign, Palette::SignYellow);
        Controls::setBackground(l, Qt::black);
        return l;
    };
    QLabel *estadio = bar(QStringLiteral("Lblestadio"), 18);
    QLabel *fecha = bar(QStringLiteral("LblFecha"), 56);
    m_panel = new MatchInfoPanel(MatchInfoPanel::Backdrop::BannerFrame, fecha, estadio, {}, this);
}

void FinalsScreen::buildSemifinals()
{
    QWidget *s = surface();
    for (int half = 0; half < 2; ++half) {
        const bool right = half == 1;
        for (int t = 0; t < 2; ++t) {
            const int index = 2 * half + t + 1;
            const int y = 128 + t * 40;
            auto *label = Controls::label(s, named("LblOct", index), QString(), mirrored(right, 40, y, 140, kRow),
                                          Fonts::font(9.5, true), Qt::white);
            Controls::setBackground(label, QColor(0x0A, 0x16, 0x33));
            auto *flag = new FlagView(s);
            flag->setObjectName(named("ImSemi", index));
            flag->setGeometry(mirrored(right, 184, y, 32, kRow));
            m_view->addSlot(label, flag);
            const char *arrays[3] = {"txtOct", "txtTEoct", "txtPENoct"};
            for (int k = 0; k < 3; ++k)
                m_view->addBox(Controls::scoreBox(s, named(arrays[k], index), mirrored(right, 222 + k * kBoxStep, y, kBox, kRow)));
        }
        auto *clock = new ClockIcon(half + 1, Art::artResource(QStringLiteral("clock-pitch")), s);
        clock->setObjectName(named("Crono", half + 1));
        clock->setGeometry(mirrored(right, 2, 144, 36, 24));
        connect(clock, &ClockIcon::hovered, this, [this](int k) { m_panel->showKnockoutMatch(true, k); });
    }
}

void FinalsScreen::buildLastMatches()
{
    QWidget *s = surface();
    // Third place (5 against 7) above, the final (1 against 3) below with larger names.
    const struct {
        int left, right, clock, y;
        qreal size;
    } rows[] = {{5, 7, 3, 256, 10}, {1, 3, 4, 336, 13}};
    for (const auto &row : rows) {
        const int height = row.size > 11 ? 30 : kRow;
        for (int side = 0; side < 2; ++side) {
            const bool right = side == 1;
            const int index = right ? row.right : row.left;
            auto *label = Controls::label(s, named("Lblcuar", index), QString(),
                                          mirrored(right, 70, row.y, 200, height), Fonts::font(row.size, true), Qt::white);
            Controls::setBackground(label, QColor(0x0A, 0x16, 0x33));
            auto *flag = new FlagView(s);
            flag->setObjectName(named("Imfin", index));
            flag->setGeometry(mirrored(right, 70 + 100 - 18, row.y + height + 4, 36, 27));
            m_view->addSlot(label, flag);
            const char *arrays[3] = {"txtcuar", "txtTEcuar", "txtPENcuar"};
            for (int k = 0; k < 3; ++k)
                m_view->addBox(Controls::scoreBox(s, named(arrays[k], index),
                                                  mirrored(right, 282 + k * kBoxStep, row.y + (height - kRow) / 2, kBox, kRow)));
        }
        auto *clock = new ClockIcon(row.clock, Art::artResource(QStringLiteral("clock-pitch")), s);
        clock->setObjectName(named("Crono", row.clock));
        clock->setGeometry(kWidth - 44, row.y + (height - 24) / 2, 36, 24);
        connect(clock, &ClockIcon::hovered, this, [this](int k) { m_panel->showKnockoutMatch(true, k); });
    }
}

void FinalsScreen::buildPodium()
{
    QWidget *s = surface();
    const struct {
        const char *name, *flag, *title, *titleText;
        QRect step;
        int flagSize;
    } places[] = {
        {"Campeon", "ImCampeon", "Label1", "Campeón", kStepCentre, 56},
        {"Subcampeon", "ImSubcampeon", "Label2", "Sub Campeón", kStepLeft, 44},
        {"Tercero", "ImTercero", "Label3", "Tercero", kStepRight, 40},
    };
    for (const auto &place : places) {
        const QRect step = place.step;
        const int titleTop = step.top() - 20;
        const int nameTop = titleTop - 22;
        const int flagH = place.flagSize * 3 / 4;
        auto *flag = new FlagView(s);
        flag->setObjectName(QString::fromLatin1(place.flag));
        flag->setGeometry(step.center().x() - place.flagSize / 2, nameTop - flagH - 3, place.flagSize, flagH);
        auto *name = Controls::label(s, QString::fromLatin1(place.name), QString(), {step.left(), nameTop, step.width(), 22},
                                     Fonts::font(place.step == kStepCentre ? 12 : 10.5, true), Palette::SignYellow);
        Controls::label(s, QString::fromLatin1(place.title), QString::fromUtf8(place.titleText),
                        {step.left(), titleTop, step.width(), 18}, Fonts::font(9, true), Palette::Gold);
        m_view->addSlot(name, flag);
    }
}

void FinalsScreen::buildTabOrder()
{
    QWidget *previous = nullptr;
    auto chain = [&](const char *array, int a, int b) {
        for (int i : {a, b}) {
            QWidget *w = m_view->box(named(array, i));
            if (previous)
                setTabOrder(previous, w);
            previous = w;
        }
    };
    for (auto [a, b] : {std::pair{1, 2}, std::pair{3, 4}}) {
        chain("txtOct", a, b);
        chain("txtTEoct", a, b);
        chain("txtPENoct", a, b);
    }
    for (auto [a, b] : {std::pair{5, 7}, std::pair{1, 3}}) {
        chain("txtcuar", a, b);
        chain("txtTEcuar", a, b);
        chain("txtPENcuar", a, b);
    }
    m_view->box(QStringLiteral("txtOct_1"))->setFocus();
}
