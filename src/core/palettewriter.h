#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

enum class PaletteFormat {
    Gimp,      // .gpl, as GIMP, Inkscape and Krita read it
    PlainText, // one "RGB(r, g, b)" a line
};

struct PaletteText {
    QByteArray bytes;
    qsizetype skipped = 0; // entries that are no color
};

// The palette file of the entries that are colors, in list order; name titles a GIMP palette.
PaletteText writePalette(const QStringList& entries, PaletteFormat format, const QString& name);

// Plain text for a ".txt" file; GIMP, the default, for any other.
PaletteFormat paletteFormatForPath(const QString& path);
