#pragma once

#include "core/palettereader.h"

#include <QString>
#include <QStringList>

// A box listing hundreds of lines would not fit on the screen; the rest are only counted.
inline constexpr qsizetype BadLinesListed = 20;

// What an import tells the user when it left something out: how many colors came in, the lines
// that hold no color (the first BadLinesListed by number), and how many colors the full list had
// no room for. Empty when every color of the file was imported.
QString paletteImportReport(const QString& fileName, const PaletteContents& contents);

// The same for a terminal, one short line each: every bad line described with its number, how
// many more there were, and the colors beyond the room.
QStringList paletteProblemLines(const PaletteContents& contents);
