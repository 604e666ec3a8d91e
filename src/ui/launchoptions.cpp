#include "ui/launchoptions.h"

#include "core/commandline.h"
#include "core/palettereport.h"
#include "ui/colorlistview.h"
#include "ui/form1.h"

#include <QGuiApplication>
#include <QScreen>

QStringList applyLaunchOptions(Form1& form, const LaunchOptions& options) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    const ScreenChoice& choice = options.screen;
    const bool known = choice.index >= 0 && choice.index < screens.size();
    form.setFlashScreens(choice.kind, known ? screens[choice.index] : nullptr);
    form.setFlashDuration(options.duration);
    if (!options.colors)
        return {};
    form.ListView1().clear();
    form.ListView1().append(options.colors->entries);
    QStringList told;
    for (const QString& line : paletteProblemLines(*options.colors))
        told << QStringLiteral("--colors: ") + line;
    return told;
}
