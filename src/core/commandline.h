#pragma once

#include "core/boxgeometry.h"
#include "core/heldrefreshes.h"
#include "core/patchaddress.h"
#include "core/photodiodemarker.h"
#include "core/screenchoice.h"

#include <QString>
#include <QStringList>
#include <chrono>
#include <optional>
#include <vector>

struct LaunchOptions {
    bool start = false;
    std::optional<std::chrono::milliseconds> duration;
    ScreenChoice screen;
    std::optional<QString> colorsFile; // the palette whose colors the run shows, still unread
    std::optional<int> frames;         // refreshes each tick holds, in place of the delay
    QString logPath;                   // where every tick's showing is written; none if empty
    QString reportPath;  // the picture of the run's timing, .svg or .png; none if empty
    QString fromLogPath; // a saved log to draw the report from, with no window
    std::optional<PhotodiodeMarker> marker;
    std::vector<BoxGeometry> boxes; // flashing boxes opened at start, placed once screens are known
    std::optional<PatchAddress> patchSource; // the calibration program that drives the window
};

// The exit status for a command line the program cannot follow.
inline constexpr int BadCommandLineStatus = 2;

struct CommandLine {
    enum class Action {
        Run,    // with options
        Print,  // text on standard output, then exit with exitStatus
        Refuse, // text, one line, on standard error, then exit with exitStatus
    };
    Action action = Action::Run;
    QString text;
    int exitStatus = 0;
    LaunchOptions options;
};

// The program's arguments, the program itself first, against the names of the screens in the
// order Qt lists them. Without the names (before the windowing system is reached) everything but
// the screen is checked, and a --screen value is kept as given. Reads no file.
CommandLine readCommandLine(const QStringList& arguments,
                            const std::optional<QStringList>& screenNames);

// Help or the version, when the arguments ask for one of them; reads no file and needs no screen.
std::optional<CommandLine> readPrintRequest(const QStringList& arguments);
