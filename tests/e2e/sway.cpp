#include "sway.h"

#include "desktop.h"

#include <QDeadlineTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace Sway {

namespace {

QByteArray run(const QString& program, const QStringList& arguments, bool* ok = nullptr) {
    QProcess process;
    process.start(program, arguments);
    const bool finished = process.waitForFinished(10000);
    if (ok)
        *ok = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return process.readAllStandardOutput();
}

void collect(const QJsonObject& node, QString output, qint64 processId, QList<Window>& found) {
    if (node["type"].toString() == "output")
        output = node["name"].toString();
    if (node["pid"].toInteger() == processId && node.contains("app_id")) {
        const QJsonObject rect = node["rect"].toObject();
        found.append({processId, node["id"].toInteger(), node["name"].toString(), output,
                      QRect(rect["x"].toInt(), rect["y"].toInt(), rect["width"].toInt(),
                            rect["height"].toInt()),
                      node["fullscreen_mode"].toInt() != 0, node["focused"].toBool(),
                      node["inhibit_idle"].toBool()});
    }
    for (const char* children : {"nodes", "floating_nodes"})
        for (const QJsonValue child : node[children].toArray())
            collect(child.toObject(), output, processId, found);
}

} // namespace

QString message(const QStringList& arguments) {
    bool ok = false;
    const QByteArray output = run("swaymsg", arguments, &ok);
    return ok ? QString::fromUtf8(output) : QString();
}

QList<Window> windowsOf(qint64 processId) {
    QList<Window> found;
    collect(QJsonDocument::fromJson(run("swaymsg", {"-r", "-t", "get_tree"})).object(), {},
            processId, found);
    return found;
}

QList<Window> waitForWindows(qint64 processId,
                             const std::function<bool(const QList<Window>&)>& state,
                             int milliseconds) {
    QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired()) {
        const QList<Window> windows = windowsOf(processId);
        if (state(windows))
            return windows;
        QTest::qWait(50);
    }
    return {};
}

QImage screenshot(const QString& output) {
    QTemporaryDir folder;
    const QString file = folder.filePath("shot.png");
    bool ok = false;
    run("grim", {"-o", output, file}, &ok);
    return ok ? QImage(file).convertToFormat(QImage::Format_RGB32) : QImage();
}

void pressKey(const QString& key) {
    run("wtype", {"-k", key});
}

void host(RunningProgram& program) {
    for (const char* name : {"XDG_RUNTIME_DIR", "WAYLAND_DISPLAY", "SWAYSOCK"})
        program.setEnvironment(name, qEnvironmentVariable(name));
    program.setEnvironment("QT_QPA_PLATFORM", "wayland");
    program.removeEnvironment("DISPLAY");
}

} // namespace Sway
