#include "ui/launchboxes.h"

#include "core/commandline.h"
#include "ui/desktoppixels.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

// The main window opens on the primary screen.
QList<QRect> chosenScreens(const ScreenChoice& choice) {
    QList<QRect> chosen;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const bool named = choice.kind == ScreenChoice::Kind::One && screen->name() == choice.name;
        const bool primary = choice.kind == ScreenChoice::Kind::MainWindowScreen &&
                             screen == QGuiApplication::primaryScreen();
        if (named || primary || choice.kind == ScreenChoice::Kind::All)
            chosen << desktopPixelsOf(screen->geometry(), screen);
    }
    return chosen;
}

} // namespace

LaunchBoxes placeLaunchBoxes(const LaunchOptions& options) {
    LaunchBoxes placed;
    const QList<QRect> screens = screensInDesktopPixels();
    const QList<QRect> chosen = chosenScreens(options.screen);
    for (const BoxGeometry& geometry : options.boxes) {
        // A box with a place is one box, whatever the screens chosen.
        const QList<QRect> middles =
            geometry.at || chosen.isEmpty() ? QList<QRect>{QRect()} : chosen;
        for (const QRect& middle : middles) {
            const BoxPlacing placing = placeBox(geometry, screens, middle);
            if (!placing.box)
                return {{}, placing.problem};
            placed.boxes << *placing.box;
        }
    }
    return placed;
}
