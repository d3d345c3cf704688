#include "Notifier.h"

#include <QDebug>

namespace Messages {
QString notAWholeNumber() { return QStringLiteral("Ingrese solo números enteros"); }
QString penaltiesDrawn() { return QStringLiteral("No puede colocar empate en los penales"); }
QString penaltiesDrawnTitle() { return QStringLiteral("Debe haber un Ganador"); }

QString filesUnreadable(const QStringList &files, const QStringList &reasons, const QStringList &keptAs)
{
    QString text = files.size() == 1 ? QStringLiteral("No se pudo leer el archivo\n")
                                     : QStringLiteral("No se pudieron leer los archivos\n");
    for (int i = 0; i < files.size(); ++i)
        text += QStringLiteral("%1\nMotivo: %2\n").arg(files[i], reasons.value(i));
    text += QStringLiteral("\nLa pantalla se abre sin esos datos. Al cerrarla, lo que contienen "
                           "se conserva aparte, en\n");
    text += keptAs.join(QLatin1Char('\n'));
    text += QStringLiteral("\ny se guardan archivos nuevos con lo que se vea en pantalla.");
    return text;
}

QString saveFailed(const QString &fileName, const QString &reason)
{
    return QStringLiteral("No se pudieron guardar los datos en el archivo\n%1\n\nMotivo: %2\n\n"
                          "Lo ingresado sigue en pantalla y el archivo anterior quedó intacto.")
        .arg(fileName, reason);
}

QString retry() { return QStringLiteral("Reintentar"); }
QString closeWithoutSaving() { return QStringLiteral("Cerrar sin guardar"); }

QString alreadyRunning()
{
    return QStringLiteral("Torvelo Alemania 2006 ya está abierto.\n\n"
                          "Use la ventana que ya está abierta: dos copias a la vez podrían borrar "
                          "los resultados que guarda la otra.");
}

QString folderUnusable(const QString &folder, const QString &reason)
{
    return QStringLiteral("No se puede usar la carpeta de datos\n%1\n\nMotivo: %2\n\nEl programa se cerrará.")
        .arg(folder, reason);
}

QString noHomeFolder()
{
    return QStringLiteral("No se encontró la carpeta personal del usuario (la variable HOME no indica "
                          "ninguna), así que no hay dónde guardar los resultados.\n\nEl programa se cerrará.");
}
} // namespace Messages

void Notifier::filesUnreadable(const QString &text) { qWarning().noquote() << "torvelo:" << text; }

SaveChoice Notifier::askAfterFailedSave(const QString &fileName, const QString &reason)
{
    noteFailedSave(fileName, reason);
    return SaveChoice::CloseWithoutSaving;
}

void Notifier::noteFailedSave(const QString &fileName, const QString &reason)
{
    qWarning().noquote() << "torvelo:" << Messages::saveFailed(fileName, reason);
}

namespace {

class LogNotifier final : public Notifier {
public:
    void showMessage(const QString &text, const QString &title) override
    {
        qWarning().noquote() << "torvelo:" << title << text;
    }
    void saveFailed(const QString &fileName, const QString &reason) override
    {
        qWarning().noquote() << "torvelo: could not save" << fileName << ":" << reason;
    }
};

LogNotifier logNotifier;
Notifier *installed = nullptr;

} // namespace

Notifier &Notifier::current() { return installed ? *installed : logNotifier; }

Notifier *Notifier::install(Notifier *notifier)
{
    Notifier *previous = installed;
    installed = notifier;
    return previous;
}
