#pragma once
// For the screen tests: the bundled font, and finding the screens that are open.

#include "Fonts.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

inline QWidget *openScreen(const QString &objectName)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == objectName && w->isVisible())
            return w;
    }
    return nullptr;
}

inline int visibleScreens()
{
    int n = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        n += w->isVisible() && !w->inherits("QMenu") ? 1 : 0;
    return n;
}

template <typename T = QWidget>
T *child(QWidget *screen, const QString &name)
{
    T *w = screen ? screen->findChild<T *>(name) : nullptr;
    if (!w)
        qWarning("no control named %s", qPrintable(name));
    return w;
}

// Lets closed screens be destroyed and pending events run.
inline void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Closes every screen and lets deferred deletions run.
inline void closeAllScreens()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible())
            w->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
