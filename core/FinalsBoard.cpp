#include "FinalsBoard.h"

namespace FinalsWiring {

QString fileName() { return QStringLiteral("torvelofinal.txt"); }

BoardWiring make()
{
    BoardWiring w;
    // Slots: LblOct_1..4 (0..3), Lblcuar_1,3,5,7 (4..7), Campeon, Subcampeon, Tercero.
    for (int i = 1; i <= 4; ++i)
        w.slotNames << QStringLiteral("LblOct_%1").arg(i);
    for (int odd : {1, 3, 5, 7})
        w.slotNames << QStringLiteral("Lblcuar_%1").arg(odd);
    w.slotNames << QStringLiteral("Campeon") << QStringLiteral("Subcampeon") << QStringLiteral("Tercero");
    w.slotGroups.assign(w.slotNames.size(), QString());

    // One file, 24 lines: the six box arrays one after the other.
    BoxFile file{fileName(), {}};
    const std::pair<const char *, BoxKind> arrays[] = {
        {"txtOct", BoxKind::Regular},   {"txtTEoct", BoxKind::Extra},   {"txtPENoct", BoxKind::Penalty},
        {"txtcuar", BoxKind::Regular},  {"txtTEcuar", BoxKind::Extra},  {"txtPENcuar", BoxKind::Penalty},
    };
    for (int a = 0; a < 6; ++a) {
        for (int n = 0; n < 4; ++n) {
            const int index = a < 3 ? n + 1 : 2 * n + 1;
            file.boxes.push_back(int(w.boxNames.size()));
            w.boxNames << QStringLiteral("%1_%2").arg(QLatin1String(arrays[a].first)).arg(index);
            w.boxKinds.push_back(arrays[a].second);
        }
    }
    w.files.push_back(std::move(file));

    auto side = [](int slot, int firstArray, int n) {
        return TieSide{slot, {firstArray * 4 + n, (firstArray + 1) * 4 + n, (firstArray + 2) * 4 + n}};
    };
    const int campeon = 8, subcampeon = 9, tercero = 10;
    // Semi-finals: winners to the final (Lblcuar 1 and 3), losers to the third-place match (5 and 7).
    w.ties.push_back({1, {side(0, 0, 0), side(1, 0, 1)}, 4, 6});
    w.ties.push_back({2, {side(2, 0, 2), side(3, 0, 3)}, 5, 7});
    w.ties.push_back({3, {side(6, 3, 2), side(7, 3, 3)}, tercero});
    w.ties.push_back({4, {side(4, 3, 0), side(5, 3, 1)}, campeon, subcampeon});
    return w;
}

} // namespace FinalsWiring

FinalsBoard::FinalsBoard(QObject *parent) : KnockoutBoard(FinalsWiring::make(), parent) {}

void FinalsBoard::open(const QStringList &semifinalists)
{
    for (int i = 0; i < 4; ++i)
        setSlotText(i, semifinalists.value(i));
    loadFiles();
}
