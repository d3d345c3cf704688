#include "Program.h"

#include "DataFolder.h"
#include "FileSet.h"
#include "FolderLock.h"
#include "MainMenu.h"
#include "Navigation.h"
#include "Splash.h"

#include "Notifier.h"

#include <QCoreApplication>
#include <QDir>

namespace Program {

bool claimDataFolder(FolderLock &lock)
{
    if (DataFolder::path().isEmpty()) {
        Notifier::current().showMessage(Messages::noHomeFolder(), QString());
        return false;
    }
    QString reason;
    switch (lock.take(&reason)) {
    case FolderLock::Taken:
        FileSet::tidyUp();
        return true;
    case FolderLock::HeldByAnother:
        Notifier::current().showMessage(Messages::alreadyRunning(), QString());
        return false;
    case FolderLock::Unusable:
        break;
    }
    Notifier::current().showMessage(Messages::folderUnusable(QDir::toNativeSeparators(DataFolder::path()), reason),
                                    QString());
    return false;
}

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
