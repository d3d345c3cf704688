#include "StoredFiles.h"

#include "FileErrors.h"
#include "FileSet.h"
#include "Notifier.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <algorithm>

#include <cerrno>
#include <sys/stat.h>

namespace {

QByteArray native(const QString &fileName) { return QFile::encodeName(DataFolder::filePath(fileName)); }

bool exists(const QString &fileName)
{
    struct stat info {};
    return ::lstat(native(fileName).constData(), &info) == 0;
}

} // namespace

QList<QStringList> StoredFiles::load(const QList<int> &lineCounts)
{
    QList<QStringList> contents;
    QStringList files, reasons, keptAs;
    m_unreadable.clear();
    m_kept = QList<bool>(m_names.size(), false);
    const QString stamp = QStringLiteral(".ilegible-") +
                          QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    // A name already in use would be replaced by the move: count on until none is.
    m_asideSuffix = stamp;
    for (int n = 2; std::any_of(m_names.cbegin(), m_names.cend(),
                                [this](const QString &name) { return exists(name + m_asideSuffix); });
         ++n)
        m_asideSuffix = stamp + QLatin1Char('-') + QString::number(n);
    for (int i = 0; i < m_names.size(); ++i) {
        const DataFolder::ReadResult r = DataFolder::read(m_names[i], lineCounts.value(i));
        contents << r.lines;
        m_unreadable << (r.status == DataFolder::ReadResult::Unreadable);
        if (m_unreadable.last()) {
            files << QDir::toNativeSeparators(DataFolder::filePath(m_names[i]));
            reasons << r.reason;
        }
    }
    if (files.isEmpty()) {
        m_asideSuffix.clear();
        return contents;
    }
    for (int i = 0; i < m_names.size(); ++i) {
        if (m_unreadable[i] || exists(m_names[i]))
            keptAs << QDir::toNativeSeparators(DataFolder::filePath(asideName(i)));
    }
    Notifier::current().filesUnreadable(Messages::filesUnreadable(files, reasons, keptAs));
    return contents;
}

SaveOutcome StoredFiles::moveAside()
{
    // The whole set goes aside, so that the old files can be put back together: the
    // unreadable ones are moved (they cannot be copied), the others copied.
    for (int i = 0; i < m_names.size(); ++i) {
        if (m_kept.value(i) || !exists(m_names[i]))
            continue;
        const QByteArray from = native(m_names[i]);
        const QByteArray to = native(asideName(i));
        bool ok;
        int error = 0;
        if (m_unreadable.value(i)) {
            ok = ::rename(from.constData(), to.constData()) == 0;
            error = errno;
        } else {
            ok = QFile::copy(DataFolder::filePath(m_names[i]), DataFolder::filePath(asideName(i)));
            error = EIO;
        }
        if (!ok) {
            return {false, QDir::toNativeSeparators(DataFolder::filePath(m_names[i])),
                    QStringLiteral("no se pudo conservar aparte el archivo ilegible (%1)")
                        .arg(FileErrors::reason(error))};
        }
        m_kept[i] = true;  // a retry does not keep it twice
    }
    m_asideSuffix.clear();
    return {};
}

SaveOutcome StoredFiles::save(const QList<QStringList> &contents)
{
    if (keepsAside()) {
        if (SaveOutcome kept = moveAside(); !kept)
            return kept;
    }
    QList<FileSet::Content> files;
    for (int i = 0; i < m_names.size(); ++i)
        files.append({m_names[i], contents.value(i)});
    return FileSet::write(files);
}
