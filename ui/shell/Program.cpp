#include "Program.h"

#include "MainMenu.h"
#include "Navigation.h"
#include "Splash.h"

#include <QCoreApplication>

namespace Program {

Splash *start()
{
    auto *splash = new Splash([] { openMainMenu(); });
    Navigation::centre(splash);
    splash->show();
    splash->start();
    return splash;
}

MainMenu *openMainMenu()
{
    auto *menu = new MainMenu;
    QObject::connect(menu, &Screen::closing, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    Navigation::openMain(menu);
    return menu;
}

} // namespace Program
