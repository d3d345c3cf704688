#pragma once
// How the program starts and ends: the splash, then the main menu, whose closing
// ends the program.

class FolderLock;
class MainMenu;
class Splash;

namespace Program {
// Before any screen: the data folder must be usable and locked by this copy alone;
// leftovers of a save a killed run interrupted are then completed or removed. On
// false the user has been told why, and the program must end without going on.
bool claimDataFolder(FolderLock &lock);
// Shows the splash and starts its clock; the main menu follows on its own.
Splash *start();
// Opens the main menu as the main window; closing it quits the application.
MainMenu *openMainMenu();
} // namespace Program
