#pragma once
// Sample tournaments written into the data folder before a screenshot.

#include <QString>

namespace SampleData {
enum class Kind {
    None,          // no files at all
    GroupsPartly,  // a few group matches played, one invalid entry left in group C
    GroupsDone,    // every group complete, no knockout score
    MidKnockout,   // round of 16 played with extra time and penalties, quarter-finals under way
    Complete,      // the whole tournament to the final

    // Layout stress: every box a knockout match can show is filled at once.
    EveryMatchToPenalties,  // every bracket and finals match drawn after extra time, decided on penalties
};
void prepare(Kind kind);
} // namespace SampleData
