#include "Notifier.h"

#include <QDebug>

namespace Messages {
QString notAWholeNumber() { return QStringLiteral("Ingrese solo números enteros"); }
QString penaltiesDrawn() { return QStringLiteral("No puede colocar empate en los penales"); }
QString penaltiesDrawnTitle() { return QStringLiteral("Debe haber un Ganador"); }
} // namespace Messages

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
