#pragma once

#include "core/commandline.h"
#include "core/palettereader.h"

#include <optional>

struct LaunchPalette {
    std::optional<PaletteContents> colors; // its bad lines are still to report
    QString problem;                       // the refusal, one line; empty when the run may go on
};

// The palette the command line names, read in full: the run shows it instead of the list.
LaunchPalette readLaunchPalette(const LaunchOptions& options);
