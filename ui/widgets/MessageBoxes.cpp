#include "MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

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

void MessageBoxNotifier::filesUnreadable(const QString &text)
{
    show(QMessageBox::Warning, MessageBoxes::programName(), text);
}

SaveChoice MessageBoxNotifier::askAfterFailedSave(const QString &fileName, const QString &reason)
{
    QMessageBox box(QMessageBox::Warning, MessageBoxes::programName(), Messages::saveFailed(fileName, reason),
                    QMessageBox::NoButton, topWindow());
    QPushButton *retry = box.addButton(Messages::retry(), QMessageBox::AcceptRole);
    QPushButton *close = box.addButton(Messages::closeWithoutSaving(), QMessageBox::DestructiveRole);
    box.setDefaultButton(retry);
    box.exec();
    if (box.clickedButton() == retry)
        return SaveChoice::Retry;
    if (box.clickedButton() == close)
        return SaveChoice::CloseWithoutSaving;
    return SaveChoice::KeepOpen;  // the box was dismissed: the screen stays as it is
}
