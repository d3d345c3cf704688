#pragma once
// Writing data files so that no crash leaves a half-written file or, for files that
// belong together (the six bracket files), files from two different saves: every file
// is first written to a temporary file beside it and synced; a list of the pending
// renames is committed; then the temporaries replace the files one after the other.
// A run killed in between is completed at the next start.

#include "DataFolder.h"

#include <QList>

namespace FileSet {

struct Content {
    QString fileName;
    QStringList lines;
};

// Writes all the files as one save. On failure no file has changed, except when a
// rename failed half-way: the rest of that save then completes at the next start.
SaveOutcome write(const QList<Content> &files);

// At the start of a run, with the folder locked: completes a save that a killed run
// left half-renamed and removes temporary files left by an interrupted save.
void tidyUp();

// Name of the list of pending renames, inside the data folder.
QString pendingListName();

} // namespace FileSet
