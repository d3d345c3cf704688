#pragma once
// Where the tournament's files live and how their lines are read and written:
// Windows-1252 text, every line ended by CR LF.

#include <QString>
#include <QStringList>

// How a save ended: on failure, the file that failed and why, in Spanish.
struct SaveOutcome {
    bool ok = true;
    QString fileName;  // full path, native separators
    QString reason;
    explicit operator bool() const { return ok; }
};

namespace DataFolder {

// $XDG_DATA_HOME/torvelo, or ~/.local/share/torvelo, unless a folder was set (tests,
// screenshots). A relative XDG_DATA_HOME is ignored; with no usable home folder
// (HOME unset, relative or "/") there is no standard place and the result is empty.
QString path();
void setPath(const QString &folder);  // empty restores the standard place
QString filePath(const QString &fileName);

// Files larger than this are no file of the program's.
constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

struct ReadResult {
    enum Status { Missing, Read, Unreadable } status = Missing;
    QStringList lines;
    QString reason;  // why an unreadable file could not be read, in Spanish
};

// Up to maxLines lines of the file. Only a regular file (a symbolic link is followed
// to one) within the size bound is ever opened, and never for a read that could block.
// Lines may end with CR LF or with LF alone.
ReadResult read(const QString &fileName, int maxLines);

// The lines of read(): none when the file is missing or unreadable.
QStringList readLines(const QString &fileName, int maxLines);

// Replaces the file atomically, creating the folder if needed; a line break inside a
// line is written as a blank. On failure the old file stays as it was, the notifier
// is told, and false is returned.
bool writeLines(const QString &fileName, const QStringList &lines);

// Windows-1252 bytes of the text; a character the code page cannot hold becomes '?'.
QByteArray encode(const QString &text);
QString decode(const QByteArray &bytes);
// The bytes written for these lines.
QByteArray fileBytes(const QStringList &lines);

} // namespace DataFolder
