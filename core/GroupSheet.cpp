#include "GroupSheet.h"

#include "Notifier.h"
#include "ScoreCell.h"
#include "TournamentData.h"

#include <cmath>
#include <map>
#include <memory>

namespace {

// Sums are formed in double precision and rounded half to even into 16 bits.
bool toInt16(double sum, qint16 &out)
{
    const double r = std::nearbyint(sum);
    if (!(r >= -32768.0 && r <= 32767.0))
        return false;
    out = qint16(r);
    return true;
}

// The two teams a cell's match refreshes, home side first.
std::array<int, 2> teamsOfCell(int cell)
{
    static constexpr std::array<std::array<int, 2>, 6> byMatch = {{{1, 2}, {3, 4}, {1, 3}, {4, 2}, {4, 1}, {2, 3}}};
    return byMatch[cell / 2];
}

} // namespace

GroupSheet::GroupSheet(char group, QObject *parent) : QObject(parent), m_group(group) {}

GroupSheet &GroupSheet::of(char group)
{
    static std::map<char, std::unique_ptr<GroupSheet>> sheets;
    auto &slot = sheets[group];
    if (!slot)
        slot = std::make_unique<GroupSheet>(group);
    return *slot;
}

void GroupSheet::reset()
{
    for (auto &c : m_cells)
        c.clear();
    m_rows = {};
    m_order = {1, 2, 3, 4};
}

void GroupSheet::setCell(int i, const QString &text)
{
    if (i < 0 || i >= 12 || m_cells[i] == text)
        return;
    m_cells[i] = text;
    emit cellChanged(i, text);
    ProcessCellEdit(i);
}

bool GroupSheet::compute(int t, Stat s, qint16 &out) const
{
    out = 0;
    if (t < 1 || t > 4)
        return true;
    const TeamCells &tc = TournamentData::cellsOfPosition(t);
    double sum = 0;
    switch (s) {
    case Stat::J:
        for (int c : tc.own)
            sum += m_cells[c].isEmpty() ? 0 : 1;
        break;
    case Stat::G:
    case Stat::E:
    case Stat::P:
        for (int k = 0; k < 3; ++k) {
            const QString &own = m_cells[tc.own[k]];
            const QString &opp = m_cells[tc.opponent[k]];
            if (own.isEmpty() || opp.isEmpty())
                continue;
            const double a = ScoreCell::value(own);
            const double b = ScoreCell::value(opp);
            if ((s == Stat::G && a > b) || (s == Stat::E && a == b) || (s == Stat::P && a < b))
                sum += 1;
        }
        break;
    case Stat::GF:
        for (int c : tc.own)
            sum += ScoreCell::value(m_cells[c]);
        break;
    case Stat::GC:
        for (int c : tc.opponent)
            sum += ScoreCell::value(m_cells[c]);
        break;
    case Stat::DIF: {
        double own = 0, opp = 0;
        for (int c : tc.own)
            own += ScoreCell::value(m_cells[c]);
        for (int c : tc.opponent)
            opp += ScoreCell::value(m_cells[c]);
        sum = own - opp;
        break;
    }
    case Stat::PUN:
        sum = 3.0 * stat(t, Stat::G) + stat(t, Stat::E);
        break;
    }
    return toInt16(sum, out);
}

bool GroupSheet::partidos(int t, qint16 &out) const { return compute(t, Stat::J, out); }
bool GroupSheet::ganados(int t, qint16 &out) const { return compute(t, Stat::G, out); }
bool GroupSheet::empatados(int t, qint16 &out) const { return compute(t, Stat::E, out); }
bool GroupSheet::perdidos(int t, qint16 &out) const { return compute(t, Stat::P, out); }
bool GroupSheet::GolF(int t, qint16 &out) const { return compute(t, Stat::GF, out); }
bool GroupSheet::GolC(int t, qint16 &out) const { return compute(t, Stat::GC, out); }
bool GroupSheet::DifG(int t, qint16 &out) const { return compute(t, Stat::DIF, out); }
bool GroupSheet::puntos(int t, qint16 &out) const { return compute(t, Stat::PUN, out); }

bool GroupSheet::refresh(int t, Stat s)
{
    qint16 v = 0;
    if (!compute(t, s, v))
        return false;
    m_rows[t - 1].values[int(s)] = v;
    emit statStored(t, s, v);
    return true;
}

void GroupSheet::ProcessCellEdit(int i)
{
    if (i < 0 || i >= 12)
        return;
    if (!ScoreCell::isValidGroupCell(m_cells[i])) {
        Notifier::current().showMessage(Messages::notAWholeNumber(), QString());
        return;
    }
    const auto [a, b] = teamsOfCell(i);
    using enum Stat;
    const std::pair<int, Stat> steps[] = {
        {a, J},   {b, J},  {a, G},   {b, G},  {a, E},  {b, E},   {a, P},  {b, P},
        {a, PUN}, {b, PUN}, {a, GC}, {a, GF}, {a, DIF}, {b, GC}, {b, GF}, {b, DIF},
    };
    for (const auto &[team, s] : steps) {
        if (!refresh(team, s)) {
            Notifier::current().showMessage(Messages::notAWholeNumber(), QString());
            return;
        }
    }
    RankGroup();
}

void GroupSheet::RankGroup()
{
    std::array<int, 4> list{1, 2, 3, 4};
    auto beats = [this](int q, int p) {
        const StandingsRow &rq = row(q);
        const StandingsRow &rp = row(p);
        if (rq[Stat::PUN] != rp[Stat::PUN])
            return rq[Stat::PUN] > rp[Stat::PUN];
        if (rq[Stat::DIF] != rp[Stat::DIF])
            return rq[Stat::DIF] > rp[Stat::DIF];
        return rq[Stat::GF] > rp[Stat::GF];
    };
    // Pairwise exchanges, not a stable sort: level teams may end out of position order.
    for (int i = 0; i < 3; ++i) {
        for (int j = i + 1; j < 4; ++j) {
            if (beats(list[j], list[i]))
                std::swap(list[i], list[j]);
        }
    }
    m_order = list;
    emit orderChanged();
    m_first = TournamentData::team(m_group, list[0]).displayName;
    m_second = TournamentData::team(m_group, list[1]).displayName;
    emit qualifiersChanged(m_first, m_second);
}
