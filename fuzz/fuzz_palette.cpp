// Any bytes as a palette file: every color read is a well-formed entry, the room is kept, bad
// lines are numbered in order, and what is read writes out and reads back the same in both
// formats.
#include "core/colorentry.h"
#include "core/palettereader.h"
#include "core/palettewriter.h"
#include "core/storedlist.h"

#include <QByteArray>
#include <cstdlib>

namespace {

bool isWellFormed(const QString& entry) {
    const ColorComponents c = ColorToComponents(ParseColorEntry(entry));
    return FormatColorEntry(c.red, c.green, c.blue) == entry;
}

bool badLinesInOrder(const PaletteContents& contents) {
    qsizetype previous = 0;
    for (const BadPaletteLine& bad : contents.badLines) {
        if (bad.line <= previous || bad.reason.isEmpty())
            return false;
        previous = bad.line;
    }
    return contents.badLines.size() <= MostBadLinesDescribed &&
           contents.badLines.size() <= contents.badLineCount &&
           (contents.badLineCount == 0) == contents.badLines.isEmpty();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const PaletteContents all = readPalette(bytes, MaxListEntries);
    if (all.entries.size() > MaxListEntries || !badLinesInOrder(all))
        std::abort();
    for (const QString& entry : all.entries) {
        if (!isWellFormed(entry))
            std::abort();
    }

    // A smaller room takes the first colors and counts the rest.
    const qsizetype room = static_cast<qsizetype>(size % 4);
    const PaletteContents some = readPalette(bytes, room);
    const qsizetype found = all.entries.size() + all.leftOut;
    if (some.entries != all.entries.mid(0, room) || some.entries.size() + some.leftOut != found ||
        some.badLineCount != all.badLineCount)
        std::abort();

    for (const PaletteFormat format : {PaletteFormat::Gimp, PaletteFormat::PlainText}) {
        const PaletteText text = writePalette(all.entries, format, QStringLiteral("fuzz"));
        const PaletteContents again = readPalette(text.bytes, MaxListEntries);
        if (text.skipped != 0 || again.entries != all.entries || again.badLineCount != 0)
            std::abort();
    }
    return 0;
}
