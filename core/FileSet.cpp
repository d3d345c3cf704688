#include "FileSet.h"

#include "FileErrors.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray native(const QString &fileName) { return QFile::encodeName(DataFolder::filePath(fileName)); }

SaveOutcome failure(const QString &fileName, const QString &reason)
{
    return {false, QDir::toNativeSeparators(DataFolder::filePath(fileName)), reason};
}

// Makes renames and removals in the folder survive a power cut too.
void syncFolder()
{
    const int fd = ::open(QFile::encodeName(DataFolder::path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Writes `bytes` to a new temporary file beside `fileName`; returns its name, or the
// error number.
int writeTemporary(const QString &fileName, const QByteArray &bytes, QString *tempName)
{
    if (const int error = FileErrors::injected(fileName, FileErrors::Step::Write))
        return error;
    QByteArray pattern = native(fileName) + ".XXXXXX";
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0)
        return errno;
    // mkostemp leaves the file readable by its owner only; data files are ordinary files.
    ::fchmod(fd, 0644);
    *tempName = QFile::decodeName(pattern).section(QLatin1Char('/'), -1);
    qsizetype done = 0;
    int error = 0;
    while (done < bytes.size() && !error) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno != EINTR)
            error = errno;
        else if (n > 0)
            done += n;
    }
    if (!error && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && !error)
        error = errno;
    if (error)
        ::unlink(pattern.constData());
    return error;
}

int renameInto(const QString &tempName, const QString &fileName)
{
    if (const int error = FileErrors::injected(fileName, FileErrors::Step::Rename))
        return error;
    return ::rename(native(tempName).constData(), native(fileName).constData()) == 0 ? 0 : errno;
}

void completePendingRenames()
{
    const DataFolder::ReadResult list = DataFolder::read(FileSet::pendingListName(), 64);
    if (list.status == DataFolder::ReadResult::Missing)
        return;
    for (const QString &line : list.lines) {
        const QString temp = line.section(QLatin1Char('\t'), 0, 0);
        const QString target = line.section(QLatin1Char('\t'), 1, 1);
        if (!temp.isEmpty() && !target.isEmpty() && QFileInfo::exists(DataFolder::filePath(temp)))
            ::rename(native(temp).constData(), native(target).constData());
    }
    syncFolder();
    ::unlink(native(FileSet::pendingListName()).constData());
    syncFolder();
}

void removeTemporaries(const QStringList &temps)
{
    for (const QString &t : temps)
        ::unlink(native(t).constData());
}

} // namespace

namespace FileSet {

QString pendingListName() { return QStringLiteral("torvelo.guardando"); }

SaveOutcome write(const QList<Content> &files)
{
    if (files.isEmpty())
        return {};
    const QString folder = DataFolder::path();
    if (folder.isEmpty())
        return failure(files.first().fileName, FileErrors::reason(ENOENT));
    if (!QDir().mkpath(folder)) {
        const int error = ::mkdir(QFile::encodeName(folder).constData(), 0755) == 0 ? 0 : errno;
        return failure(files.first().fileName, FileErrors::reason(error == EEXIST ? ENOTDIR : error));
    }
    completePendingRenames();

    QStringList temps;
    for (const Content &file : files) {
        // A folder in the file's place would refuse the rename only after others were done.
        struct stat info {};
        if (::lstat(native(file.fileName).constData(), &info) == 0 && S_ISDIR(info.st_mode)) {
            removeTemporaries(temps);
            return failure(file.fileName, FileErrors::notRegularFile());
        }
        QString temp;
        if (const int error = writeTemporary(file.fileName, DataFolder::fileBytes(file.lines), &temp)) {
            removeTemporaries(temps);
            return failure(file.fileName, FileErrors::reason(error));
        }
        temps << temp;
    }

    if (files.size() > 1) {
        // The commit point: once the list is in place, the save is completed even if
        // this run dies before the last rename.
        QByteArray list;
        for (int i = 0; i < files.size(); ++i)
            list += DataFolder::encode(temps[i] + QLatin1Char('\t') + files[i].fileName) + "\r\n";
        QString listTemp;
        int error = writeTemporary(pendingListName(), list, &listTemp);
        if (!error && ::rename(native(listTemp).constData(), native(pendingListName()).constData()) != 0) {
            error = errno;
            ::unlink(native(listTemp).constData());
        }
        if (error) {
            removeTemporaries(temps);
            return failure(files.first().fileName, FileErrors::reason(error));
        }
        syncFolder();
    }

    for (int i = 0; i < files.size(); ++i) {
        if (const int error = renameInto(temps[i], files[i].fileName)) {
            if (files.size() == 1)
                removeTemporaries(temps);
            return failure(files[i].fileName, FileErrors::reason(error));
        }
    }
    syncFolder();
    if (files.size() > 1) {
        ::unlink(native(pendingListName()).constData());
        syncFolder();
    }
    return {};
}

void tidyUp()
{
    if (DataFolder::path().isEmpty())
        return;
    completePendingRenames();
    // The names mkostemp and QSaveFile give their temporaries: the file's name and six
    // letters or digits.
    static const QRegularExpression temporary(QStringLiteral("^torvelo[^/]*\\.(txt|guardando)\\.[A-Za-z0-9]{6}$"));
    const QDir dir(DataFolder::path());
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (temporary.match(name).hasMatch())
            ::unlink(native(name).constData());
    }
    syncFolder();
}

} // namespace FileSet
