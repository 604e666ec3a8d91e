#include "ui/contextmenukey.h"

#include <QKeyEvent>

bool opensContextMenu(const QKeyEvent& key) {
    // Keypad is no modifier a user holds; some keyboards put Menu there.
    const Qt::KeyboardModifiers held = key.modifiers() & ~Qt::KeypadModifier;
    return (key.key() == Qt::Key_Menu && held == Qt::NoModifier) ||
           (key.key() == Qt::Key_F10 && held == Qt::ShiftModifier);
}
