#include "DataFolder.h"

#include "FileErrors.h"
#include "FileSet.h"
#include "Notifier.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char *kCodePage = "windows-1252";

QString &overridePath()
{
    static QString folder;
    return folder;
}

// Not QStandardPaths: with HOME unset it falls back to "/", and the program would
// write its files into the root folder.
QString standardPath()
{
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    if (QDir::isAbsolutePath(xdg))
        return QDir::cleanPath(xdg) + QStringLiteral("/torvelo");
    const QString home = QDir::cleanPath(qEnvironmentVariable("HOME"));
    if (!QDir::isAbsolutePath(home) || home == QLatin1String("/"))
        return QString();
    return home + QStringLiteral("/.local/share/torvelo");
}

DataFolder::ReadResult unreadable(const QString &reason)
{
    DataFolder::ReadResult r;
    r.status = DataFolder::ReadResult::Unreadable;
    r.reason = reason;
    return r;
}

QStringList splitLines(const QByteArray &content, int maxLines)
{
    QStringList lines;
    qsizetype start = 0;
    while (start < content.size() && lines.size() < maxLines) {
        qsizetype end = content.indexOf('\n', start);
        const bool terminated = end >= 0;
        if (!terminated)
            end = content.size();
        qsizetype stop = end;
        if (terminated && stop > start && content[stop - 1] == '\r')
            --stop;
        lines.append(DataFolder::decode(content.mid(start, stop - start)));
        start = end + 1;
    }
    return lines;
}

} // namespace

namespace DataFolder {

QString path() { return overridePath().isEmpty() ? standardPath() : overridePath(); }

void setPath(const QString &folder) { overridePath() = folder; }

QString filePath(const QString &fileName) { return path() + QLatin1Char('/') + fileName; }

QByteArray encode(const QString &text)
{
    QStringEncoder whole(kCodePage, QStringConverter::Flag::Stateless);
    QByteArray bytes = whole.encode(text);
    if (!whole.hasError())
        return bytes;
    // Some character has no place in the code page: go one code point at a time.
    bytes.clear();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype len = (text[i].isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        QStringEncoder one(kCodePage, QStringConverter::Flag::Stateless);
        const QByteArray piece = one.encode(QStringView(text).mid(i, len));
        bytes += one.hasError() ? QByteArray("?") : piece;
        i += len - 1;
    }
    return bytes;
}

QString decode(const QByteArray &bytes)
{
    // Opening a code page converter costs more than decoding a whole file with it; a
    // stateless one carries nothing from one line to the next and serves them all.
    static QStringDecoder decoder(kCodePage, QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

QByteArray fileBytes(const QStringList &lines)
{
    QByteArray bytes;
    for (QString line : lines) {
        // A line break pasted into a box must not split its line: the layout is fixed.
        line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        bytes += encode(line);
        bytes += "\r\n";
    }
    return bytes;
}

ReadResult read(const QString &fileName, int maxLines)
{
    if (path().isEmpty())
        return unreadable(FileErrors::reason(ENOENT));
    if (const int error = FileErrors::injected(fileName, FileErrors::Step::Read))
        return unreadable(FileErrors::reason(error));
    const QByteArray name = QFile::encodeName(filePath(fileName));

    // Look before opening: opening a pipe or a device could wait forever, and reading
    // an endless one would never end.
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        return errno == ENOENT ? ReadResult{} : unreadable(FileErrors::reason(errno));
    if (!S_ISREG(info.st_mode))
        return unreadable(FileErrors::notRegularFile());
    if (info.st_size > kMaxFileBytes)
        return unreadable(FileErrors::tooLarge());

    // O_NONBLOCK: should the file be swapped for a pipe after the look, the open still returns.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return errno == ENOENT ? ReadResult{} : unreadable(FileErrors::reason(errno));
    ReadResult result;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        result = unreadable(FileErrors::notRegularFile());
    } else {
        QByteArray content;
        char buffer[65536];
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                result = unreadable(FileErrors::reason(errno));
                break;
            }
            if (n == 0) {
                result.status = ReadResult::Read;
                result.lines = maxLines > 0 ? splitLines(content, maxLines) : QStringList();
                break;
            }
            content.append(buffer, n);
            if (content.size() > kMaxFileBytes) {
                result = unreadable(FileErrors::tooLarge());
                break;
            }
        }
    }
    ::close(fd);
    return result;
}

QStringList readLines(const QString &fileName, int maxLines)
{
    const ReadResult r = read(fileName, maxLines);
    return r.status == ReadResult::Read ? r.lines : QStringList();
}

bool writeLines(const QString &fileName, const QStringList &lines)
{
    const SaveOutcome outcome = FileSet::write({{fileName, lines}});
    if (!outcome)
        Notifier::current().saveFailed(outcome.fileName, outcome.reason);
    return outcome.ok;
}

} // namespace DataFolder
