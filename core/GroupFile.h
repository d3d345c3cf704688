#pragma once
// torveloA.txt .. torveloH.txt: twelve score lines ("*" for empty), then first and second.

#include <QString>

class GroupSheet;

namespace GroupFile {

constexpr int kLineCount = 14;

QString fileName(char group);  // "torveloA.txt"

// Replays the stored cells through the sheet's edits, one line at a time, after
// resetting it. A missing file or missing lines read as empty cells.
void LoadGroupFile(GroupSheet &sheet);
bool SaveGroupFile(const GroupSheet &sheet);

} // namespace GroupFile
