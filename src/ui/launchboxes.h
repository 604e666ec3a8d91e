#pragma once

#include <QList>
#include <QRect>
#include <QString>

struct LaunchOptions;

struct LaunchBoxes {
    QList<QRect> boxes; // in desktop pixels
    QString problem;    // one line, when a box has no place
};

// The command line's boxes on the screens there are: one without a place goes in the middle of
// the chosen screen, of each with every screen chosen, and of the main window's otherwise.
LaunchBoxes placeLaunchBoxes(const LaunchOptions& options);
