#include "MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

namespace MessageBoxes {
QString programName() { return QStringLiteral("Torvelo Alemania 2006"); }
} // namespace MessageBoxes

namespace {

QWidget *topWindow()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

void show(QMessageBox::Icon icon, const QString &title, const QString &text)
{
    QMessageBox box(icon, title.isEmpty() ? MessageBoxes::programName() : title, text, QMessageBox::Ok,
                    topWindow());
    box.exec();
}

} // namespace

void MessageBoxNotifier::showMessage(const QString &text, const QString &title)
{
    show(QMessageBox::NoIcon, title, text);
}

void MessageBoxNotifier::showInformation(const QString &text, const QString &title)
{
    show(QMessageBox::Information, title, text);
}

void MessageBoxNotifier::saveFailed(const QString &fileName, const QString &reason)
{
    show(QMessageBox::Warning, MessageBoxes::programName(),
         QStringLiteral("No se pudieron guardar los datos en el archivo\n%1\n\nMotivo: %2\n\n"
                        "El archivo anterior quedó intacto.")
             .arg(fileName, reason));
}
