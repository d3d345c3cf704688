#pragma once
// A window with no title at all, also under an X window manager.

class QWidget;

namespace WindowTitle {

// Leaves the window's title bar name (_NET_WM_NAME and WM_NAME) empty. Qt never lets a
// title be empty on X: it puts the program's name in its place, and the window manager
// would show "torvelo" in the task list for a window that has no caption. Call it once
// the native window exists (from the first show event on); elsewhere it does nothing.
void clearNative(QWidget *window);

} // namespace WindowTitle
