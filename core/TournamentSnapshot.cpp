#include "TournamentSnapshot.h"

#include "BracketBoard.h"
#include "FinalsBoard.h"
#include "GroupFile.h"
#include "Notifier.h"
#include "ScoreCell.h"

namespace {

// Keeps the replay's messages instead of showing them: the snapshot is built while
// the user looks at something else, and nobody is typing the entries it replays.
class WithholdingNotifier final : public Notifier {
public:
    explicit WithholdingNotifier(QStringList &messages) : m_messages(messages), m_previous(Notifier::install(this)) {}
    ~WithholdingNotifier() override { Notifier::install(m_previous); }
    WithholdingNotifier(const WithholdingNotifier &) = delete;
    WithholdingNotifier &operator=(const WithholdingNotifier &) = delete;

    void showMessage(const QString &text, const QString &) override { m_messages << text; }
    // Nothing is saved while replaying; should it ever happen, the user must hear of it.
    void saveFailed(const QString &fileName, const QString &reason) override
    {
        if (m_previous)
            m_previous->saveFailed(fileName, reason);
    }

private:
    QStringList &m_messages;
    Notifier *m_previous;
};

GroupTable replayGroup(char letter)
{
    GroupSheet sheet(letter);
    GroupFile::LoadGroupFile(sheet);
    GroupTable table;
    table.group = letter;
    for (int i = 0; i < TournamentData::kCellsPerGroup; ++i)
        table.cells[i] = sheet.cell(i);
    for (int slot = 0; slot < TournamentData::kTeamsPerGroup; ++slot) {
        const int position = sheet.displayOrder()[slot];
        table.rows[slot] = {&TournamentData::team(letter, position), sheet.row(position)};
    }
    table.first = sheet.first();
    table.second = sheet.second();
    return table;
}

// The side the replay made the winner. The files are replayed first side first, regular
// time before extra time before penalties, so the last kind whose second box decided
// the match is the one whose winner the next round shows.
int decidedSide(const KnockoutBoard &board, const TieWiring &tie)
{
    int winner = -1;
    for (int kind = 0; kind < 3; ++kind) {
        const QString &a = board.boxText(tie.sides[0].boxes[kind]);
        const QString &b = board.boxText(tie.sides[1].boxes[kind]);
        if (a.isEmpty() || b.isEmpty() || !ScoreCell::isValidKnockoutCell(b))
            continue;
        const int cmp = ScoreCell::compareKnockout(a, b);
        if (cmp != 0)
            winner = cmp > 0 ? 0 : 1;
    }
    return winner;
}

KnockoutResult resultOf(const KnockoutBoard &board, KnockoutScreen screen, int clock)
{
    KnockoutResult r;
    r.match = TournamentData::knockoutMatch(screen, clock);
    const TieWiring *tie = board.tieOfClock(clock);
    if (!tie)
        return r;
    for (int s = 0; s < 2; ++s) {
        const TieSide &side = tie->sides[s];
        r.sides[s] = {board.slotText(side.slot), board.slotFlag(side.slot), board.boxText(side.boxes[0]),
                      board.boxText(side.boxes[1]), board.boxText(side.boxes[2])};
    }
    r.winner = decidedSide(board, *tie);
    r.extraTime = board.boxVisible(tie->sides[0].boxes[int(BoxKind::Extra)]);
    r.penalties = board.boxVisible(tie->sides[0].boxes[int(BoxKind::Penalty)]);
    return r;
}

PodiumPlace placeOf(const KnockoutBoard &board, const QString &slotName)
{
    const int slot = board.slotIndex(slotName);
    return {board.slotText(slot), board.slotFlag(slot)};
}

} // namespace

const KnockoutResult &TournamentSnapshot::match(KnockoutScreen screen, int clock) const
{
    const int index = (screen == KnockoutScreen::Bracket ? 0 : 12) + clock - 1;
    return knockout.at(index);
}

TournamentSnapshot TournamentSnapshot::fromFiles()
{
    TournamentSnapshot s;
    WithholdingNotifier quiet(s.withheldMessages);

    for (int g = 0; g < TournamentData::kGroupCount; ++g)
        s.groups[g] = replayGroup(char('A' + g));

    BracketBoard bracket;
    bracket.replay();
    FinalsBoard finals;
    finals.open(bracket.semifinalists());

    for (int clock = 1; clock <= 12; ++clock)
        s.knockout.push_back(resultOf(bracket, KnockoutScreen::Bracket, clock));
    for (int clock = 1; clock <= 4; ++clock)
        s.knockout.push_back(resultOf(finals, KnockoutScreen::Finals, clock));
    s.champion = placeOf(finals, QStringLiteral("Campeon"));
    s.runnerUp = placeOf(finals, QStringLiteral("Subcampeon"));
    s.third = placeOf(finals, QStringLiteral("Tercero"));
    return s;
}
