#pragma once

#include <QStringList>

class Form1;
struct LaunchOptions;

// Puts what the command line asks of this run into the loaded main window: the palette's colors
// replace the list, as Clear List and an import would, and the screens and the duration hold for
// every flash. The screen of a choice is counted in QGuiApplication::screens(), as it was read.
// Returns what is to be told about the palette, one line each.
QStringList applyLaunchOptions(Form1& form, const LaunchOptions& options);
