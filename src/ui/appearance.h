#pragma once

#include <QtGlobal>

class QFont;

// The designed font of the windows: Arial, bold, at the given size in points.
QFont designedFont(qreal pointSize);

class QWidget;

// Colors and fonts the main window is designed with.
void applyDesignedLook(QWidget& form);

// With the skin file beside the program, the window and its frames, option buttons, check boxes
// and labels take the button-face color.
void ApplySkin(QWidget& form);
