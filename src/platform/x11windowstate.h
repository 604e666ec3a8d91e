#pragma once

class QWindow;

// Asks the X11 window manager to keep the window above the others and out of the task bar and
// the pager. The window manager reads the state only when the window maps, so this comes after
// the window is made and before it shows, at every showing; off X11 it does nothing.
void keepAboveAndOutOfTaskbar(QWindow& window);
