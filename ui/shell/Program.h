#pragma once
// How the program starts and ends: the splash, then the main menu, whose closing
// ends the program.

class MainMenu;
class Splash;

namespace Program {
// Shows the splash and starts its clock; the main menu follows on its own.
Splash *start();
// Opens the main menu as the main window; closing it quits the application.
MainMenu *openMainMenu();
} // namespace Program
