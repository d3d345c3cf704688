#pragma once
// The built-in description of the 2006 tournament: teams, groups, fixtures, venues.

#include <QString>
#include <QStringView>
#include <array>
#include <span>

struct TeamEntry {
    char group;               // 'A' .. 'H'
    int position;             // 1 .. 4, the group's fixed order
    QString displayName;      // identifies the team in files, on the knockout screens and for flags
    QString groupScreenName;  // what the group screen shows
    QString flagKey;
    QString teamPage;
};

struct GroupMatch {
    char group;
    int number;               // 1 .. 6, also the row and the clock index on the group screen
    int homePosition;
    int awayPosition;
    int homeCell;
    int awayCell;
    QString dateTime;
    QString venue;
};

enum class KnockoutScreen { Bracket, Finals };

struct KnockoutMatch {
    KnockoutScreen screen;
    int clock;
    QString round;
    QString contestants;
    QString dateTime;
    QString venue;
};

// The cells that hold one team's goals and, match by match, its opponents' goals.
struct TeamCells {
    std::array<int, 3> own;
    std::array<int, 3> opponent;
};

namespace TournamentData {

constexpr int kGroupCount = 8;
constexpr int kTeamsPerGroup = 4;
constexpr int kMatchesPerGroup = 6;
constexpr int kCellsPerGroup = 12;

QString groupLetters();   // "ABCDEFGH"
bool isGroupLetter(char group);

std::span<const TeamEntry> teams();                      // all 32, group by group
std::span<const TeamEntry> teamsOfGroup(char group);     // 4, in position order
const TeamEntry &team(char group, int position);
const TeamEntry *teamByDisplayName(QStringView name);    // exact match, else nullptr

std::span<const GroupMatch> matchesOfGroup(char group);  // 6, in match order
const GroupMatch &matchOfCell(char group, int cell);
int matchNumberOfCell(int cell);                         // cell / 2 + 1
bool isHomeCell(int cell);

const TeamCells &cellsOfPosition(int position);

std::span<const KnockoutMatch> knockoutMatches();        // 16
const KnockoutMatch *knockoutMatch(KnockoutScreen screen, int clock);

} // namespace TournamentData
