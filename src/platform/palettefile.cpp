#include "platform/palettefile.h"

#include "platform/regularfile.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// The context translators see for the texts of this file.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PaletteFile)
};

QString noColors(const QString& path, const PaletteContents& contents) {
    if (contents.badLines.isEmpty())
        return Texts::tr("%1 holds no colors").arg(shownFileName(path));
    const BadPaletteLine& first = contents.badLines.constFirst();
    return Texts::tr("%1 holds no colors that can be read (line %2: %3)")
        .arg(shownFileName(path))
        .arg(first.line)
        .arg(first.reason);
}

} // namespace

PaletteFileReading readPaletteFile(const QString& path, qsizetype room) {
    PaletteFileReading reading;
    const FileReading file = readRegularFile(path, LargestPaletteFile);
    if (!file.problem.isEmpty()) {
        reading.problem = file.problem;
        return reading;
    }
    reading.contents = readPalette(file.bytes, room);
    if (reading.contents.entries.isEmpty() && reading.contents.leftOut == 0)
        reading.problem = noColors(path, reading.contents);
    return reading;
}

PaletteFileWriting writePaletteFile(const QString& path, const QStringList& entries) {
    PaletteFileWriting writing;
    // Before anything is made of the entries: a device or a FIFO is told as such.
    writing.problem = unreplaceableFileReason(path);
    if (!writing.problem.isEmpty())
        return writing;
    const PaletteText text =
        writePalette(entries, paletteFormatForPath(path), QFileInfo(path).completeBaseName());
    writing.skipped = text.skipped;
    // A palette without a color would replace a good file with nothing.
    if (text.skipped == entries.size()) {
        writing.problem =
            Texts::tr("no entry is a color, so %1 was not written").arg(shownFileName(path));
        return writing;
    }
    writing.problem = replaceFile(path, text.bytes);
    return writing;
}
