#pragma once

#include <QString>

// Where the flash opens.
struct ScreenChoice {
    enum class Kind {
        MainWindowScreen, // as a click on Start does
        One,
        All,
    };
    Kind kind = Kind::MainWindowScreen;
    qsizetype index = -1; // into the screen names given, for One
    QString name;         // of that screen, for One; looked for again at each flash
};
