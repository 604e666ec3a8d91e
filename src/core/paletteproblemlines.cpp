#include "core/paletteproblemlines.h"

#include <QCoreApplication>

QStringList paletteProblemLines(const PaletteContents& contents) {
    QStringList lines;
    for (const BadPaletteLine& bad : contents.badLines)
        lines << QCoreApplication::translate("PaletteProblems", "line %1: %2, skipped")
                     .arg(bad.line)
                     .arg(bad.reason);
    if (const qsizetype unlisted = contents.badLineCount - contents.badLines.size(); unlisted > 0)
        lines << QCoreApplication::translate("PaletteProblems",
                                             "%1 more lines that hold no color, skipped")
                     .arg(unlisted);
    if (contents.leftOut > 0)
        lines << QCoreApplication::translate("PaletteProblems",
                                             "%1 colors left out: the list holds %2 at most")
                     .arg(contents.leftOut)
                     .arg(contents.entries.size());
    return lines;
}
