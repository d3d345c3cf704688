// Torvelo Alemania 2006: the splash, then the main menu as the main window.

#include "Fonts.h"
#include "FolderLock.h"
#include "MessageBoxes.h"
#include "Program.h"
#include "SessionEnd.h"

#include <QApplication>
#include <QIcon>
#include <csignal>

int main(int argc, char **argv)
{
    // A write past the file-size limit then fails like a full disk, and is reported,
    // instead of killing the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("torvelo"));
    QApplication::setApplicationVersion(QStringLiteral(TORVELO_VERSION));
    // No display name: Qt would append it to every window title, and each screen's
    // caption is already complete as it stands.
    QApplication::setDesktopFileName(QStringLiteral("ar.example.quelmar.Torvelo"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/art/app-icon.svg")));
    // The program ends with the main menu, not when the splash closes just before it opens.
    QApplication::setQuitOnLastWindowClosed(false);
    Fonts::install();
    MessageBoxNotifier notifier;
    Notifier::install(&notifier);
    // Before the lock is visible: a SIGTERM sent as soon as the program holds its folder
    // must end it through its own closing, never by the default kill.
    SessionEnd::install();
    FolderLock lock;
    if (!Program::claimDataFolder(lock))
        return 1;
    Program::start();
    return app.exec();
}
