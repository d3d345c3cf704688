#pragma once
// The bracket: round of 16 and quarter-finals, seeded from the group files.

#include "KnockoutBoard.h"

namespace BracketWiring {
BoardWiring make();
QString seedingFileName();  // "torvelollave.txt"
// Slot k (1..16) of the round of 16 receives this group place.
struct Seed {
    int slot;
    char group;
    bool first;
};
const std::array<Seed, 16> &seeds();
} // namespace BracketWiring

class BracketBoard : public KnockoutBoard {
    Q_OBJECT
public:
    explicit BracketBoard(QObject *parent = nullptr);

    // Fills the sixteen slots from lines 13 and 14 of the group files and rewrites
    // the seeding file with the names in reading order.
    void SeedRoundOf16();
    // The same slots filled the same way, touching no file: the names in reading order.
    QStringList placeSeeds();
    // Seeding, then the six bracket files replayed through the tie rule.
    void open();
    // As open(), but only reading: the seeding file is left as it is.
    void replay();
    SaveOutcome save() { return saveFiles(); }

    // The four semi-finalists in the order the finals take them: Lblsemi 1, 5, 9, 13.
    QStringList semifinalists() const;
    // True while all four semi-finalists have a name: the way on to the finals.
    bool finalsOpen() const { return m_finalsOpen; }

signals:
    // Sent after every change of a semi-finalist, even when the answer stays the same.
    void finalsOpenChecked(bool open);

protected:
    void slotChanged(int slot) override;

private:
    void CheckSemifinalists();
    bool m_finalsOpen = false;
};
