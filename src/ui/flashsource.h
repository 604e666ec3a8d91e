#pragma once

#include "core/flashsettings.h"

#include <QList>
#include <QStringList>

class QScreen;

// What the flash takes from the main window: the list, the options as they stand at each tick,
// the delay, and the screens to cover.
class FlashSource {
public:
    virtual ~FlashSource() = default;
    virtual QStringList colorEntries() const = 0;
    // Read afresh at every tick.
    virtual FlashSettings flashSettings() const = 0;
    // Read at every opening; the first one takes the keyboard.
    virtual QList<QScreen*> flashScreens() const = 0;
    // Read at every opening: whether the delay is held as whole refreshes of the display.
    virtual bool frameLock() const { return false; }
};
