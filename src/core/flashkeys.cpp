#include "core/flashkeys.h"

#include <QCoreApplication>

QString flashKeysText() {
    return QCoreApplication::translate(
        "FlashKeys",
        "In the flash, Escape leaves it and typing hide hides its texts. Space pauses and "
        "resumes; while paused, Right or Page Down shows the next color, Left or Page Up the "
        "previous one, Home the first one of the list.");
}
