#include "DataFolder.h"

#include "Notifier.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

constexpr const char *kCodePage = "windows-1252";

QString &overridePath()
{
    static QString folder;
    return folder;
}

QString standardPath()
{
    // Fixed application name so the folder does not depend on how the program was started.
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return base + QStringLiteral("/torvelo");
}

// The reason a save failed, in the user's language; the system's own words follow.
QString reasonOf(const QSaveFile &file)
{
    QString reason;
    switch (file.error()) {
    case QFileDevice::ResourceError:
        reason = QStringLiteral("no hay espacio suficiente en el disco");
        break;
    case QFileDevice::PermissionsError:
        reason = QStringLiteral("no hay permiso para escribir en la carpeta");
        break;
    case QFileDevice::OpenError:
        reason = QStringLiteral("no se pudo abrir el archivo para escribir");
        break;
    case QFileDevice::RenameError:
        reason = QStringLiteral("no se pudo reemplazar el archivo anterior");
        break;
    default:
        reason = QStringLiteral("no se pudo escribir el archivo completo");
        break;
    }
    return QStringLiteral("%1 (%2)").arg(reason, file.errorString());
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

QStringList readLines(const QString &fileName, int maxLines)
{
    QStringList lines;
    QFile file(filePath(fileName));
    if (maxLines <= 0 || !file.open(QIODevice::ReadOnly))
        return lines;
    const QByteArray content = file.readAll();
    qsizetype start = 0;
    while (start < content.size() && lines.size() < maxLines) {
        qsizetype end = content.indexOf('\n', start);
        const bool terminated = end >= 0;
        if (!terminated)
            end = content.size();
        qsizetype stop = end;
        if (terminated && stop > start && content[stop - 1] == '\r')
            --stop;
        lines.append(decode(content.mid(start, stop - start)));
        start = end + 1;
    }
    return lines;
}

bool writeLines(const QString &fileName, const QStringList &lines)
{
    const QString target = filePath(fileName);
    QString reason;
    if (!QDir().mkpath(path())) {
        reason = QStringLiteral("no se pudo crear la carpeta %1").arg(QDir::toNativeSeparators(path()));
    } else {
        QByteArray bytes;
        for (QString line : lines) {
            // A line break pasted into a box must not split its line: the layout is fixed.
            line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
            bytes += encode(line);
            bytes += "\r\n";
        }
        QSaveFile file(target);
        // QSaveFile::commit() does not notice a failed flush (a full disk, a size
        // limit), so flush first: an uncommitted save leaves the old file untouched.
        if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() &&
            file.commit())
            return true;
        reason = reasonOf(file);
        file.cancelWriting();
    }
    Notifier::current().saveFailed(QDir::toNativeSeparators(target), reason);
    return false;
}

} // namespace DataFolder
