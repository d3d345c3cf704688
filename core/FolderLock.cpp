#include "FolderLock.h"

#include "DataFolder.h"
#include "FileErrors.h"

#include <QDir>

#include <cerrno>

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
    const QLockFile::LockError error = m_lock->error();
    m_lock.reset();
    if (error == QLockFile::LockFailedError)
        return HeldByAnother;
    if (reason)
        *reason = FileErrors::reason(error == QLockFile::PermissionError ? EACCES : EIO);
    return Unusable;
}
