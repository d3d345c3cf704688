#include "KnockoutBoard.h"

#include "DataFolder.h"
#include "Notifier.h"
#include "ScoreCell.h"
#include "TournamentData.h"

KnockoutBoard::KnockoutBoard(BoardWiring wiring, QObject *parent)
    : QObject(parent), m_wiring(std::move(wiring)), m_boxes(m_wiring.boxNames.size()),
      m_slots(m_wiring.slotNames.size())
{
    QStringList names;
    for (const BoxFile &file : m_wiring.files)
        names << file.fileName;
    m_files = StoredFiles(names);
    for (int b = 0; b < boxCount(); ++b)
        m_boxes[b].visible = m_wiring.boxKinds[b] == BoxKind::Regular;
    for (int t = 0; t < int(m_wiring.ties.size()); ++t) {
        for (int s = 0; s < 2; ++s) {
            for (int box : m_wiring.ties[t].sides[s].boxes) {
                m_boxes[box].tie = t;
                m_boxes[box].side = s;
            }
        }
    }
}

const TieWiring *KnockoutBoard::tieOfClock(int clock) const
{
    for (const TieWiring &tie : m_wiring.ties) {
        if (tie.clock == clock)
            return &tie;
    }
    return nullptr;
}

void KnockoutBoard::setBoxText(int box, const QString &text)
{
    if (box < 0 || box >= boxCount() || m_boxes[box].text == text)
        return;
    m_boxes[box].text = text;
    emit boxTextChanged(box, text);
    ProcessTieEdit(box);
}

void KnockoutBoard::setBoxVisible(int box, bool visible)
{
    if (m_boxes[box].visible == visible)
        return;
    m_boxes[box].visible = visible;
    emit boxVisibilityChanged(box, visible);
}

void KnockoutBoard::setSlotText(int slot, const QString &text)
{
    if (slot < 0 || slot >= slotCount() || m_slots[slot].text == text)
        return;
    m_slots[slot].text = text;
    emit slotTextChanged(slot, text);
    ShowTeamFlag(slot);
    slotChanged(slot);
}

void KnockoutBoard::ShowTeamFlag(int slot)
{
    const TeamEntry *team = TournamentData::teamByDisplayName(m_slots[slot].text);
    if (!team)
        return;  // an unknown name, the empty one included, keeps the old flag
    const QString &groups = m_wiring.slotGroups[slot];
    if (!groups.isEmpty() && !groups.contains(QLatin1Char(team->group)))
        return;
    if (m_slots[slot].flagKey == team->flagKey)
        return;
    m_slots[slot].flagKey = team->flagKey;
    emit slotFlagChanged(slot, team->flagKey);
}

void KnockoutBoard::ProcessTieEdit(int box)
{
    if (box < 0 || box >= boxCount() || m_boxes[box].tie < 0)
        return;
    const TieWiring &tie = m_wiring.ties[m_boxes[box].tie];
    const int side = m_boxes[box].side;
    const TieSide &mine = tie.sides[side];
    const TieSide &theirs = tie.sides[1 - side];
    const BoxKind kind = m_wiring.boxKinds[box];
    const int k = int(kind);
    const int partner = theirs.boxes[k];

    if (!ScoreCell::isValidKnockoutCell(m_boxes[box].text)) {
        Notifier::current().showMessage(Messages::notAWholeNumber(), QString());
        return;
    }
    if (m_boxes[partner].text.isEmpty())
        return;

    // A decision at one level wipes the later levels of the match. Emptying a box runs
    // its own rule at once, which may briefly write the other side as the winner.
    std::vector<int> wiped;
    if (kind == BoxKind::Regular)
        wiped = {mine.boxes[1], theirs.boxes[1], mine.boxes[2], theirs.boxes[2]};
    else if (kind == BoxKind::Extra)
        wiped = {mine.boxes[2], theirs.boxes[2]};
    for (int b : wiped)
        setBoxVisible(b, false);
    for (int b : wiped)
        setBoxText(b, QString());

    const int cmp = ScoreCell::compareKnockout(m_boxes[box].text, m_boxes[partner].text);
    if (cmp == 0) {
        if (kind == BoxKind::Penalty) {
            Notifier::current().showMessage(Messages::penaltiesDrawn(), Messages::penaltiesDrawnTitle());
        } else {
            setBoxVisible(mine.boxes[k + 1], true);
            setBoxVisible(theirs.boxes[k + 1], true);
        }
        return;
    }
    const TieSide &winner = cmp > 0 ? mine : theirs;
    const TieSide &loser = cmp > 0 ? theirs : mine;
    setSlotText(tie.winnerSlot, m_slots[winner.slot].text);
    if (tie.loserSlot >= 0)
        setSlotText(tie.loserSlot, m_slots[loser.slot].text);
}

void KnockoutBoard::loadFiles()
{
    QList<int> counts;
    for (const BoxFile &file : m_wiring.files)
        counts << int(file.boxes.size());
    const QList<QStringList> contents = m_files.load(counts);
    for (int f = 0; f < int(m_wiring.files.size()); ++f) {
        const BoxFile &file = m_wiring.files[f];
        const QStringList &lines = contents[f];
        for (int n = 0; n < int(file.boxes.size()); ++n) {
            const QString line = n < lines.size() ? lines[n] : QStringLiteral("*");
            setBoxText(file.boxes[n], line == QLatin1String("*") ? QString() : line);
        }
    }
}

SaveOutcome KnockoutBoard::saveFiles()
{
    QList<QStringList> contents;
    for (const BoxFile &file : m_wiring.files) {
        QStringList lines;
        for (int box : file.boxes)
            lines << (m_boxes[box].text.isEmpty() ? QStringLiteral("*") : m_boxes[box].text);
        contents << lines;
    }
    return m_files.save(contents);
}
