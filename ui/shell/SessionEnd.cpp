#include "SessionEnd.h"

#include "Screen.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QWidget>

#ifndef QT_NO_SESSIONMANAGER
#include <QSessionManager>
#endif

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

// Only a write is safe inside a signal handler: the work is done by the event loop.
void onSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}

} // namespace

namespace SessionEnd {

void closeAll()
{
    Screen::setUnattended(true);
    // The top of the modal stack first, so that each screen closes before the one beneath.
    for (int guard = 0; guard < 64; ++guard) {
        QWidget *top = QApplication::activeModalWidget();
        if (!top)
            break;
        top->close();
        if (top == QApplication::activeModalWidget())
            top->hide();  // a window that refuses to close must not stop the others
    }
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && !w->close())
            w->hide();  // the splash cannot be skipped by the user, but the session ends
    }
    QCoreApplication::exit(0);
}

void install()
{
    if (signalPipe[0] < 0) {
        if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
            return;
        auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, qApp);
        QObject::connect(notifier, &QSocketNotifier::activated, qApp, [] {
            char buffer[16];
            while (::read(signalPipe[0], buffer, sizeof buffer) > 0) {
            }
            closeAll();
        });
        struct sigaction action {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        ::sigaction(SIGTERM, &action, nullptr);
        ::sigaction(SIGHUP, &action, nullptr);
    }
#ifndef QT_NO_SESSIONMANAGER
    // The desktop is logging out: save as the screens close, with nobody to ask.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, qApp, [](QSessionManager &) { closeAll(); },
                     Qt::DirectConnection);
#endif
}

} // namespace SessionEnd
