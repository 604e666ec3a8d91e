#pragma once

#include "core/palettereader.h"
#include "core/palettewriter.h"

#include <QString>
#include <QStringList>

// Far above any real palette (32767 colors of GIMP take under 400 kB), far below what hurts.
inline constexpr qint64 LargestPaletteFile = 16 * 1024 * 1024;

struct PaletteFileReading {
    PaletteContents contents;
    QString problem; // one line; set when the file gave no color, contents may still hold why
};

// Reads a palette file of at most LargestPaletteFile bytes. Only a regular file is read, and
// opening never waits, so a pipe or a device never blocks the caller.
PaletteFileReading readPaletteFile(const QString& path, qsizetype room);

struct PaletteFileWriting {
    qsizetype skipped = 0; // entries that are no color
    QString problem;       // one line; empty when the file was written
};

// Replaces the file at once, never leaving half a palette behind; with no color among the
// entries, or a target that is no regular file, the file is left as it was.
PaletteFileWriting writePaletteFile(const QString& path, const QStringList& entries);
