#pragma once
// torveloA.txt .. torveloH.txt: twelve score lines ("*" for empty), then first and second.

#include "StoredFiles.h"

#include <QString>

class GroupSheet;

namespace GroupFile {

constexpr int kLineCount = 14;

QString fileName(char group);  // "torveloA.txt"
StoredFiles files(char group);  // the group's file as a set of one

// Replays the stored cells through the sheet's edits, one line at a time, after
// resetting it. A missing file or missing lines read as empty cells; an unreadable
// file too, and the user is told (see StoredFiles).
void LoadGroupFile(GroupSheet &sheet, StoredFiles &files);
void LoadGroupFile(GroupSheet &sheet);
// Writes the sheet; failures are returned to the caller.
SaveOutcome SaveGroupFile(const GroupSheet &sheet, StoredFiles &files);
// The same, with a failure reported through the notifier.
bool SaveGroupFile(const GroupSheet &sheet);

} // namespace GroupFile
