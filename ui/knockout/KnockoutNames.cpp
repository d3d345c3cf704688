#include "KnockoutNames.h"

#include "AccessibleNames.h"
#include "BoardView.h"
#include "BracketBoard.h"
#include "KnockoutBoard.h"
#include "MatchInfoPanel.h"
#include "TournamentData.h"

#include <QLabel>
#include <QLineEdit>

namespace {

// The bracket's quarter-finals whose winners the finals take as LblOct 1 to 4.
constexpr int kQuarterOfSemifinalist[4] = {9, 11, 10, 12};

const KnockoutMatch *matchOf(bool finals, int clock)
{
    return TournamentData::knockoutMatch(finals ? KnockoutScreen::Finals : KnockoutScreen::Bracket, clock);
}

int indexIn(const QString &slotName, const QString &array)
{
    if (!slotName.startsWith(array + QLatin1Char('_')))
        return 0;
    return slotName.mid(array.size() + 1).toInt();
}

} // namespace

KnockoutNames::KnockoutNames(KnockoutBoard &board, BoardView &view, QWidget *surface, MatchInfoPanel *panel, bool finals)
    : QObject(&view), m_board(board), m_view(view), m_surface(surface), m_finals(finals)
{
    const BoardWiring &w = m_board.wiring();
    for (int t = 0; t < int(w.ties.size()); ++t) {
        for (const TieSide &side : w.ties[t].sides)
            m_tiesOfSlot[side.slot] << t;
        if (panel) {
            const int clock = w.ties[t].clock;
            for (const TieSide &side : w.ties[t].sides) {
                for (int box : side.boxes) {
                    if (QLineEdit *edit = m_view.box(w.boxNames[box]))
                        panel->showOnFocus(edit, [panel, finals, clock] { panel->showKnockoutMatch(finals, clock); });
                }
            }
        }
    }
    for (int s = 0; s < m_board.slotCount(); ++s)
        nameSlot(s);
    for (int t = 0; t < int(w.ties.size()); ++t)
        nameTie(t);
    connect(&m_board, &KnockoutBoard::slotTextChanged, this, [this](int slot, const QString &) {
        nameSlot(slot);
        for (int t : m_tiesOfSlot.value(slot))
            nameTie(t);
    });
}

QString KnockoutNames::matchTitle(int clock) const
{
    if (m_finals) {
        switch (clock) {
        case 1:
        case 2: return QStringLiteral("semifinal %1").arg(clock);
        case 3: return QStringLiteral("tercer puesto");
        default: return QStringLiteral("final");
        }
    }
    const KnockoutMatch *m = matchOf(false, clock);
    const QString round = m ? m->round.toLower() : QString();
    return QStringLiteral("%1, partido %2").arg(round).arg(clock);
}

QString KnockoutNames::ofMatch(bool finals, int clock)
{
    if (finals) {
        switch (clock) {
        case 1:
        case 2: return QStringLiteral("de la semifinal %1").arg(clock);
        case 3: return QStringLiteral("del partido por el tercer puesto");
        default: return QStringLiteral("de la final");
        }
    }
    const KnockoutMatch *m = matchOf(false, clock);
    return QStringLiteral("del partido %1 (%2)").arg(clock).arg(m ? m->round.toLower() : QString());
}

QString KnockoutNames::origin(int slot) const
{
    const QString name = m_board.wiring().slotNames.value(slot);
    if (const int k = indexIn(name, QStringLiteral("LblOct"))) {
        if (m_finals)
            return QStringLiteral("ganador %1").arg(ofMatch(false, kQuarterOfSemifinalist[(k - 1) % 4]));
        for (const BracketWiring::Seed &seed : BracketWiring::seeds()) {
            if (seed.slot == k)
                return QStringLiteral("%1° del grupo %2").arg(seed.first ? 1 : 2).arg(QLatin1Char(seed.group));
        }
    }
    for (const TieWiring &tie : m_board.wiring().ties) {
        if (tie.winnerSlot == slot)
            return QStringLiteral("ganador %1").arg(ofMatch(m_finals, tie.clock));
        if (tie.loserSlot == slot)
            return QStringLiteral("perdedor %1").arg(ofMatch(m_finals, tie.clock));
    }
    return QString();
}

QString KnockoutNames::team(int slot) const { return AccessibleNames::team(m_board.slotText(slot), origin(slot)); }

QString KnockoutNames::role(int slot) const
{
    const QString name = m_board.wiring().slotNames.value(slot);
    if (name.startsWith(QLatin1String("Lblsemi")))
        return QStringLiteral("Semifinalista");
    if (name == QLatin1String("Campeon"))
        return QStringLiteral("Campeón");
    if (name == QLatin1String("Subcampeon"))
        return QStringLiteral("Subcampeón");
    if (name == QLatin1String("Tercero"))
        return QStringLiteral("Tercer puesto");
    const QList<int> ties = m_tiesOfSlot.value(slot);
    if (ties.isEmpty())
        return QString();
    // The match the slot plays in, as a heading: "Cuartos de final, partido 9".
    const QString title = matchTitle(m_board.wiring().ties[ties.first()].clock);
    return title.left(1).toUpper() + title.mid(1);
}

void KnockoutNames::nameSlot(int slot)
{
    if (QLabel *label = m_view.slotLabel(m_board.wiring().slotNames.value(slot)))
        AccessibleNames::set(label, AccessibleNames::slot(role(slot), team(slot)));
}

void KnockoutNames::nameTie(int t)
{
    const BoardWiring &w = m_board.wiring();
    const TieWiring &tie = w.ties[t];
    const QString title = matchTitle(tie.clock);
    const KnockoutMatch *m = matchOf(m_finals, tie.clock);
    const QString when = m ? AccessibleNames::when(m->dateTime, m->venue) : QString();
    const QString teams[2] = {team(tie.sides[0].slot), team(tie.sides[1].slot)};
    for (int s = 0; s < 2; ++s) {
        for (int k = 0; k < 3; ++k) {
            const int box = tie.sides[s].boxes[k];
            if (QLineEdit *edit = m_view.box(w.boxNames[box]))
                AccessibleNames::set(edit, AccessibleNames::knockoutScore(teams[s], teams[1 - s], title, int(w.boxKinds[box])),
                                     when);
        }
    }
    if (auto *clock = m_surface->findChild<QWidget *>(QStringLiteral("Crono_%1").arg(tie.clock)))
        AccessibleNames::set(clock, AccessibleNames::knockoutClock(title, teams[0], teams[1]), when);
}
