#include "BracketScreen.h"

#include "Art.h"
#include "BoardView.h"
#include "Controls.h"
#include "FinalsScreen.h"
#include "Fonts.h"
#include "KnockoutNames.h"
#include "MatchInfoPanel.h"
#include "Navigation.h"
#include "Pictures.h"
#include "TournamentData.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace {

constexpr int kWidth = 794;
constexpr int kHeight = 562;
constexpr int kRow = 20;        // one team row
constexpr int kBox = 22;        // a score box
constexpr int kBoxStep = 24;

// Horizontal places, measured from the outer edge of a half.
constexpr int kClockX = 4;
constexpr int kOctNameX = 28, kOctNameW = 112;
constexpr int kOctFlagX = 143;
constexpr int kOctBoxX = 172;                       // three boxes, to 242
constexpr int kCuarNameX = 172, kCuarNameW = 108;
constexpr int kCuarFlagX = 283;
constexpr int kCuarBoxX = 312;                      // three boxes, to 382
constexpr int kSemiNameX = 286, kSemiNameW = 96;
constexpr int kFlagW = 26, kFlagH = 20;
// A quarter-final's two names are joined beyond the round-of-16 boxes, which stand
// between them: the line must pass clear of them when extra time and penalties show.
constexpr int kCuarJoinX = kOctBoxX + 2 * kBoxStep + kBox + 8;
// The semi-finalists' lines run down the free channel between the two halves' last
// boxes to the button, so they cross neither a box nor a flag on the way.
constexpr int kChannelX = kCuarBoxX + 2 * kBoxStep + kBox + 7;

// The top of the first row of each round-of-16 match in a half, top to bottom.
constexpr int kMatchTops[4] = {40, 120, 346, 426};

// Left half: indices 1-8 (clocks 1, 2, 5, 6); right half: 9-16 (clocks 3, 4, 7, 8).
constexpr int kClocks[2][4] = {{1, 2, 5, 6}, {3, 4, 7, 8}};
constexpr int kQuarterClocks[2][2] = {{9, 11}, {10, 12}};
constexpr int kSemis[2][2] = {{1, 5}, {9, 13}};

QString named(const char *array, int i) { return QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(i); }

} // namespace

QString BracketScreen::caption()
{
    return QStringLiteral("Torvelo Alemania 2006 - Partidos de la llave - Resolucion Optima 800 x 600");
}

BracketScreen::BracketScreen(QWidget *parent)
    : Screen(QStringLiteral("FrmgruposLLAVE"), caption(), {kWidth, kHeight}, parent)
{
    m_view = new BoardView(m_board, this);
    Controls::setBackground(surface(), Palette::PitchDark);
    surface()->setBackgroundPainter([this](QPainter &p) { paintBackground(p); });
    buildHalf(false);
    buildHalf(true);
    buildMiddleBand();
    BoardView::addFlagStore(surface(), kHeight - 18, false);
    buildTabOrder();

    // Seeding and the replay run on the board alone; the controls then show the result.
    m_board.open();
    m_view->connectBoard();
    new KnockoutNames(m_board, *m_view, surface(), m_panel, false);
    showFinalsWay(m_board.finalsOpen());
    connect(&m_board, &BracketBoard::finalsOpenChecked, this, &BracketScreen::showFinalsWay);
}

BracketScreen::~BracketScreen()
{
    // The board goes before the boxes that feed it: cut them off from it first.
    delete m_view;
}

SaveOutcome BracketScreen::save() { return m_board.save(); }

void BracketScreen::paintBackground(QPainter &p) const
{
    p.drawPixmap(0, 0, Art::picture(Art::artResource(QStringLiteral("pitch-background")), surface()->size(),
                                    surface()->devicePixelRatioF()));
    p.setFont(Fonts::font(8, true));
    p.setPen(Palette::Gold);
    const QRect top(0, 14, kWidth, 18);
    p.drawText(top.adjusted(kOctNameX, 0, 0, 0), Qt::AlignLeft, QStringLiteral("OCTAVOS DE FINAL"));
    p.drawText(top.adjusted(0, 0, -kOctNameX, 0), Qt::AlignRight, QStringLiteral("OCTAVOS DE FINAL"));
    p.drawText(top.adjusted(kCuarBoxX - 20, 0, -(kCuarBoxX - 20), 0), Qt::AlignCenter, QStringLiteral("CUARTOS DE FINAL"));
}

void BracketScreen::buildHalf(bool right)
{
    QWidget *s = surface();
    // Mirrors a rectangle measured from the left edge into the right half.
    auto place = [right](int x, int y, int w, int h) { return right ? QRect(kWidth - x - w, y, w, h) : QRect(x, y, w, h); };
    const QColor lineColor(0xF3, 0xCF, 0x5A, 200);
    const int side = right ? 1 : 0;
    auto connector = [&](int x, int y, int w, int h) {
        Controls::line(s, QStringLiteral("Line%1").arg(++m_connectors), place(x, y, w, h), lineColor);
    };
    auto nameSlot = [&](const QString &labelName, int shapeNumber, const QString &flagName, QRect name, QRect flag) {
        Controls::panel(s, QStringLiteral("Shape%1").arg(shapeNumber), name, QColor(10, 22, 51, 210), Palette::GoldDeep);
        auto *label = Controls::label(s, labelName, QString(), name.adjusted(3, 0, -3, 0), Fonts::font(8, true), Qt::white);
        auto *image = new FlagView(s);
        image->setObjectName(flagName);
        image->setGeometry(flag);
        m_view->addSlot(label, image);
    };
    const QFont boxFont = Fonts::font(8, true);
    auto boxes = [&](const char *reg, const char *te, const char *pen, int index, int x, int y) {
        const char *arrays[3] = {reg, te, pen};
        for (int k = 0; k < 3; ++k)
            m_view->addBox(Controls::scoreBox(s, named(arrays[k], index), place(x + k * kBoxStep, y, kBox, kRow), boxFont));
    };

    for (int m = 0; m < 4; ++m) {
        const int top = kMatchTops[m];
        const int first = side * 8 + 2 * m + 1;
        for (int t = 0; t < 2; ++t) {
            const int index = first + t;
            const int y = top + t * 44;
            nameSlot(named("LblOct", index), index, named("ImOCT", index), place(kOctNameX, y, kOctNameW, kRow),
                     place(kOctFlagX, y, kFlagW, kFlagH));
            boxes("txtOct", "txtTEoct", "txtPENoct", index, kOctBoxX, y);
        }
        // The quarter-finalist stands between the two rows, under the upper row's boxes.
        nameSlot(named("Lblcuar", first), 16 + (first + 1) / 2, named("ImCuar", first),
                 place(kCuarNameX, top + 22, kCuarNameW, kRow), place(kCuarFlagX, top + 22, kFlagW, kFlagH));
        boxes("txtcuar", "txtTEcuar", "txtPENcuar", first, kCuarBoxX, top + 22);
        const int clock = kClocks[side][m];
        auto *icon = new ClockIcon(clock, Art::artResource(QStringLiteral("clock")), s);
        icon->setObjectName(named("Crono", clock));
        icon->setGeometry(place(kClockX, top + 22, 22, 22));
        connect(icon, &ClockIcon::hovered, this, [this](int k) { m_panel->showKnockoutMatch(false, k); });
        // Joins the two names and leads inwards to the quarter-finalist.
        connector(kOctNameX + kOctNameW / 2, top + kRow, 2, 24);
        connector(kOctNameX + kOctNameW / 2, top + 22 + kRow / 2 - 1, kCuarNameX - kOctNameX - kOctNameW / 2, 2);
    }
    for (int q = 0; q < 2; ++q) {
        const int upper = kMatchTops[2 * q] + 22;
        const int lower = kMatchTops[2 * q + 1] + 22;
        const int semi = kSemis[side][q];
        const int semiY = (upper + lower) / 2;
        auto *label = Controls::label(s, named("Lblsemi", semi), QString(), place(kSemiNameX, semiY, kSemiNameW, kRow),
                                      Fonts::font(8.5, true), Palette::SignYellow);
        QFrame *shape = Controls::panel(s, QStringLiteral("Shape%1").arg(29 + side * 2 + q), label->geometry(),
                                        QColor(10, 22, 51, 230), Palette::SignYellow);
        shape->stackUnder(label);
        auto *flag = new FlagView(s);
        flag->setObjectName(named("ImSemi", semi));
        m_view->addSlot(label, flag);
        const int clock = kQuarterClocks[side][q];
        auto *icon = new ClockIcon(clock, Art::artResource(QStringLiteral("clock")), s);
        icon->setObjectName(named("Crono", clock));
        icon->setGeometry(place(kCuarJoinX + 8, upper + kRow + 2, 22, 22));
        connect(icon, &ClockIcon::hovered, this, [this](int k) { m_panel->showKnockoutMatch(false, k); });
        // Joins the two quarter-finalists and leads to the semi-finalist.
        connector(kCuarJoinX, upper + kRow, 2, lower - upper - kRow);
        connector(kCuarJoinX, semiY + kRow / 2 - 1, kSemiNameX - kCuarJoinX, 2);
        icon->raise();
    }
}

void BracketScreen::buildMiddleBand()
{
    QWidget *s = surface();
    const QFont heading = Fonts::font(10, true);
    const QFont sign = Fonts::font(13, true);
    const QRect fecha(24, 228, 250, 56);
    const QRect estadio(kWidth - 24 - 250, 228, 250, 56);
    Controls::label(s, QStringLiteral("Label2"), QStringLiteral("Fecha"), {fecha.x(), 206, fecha.width(), 18}, heading,
                    Palette::Gold);
    Controls::label(s, QStringLiteral("Label1"), QStringLiteral("Lugar"), {estadio.x(), 206, estadio.width(), 18},
                    heading, Palette::Gold);
    auto frame = [&](const QString &name, const QRect &r) {
        QFrame *f = Controls::panel(s, name, r, Qt::black, Palette::SignYellow);
        f->hide();
        return f;
    };
    QFrame *shapeFecha = frame(QStringLiteral("ShapeFecha"), fecha);
    QFrame *shapeEstadio = frame(QStringLiteral("ShapeEstadio"), estadio);
    auto *lblFecha = Controls::label(s, QStringLiteral("LblFecha"), QString(), fecha.adjusted(4, 2, -4, -2), sign,
                                     Palette::SignYellow);
    auto *lblEstadio = Controls::label(s, QStringLiteral("Lblestadio"), QString(), estadio.adjusted(4, 2, -4, -2), sign,
                                       Palette::SignYellow);
    lblFecha->hide();
    lblEstadio->hide();
    m_panel = new MatchInfoPanel(MatchInfoPanel::Backdrop::Frames, lblFecha, lblEstadio, {shapeFecha, shapeEstadio}, this);
    connect(surface(), &Surface::bareMouseMove, m_panel, &MatchInfoPanel::clear);
    // Each box outlined by four thin lines.
    int n = 32;
    for (const QRect &r : {fecha, estadio}) {
        const QRect o = r.adjusted(-4, -4, 4, 4);
        const QColor c = Palette::GoldDeep;
        Controls::line(s, QStringLiteral("Line%1").arg(++n), {o.left(), o.top(), o.width(), 1}, c);
        Controls::line(s, QStringLiteral("Line%1").arg(++n), {o.left(), o.bottom(), o.width(), 1}, c);
        Controls::line(s, QStringLiteral("Line%1").arg(++n), {o.left(), o.top(), 1, o.height()}, c);
        Controls::line(s, QStringLiteral("Line%1").arg(++n), {o.right(), o.top(), 1, o.height()}, c);
    }

    m_button = new QPushButton(QStringLiteral("Rumbo a la Final"), s);
    m_button->setObjectName(QStringLiteral("CmdHaciaSemi"));
    m_button->setGeometry(kWidth / 2 - 80, 238, 160, 36);
    m_button->setFont(Fonts::font(10, true));
    m_button->setCursor(Qt::PointingHandCursor);
    m_button->setStyleSheet(QStringLiteral(
        "QPushButton { background: qlineargradient(x1:0,y1:0,x2:0,y2:1, stop:0 #F3CF5A, stop:1 #D4A12A);"
        " color: #0A1633; border: 1px solid #5C4306; border-radius: 6px; }"
        "QPushButton:focus { border: 2px solid #FFFFFF; } QPushButton:pressed { background: #9A7212; }"));
    m_button->hide();
    connect(m_button, &QPushButton::clicked, this, &BracketScreen::openFinals);

    // The semi-finalists' flags, two above and two below the button. Each name is joined
    // to the button by a short line into the channel and one down (or up) it.
    const QRect b = m_button->geometry();
    const struct {
        int semi;
        bool left, above;
    } flags[] = {{1, true, true}, {5, true, false}, {9, false, true}, {13, false, false}};
    for (const auto &f : flags) {
        FlagView *image = m_view->slotFlag(named("Lblsemi", f.semi));
        const int x = f.left ? b.left() : b.right() - kFlagW + 1;
        const int y = f.above ? b.top() - kFlagH - 6 : b.bottom() + 7;
        image->setGeometry(x, y, kFlagW, kFlagH);
        const QRect name = m_view->slotLabel(named("Lblsemi", f.semi))->geometry();
        const int channel = f.left ? kChannelX : kWidth - kChannelX - 2;
        const int midY = name.top() + kRow / 2 - 1;
        const QRect across = f.left ? QRect(name.right() + 1, midY, channel + 2 - name.right() - 1, 2)
                                    : QRect(channel, midY, name.left() - channel, 2);
        const QRect down = f.above ? QRect(channel, midY, 2, b.top() - midY) : QRect(channel, b.bottom() + 1, 2, midY + 2 - b.bottom() - 1);
        const int line = 25 + (f.left ? 0 : 4) + (f.above ? 0 : 2);
        m_semiLines << Controls::line(s, QStringLiteral("Line%1").arg(line), across, Palette::SignYellow);
        m_semiLines << Controls::line(s, QStringLiteral("Line%1").arg(line + 1), down, Palette::SignYellow);
    }
    for (QWidget *line : m_semiLines)
        line->hide();
}

void BracketScreen::buildTabOrder()
{
    QWidget *previous = nullptr;
    auto chain = [&](QWidget *w) {
        if (previous)
            setTabOrder(previous, w);
        previous = w;
    };
    const char *kinds[3][2] = {{"txtOct", "txtcuar"}, {"txtTEoct", "txtTEcuar"}, {"txtPENoct", "txtPENcuar"}};
    for (int m = 1; m <= 8; ++m) {
        for (auto &kind : kinds) {
            chain(m_view->box(named(kind[0], 2 * m - 1)));
            chain(m_view->box(named(kind[0], 2 * m)));
        }
    }
    for (int first : {1, 5, 9, 13}) {
        for (auto &kind : kinds) {
            chain(m_view->box(named(kind[1], first)));
            chain(m_view->box(named(kind[1], first + 2)));
        }
    }
    chain(m_button);
    m_view->box(QStringLiteral("txtOct_1"))->setFocus();
}

void BracketScreen::showFinalsWay(bool open)
{
    m_button->setVisible(open);
    for (QWidget *line : m_semiLines)
        line->setVisible(open);
}

QWidget *BracketScreen::openFinals()
{
    return Navigation::openNew<FinalsScreen>(m_board.semifinalists());
}
