#pragma once
// The whole tournament as the screens would show it, rebuilt from the data files
// alone: every group file replayed through its sheet, the round of 16 seeded, the
// bracket and finals files replayed through the tie rule. Nothing is written and no
// message reaches the user while it is built; no screen needs to be open.

#include "GroupSheet.h"
#include "TournamentData.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// One row of a group table, in ranked order.
struct TableRow {
    const TeamEntry *team = nullptr;
    StandingsRow figures;
};

struct GroupTable {
    char group = 'A';
    std::array<QString, TournamentData::kCellsPerGroup> cells;  // as typed, empty when not played
    std::array<TableRow, TournamentData::kTeamsPerGroup> rows;  // top of the table first
    QString first;   // what the ranking of the replay left; empty while no ranking ran
    QString second;
};

struct MatchSide {
    QString name;     // as the knockout screens show it, empty included
    QString flagKey;  // the flag the screens show beside the name; may be empty
    QString regular;  // box texts as they stand, empty when not entered
    QString extra;
    QString penalty;
};

struct KnockoutResult {
    const KnockoutMatch *match = nullptr;  // round, date and venue
    std::array<MatchSide, 2> sides;
    // The side the entered scores make the winner, -1 while they decide nothing.
    int winner = -1;
    bool extraTime = false;  // drawn in regular time, extra-time scores entered
    bool penalties = false;  // drawn in extra time too, penalty scores entered
};

struct PodiumPlace {
    QString name;
    QString flagKey;
};

struct TournamentSnapshot {
    std::array<GroupTable, TournamentData::kGroupCount> groups;
    // Bracket clocks 1 to 12, then finals clocks 1 to 4 (semi-finals, third place, final).
    std::vector<KnockoutResult> knockout;
    PodiumPlace champion;
    PodiumPlace runnerUp;
    PodiumPlace third;
    // The messages the replay would have shown on the screens (invalid entries, drawn
    // penalties); they are kept here instead of being shown.
    QStringList withheldMessages;

    const GroupTable &group(char letter) const { return groups.at(letter - 'A'); }
    const KnockoutResult &match(KnockoutScreen screen, int clock) const;

    // Reads the files of the data folder; never writes one.
    static TournamentSnapshot fromFiles();
};
