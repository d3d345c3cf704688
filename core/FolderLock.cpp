#include "FolderLock.h"

#include "DataFolder.h"
#include "FileErrors.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <cerrno>

namespace {
// Far longer than writing a few bytes takes, even on a loaded machine.
constexpr qint64 kHalfWrittenLockSeconds = 10;
} // namespace

FolderLock::Result FolderLock::take(QString *reason)
{
    const QString folder = DataFolder::path();
    if (folder.isEmpty()) {
        if (reason)
            *reason = FileErrors::reason(ENOENT);
        return Unusable;
    }
    if (!QDir().mkpath(folder)) {
        if (reason)
            *reason = FileErrors::reason(QFileInfo(folder).exists() ? ENOTDIR : EACCES);
        return Unusable;
    }
    m_lock = std::make_unique<QLockFile>(DataFolder::filePath(lockFileName()));
    // No age makes a lock stale: a run may last for weeks. A lock whose process is gone
    // is recognised as stale by QLockFile itself and taken over.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return Taken;
    // A run killed between creating the lock file and writing its process id leaves an
    // empty file that QLockFile never calls stale. Once it is clearly not a start in
    // progress, it is a leftover and goes.
    qint64 pid = 0;
    QString host, app;
    const QFileInfo lockFile(DataFolder::filePath(lockFileName()));
    if (m_lock->error() == QLockFile::LockFailedError && !m_lock->getLockInfo(&pid, &host, &app) &&
        lockFile.lastModified().secsTo(QDateTime::currentDateTime()) > kHalfWrittenLockSeconds &&
        m_lock->removeStaleLockFile() && m_lock->tryLock(0))
        return Taken;
    const QLockFile::LockError error = m_lock->error();
    m_lock.reset();
    if (error == QLockFile::LockFailedError)
        return HeldByAnother;
    if (reason)
        *reason = FileErrors::reason(error == QLockFile::PermissionError ? EACCES : EIO);
    return Unusable;
}
