#pragma once
// Where the tournament's files live and how their lines are read and written:
// Windows-1252 text, every line ended by CR LF.

#include <QString>
#include <QStringList>

namespace DataFolder {

// ~/.local/share/torvelo on Linux, unless a folder was set (tests, screenshots).
QString path();
void setPath(const QString &folder);  // empty restores the standard place
QString filePath(const QString &fileName);

// Up to maxLines lines of the file; fewer when the file is short, none when it is
// missing or unreadable. Lines may end with CR LF or with LF alone.
QStringList readLines(const QString &fileName, int maxLines);

// Replaces the file atomically, creating the folder if needed; a line break inside a
// line is written as a blank. On failure the old
// file stays as it was, the notifier is told, and false is returned.
bool writeLines(const QString &fileName, const QStringList &lines);

// Windows-1252 bytes of the text; a character the code page cannot hold becomes '?'.
QByteArray encode(const QString &text);
QString decode(const QByteArray &bytes);

} // namespace DataFolder
