// The knockout half of the wallchart: the bracket as the bracket screen arranges it
// (round of 16 at the outer edges, the left half mirrored by the right), the semi-finals
// meeting in the middle above the final and the third-place match, and the podium.

#include "BracketBoard.h"
#include "TournamentSnapshot.h"
#include "WallchartDrawing.h"

#include <QLinearGradient>
#include <QPainter>

namespace WallchartDrawing {

namespace {

constexpr double kTop = 108.5;           // round captions
constexpr double kSlotsTop = 113;        // first round-of-16 match
constexpr double kSlotPitch = 21.6;
constexpr double kBottom = kSlotsTop + 4 * kSlotPitch;

// Columns of the left half, from the outer edge inwards; the right half mirrors them.
struct Column {
    double x, w;
};
constexpr Column kOct{kMargin, 44};
constexpr Column kCuar{56, 42};
constexpr Column kSemi{103, 43};

constexpr double kBoxWidth = 4.2, kBoxGap = 0.4, kFlagW = 4.8, kFlagH = 3.6;

// Left half: bracket clocks 1, 2, 5, 6 top to bottom, quarter-finals 9 and 11; the
// right half: 3, 4, 7, 8 and 10, 12. The semi-finals are the finals screen's 1 and 2.
constexpr int kOctClocks[2][4] = {{1, 2, 5, 6}, {3, 4, 7, 8}};
constexpr int kCuarClocks[2][2] = {{9, 11}, {10, 12}};

double mirroredX(bool right, const Column &c) { return right ? kPageWidthMm - c.x - c.w : c.x; }
double octCentre(int m) { return kSlotsTop + kSlotPitch / 2 + m * kSlotPitch; }
double cuarCentre(int q) { return (octCentre(2 * q) + octCentre(2 * q + 1)) / 2; }
double semiCentre() { return (cuarCentre(0) + cuarCentre(1)) / 2; }

struct CardStyle {
    double row;       // height of one team's row
    double namePt;
    double scorePt;
    double infoPt;
};
constexpr CardStyle kRoundCard{4.6, 7, 7, 5.4};
constexpr CardStyle kFinalCard{5.2, 8.5, 8.5, 5.4};

void scoreBox(QPainter &p, const QRectF &r, const QString &score, BoxKind kind, const CardStyle &style)
{
    const QRectF box = r.adjusted(0, mm(0.55), 0, -mm(0.55));
    if (score.isEmpty()) {
        p.setPen(QPen(kFaint, mm(0.15)));
        p.setBrush(kPaper);
        p.drawRect(box);
        return;
    }
    const QColor fill = kind == BoxKind::Regular ? Palette::NightDeep
                        : kind == BoxKind::Extra ? Palette::NightLight
                                                 : Palette::GoldDeep;
    const QColor ink = kind == BoxKind::Regular ? QColor(Qt::white) : kind == BoxKind::Extra ? Palette::Gold : Palette::NightDeep;
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRect(box);
    text(p, box, Qt::AlignCenter, score, font(style.scorePt, true), ink);
}

// One match: two team rows, the score boxes towards the middle of the page, extra time
// and penalties marked above their columns when the match went that far, and the date
// and venue in small type underneath. `x`, `y`, `w` in millimetres, `y` the top row.
// An empty place shows its hint faintly, as printed wallcharts do ("1.º Grupo A").
void paintCard(QPainter &p, const KnockoutResult &m, double x, double y, double w, bool mirrored, const CardStyle &style,
               const std::array<QString, 2> &hints = {})
{
    const double h = 2 * style.row;
    const double boxesW = 3 * kBoxWidth + 2 * kBoxGap;
    const double nameW = w - 0.8 - 0.8 - kFlagW - 0.8 - boxesW - 0.6;
    // Places measured from the card's outer edge, mirrored for the right half.
    auto at = [&](double from, double width) { return mirrored ? x + w - from - width : x + from; };
    const double flagFrom = 0.8 + nameW + 0.8;
    const double boxesFrom = flagFrom + kFlagW + 0.8;
    const BoxKind kinds[3] = {BoxKind::Regular, BoxKind::Extra, BoxKind::Penalty};
    const bool shown[3] = {true, m.extraTime, m.penalties};

    p.setPen(Qt::NoPen);
    p.setBrush(kPaper);
    p.drawRect(area(x, y, w, h));
    for (int s = 0; s < 2; ++s) {
        const MatchSide &side = m.sides[s];
        const double ry = y + s * style.row;
        const bool won = m.winner == s;
        const bool lost = m.winner == 1 - s;
        if (won)
            p.fillRect(area(x, ry, w, style.row), kWinnerTint);
        const int align = (mirrored ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
        if (side.name.isEmpty())
            text(p, area(at(0.8, nameW), ry, nameW, style.row), align, hints[s], font(style.namePt - 1, false), kFaint);
        text(p, area(at(0.8, nameW), ry, nameW, style.row), align, side.name, font(style.namePt, !lost),
             lost ? kMuted : Palette::Ink);
        const QRectF flagBox = area(at(flagFrom, kFlagW), ry + (style.row - kFlagH) / 2, kFlagW, kFlagH);
        if (!side.name.isEmpty() && !Art::flagResource(side.flagKey).isEmpty()) {
            flag(p, side.flagKey, flagBox);
        } else {
            p.setPen(QPen(kFaint, mm(0.15), Qt::DotLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(flagBox);
        }
        const QString scores[3] = {side.regular, side.extra, side.penalty};
        for (int k = 0; k < 3; ++k) {
            if (shown[k])
                scoreBox(p, area(at(boxesFrom + k * (kBoxWidth + kBoxGap), kBoxWidth), ry, kBoxWidth, style.row),
                         scores[k], kinds[k], style);
        }
    }
    const char *marks[3] = {nullptr, "TE", "pen."};
    for (int k = 1; k < 3; ++k) {
        if (shown[k])
            text(p, area(at(boxesFrom + k * (kBoxWidth + kBoxGap), kBoxWidth) - 1, y - 2.1, kBoxWidth + 2, 2.1),
                 Qt::AlignHCenter | Qt::AlignBottom, QString::fromLatin1(marks[k]), font(4.8, true), Palette::GoldDark);
    }
    p.setPen(QPen(Palette::Night, mm(0.25)));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(area(x, y, w, h), mm(0.6), mm(0.6));
    rule(p, QPointF(mm(x), mm(y + style.row)), QPointF(mm(x + w), mm(y + style.row)), kFaint, 0.15);
    if (m.match)
        text(p, area(x, y + h + 0.2, w, style.infoPt * 0.5), Qt::AlignCenter,
             QStringLiteral("%1 · %2").arg(m.match->dateTime, m.match->venue), font(style.infoPt, false), kMuted);
}

// Joins two matches to the one their winners meet in: out from each, down the middle
// between them, and on to the next card.
void join(QPainter &p, double fromX, double toX, double yA, double yB, double yTo)
{
    const double midX = (fromX + toX) / 2;
    const QColor c = Palette::GoldDeep;
    rule(p, QPointF(mm(fromX), mm(yA)), QPointF(mm(midX), mm(yA)), c, 0.35);
    rule(p, QPointF(mm(fromX), mm(yB)), QPointF(mm(midX), mm(yB)), c, 0.35);
    rule(p, QPointF(mm(midX), mm(yA)), QPointF(mm(midX), mm(yB)), c, 0.35);
    rule(p, QPointF(mm(midX), mm(yTo)), QPointF(mm(toX), mm(yTo)), c, 0.35);
}

void caption(QPainter &p, double x, double w, double y, const QString &words, Qt::Alignment align)
{
    text(p, area(x, y, w, 3.4), align | Qt::AlignVCenter, words, font(7, true), Palette::Night);
    rule(p, QPointF(mm(x), mm(y + 3.5)), QPointF(mm(x + w), mm(y + 3.5)), Palette::GoldDeep, 0.35);
}

void paintHalf(QPainter &p, const TournamentSnapshot &s, bool right)
{
    const int half = right ? 1 : 0;
    const Qt::Alignment outer = right ? Qt::AlignRight : Qt::AlignLeft;
    caption(p, mirroredX(right, kOct), kOct.w, kTop, QStringLiteral("OCTAVOS DE FINAL"), outer);
    caption(p, mirroredX(right, kCuar), kCuar.w, kTop, QStringLiteral("CUARTOS DE FINAL"), outer);
    const CardStyle &st = kRoundCard;
    // Which edge of a column faces the middle of the page, and which faces outwards.
    auto inner = [right](const Column &c) { return right ? kPageWidthMm - c.x - c.w : c.x + c.w; };
    auto outerEdge = [right](const Column &c) { return right ? kPageWidthMm - c.x : c.x; };

    for (int m = 0; m < 4; ++m) {
        // Slots 2k-1 and 2k of the round of 16, and the group places that fill them.
        const int firstSlot = half * 8 + 2 * m;
        std::array<QString, 2> places;
        for (int side = 0; side < 2; ++side) {
            const BracketWiring::Seed &seed = BracketWiring::seeds()[firstSlot + side];
            places[side] = QStringLiteral("%1.º Grupo %2").arg(seed.first ? 1 : 2).arg(QLatin1Char(seed.group));
        }
        paintCard(p, s.match(KnockoutScreen::Bracket, kOctClocks[half][m]), mirroredX(right, kOct), octCentre(m) - st.row,
                  kOct.w, right, st, places);
    }
    for (int q = 0; q < 2; ++q) {
        join(p, inner(kOct), outerEdge(kCuar), octCentre(2 * q), octCentre(2 * q + 1), cuarCentre(q));
        paintCard(p, s.match(KnockoutScreen::Bracket, kCuarClocks[half][q]), mirroredX(right, kCuar),
                  cuarCentre(q) - st.row, kCuar.w, right, st);
    }
    join(p, inner(kCuar), outerEdge(kSemi), cuarCentre(0), cuarCentre(1), semiCentre());
    caption(p, mirroredX(right, kSemi), kSemi.w, semiCentre() - st.row - 6, QStringLiteral("SEMIFINAL"),
            right ? Qt::AlignRight : Qt::AlignLeft);
    paintCard(p, s.match(KnockoutScreen::Finals, half + 1), mirroredX(right, kSemi), semiCentre() - st.row, kSemi.w,
              right, st);
}

// A last match under the semi-finals: a heading band on top of the card.
void paintLastMatch(QPainter &p, const KnockoutResult &m, double y, double w, const QString &heading,
                    const CardStyle &style)
{
    const double x = (kPageWidthMm - w) / 2;
    const QRectF band = area(x, y, w, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::Night);
    p.drawRoundedRect(band, mm(0.6), mm(0.6));
    text(p, band, Qt::AlignCenter, heading, font(7, true), Palette::Gold);
    // The extra-time and penalty marks need room above the rows.
    paintCard(p, m, x, y + 3 + ((m.extraTime || m.penalties) ? 2 : 0.4), w, false, style);
}

void podiumStep(QPainter &p, const QRectF &r, const QColor &top, const QString &number)
{
    Art::drawPodiumStep(p, r, top, mm(0.9));
    text(p, r.adjusted(0, mm(0.9), 0, 0), Qt::AlignCenter, number, font(9, true), QColor(255, 255, 255, 90));
}

void podiumPlace(QPainter &p, const PodiumPlace &place, double centreX, double stepTop, double namePt,
                 const QString &title)
{
    const double flagW = 9, flagH = 6.75;
    const double titleTop = stepTop - 2.8;
    const double nameTop = titleTop - 4;
    const QRectF flagBox = area(centreX - flagW / 2, nameTop - flagH - 0.4, flagW, flagH);
    if (!place.name.isEmpty() && !Art::flagResource(place.flagKey).isEmpty()) {
        flag(p, place.flagKey, flagBox);
    } else {
        p.setPen(QPen(kFaint, mm(0.2), Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(flagBox);
    }
    text(p, area(centreX - 15, nameTop, 30, 4), Qt::AlignCenter, place.name, font(namePt, true), Palette::Ink);
    text(p, area(centreX - 15, titleTop, 30, 2.8), Qt::AlignCenter, title, font(5.6, true), Palette::GoldDark);
}

} // namespace

QRectF knockoutArea() { return {kMargin, kTop, kPageWidthMm - 2 * kMargin, kBottom - kTop}; }

QRectF podiumArea() { return {kSemi.x, kTop, kPageWidthMm - 2 * kSemi.x, 36.5}; }

void paintKnockout(QPainter &p, const TournamentSnapshot &s)
{
    if (s.knockout.size() < 16)
        return;
    paintHalf(p, s, false);
    paintHalf(p, s, true);
    // The semi-finals meet in the middle, and the line goes on down to the final.
    const double y = semiCentre();
    const double leftEdge = kSemi.x + kSemi.w;
    const double finalTop = y + kRoundCard.row + 2.8;
    rule(p, QPointF(mm(leftEdge), mm(y)), QPointF(mm(kPageWidthMm - leftEdge), mm(y)), Palette::GoldDeep, 0.35);
    rule(p, QPointF(mm(kPageWidthMm / 2), mm(y)), QPointF(mm(kPageWidthMm / 2), mm(finalTop)), Palette::GoldDeep, 0.35);
    paintLastMatch(p, s.match(KnockoutScreen::Finals, 4), finalTop, 64, QStringLiteral("FINAL"), kFinalCard);
    paintLastMatch(p, s.match(KnockoutScreen::Finals, 3), finalTop + 18.8, 56, QStringLiteral("TERCER PUESTO"),
                   kRoundCard);
}

void paintPodium(QPainter &p, const TournamentSnapshot &s)
{
    const QRectF r = podiumArea();
    const double cx = r.center().x();
    const double bottom = r.bottom() - 0.5;
    const double stepW = 26;
    const double tops[3] = {bottom - 8, bottom - 5.5, bottom - 4};  // champion, runner-up, third
    Art::draw(p, Art::artResource(QStringLiteral("trophy-modern")), area(cx - 3.9, r.top() + 1.2, 7.8, 13));
    podiumStep(p, area(cx - stepW / 2, tops[0], stepW, bottom - tops[0]), Palette::Gold, QStringLiteral("1"));
    podiumStep(p, area(cx - 1.5 * stepW, tops[1], stepW, bottom - tops[1]), Palette::Silver, QStringLiteral("2"));
    podiumStep(p, area(cx + stepW / 2, tops[2], stepW, bottom - tops[2]), Palette::Bronze, QStringLiteral("3"));
    podiumPlace(p, s.champion, cx, tops[0], 9, QStringLiteral("Campeón"));
    podiumPlace(p, s.runnerUp, cx - stepW, tops[1], 8, QStringLiteral("Sub Campeón"));
    podiumPlace(p, s.third, cx + stepW, tops[2], 8, QStringLiteral("Tercero"));
}

} // namespace WallchartDrawing
