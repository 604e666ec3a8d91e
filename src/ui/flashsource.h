#pragma once

#include "core/flashsettings.h"

#include <QStringList>

class QScreen;

// What the flash window takes from the main window: the list, the options as they stand at each
// tick, the delay, and the screen to cover.
class FlashSource {
public:
    virtual ~FlashSource() = default;
    virtual QStringList colorEntries() const = 0;
    // Read afresh at every tick.
    virtual FlashSettings flashSettings() const = 0;
    virtual QScreen* flashScreen() const = 0;
};
