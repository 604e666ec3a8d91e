#include "weston.h"

#include "desktop.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {

const QString socketName = QStringLiteral("chromaflick-test");
const QRgb background = qRgb(0x20, 0x20, 0x20);
// Weston's place for full-screen windows in its stack of layers.
const QString fullScreenLayer = QStringLiteral("(pos 0xb0000000)");

// No panel and no animations, so a window is all there is and shows at once.
const char config[] = R"([core]
idle-time=0
[shell]
background-color=0xff202020
panel-position=none
animation=none
close-animation=none
startup-animation=none
focus-animation=none
)";

} // namespace

Weston::Weston(QSize outputSize) : outputSize_(outputSize) {
    process_.setProcessChannelMode(QProcess::MergedChannels);
}

Weston::~Weston() {
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(5000)) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

QProcessEnvironment Weston::clientEnvironment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", runtimeFolder_.path());
    environment.insert("WAYLAND_DISPLAY", socketName);
    return environment;
}

bool Weston::start() {
    // Wayland clients refuse a runtime folder that others may read.
    if (!runtimeFolder_.isValid() ||
        !QFile::setPermissions(runtimeFolder_.path(),
                               QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        return false;
    const QString configPath = runtimeFolder_.filePath("weston.ini");
    QFile configFile(configPath);
    if (!configFile.open(QIODevice::WriteOnly) || configFile.write(config) < 0)
        return false;
    configFile.close();

    process_.setProcessEnvironment(clientEnvironment());
    // The pixman renderer, since nothing is drawn without it; --debug allows screenshots.
    process_.start("weston",
                   {"--config=" + configPath, "--backend=x11-backend.so",
                    QStringLiteral("--width=%1").arg(outputSize_.width()),
                    QStringLiteral("--height=%1").arg(outputSize_.height()), "--use-pixman",
                    "--debug", "--socket=" + socketName, "--idle-time=0"});
    if (!process_.waitForStarted(10000))
        return false;
    const QString socket = runtimeFolder_.filePath(socketName);
    QDeadlineTimer deadline(20000);
    while (!QFile::exists(socket) && !deadline.hasExpired()) {
        if (process_.state() == QProcess::NotRunning)
            return false;
        QTest::qWait(20);
    }
    const QPoint middle(outputSize_.width() / 2, outputSize_.height() / 2);
    while (!deadline.hasExpired()) {
        const QImage shot = screenshot();
        if (!shot.isNull() && shot.pixel(middle) == background)
            return true;
        QTest::qWait(50);
    }
    return false;
}

void Weston::host(RunningProgram& program) const {
    const QProcessEnvironment environment = clientEnvironment();
    for (const char* name : {"XDG_RUNTIME_DIR", "WAYLAND_DISPLAY"})
        program.setEnvironment(name, environment.value(name));
    program.setEnvironment("QT_QPA_PLATFORM", "wayland");
    program.removeEnvironment("DISPLAY");
}

QImage Weston::screenshot() const {
    // The file is named after the second it was taken in, so each shot gets a folder.
    QTemporaryDir folder;
    QProcess shooter;
    shooter.setProcessEnvironment(clientEnvironment());
    shooter.setWorkingDirectory(folder.path());
    shooter.start("weston-screenshooter", {});
    if (!shooter.waitForFinished(5000) || shooter.exitCode() != 0) {
        shooter.kill();
        shooter.waitForFinished(1000);
        return {};
    }
    const QStringList files = QDir(folder.path()).entryList({"*.png"}, QDir::Files);
    if (files.size() != 1)
        return {};
    return QImage(folder.filePath(files.first())).convertToFormat(QImage::Format_RGB32);
}

QImage Weston::waitForScreen(const std::function<bool(const QImage&)>& state,
                             int milliseconds) const {
    return ::waitForScreen([this] { return screenshot(); }, state, milliseconds);
}

QRect Weston::windowIn(const QImage& shot) {
    // A pointer is at most 32 pixels wide and high; a window is far more.
    const int least = 64;
    QList<int> inRow(shot.height()), inColumn(shot.width());
    for (int y = 0; y < shot.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(shot.constScanLine(y));
        for (int x = 0; x < shot.width(); ++x)
            if (qRgb(qRed(line[x]), qGreen(line[x]), qBlue(line[x])) != background) {
                ++inRow[y];
                ++inColumn[x];
            }
    }
    const auto span = [&](const QList<int>& counts) {
        const auto many = [&](int count) { return count > least; };
        const auto first = std::find_if(counts.begin(), counts.end(), many);
        const auto last = std::find_if(counts.rbegin(), counts.rend(), many);
        if (first == counts.end())
            return std::pair{0, -1};
        return std::pair{int(first - counts.begin()), int(counts.rend() - last) - 1};
    };
    const auto [top, bottom] = span(inRow);
    const auto [left, right] = span(inColumn);
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

QList<QRect> Weston::fullScreenWindowsOf(qint64 processId) const {
    QProcess debug;
    debug.setProcessEnvironment(clientEnvironment());
    debug.start("weston-debug", {"scene-graph"});
    if (!debug.waitForFinished(5000)) {
        debug.kill();
        debug.waitForFinished(1000);
        return {};
    }
    // A layer's views follow its line; each view's position follows the view's line.
    const QRegularExpression view(
        QStringLiteral(R"(^\s*View \d+ \(role xdg_toplevel, PID %1,)").arg(processId));
    const QRegularExpression position(
        QStringLiteral(R"(^\s*position: \((-?\d+), (-?\d+)\) -> \((-?\d+), (-?\d+)\))"));
    QList<QRect> windows;
    bool inLayer = false, ours = false;
    for (const QString& line : QString::fromLocal8Bit(debug.readAllStandardOutput()).split('\n')) {
        if (line.startsWith("Layer ")) {
            inLayer = line.contains(fullScreenLayer);
            ours = false;
        } else if (line.contains(QStringLiteral("View "))) {
            ours = inLayer && view.match(line).hasMatch();
        } else if (const auto corners = position.match(line); ours && corners.hasMatch()) {
            windows << QRect(
                QPoint(corners.captured(1).toInt(), corners.captured(2).toInt()),
                QPoint(corners.captured(3).toInt() - 1, corners.captured(4).toInt() - 1));
            ours = false;
        }
    }
    return windows;
}

void Weston::clickAt(QPoint point) const {
    // Weston follows the X pointer by relative steps; from the corner they add up to the point.
    xdotool({"mousemove", "0", "0"});
    ::clickAt(point);
}

void Weston::pressKeys(const QStringList& keys) const {
    xdotool(QStringList{"key"} + keys);
}

QString Weston::log() {
    return QString::fromLocal8Bit(process_.readAll());
}
