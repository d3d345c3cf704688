#pragma once
// How screens open over one another: each new screen is modal over all beneath it,
// shown without a nested event loop, and destroyed when it closes.

#include <utility>

class QWidget;

namespace Navigation {

// Fixes the window to its contents' size, centres it and shows it modally over the
// screen now on top (or over `beneath`, when given).
void openModal(QWidget *screen, QWidget *beneath = nullptr);
// Builds a screen and opens it modally; returns it.
template <typename Screen, typename... Args>
Screen *openNew(Args &&...args)
{
    auto *screen = new Screen(std::forward<Args>(args)...);
    openModal(screen);
    return screen;
}

// The screen a modal screen was opened over.
QWidget *beneathOf(QWidget *screen);
// The control of the screen beneath that had the keyboard when `screen` opened; it
// has it again when `screen` closes.
QWidget *openerOf(QWidget *screen);
// Opens `next` in the place of `current`, which closes: the stack does not grow.
void replace(QWidget *current, QWidget *next);
// Shows the program's main window (not modal).
void openMain(QWidget *screen);
void centre(QWidget *screen);

} // namespace Navigation
