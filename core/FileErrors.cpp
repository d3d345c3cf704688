#include "FileErrors.h"

#include <QHash>
#include <cerrno>

namespace {

QHash<QString, int> &faults()
{
    static QHash<QString, int> table;
    return table;
}

QString key(const QString &fileName, FileErrors::Step step)
{
    return fileName + QLatin1Char('\n') + QString::number(int(step));
}

} // namespace

namespace FileErrors {

QString notRegularFile() { return QStringLiteral("no es un archivo común"); }
QString tooLarge() { return QStringLiteral("es demasiado grande para ser un archivo del programa"); }

QString reason(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("disco lleno");
    case EFBIG:
        return QStringLiteral("se superó el tamaño máximo de archivo permitido");
    case EACCES:
    case EPERM:
        return QStringLiteral("permiso denegado");
    case EROFS:
        return QStringLiteral("la carpeta es de solo lectura");
    case ENOENT:
    case ENOTDIR:
    case ENODEV:
    case ENXIO:
    case ESTALE:
    case ENOTCONN:
    case ENOMEDIUM:
        return QStringLiteral("carpeta no disponible");
    case EISDIR:
        return notRegularFile();
    case EIO:
        return QStringLiteral("error de lectura o escritura del disco");
    case ELOOP:
        return QStringLiteral("demasiados enlaces simbólicos encadenados");
    case ENAMETOOLONG:
        return QStringLiteral("el nombre de la carpeta es demasiado largo");
    case EMFILE:
    case ENFILE:
    case ENOMEM:
        return QStringLiteral("el sistema no tiene recursos libres");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("el archivo está en uso");
    default:
        return QStringLiteral("error del sistema número %1").arg(error);
    }
}

void inject(const QString &fileName, Step step, int error) { faults().insert(key(fileName, step), error); }

void lift() { faults().clear(); }

int injected(const QString &fileName, Step step) { return faults().value(key(fileName, step), 0); }

} // namespace FileErrors
