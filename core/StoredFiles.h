#pragma once
// The data files one screen reads as it opens and writes as it closes, kept together
// as one set: a group file alone, the six bracket files, the finals file.
//
// A file that exists but cannot be read is never written over unseen: the user is told
// once as the screen opens, and the closing first keeps the set's old files aside,
// under names that say so, before it writes the new ones.

#include "DataFolder.h"

#include <QList>

class StoredFiles {
public:
    StoredFiles() = default;
    explicit StoredFiles(QStringList fileNames) : m_names(std::move(fileNames)) {}

    const QStringList &fileNames() const { return m_names; }

    // The lines of each file, up to its count; a missing or unreadable file gives none.
    QList<QStringList> load(const QList<int> &lineCounts);
    // Writes every file as one save (see FileSet).
    SaveOutcome save(const QList<QStringList> &contents);

    // True while the files found unreadable at loading still wait to be kept aside.
    bool keepsAside() const { return !m_asideSuffix.isEmpty(); }
    // Where the file `i` is kept aside: its name with this suffix.
    QString asideName(int i) const { return m_names.value(i) + m_asideSuffix; }

private:
    SaveOutcome moveAside();

    QStringList m_names;
    QList<bool> m_unreadable;
    QList<bool> m_kept;
    QString m_asideSuffix;
};
