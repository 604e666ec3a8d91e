#pragma once

#include "core/palettereader.h"

#include <QStringList>
#include <optional>

class Form1;
struct LaunchOptions;

// Puts what the command line asks of this run into the loaded main window: the palette's colors
// show in the list for this run, and the screens and the duration hold for every flash.
// Returns what is to be told about the palette, one line each.
QStringList applyLaunchOptions(Form1& form, const LaunchOptions& options,
                               const std::optional<PaletteContents>& colors = std::nullopt);
