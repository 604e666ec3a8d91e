#pragma once

#include "core/palettereader.h"

#include <QString>

// A box listing hundreds of lines would not fit on the screen; the rest are only counted.
inline constexpr qsizetype BadLinesListed = 20;

// What an import tells the user when it left something out: how many colors came in, the lines
// that hold no color (the first BadLinesListed by number), and how many colors the full list had
// no room for. Empty when every color of the file was imported.
QString paletteImportReport(const QString& fileName, const PaletteContents& contents);
