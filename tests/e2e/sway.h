#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>

class RunningProgram;

// The headless sway that the suite runs beside (headless-sway.sh), and what a user does there.
namespace Sway {

// A window as sway's tree shows it.
struct Window {
    qint64 processId = 0;
    qint64 id = 0;
    QString title;
    QString output;
    QRect rect;
    bool fullScreen = false;
    bool focused = false;
    bool inhibitsIdle = false;
};

// swaymsg with these arguments; its standard output, or a null string when it failed.
QString message(const QStringList& arguments);
QList<Window> windowsOf(qint64 processId);
// Waits until the program's windows are in this state; them, or an empty list when they never
// were in time.
QList<Window> waitForWindows(qint64 processId,
                             const std::function<bool(const QList<Window>&)>& state,
                             int milliseconds = 20000);
// One output as it shows, from grim, or a null image.
QImage screenshot(const QString& output);
// Types a key into the focused window.
void pressKey(const QString& key);
// Makes the program a native client of this sway, with no X server to fall back on.
void host(RunningProgram& program);

} // namespace Sway
