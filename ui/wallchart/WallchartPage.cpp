#include "WallchartPage.h"

#include "Fonts.h"
#include "ScoreCell.h"
#include "TournamentSnapshot.h"
#include "WallchartDrawing.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QtMath>

namespace WallchartDrawing {

namespace {

// Four tables to a row, two rows, under the title band.
constexpr double kGroupsTop = 24.5;
constexpr double kTableGap = 3;
constexpr double kTableWidth = (kPageWidthMm - 2 * kMargin - 3 * kTableGap) / 4;
constexpr double kBarHeight = 4.6;
constexpr double kRowHeight = 4.2;
constexpr double kResultHeight = 2.7;
constexpr double kTableHeight = kBarHeight + 4 * kRowHeight + 0.8 + 6 * kResultHeight + 0.8;
constexpr double kRowGap = 2.5;
constexpr double kFigureWidth = 4.0;

const char *const kFigureHeads[kStatCount] = {"J", "G", "E", "P", "GF", "GC", "Dif", "Ptos"};

// "9 de Junio - 13:00 Hs." -> "9 de Junio": the day is enough beside a group result.
QString dayOf(const QString &dateTime) { return dateTime.section(QStringLiteral(" - "), 0, 0); }

void paintTable(QPainter &p, const GroupTable &table, double x, double y)
{
    const double w = kTableWidth;
    const double figuresLeft = x + w - 1 - kStatCount * kFigureWidth;
    // Title bar with the figures' column heads.
    const QRectF bar = area(x, y, w, kBarHeight);
    QLinearGradient band(bar.topLeft(), bar.bottomLeft());
    band.setColorAt(0, Palette::NightLight);
    band.setColorAt(1, Palette::Night);
    p.fillRect(bar, band);
    text(p, area(x + 1.5, y, 30, kBarHeight), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("GRUPO %1").arg(QLatin1Char(table.group)), font(8, true), Palette::Gold);
    for (int f = 0; f < kStatCount; ++f)
        text(p, area(figuresLeft + f * kFigureWidth, y, kFigureWidth, kBarHeight), Qt::AlignCenter,
             QString::fromLatin1(kFigureHeads[f]), font(5.2, true), Palette::Gold);

    // The four teams in ranked order.
    for (int r = 0; r < 4; ++r) {
        const TableRow &row = table.rows[r];
        const double ry = y + kBarHeight + r * kRowHeight;
        p.fillRect(area(x, ry, w, kRowHeight), r % 2 ? kStripe : kPaper);
        text(p, area(x + 0.4, ry, 2.8, kRowHeight), Qt::AlignCenter, QString::number(r + 1), font(6, true), kMuted);
        flag(p, row.team->flagKey, area(x + 3.6, ry + 0.45, 4.4, 3.3));
        text(p, area(x + 9, ry, figuresLeft - x - 9.5, kRowHeight), Qt::AlignLeft | Qt::AlignVCenter,
             row.team->groupScreenName, font(7, true), Palette::Ink);
        for (int f = 0; f < kStatCount; ++f) {
            const bool points = f == int(Stat::PUN);
            text(p, area(figuresLeft + f * kFigureWidth, ry, kFigureWidth, kRowHeight), Qt::AlignCenter,
                 QString::number(row.figures.values[f]), font(points ? 7 : 6.5, points), points ? kPoints : Palette::Ink);
        }
    }
    const double resultsTop = y + kBarHeight + 4 * kRowHeight + 0.8;
    rule(p, QPointF(mm(x), mm(resultsTop - 0.4)), QPointF(mm(x + w), mm(resultsTop - 0.4)), Palette::GoldDeep, 0.25);

    // The six matches with their scores as typed; unplayed ones keep an empty place.
    int n = 0;
    for (const GroupMatch &m : TournamentData::matchesOfGroup(table.group)) {
        const double ry = resultsTop + n++ * kResultHeight;
        const QString &home = table.cells[m.homeCell];
        const QString &away = table.cells[m.awayCell];
        int cmp = 0;
        if (!home.isEmpty() && !away.isEmpty())
            cmp = ScoreCell::compareKnockout(home, away);
        text(p, area(x + 1.5, ry, 11, kResultHeight), Qt::AlignLeft | Qt::AlignVCenter, dayOf(m.dateTime), font(5.3, false),
             kMuted);
        const TeamEntry &h = TournamentData::team(table.group, m.homePosition);
        const TeamEntry &a = TournamentData::team(table.group, m.awayPosition);
        text(p, area(x + 12.5, ry, 21, kResultHeight), Qt::AlignRight | Qt::AlignVCenter, h.groupScreenName,
             font(6.2, cmp > 0), Palette::Ink);
        const QFont score = font(6.2, true);
        text(p, area(x + 34, ry, 3.6, kResultHeight), Qt::AlignRight | Qt::AlignVCenter, home, score, Palette::Ink);
        text(p, area(x + 37.6, ry, 2.2, kResultHeight), Qt::AlignCenter, QStringLiteral("–"), score,
             home.isEmpty() && away.isEmpty() ? kFaint : Palette::Ink);
        text(p, area(x + 39.8, ry, 3.6, kResultHeight), Qt::AlignLeft | Qt::AlignVCenter, away, score, Palette::Ink);
        text(p, area(x + 44, ry, w - 45, kResultHeight), Qt::AlignLeft | Qt::AlignVCenter, a.groupScreenName,
             font(6.2, cmp < 0), Palette::Ink);
    }

    p.setPen(QPen(Palette::GoldDeep, mm(0.3)));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(area(x, y, w, kTableHeight), mm(0.8), mm(0.8));
}

} // namespace

QFont font(double points, bool bold)
{
    QFont f = Fonts::font(9, bold);
    // Sizes in page units, not in the device's points: the page is scaled as a whole.
    f.setPixelSize(qMax(1, qRound(points * 25.4 / 72.0 * kUnitsPerMm)));
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

void text(QPainter &p, const QRectF &r, int flags, const QString &t, const QFont &f, const QColor &colour)
{
    if (t.isEmpty())
        return;
    QFont shown = f;
    QFontMetricsF metrics(shown);
    const double width = metrics.horizontalAdvance(t);
    if (width > r.width() && width > 0) {
        const int px = shown.pixelSize();
        shown.setPixelSize(qMax(qCeil(px * 0.75), qFloor(px * r.width() / width)));
        metrics = QFontMetricsF(shown);
    }
    p.setFont(shown);
    p.setPen(colour);
    p.drawText(r, flags, metrics.elidedText(t, Qt::ElideRight, r.width()));
}

void flag(QPainter &p, const QString &flagKey, const QRectF &r)
{
    const QString resource = Art::flagResource(flagKey);
    if (resource.isEmpty())
        return;
    Art::draw(p, resource, r);
    p.setPen(QPen(QColor(0, 0, 0, 110), mm(0.1)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
}

void rule(QPainter &p, const QPointF &a, const QPointF &b, const QColor &colour, double widthMm)
{
    p.setPen(QPen(colour, mm(widthMm), Qt::SolidLine, Qt::FlatCap));
    p.drawLine(a, b);
}

QRectF groupsArea() { return {kMargin, kGroupsTop, kPageWidthMm - 2 * kMargin, 2 * kTableHeight + kRowGap}; }

void paintHeader(QPainter &p)
{
    const QRectF band = area(kMargin, kMargin, kPageWidthMm - 2 * kMargin, 15);
    QLinearGradient g(band.topLeft(), band.bottomLeft());
    g.setColorAt(0, Palette::Night);
    g.setColorAt(1, Palette::NightDeep);
    p.fillRect(band, g);
    // The Germany banner with the tournament's name in its panel, as on the finals screen.
    const double bx = kMargin + 0.5, by = kMargin + 0.5, scale = 40.5 / 260;
    Art::draw(p, Art::artResource(QStringLiteral("banner-germany")), area(bx, by, 260 * scale, 90 * scale));
    text(p, area(bx + 150 * scale, by + 10 * scale, 106 * scale, 35 * scale), Qt::AlignHCenter | Qt::AlignBottom,
         QStringLiteral("Mundial"), font(6.5, true), Palette::Gold);
    text(p, area(bx + 150 * scale, by + 45 * scale, 106 * scale, 35 * scale), Qt::AlignHCenter | Qt::AlignTop,
         QStringLiteral("Alemania 2006"), font(6.5, true), Palette::Gold);
    Art::draw(p, Art::artResource(QStringLiteral("banner-trophy")),
              area(kPageWidthMm - kMargin - 41, kMargin + 0.5, 40.5, 14));
    text(p, area(60, kMargin + 0.8, kPageWidthMm - 120, 8.8), Qt::AlignCenter, QStringLiteral("Torvelo Alemania 2006"),
         font(21, true), Palette::Gold);
    text(p, area(60, kMargin + 9.6, kPageWidthMm - 120, 4.4), Qt::AlignCenter,
         QStringLiteral("Planilla del Mundial: fase de grupos, llave final y podio · horarios de Argentina"),
         font(7.5, false), Qt::white);
    rule(p, band.bottomLeft(), band.bottomRight(), Palette::GoldDeep, 0.6);
}

void paintGroups(QPainter &p, const TournamentSnapshot &s)
{
    for (int g = 0; g < TournamentData::kGroupCount; ++g) {
        const double x = kMargin + (g % 4) * (kTableWidth + kTableGap);
        const double y = kGroupsTop + (g / 4) * (kTableHeight + kRowGap);
        paintTable(p, s.groups[g], x, y);
    }
}

void paintFooter(QPainter &p)
{
    const double y = kPageHeightMm - kMargin - 2.6;
    const QFont small = font(5.2, false);
    text(p, area(kMargin, y, 200, 2.6), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("J: jugados · G: ganados · E: empatados · P: perdidos · GF: goles a favor · GC: goles en contra · "
                        "Dif: diferencia · Ptos: puntos · TE: tiempo extra · pen.: penales"),
         small, kMuted);
    text(p, area(kPageWidthMm - kMargin - 80, y, 80, 2.6), Qt::AlignRight | Qt::AlignVCenter,
         QStringLiteral("Torvelo Alemania 2006 · Quelmar Software"), small, kMuted);
}

} // namespace WallchartDrawing

namespace Wallchart {

QSizeF pageSizeMm() { return {WallchartDrawing::kPageWidthMm, WallchartDrawing::kPageHeightMm}; }

QRectF podiumAreaMm() { return WallchartDrawing::podiumArea(); }

void paint(QPainter &painter, const QRectF &target, const TournamentSnapshot &snapshot)
{
    using namespace WallchartDrawing;
    const QSizeF page(mm(kPageWidthMm), mm(kPageHeightMm));
    const double scale = qMin(target.width() / page.width(), target.height() / page.height());
    painter.save();
    painter.translate(target.center());
    painter.scale(scale, scale);
    painter.translate(-page.width() / 2, -page.height() / 2);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    painter.fillRect(QRectF(QPointF(0, 0), page), kPaper);
    paintHeader(painter);
    paintGroups(painter, snapshot);
    paintKnockout(painter, snapshot);
    paintPodium(painter, snapshot);
    paintFooter(painter);
    painter.restore();
}

} // namespace Wallchart
