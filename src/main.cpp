#include "core/commandline.h"
#include "core/reportformat.h"
#include "core/settingsstore.h"
#include "platform/closesignals.h"
#include "platform/displayreach.h"
#include "platform/framelogclaim.h"
#include "platform/framelogfile.h"
#include "platform/launchpalette.h"
#include "platform/patchlink.h"
#include "platform/qtdialogs.h"
#include "platform/regularfile.h"
#include "platform/settingsbacking.h"
#include "platform/timingreportfile.h"
#include "platform/translations.h"
#include "ui/flashsession.h"
#include "ui/form1.h"
#include "ui/launchboxes.h"
#include "ui/launchoptions.h"
#include "ui/patchwindow.h"
#include "ui/whenplaced.h"

#include <QApplication>
#include <QScreen>
#include <QSessionManager>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

namespace {

QStringList screenNames() {
    QStringList names;
    for (const QScreen* screen : QGuiApplication::screens())
        names << screen->name();
    return names;
}

void tell(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

// What the program does with a command line that asks for no run: the exit status.
std::optional<int> answered(const CommandLine& commandLine) {
    switch (commandLine.action) {
    case CommandLine::Action::Print:
        tell(stdout, commandLine.text);
        return commandLine.exitStatus;
    case CommandLine::Action::Refuse:
        tell(stderr, QStringLiteral("chromaflick: %1\n").arg(commandLine.text));
        return commandLine.exitStatus;
    case CommandLine::Action::Run:
        break;
    }
    return std::nullopt;
}

struct Checked {
    std::optional<int> exitStatus; // set when the program ends here
    std::optional<PaletteContents> colors;
    std::optional<LaunchOptions> drawFromLog; // a saved log to draw, and no window
};

// A picture's fonts come with the offscreen platform, so that no display is needed.
int drawReportFromLog(int argc, char* argv[], const LaunchOptions& options) {
    std::unique_ptr<QCoreApplication> application;
    if (reportFormatForPath(options.reportPath) == ReportFormat::Png) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    const ProgramTranslations translations(QLocale::system());
    const QString problem = writeTimingReportFromLog(options.reportPath, options.fromLogPath);
    if (problem.isEmpty())
        return 0;
    tell(stderr, QStringLiteral("chromaflick: %1\n").arg(problem));
    return BadCommandLineStatus;
}

// Everything but the screen choice is judged before the windowing system is reached, so that
// help, a bad command line and a bad palette answer in a terminal without a display too.
Checked checkWithoutDesktop(int argc, char* argv[], FrameLogFile& frameLog) {
    const QCoreApplication core(argc, argv);
    const ProgramTranslations translations(QLocale::system());
    const CommandLine commandLine = readCommandLine(QCoreApplication::arguments(), std::nullopt);
    if (const std::optional<int> status = answered(commandLine))
        return {status, std::nullopt, std::nullopt};
    if (!commandLine.options.fromLogPath.isEmpty())
        return {std::nullopt, std::nullopt, commandLine.options};
    // Before any file is read: a log aimed at one of them is refused with nothing touched.
    if (const QString problem = claimFrameLog(frameLog, commandLine.options); !problem.isEmpty()) {
        tell(stderr, QStringLiteral("chromaflick: --log: %1\n").arg(problem));
        return {BadCommandLineStatus, std::nullopt, std::nullopt};
    }
    LaunchPalette palette = readLaunchPalette(commandLine.options);
    if (!palette.problem.isEmpty()) {
        tell(stderr, QStringLiteral("chromaflick: %1\n").arg(palette.problem));
        return {BadCommandLineStatus, std::nullopt, std::nullopt};
    }
    if (!commandLine.options.reportPath.isEmpty()) {
        // Refused now rather than after the run, when its timing would be lost.
        const QString problem = unreplaceableFileReason(commandLine.options.reportPath);
        if (!problem.isEmpty()) {
            tell(stderr, QStringLiteral("chromaflick: --report: %1\n").arg(problem));
            return {BadCommandLineStatus, std::nullopt, std::nullopt};
        }
    }
    if (const QString problem = missingDisplayReason(); !problem.isEmpty()) {
        tell(stderr, QStringLiteral("chromaflick: %1\n").arg(problem));
        return {1, std::nullopt, std::nullopt};
    }
    return {std::nullopt, std::move(palette.colors), std::nullopt};
}

} // namespace

int main(int argc, char* argv[]) {
    FrameLogFile frameLog;
    const Checked checked = checkWithoutDesktop(argc, argv, frameLog);
    if (checked.exitStatus)
        return *checked.exitStatus;
    if (checked.drawFromLog)
        return drawReportFromLog(argc, argv, *checked.drawFromLog);
    QApplication application(argc, argv);
    // The desktop entry's name is the application id Wayland compositors match windows with.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.varnhollow.Chromaflick"));
    const ProgramTranslations translations(QLocale::system());
    QApplication::setQuitOnLastWindowClosed(false);

    // Before the store or a window exists: a command line refused leaves nothing behind.
    const CommandLine commandLine = readCommandLine(QCoreApplication::arguments(), screenNames());
    if (const std::optional<int> status = answered(commandLine))
        return *status;

    const LaunchBoxes boxes = placeLaunchBoxes(commandLine.options);
    if (!boxes.problem.isEmpty()) {
        tell(stderr, QStringLiteral("chromaflick: --box: %1\n").arg(boxes.problem));
        return BadCommandLineStatus;
    }

    QtDialogs dialogs;
    UserSettingsStore store;
    Form1 form(dialogs, store);

    // Form_Unload: the program ends at once, and every other window with it.
    QObject::connect(&form, &Form1::unloaded, &application,
                     [](int status) { QCoreApplication::exit(status); });
    // Nobody is there to answer a box: the close goes on without one.
    CloseSignals closeSignals;
    QObject::connect(&closeSignals, &CloseSignals::closeRequested, &form,
                     &Form1::requestQuietClose);
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &form,
                     [&form](QSessionManager&) { form.requestQuietClose(); });

    form.load();
    // Closed by a signal while it loaded.
    if (form.hasUnloaded())
        return form.exitStatus();
    // Taken by another program since the start: the run ends as if refused at the start.
    bool frameLogRefused = false;
    if (frameLog.isClaimed()) {
        form.setFrameLog(&frameLog);
        QObject::connect(
            &form, &Form1::frameLogRefused, &form,
            [&form, &frameLogRefused](const QString& problem) {
                tell(stderr, QStringLiteral("chromaflick: --log: %1\n").arg(problem));
                frameLogRefused = true;
                form.requestQuietClose();
            },
            Qt::QueuedConnection);
    }
    for (const QString& line : applyLaunchOptions(form, commandLine.options, checked.colors))
        tell(stderr, QStringLiteral("chromaflick: %1\n").arg(line));
    form.showCentred();
    // Once the main window is up and placed, so that the flash and any box open over it, on its
    // screen.
    if (commandLine.options.start)
        whenPlaced(form, [&form] { form.startFlash(); });
    if (!boxes.boxes.isEmpty())
        whenPlaced(form, [&form, &boxes] { form.flashBoxes(boxes.boxes); });
    std::unique_ptr<PatchWindow> patchWindow;
    if (commandLine.options.patchSource) {
        patchWindow = std::make_unique<PatchWindow>(
            form, dialogs, createPatchLink(*commandLine.options.patchSource));
        patchWindow->setDuration(commandLine.options.duration);
        patchWindow->setLog(frameLog.isClaimed() ? &frameLog : nullptr);
        // Leaving the patch window ends the run.
        QObject::connect(patchWindow.get(), &PatchWindow::finished, &form,
                         &Form1::requestQuietClose, Qt::QueuedConnection);
        // A run ended otherwise (a signal, logout) still closes it with its summary.
        QObject::connect(&form, &Form1::unloaded, patchWindow.get(),
                         [&patchWindow] { patchWindow->close(); });
        whenPlaced(form, [&form, &frameLog, &patchWindow] {
            // The log is made as the window opens, as it is for a flash.
            if (frameLog.isClaimed()) {
                if (const QString problem = frameLog.begin(); !problem.isEmpty()) {
                    emit form.frameLogRefused(problem);
                    return;
                }
            }
            patchWindow->open();
        });
    }
    std::vector<LoggedStep> runSteps;
    if (!commandLine.options.reportPath.isEmpty()) {
        const auto collect = [&runSteps](const StepShown& shown) {
            runSteps.push_back({shown, shown.unconfirmed ? LoggedStep::Showing::Unreported
                                       : shown.skipped   ? LoggedStep::Showing::Skipped
                                                         : LoggedStep::Showing::Shown});
        };
        QObject::connect(&form, &Form1::stepShown, &form, collect);
        // The patches are steps of a session of their own, not of the main window's.
        if (patchWindow)
            QObject::connect(&patchWindow->session(), &FlashSession::stepShown, &form, collect);
    }
    const int status = QApplication::exec();
    frameLog.finish();
    if (!commandLine.options.reportPath.isEmpty()) {
        const QString problem = writeTimingReport(commandLine.options.reportPath, runSteps);
        if (!problem.isEmpty())
            tell(stderr, QStringLiteral("chromaflick: --report: %1\n").arg(problem));
    }
    return frameLogRefused ? BadCommandLineStatus : status;
}
