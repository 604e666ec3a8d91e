#pragma once

#include <QStringList>

class QScreen;

// What the flash window takes from the main window: the list, the options as they stand at each
// tick, the delay, and the screen to cover.
class FlashSource {
public:
    virtual ~FlashSource() = default;
    virtual QStringList colorEntries() const = 0;
    // Whether Option1 .. Option6 is set.
    virtual bool optionSet(int option) const = 0;
    virtual QString delayText() const = 0;
    virtual QScreen* flashScreen() const = 0;
};
