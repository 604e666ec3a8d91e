#pragma once

#include "core/commandline.h"

#include <QString>

class FrameLogFile;

// Takes the --log of the command line for the run. Refused: a name that is not UTF-8 text, and
// any file the run reads or the program keeps (the settings file and the files kept beside it,
// the --colors palette), however the path leads to it. The problem, one line; empty when taken
// or when no log is asked for.
QString claimFrameLog(FrameLogFile& log, const LaunchOptions& options);
