#include "platform/launchpalette.h"

#include "core/storedlist.h"
#include "platform/palettefile.h"

#include <QCoreApplication>

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

} // namespace

LaunchPalette readLaunchPalette(const LaunchOptions& options) {
    LaunchPalette palette;
    if (!options.colorsFile)
        return palette;
    // The palette stands in for the whole list, so the whole of it is room.
    PaletteFileReading reading = readPaletteFile(*options.colorsFile, MaxListEntries);
    if (!reading.problem.isEmpty())
        palette.problem = Texts::tr("--colors: %1").arg(reading.problem);
    else
        palette.colors = std::move(reading.contents);
    return palette;
}
