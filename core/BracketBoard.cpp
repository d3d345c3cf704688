#include "BracketBoard.h"

#include "DataFolder.h"
#include "GroupFile.h"

#include <QFileInfo>

namespace {

constexpr int kOct = 0;     // slots 0..15: LblOct_1..16
constexpr int kCuar = 16;   // slots 16..23: Lblcuar_1,3,..,15
constexpr int kSemi = 24;   // slots 24..27: Lblsemi_1,5,9,13

int cuarSlot(int odd) { return kCuar + (odd - 1) / 2; }
int semiSlot(int index) { return kSemi + (index - 1) / 4; }

// Box arrays in the order of their files; each holds `count` boxes.
struct BoxArray {
    const char *name;
    const char *file;
    BoxKind kind;
    bool quarter;
};
constexpr BoxArray kArrays[] = {
    {"txtOct", "torveloOct.txt", BoxKind::Regular, false},
    {"txtTEoct", "torveloTEOct.txt", BoxKind::Extra, false},
    {"txtPENoct", "torveloPENOct.txt", BoxKind::Penalty, false},
    {"txtcuar", "torvelocuar.txt", BoxKind::Regular, true},
    {"txtTEcuar", "torveloTEcuar.txt", BoxKind::Extra, true},
    {"txtPENcuar", "torveloPENcuar.txt", BoxKind::Penalty, true},
};

// First box of each array: 16 boxes each for the round of 16, 8 for the quarter-finals.
constexpr int arrayStart(int a) { return a < 3 ? a * 16 : 48 + (a - 3) * 8; }
int octBox(int a, int index) { return arrayStart(a) + index - 1; }
int cuarBox(int a, int odd) { return arrayStart(a) + (odd - 1) / 2; }

// True when the file holds exactly these lines, each ended by CR LF. Every name came
// from a group file in the same one-byte code page, so equal lines of equal length
// mean equal bytes.
bool holdsLines(const QString &fileName, const QStringList &lines)
{
    const QFileInfo file(DataFolder::filePath(fileName));
    qint64 size = 0;
    for (const QString &line : lines)
        size += line.size() + 2;
    return file.isFile() && file.size() == size && DataFolder::readLines(fileName, int(lines.size()) + 1) == lines;
}

} // namespace

namespace BracketWiring {

QString seedingFileName() { return QStringLiteral("torvelollave.txt"); }

const std::array<Seed, 16> &seeds()
{
    static const std::array<Seed, 16> table = {{
        {1, 'A', true}, {2, 'B', false}, {3, 'C', true}, {4, 'D', false},
        {5, 'E', true}, {6, 'F', false}, {7, 'G', true}, {8, 'H', false},
        {9, 'B', true}, {10, 'A', false}, {11, 'D', true}, {12, 'C', false},
        {13, 'F', true}, {14, 'E', false}, {15, 'H', true}, {16, 'G', false},
    }};
    return table;
}

BoardWiring make()
{
    BoardWiring w;
    for (const Seed &s : seeds()) {
        w.slotNames << QStringLiteral("LblOct_%1").arg(s.slot);
        w.slotGroups.push_back(QString(QLatin1Char(s.group)));
    }
    const char *quarterGroups[] = {"AB", "CD", "EF", "GH"};
    for (int odd = 1; odd <= 15; odd += 2) {
        w.slotNames << QStringLiteral("Lblcuar_%1").arg(odd);
        w.slotGroups.push_back(QString::fromLatin1(quarterGroups[((odd - 1) / 2) % 4]));
    }
    for (int index : {1, 5, 9, 13}) {
        w.slotNames << QStringLiteral("Lblsemi_%1").arg(index);
        w.slotGroups.push_back(QString());
    }

    for (int a = 0; a < 6; ++a) {
        const BoxArray &arr = kArrays[a];
        BoxFile file{QString::fromLatin1(arr.file), {}};
        for (int n = 1; n <= 16; ++n) {
            if (arr.quarter && n % 2 == 0)
                continue;
            file.boxes.push_back(int(w.boxNames.size()));
            w.boxNames << QStringLiteral("%1_%2").arg(QLatin1String(arr.name)).arg(n);
            w.boxKinds.push_back(arr.kind);
        }
        w.files.push_back(std::move(file));
    }

    auto octSide = [](int index) {
        return TieSide{kOct + index - 1, {octBox(0, index), octBox(1, index), octBox(2, index)}};
    };
    auto cuarSide = [](int odd) {
        return TieSide{cuarSlot(odd), {cuarBox(3, odd), cuarBox(4, odd), cuarBox(5, odd)}};
    };
    // Round of 16: indices 2k-1 and 2k, winner to Lblcuar(2k-1).
    const int octClocks[] = {1, 2, 5, 6, 3, 4, 7, 8};
    for (int k = 1; k <= 8; ++k)
        w.ties.push_back({octClocks[k - 1], {octSide(2 * k - 1), octSide(2 * k)}, cuarSlot(2 * k - 1)});
    // Quarter-finals: odd indices paired 1-3, 5-7, 9-11, 13-15, winner to Lblsemi(first).
    const std::pair<int, int> quarterClocks[] = {{1, 9}, {5, 11}, {9, 10}, {13, 12}};
    for (auto [first, clock] : quarterClocks)
        w.ties.push_back({clock, {cuarSide(first), cuarSide(first + 2)}, semiSlot(first)});
    return w;
}

} // namespace BracketWiring

BracketBoard::BracketBoard(QObject *parent) : KnockoutBoard(BracketWiring::make(), parent) {}

void BracketBoard::SeedRoundOf16()
{
    // The names change only when a group's first or second does. Writing the same
    // file again would make every opening wait for the disk.
    const QStringList seeding = placeSeeds();
    if (!holdsLines(BracketWiring::seedingFileName(), seeding))
        DataFolder::writeLines(BracketWiring::seedingFileName(), seeding);
}

QStringList BracketBoard::placeSeeds()
{
    QStringList seeding;
    std::array<QString, 16> bySlot;
    for (char g : QByteArrayLiteral("ABCDEFGH")) {
        const QStringList lines = DataFolder::readLines(GroupFile::fileName(g), GroupFile::kLineCount);
        for (bool first : {true, false}) {
            const int line = first ? 12 : 13;
            const QString name = line < lines.size() ? lines[line] : QString();
            for (const auto &seed : BracketWiring::seeds()) {
                if (seed.group == g && seed.first == first)
                    setSlotText(kOct + seed.slot - 1, name);
            }
            seeding << name;
        }
    }
    return seeding;
}

void BracketBoard::open()
{
    SeedRoundOf16();
    loadFiles();
}

void BracketBoard::replay()
{
    placeSeeds();
    loadFiles();
}

QStringList BracketBoard::semifinalists() const
{
    QStringList names;
    for (int i = 0; i < 4; ++i)
        names << slotText(kSemi + i);
    return names;
}

void BracketBoard::slotChanged(int slot)
{
    if (slot >= kSemi)
        CheckSemifinalists();
}

void BracketBoard::CheckSemifinalists()
{
    bool all = true;
    for (int i = 0; i < 4; ++i)
        all = all && !slotText(kSemi + i).isEmpty();
    m_finalsOpen = all;
    emit finalsOpenChecked(all);
}
