#include "core/commandline.h"

#include "core/durationtext.h"
#include "core/failure.h"
#include "core/flashkeys.h"
#include "core/plainnumber.h"
#include "core/programversion.h"
#include "core/reportformat.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

// The context translators see for the texts of this file.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

CommandLine refusal(const QString& problem) {
    CommandLine line;
    line.action = CommandLine::Action::Refuse;
    line.text = problem;
    line.exitStatus = BadCommandLineStatus;
    return line;
}

CommandLine printing(const QString& text) {
    CommandLine line;
    line.action = CommandLine::Action::Print;
    line.text = text;
    return line;
}

// "-h, --help, ..., --duration TIME, ..." from the options themselves.
QString optionForms(const QList<QCommandLineOption>& options) {
    QStringList forms;
    for (const QCommandLineOption& option : options) {
        for (const QString& name : option.names()) {
            const QString dashes = name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--");
            forms.append(option.valueName().isEmpty() ? dashes + name
                                                      : dashes + name + u' ' + option.valueName());
        }
    }
    return forms.join(QStringLiteral(", "));
}

std::optional<ScreenChoice> screenNamed(const QString& value, const QStringList& screenNames) {
    const qsizetype byName = screenNames.indexOf(value);
    if (byName >= 0)
        return ScreenChoice{ScreenChoice::Kind::One, byName, value};
    const std::optional<qint64> number = readPlainNumber(value, screenNames.size() + 1);
    if (number && *number >= 1 && *number <= screenNames.size())
        return ScreenChoice{ScreenChoice::Kind::One, *number - 1, screenNames[*number - 1]};
    return std::nullopt;
}

QString noSuchScreen(const QString& value, const QStringList& screenNames) {
    if (screenNames.isEmpty())
        return Texts::tr("--screen: there is no screen %1; Qt reports none")
            .arg(quotedForMessage(value));
    return Texts::tr("--screen: there is no screen %1; give a number from 1 to %2 or a name: %3")
        .arg(quotedForMessage(value))
        .arg(screenNames.size())
        .arg(screenNames.join(QStringLiteral(", ")));
}

} // namespace

namespace {

// The program's options, and a parser that knows them.
struct KnownOptions {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            Texts::tr("Show this help and exit.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               Texts::tr("Show the version and exit.")};
    QCommandLineOption start{
        QStringLiteral("start"),
        Texts::tr("Open the flash as soon as the main window shows, as Start does.")};
    QCommandLineOption duration{
        QStringLiteral("duration"),
        Texts::tr("Close every flash of this run after TIME: 90 or 90s, 30m, 2h, 1h30m15s; "
                  "a bare number is seconds."),
        Texts::tr("TIME")};
    QCommandLineOption screen{
        QStringLiteral("screen"),
        Texts::tr("Flash on the screen of this name (as HDMI-1) or number (1 is the first)."),
        Texts::tr("NAME|N")};
    QCommandLineOption allScreens{QStringLiteral("all-screens"),
                                  Texts::tr("Flash on every screen at once.")};
    QCommandLineOption colors{
        QStringLiteral("colors"),
        Texts::tr("Show and flash the colors of a palette file (GIMP .gpl, or text with one "
                  "RGB(r, g, b), #RRGGBB, #RGB or r g b a line) for this run. The stored list "
                  "stays as it was unless you change the list; then the changed list is stored "
                  "and the one it replaces is kept as a .before-colors copy beside the settings "
                  "file. To keep a palette for good, use Import in the list's menu."),
        Texts::tr("FILE")};
    QCommandLineOption frames{
        QStringLiteral("frames"),
        Texts::tr("Hold every color exactly N refreshes of its screen (1 to 32767), in place of "
                  "the delay."),
        Texts::tr("N")};
    QCommandLineOption log{
        QStringLiteral("log"),
        Texts::tr("Write a CSV line for every step of every flash: what was shown, and when."),
        Texts::tr("FILE")};
    QCommandLineOption report{
        QStringLiteral("report"),
        Texts::tr("When the run ends, draw its timing to FILE (.svg or .png): every step's "
                  "interval against the planned one, the late and skipped steps, a histogram "
                  "and a table, a panel a screen."),
        Texts::tr("FILE")};
    QCommandLineOption fromLog{
        QStringLiteral("from-log"),
        Texts::tr("With --report: draw the report from a log saved with --log, without opening "
                  "a window."),
        Texts::tr("FILE")};
    QCommandLineOption marker{
        QStringLiteral("marker"),
        Texts::tr("Show a square in a corner of every flash picture, white on odd steps and "
                  "black on even ones, for a light sensor: top-left, top-right, bottom-left or "
                  "bottom-right (the default), and its side in pixels (48 unless given)."),
        Texts::tr("[CORNER][:SIZE]")};
    QCommandLineOption box{
        QStringLiteral("box"),
        Texts::tr("Flash a small box in place of the whole screen, over a stuck pixel: WxH+X+Y "
                  "in pixels of the desktop (as 64x64+812+403), or WxH in the middle of the "
                  "screen. Give it again for more boxes."),
        Texts::tr("GEOMETRY")};
    QCommandLineOption webDisplay{
        QStringLiteral("web-display"),
        Texts::tr("Be the patch window of ArgyllCMS's web display (-dweb) at URL, as "
                  "http://localhost:8080: each patch is acknowledged once the screen shows it."),
        Texts::tr("URL")};
    QCommandLineOption resolve{
        QStringLiteral("resolve"),
        Texts::tr("Be the patch generator of a program speaking the Resolve protocol "
                  "(DisplayCAL, Calman, ColourSpace), at localhost:20002 unless given."),
        Texts::tr("[HOST][:PORT]")};
    QList<QCommandLineOption> all{help,       version, start,  duration,   screen,
                                  allScreens, colors,  frames, log,        report,
                                  fromLog,    marker,  box,    webDisplay, resolve};
    QCommandLineParser parser;

    KnownOptions() {
        parser.setApplicationDescription(
            Texts::tr("Fills the whole screen with a sequence of colors.") + u'\n' +
            flashKeysText());
        parser.addOptions(all);
    }

    // Help or the version, when the arguments ask for one of them.
    std::optional<CommandLine> printRequest() const {
        if (parser.isSet(help))
            return printing(parser.helpText());
        if (parser.isSet(version))
            return printing(
                QStringLiteral("chromaflick %1\n").arg(QLatin1StringView(ProgramVersion)));
        return std::nullopt;
    }
};

} // namespace

namespace {

// --marker may stand alone: the parser knows no optional value, so a bare one is given an empty
// value, unless a marker follows it as its own argument.
QStringList withMarkerValue(QStringList arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == u"--")
            break;
        if (arguments[i] != u"--marker")
            continue;
        const bool valueFollows = i + 1 < arguments.size() && !arguments[i + 1].startsWith(u'-') &&
                                  readMarker(arguments[i + 1]).marker;
        if (!valueFollows)
            arguments[i] = QStringLiteral("--marker=");
    }
    return arguments;
}

} // namespace

namespace {

// --resolve may stand alone too: its address is then the default one.
QStringList withResolveValue(QStringList arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == u"--")
            break;
        if (arguments[i] == u"--resolve" &&
            (i + 1 == arguments.size() || arguments[i + 1].startsWith(u'-')))
            arguments[i] = QStringLiteral("--resolve=");
    }
    return arguments;
}

// The patch window's program, or why the command line cannot have it.
std::optional<QString> readPatchSource(const QCommandLineParser& parser, const KnownOptions& known,
                                       LaunchOptions& launch) {
    const bool web = parser.isSet(known.webDisplay);
    const bool resolve = parser.isSet(known.resolve);
    if (!web && !resolve)
        return std::nullopt;
    if (web && resolve)
        return Texts::tr("--web-display and --resolve exclude each other");
    const QString name = web ? QStringLiteral("web-display") : QStringLiteral("resolve");
    const QCommandLineOption& option = web ? known.webDisplay : known.resolve;
    if (parser.values(option).size() > 1)
        return Texts::tr("--%1 is given more than once").arg(name);
    for (const QCommandLineOption* other :
         {&known.start, &known.allScreens, &known.colors, &known.frames, &known.fromLog}) {
        if (parser.isSet(*other))
            return Texts::tr("--%1 shows the patches a program sends on one screen; it takes no "
                             "--%2")
                .arg(name, other->names().constFirst());
    }
    const PatchAddressReading reading =
        web ? readWebDisplayUrl(parser.value(option)) : readResolveAddress(parser.value(option));
    if (!reading.address)
        return Texts::tr("--%1: %2").arg(name, reading.problem);
    launch.patchSource = reading.address;
    return std::nullopt;
}

} // namespace

std::optional<CommandLine> readPrintRequest(const QStringList& arguments) {
    KnownOptions known;
    if (!known.parser.parse(withResolveValue(withMarkerValue(arguments))))
        return std::nullopt;
    return known.printRequest();
}

CommandLine readCommandLine(const QStringList& givenArguments,
                            const std::optional<QStringList>& screenNames) {
    const QStringList arguments = withResolveValue(withMarkerValue(givenArguments));
    KnownOptions known;
    QCommandLineParser& parser = known.parser;
    const QList<QCommandLineOption>& options = known.all;
    const QCommandLineOption& duration = known.duration;
    const QCommandLineOption& screen = known.screen;
    const QCommandLineOption& allScreens = known.allScreens;
    const QCommandLineOption& colors = known.colors;
    const QCommandLineOption& start = known.start;
    const QCommandLineOption& frames = known.frames;
    const QCommandLineOption& log = known.log;
    const QCommandLineOption& report = known.report;
    const QCommandLineOption& fromLog = known.fromLog;
    const QCommandLineOption& marker = known.marker;
    const QCommandLineOption& box = known.box;

    const auto withForms = [&options](QString problem) {
        if (problem.endsWith(u'.'))
            problem.chop(1);
        return refusal(Texts::tr("%1; the options are %2").arg(problem, optionForms(options)));
    };

    if (!parser.parse(arguments)) {
        // Qt's text would echo an option of any length whole.
        if (!parser.unknownOptionNames().isEmpty())
            return withForms(Texts::tr("Unknown option %1")
                                 .arg(quotedForMessage(parser.unknownOptionNames().constFirst())));
        return withForms(parser.errorText());
    }
    if (std::optional<CommandLine> print = known.printRequest())
        return *print;
    if (!parser.positionalArguments().isEmpty()) {
        return withForms(Texts::tr("Unexpected argument %1")
                             .arg(quotedForMessage(parser.positionalArguments().constFirst())));
    }
    for (const QCommandLineOption* option :
         {&duration, &screen, &colors, &frames, &log, &report, &fromLog, &marker}) {
        if (parser.values(*option).size() > 1) {
            return withForms(
                Texts::tr("--%1 is given more than once").arg(option->names().constFirst()));
        }
    }
    if (parser.isSet(screen) && parser.isSet(allScreens))
        return withForms(Texts::tr("--screen and --all-screens exclude each other"));

    LaunchOptions launch;
    launch.start = parser.isSet(start);
    if (parser.isSet(duration)) {
        const DurationReading reading = readDuration(parser.value(duration));
        if (!reading.duration)
            return refusal(Texts::tr("--duration: %1").arg(reading.problem));
        launch.duration = reading.duration;
    }
    if (parser.isSet(allScreens))
        launch.screen.kind = ScreenChoice::Kind::All;
    if (parser.isSet(screen) && !screenNames) {
        launch.screen = ScreenChoice{ScreenChoice::Kind::One, -1, parser.value(screen)};
    } else if (parser.isSet(screen)) {
        const std::optional<ScreenChoice> choice = screenNamed(parser.value(screen), *screenNames);
        if (!choice)
            return refusal(noSuchScreen(parser.value(screen), *screenNames));
        launch.screen = *choice;
    }
    if (parser.isSet(colors))
        launch.colorsFile = parser.value(colors);

    if (parser.isSet(frames)) {
        const std::optional<qint64> count =
            readPlainNumber(parser.value(frames), MaxHeldRefreshes + 1);
        if (!count || *count < 1 || *count > MaxHeldRefreshes)
            return refusal(Texts::tr("--frames: %1 is not a whole number from 1 to %2")
                               .arg(quotedForMessage(parser.value(frames)))
                               .arg(MaxHeldRefreshes));
        launch.frames = static_cast<int>(*count);
    }
    if (parser.isSet(log)) {
        if (parser.value(log).isEmpty())
            return refusal(Texts::tr("--log: no file named"));
        launch.logPath = parser.value(log);
    }
    if (parser.isSet(report)) {
        if (parser.value(report).isEmpty())
            return refusal(Texts::tr("--report: no file named"));
        if (!reportFormatForPath(parser.value(report)))
            return refusal(Texts::tr("--report: %1 is to end in .svg or .png")
                               .arg(quotedForMessage(parser.value(report))));
        launch.reportPath = parser.value(report);
    }
    if (parser.isSet(fromLog)) {
        if (parser.value(fromLog).isEmpty())
            return refusal(Texts::tr("--from-log: no file named"));
        if (!parser.isSet(report))
            return refusal(Texts::tr("--from-log: give --report FILE to draw the log to"));
        for (const QCommandLineOption* option :
             {&start, &duration, &screen, &allScreens, &colors, &frames, &log, &marker, &box}) {
            if (parser.isSet(*option))
                return refusal(Texts::tr("--from-log draws a saved log and opens no window; it "
                                         "takes no --%1")
                                   .arg(option->names().constFirst()));
        }
        launch.fromLogPath = parser.value(fromLog);
    }
    if (parser.isSet(marker)) {
        const MarkerReading reading = readMarker(parser.value(marker));
        if (!reading.marker)
            return refusal(Texts::tr("--marker: %1").arg(reading.problem));
        launch.marker = reading.marker;
    }

    for (const QString& value : parser.values(box)) {
        const BoxGeometryReading reading = readBoxGeometry(value);
        if (!reading.geometry)
            return refusal(Texts::tr("--box: %1").arg(reading.problem));
        launch.boxes.push_back(*reading.geometry);
    }
    if (const std::optional<QString> problem = readPatchSource(parser, known, launch))
        return refusal(*problem);

    CommandLine line;
    line.options = std::move(launch);
    return line;
}
