// Torvelo Alemania 2006: the splash, then the main menu as the main window.

#include "Fonts.h"
#include "MessageBoxes.h"
#include "Program.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("torvelo"));
    QApplication::setApplicationVersion(QStringLiteral(TORVELO_VERSION));
    QApplication::setApplicationDisplayName(MessageBoxes::programName());
    QApplication::setDesktopFileName(QStringLiteral("ar.example.quelmar.Torvelo"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/art/app-icon.svg")));
    // The program ends with the main menu, not when the splash closes just before it opens.
    QApplication::setQuitOnLastWindowClosed(false);
    Fonts::install();
    MessageBoxNotifier notifier;
    Notifier::install(&notifier);
    Program::start();
    return app.exec();
}
