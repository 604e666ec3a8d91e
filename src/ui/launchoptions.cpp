#include "ui/launchoptions.h"

#include "core/commandline.h"
#include "core/palettereport.h"
#include "ui/colorlistview.h"
#include "ui/form1.h"

QStringList applyLaunchOptions(Form1& form, const LaunchOptions& options,
                               const std::optional<PaletteContents>& colors) {
    form.setFlashScreens(options.screen.kind, options.screen.name);
    form.setFlashDuration(options.duration);
    form.setHeldRefreshes(options.frames);
    form.setMarker(options.marker);
    if (!colors)
        return {};
    form.showRunColors(colors->entries);
    QStringList told;
    for (const QString& line : paletteProblemLines(*colors))
        told << QStringLiteral("--colors: ") + line;
    return told;
}
