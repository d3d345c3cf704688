#include "TournamentData.h"

#include <QStringList>
#include <stdexcept>

namespace {

TeamEntry t(char g, int pos, const char *name, const char *screenName, const char *flag, const char *page)
{
    const QString display = QString::fromUtf8(name);
    const QString onScreen = screenName ? QString::fromUtf8(screenName) : display;
    return {g, pos, display, onScreen, QString::fromUtf8(flag), QString::fromUtf8(page)};
}

const std::array<TeamEntry, 32> &teamTable()
{
    static const std::array<TeamEntry, 32> table = {
        t('A', 1, "Alemania", nullptr, "Alemania", "FrmInfoAlemania"),
        t('A', 2, "Costa Rica", nullptr, "CostaRica", "FrmInfoCostaRica"),
        t('A', 3, "Polonia", nullptr, "Polonia", "FrmInfoPolonia"),
        t('A', 4, "Ecuador", nullptr, "Ecuador", "FrmInfoEcuador"),
        t('B', 1, "Inglaterra", nullptr, "Inglaterra", "FrmInfoInglaterra"),
        t('B', 2, "Paraguay", nullptr, "Paraguay", "FrmInfoParaguay"),
        t('B', 3, "Trinidad y Tobago", nullptr, "Trinidadytobago", "FrmInfoTrinidad"),
        t('B', 4, "Suecia", nullptr, "Suecia", "FrmInfoSuecia"),
        t('C', 1, "Argentina", nullptr, "Argentina", "FrmInfoArgentina"),
        t('C', 2, "Costa de Marfil", nullptr, "CostadeMarfil", "FrmInfoCostadeMarfil"),
        t('C', 3, "Serbia y Mont.", "Serbia y Montenegro", "SerbiayMont", "FrmInfoSerbia"),
        t('C', 4, "Holanda", nullptr, "Holanda", "FrmInfoHolanda"),
        t('D', 1, "México", nullptr, "Mexico", "FrmInfoMexico"),
        t('D', 2, "Irán", nullptr, "Iran", "FrmInfoIran"),
        t('D', 3, "Angola", nullptr, "Angola", "FrmInfoAngola"),
        t('D', 4, "Portugal", nullptr, "Portugal", "FrmInfoPortugal"),
        t('E', 1, "Italia", nullptr, "Italia", "FrmInfoItalia"),
        t('E', 2, "Ghana", nullptr, "Ghana", "FrmInfoGhana"),
        t('E', 3, "Estados Unidos", nullptr, "EEUU", "FrmInfoEEUU"),
        t('E', 4, "República Checa", nullptr, "Republicacheca", "FrmInfoRepCheca"),
        t('F', 1, "Brasil", nullptr, "Brasil", "FrmInfoBrasil"),
        t('F', 2, "Croacia", nullptr, "Croacia", "FrmInfoCroacia"),
        t('F', 3, "Australia", nullptr, "Australia", "FrmInfoAustralia"),
        t('F', 4, "Japón", nullptr, "Japon", "FrmInfoJapon"),
        t('G', 1, "Francia", nullptr, "Francia", "FrmInfoFrancia"),
        t('G', 2, "Suiza", nullptr, "Suiza", "FrmInfoSuiza"),
        t('G', 3, "Corea del Sur", nullptr, "Corea", "FrmInfoCorea"),
        t('G', 4, "Togo", nullptr, "Togo", "FrmInfoTogo"),
        t('H', 1, "España", nullptr, "España", "FrmInfoEspaña"),
        t('H', 2, "Ucrania", nullptr, "Ucrania", "FrmInfoUcrania"),
        t('H', 3, "Túnez", nullptr, "Tunez", "FrmInfoTunez"),
        t('H', 4, "Arabia Saudí", "Arabia Saudita", "Arabia", "FrmInfoArabia"),
    };
    return table;
}

// Every group plays the same pattern: match m puts cells 2m-2 (home) and 2m-1 (away).
constexpr std::array<std::array<int, 2>, 6> kPattern = {{{1, 2}, {3, 4}, {1, 3}, {4, 2}, {4, 1}, {2, 3}}};

struct Fixture {
    const char *dateTime;
    const char *venue;
};

// Date and venue of the six matches of each group, A to H.
constexpr Fixture kFixtures[8][6] = {
    {{"9 de Junio - 13:00 Hs.", "Munich"}, {"9 de Junio - 16:00 Hs.", "Gelsenkirchen"},
     {"14 de Junio - 16:00 Hs.", "Dormund"}, {"15 de Junio - 13:00 Hs.", "Hamburgo"},
     {"20 de Junio - 11:00 Hs.", "Berlín"}, {"20 de Junio - 11:00 Hs.", "Hannover"}},
    {{"10 de Junio - 10:00 Hs.", "Frankfurt"}, {"10 de Junio - 13:00 Hs.", "Dormund"},
     {"15 de Junio - 13:00 Hs.", "Nuremberg"}, {"15 de Junio - 16:00 Hs.", "Berlín"},
     {"20 de Junio - 16:00 Hs.", "Colonia"}, {"20 de Junio - 16:00 Hs.", "Kaiserslautern"}},
    {{"10 de Junio - 16:00 Hs.", "Hamburgo"}, {"11 de Junio - 10:00 Hs.", "Leipzig"},
     {"16 de Junio - 10:00 Hs.", "Gelsenkirchen"}, {"16 de Junio - 13:00 Hs.", "Stuttgart"},
     {"21 de Junio - 16:00 Hs.", "Frankfurt"}, {"21 de Junio - 16:00 Hs.", "Munich"}},
    {{"11 de Junio - 13:00 Hs.", "Nuremberg"}, {"11 de Junio - 16:00 Hs.", "Colonia"},
     {"16 de Junio - 16:00 Hs.", "Hannover"}, {"17 de Junio - 10:00 Hs.", "Frankfurt"},
     {"21 de Junio - 11:00 Hs.", "Gelsenkirchner"}, {"21 de Junio - 11:00 Hs.", "Leipzig"}},
    {{"12 de Junio - 16:00 Hs.", "Hannover"}, {"12 de Junio - 13:00 Hs.", "Gelsenkirchner"},
     {"17 de Junio - 16:00 Hs.", "Kaiserslautern"}, {"17 de Junio - 13:00 Hs.", "Colonia"},
     {"22 de Junio - 11:00 Hs.", "Hamburgo"}, {"22 de Junio - 11:00 Hs.", "Nuremberg"}},
    {{"12 de Junio - 10:00 Hs.", "Kaiserslautern"}, {"13 de Junio - 16:00 Hs.", "Berlín"},
     {"18 de Junio - 13:00 Hs.", "Munich"}, {"18 de Junio - 10:00 Hs.", "Nuremberg"},
     {"22 de Junio - 16:00 Hs.", "Dortmund"}, {"22 de Junio - 16:00 Hs.", "Stuttgart"}},
    {{"12 de Junio - 13:00 Hs.", "Stuttgart"}, {"13 de Junio - 10:00 Hs.", "Fankfurt"},
     {"18 de Junio - 16:00 Hs.", "Leipzig"}, {"18 de Junio - 10:00 Hs.", "Dortmund"},
     {"22 de Junio - 16:00 Hs.", "Colonia"}, {"22 de Junio - 16:00 Hs.", "Hannover"}},
    {{"14 de Junio - 10:00 Hs.", "Leipzig"}, {"14 de Junio - 13:00 Hs.", "Munich"},
     {"19 de Junio - 16:00 Hs.", "Stuttgart"}, {"19 de Junio - 13:00 Hs.", "Hamburgo"},
     {"23 de Junio - 11:00 Hs.", "Kaiserslautern"}, {"23 de Junio - 11:00 Hs.", "Berlín"}},
};

const std::array<GroupMatch, 48> &matchTable()
{
    static const std::array<GroupMatch, 48> table = [] {
        std::array<GroupMatch, 48> out{};
        for (int g = 0; g < 8; ++g) {
            for (int m = 0; m < 6; ++m) {
                out[g * 6 + m] = {char('A' + g), m + 1, kPattern[m][0], kPattern[m][1], 2 * m, 2 * m + 1,
                                  QString::fromUtf8(kFixtures[g][m].dateTime),
                                  QString::fromUtf8(kFixtures[g][m].venue)};
            }
        }
        return out;
    }();
    return table;
}

const std::array<KnockoutMatch, 16> &knockoutTable()
{
    auto k = [](KnockoutScreen s, int clock, const char *round, const char *who, const char *when,
                const char *where) {
        return KnockoutMatch{s, clock, QString::fromUtf8(round), QString::fromUtf8(who),
                             QString::fromUtf8(when), QString::fromUtf8(where)};
    };
    using enum KnockoutScreen;
    static const std::array<KnockoutMatch, 16> table = {
        k(Bracket, 1, "Octavos de final", "1° A - 2° B", "24 de Junio - 12:00 Hs.", "Munich"),
        k(Bracket, 2, "Octavos de final", "1° C - 2° D", "24 de Junio - 16:00 Hs.", "Leipzig"),
        k(Bracket, 3, "Octavos de final", "1° B - 2° A", "25 de Junio - 12:00 Hs.", "Stuttgart"),
        k(Bracket, 4, "Octavos de final", "1° D - 2° C", "25 de Junio - 16:00 Hs.", "Nuremberg"),
        k(Bracket, 5, "Octavos de final", "1° E - 2° F", "26 de Junio - 12:00 Hs.", "Kaiserslautern"),
        k(Bracket, 6, "Octavos de final", "1° G - 2° H", "26 de Junio - 16:00 Hs.", "Colonia"),
        k(Bracket, 7, "Octavos de final", "1° F - 2° E", "27 de Junio - 12:00 Hs.", "Dortmund"),
        k(Bracket, 8, "Octavos de final", "1° H - 2° G", "27 de Junio - 16:00 Hs.", "Hannover"),
        k(Bracket, 9, "Cuartos de final", "Ganador 1 - Ganador 2", "30 de Junio - 12:00 Hs.", "Berlín"),
        k(Bracket, 10, "Cuartos de final", "Ganador 3 - Ganador 4", "1° de Julio - 12:00 Hs.", "Gelsenkirchen"),
        k(Bracket, 11, "Cuartos de final", "Ganador 5 - Ganador 6", "30 de Junio - 16:00 Hs.", "Hamburgo"),
        k(Bracket, 12, "Cuartos de final", "Ganador 7 - Ganador 8", "1° de Julio - 16:00 Hs.", "Frankfurt"),
        k(Finals, 1, "Semifinal", "Ganador 9 - Ganador 11", "4 de Julio - 16:00 Hs.", "Dortmund"),
        k(Finals, 2, "Semifinal", "Ganador 10 - Ganador 12", "5 de Julio - 16:00 Hs.", "Munich"),
        k(Finals, 3, "Tercer puesto", "Perdedores de las semifinales", "8 de Julio - 16:00 Hs.", "Stuttgart"),
        k(Finals, 4, "Final", "Ganadores de las semifinales", "9 de Julio - 16:00 Hs.", "Berlin"),
    };
    return table;
}

int groupIndex(char group)
{
    if (!TournamentData::isGroupLetter(group))
        throw std::out_of_range("not a group letter");
    return group - 'A';
}

} // namespace

namespace TournamentData {

QString groupLetters() { return QStringLiteral("ABCDEFGH"); }

bool isGroupLetter(char group) { return group >= 'A' && group <= 'H'; }

std::span<const TeamEntry> teams() { return teamTable(); }

std::span<const TeamEntry> teamsOfGroup(char group)
{
    return std::span<const TeamEntry>(teamTable()).subspan(groupIndex(group) * 4, 4);
}

const TeamEntry &team(char group, int position)
{
    if (position < 1 || position > 4)
        throw std::out_of_range("team position");
    return teamsOfGroup(group)[position - 1];
}

const TeamEntry *teamByDisplayName(QStringView name)
{
    for (const TeamEntry &e : teamTable()) {
        if (e.displayName == name)
            return &e;
    }
    return nullptr;
}

std::span<const GroupMatch> matchesOfGroup(char group)
{
    return std::span<const GroupMatch>(matchTable()).subspan(groupIndex(group) * 6, 6);
}

int matchNumberOfCell(int cell) { return cell / 2 + 1; }

bool isHomeCell(int cell) { return cell % 2 == 0; }

const GroupMatch &matchOfCell(char group, int cell)
{
    if (cell < 0 || cell >= kCellsPerGroup)
        throw std::out_of_range("cell index");
    return matchesOfGroup(group)[cell / 2];
}

const TeamCells &cellsOfPosition(int position)
{
    static const std::array<TeamCells, 4> cells = [] {
        std::array<TeamCells, 4> out{};
        std::array<int, 4> filled{};
        for (int m = 0; m < 6; ++m) {
            const int home = kPattern[m][0] - 1;
            const int away = kPattern[m][1] - 1;
            out[home].own[filled[home]] = 2 * m;
            out[home].opponent[filled[home]++] = 2 * m + 1;
            out[away].own[filled[away]] = 2 * m + 1;
            out[away].opponent[filled[away]++] = 2 * m;
        }
        return out;
    }();
    if (position < 1 || position > 4)
        throw std::out_of_range("team position");
    return cells[position - 1];
}

std::span<const KnockoutMatch> knockoutMatches() { return knockoutTable(); }

const KnockoutMatch *knockoutMatch(KnockoutScreen screen, int clock)
{
    for (const KnockoutMatch &m : knockoutTable()) {
        if (m.screen == screen && m.clock == clock)
            return &m;
    }
    return nullptr;
}

} // namespace TournamentData
