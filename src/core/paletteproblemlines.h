#pragma once

#include "core/palettereader.h"

#include <QStringList>

// What was left out of a palette, one short line each, for a terminal: every bad line described
// with its number, how many more there were, and the colors beyond the room.
QStringList paletteProblemLines(const PaletteContents& contents);
