#include "platform/framelogclaim.h"

#include "core/settingsstore.h"
#include "platform/fileidentity.h"
#include "platform/framelogfile.h"
#include "platform/regularfile.h"
#include "platform/settingsbacking.h"

#include <QCoreApplication>

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(FrameLogFile)
};

// Why the log would destroy a file the program reads or keeps; empty when it would not.
QString overwrittenFile(const QString& logPath, const LaunchOptions& options) {
    const std::optional<FileIdentity> log = fileIdentity(logPath);
    if (!log)
        return {};
    const auto same = [&log](const QString& path) { return fileIdentity(path) == log; };
    const QString shown = shownFileName(logPath);
    if (options.colorsFile && same(*options.colorsFile))
        return Texts::tr("%1 is the palette given with --colors; the log would write over it")
            .arg(shown);
    const QStringList settings = userSettingsFiles(QLatin1String(SettingsApplication));
    if (same(settings.constFirst()))
        return Texts::tr("%1 is the program's settings file; the log would write over it")
            .arg(shown);
    for (const QString& kept : settings.mid(1)) {
        if (same(kept))
            return Texts::tr("%1 is a file the program keeps beside its settings; the log would "
                             "write over it")
                .arg(shown);
    }
    return {};
}

} // namespace

QString claimFrameLog(FrameLogFile& log, const LaunchOptions& options) {
    if (options.logPath.isEmpty())
        return {};
    // Its bytes are lost to Qt already: the file made would bear another name.
    if (nameWasNotUtf8(options.logPath))
        return Texts::tr("the name of %1 is not UTF-8 text, so no log can be written under it; "
                         "give a name that is")
            .arg(shownFileName(options.logPath));
    if (const QString problem = overwrittenFile(options.logPath, options); !problem.isEmpty())
        return problem;
    return log.claim(options.logPath);
}
