#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

struct BadPaletteLine {
    qsizetype line; // counted from 1
    QString reason;
};

// Only so many bad lines are described; a box of thousands helps nobody.
inline constexpr qsizetype MostBadLinesDescribed = 100;

struct PaletteContents {
    QStringList entries;            // color entry texts, in file order
    qsizetype leftOut = 0;          // colors read but beyond the room given
    QList<BadPaletteLine> badLines; // the first MostBadLinesDescribed, in line order
    qsizetype badLineCount = 0;     // all of them
};

// The colors of a GIMP palette (first line "GIMP Palette") or of a plain text file (one
// "RGB(r, g, b)", "#RRGGBB" or "r g b" a line), at most room of them. Lines that hold no color
// are described and skipped; the colors around them are still read.
PaletteContents readPalette(const QByteArray& bytes, qsizetype room);
