#pragma once

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

class RunningProgram;

// A weston compositor in a window at the top-left of the test's X server (its X11 backend, so
// that xdotool's input reaches it), with one output, and what a user does to its clients. It
// stops with the object.
class Weston {
public:
    explicit Weston(QSize outputSize);
    ~Weston();
    Weston(const Weston&) = delete;
    Weston& operator=(const Weston&) = delete;

    // Starts weston and waits until clients can connect and its background is painted.
    bool start();
    // Makes the program a native client of this compositor, with no X server to fall back on.
    void host(RunningProgram& program) const;

    // The output as the compositor shows it, or a null image when the shot failed.
    QImage screenshot() const;
    // The first screenshot that is in the given state and that the next one agrees with, or a
    // null image when none came in time.
    QImage waitForScreen(const std::function<bool(const QImage&)>& state,
                         int milliseconds = 20000) const;
    // The smallest box that holds every row and column with more than a cursor's worth of
    // pixels not of the background: the one window shown; empty when none is.
    static QRect windowIn(const QImage& shot);

    // Where weston shows the program's windows that it keeps full screen, from its scene graph:
    // a window that asked for it, not one that merely has the output's size.
    QList<QRect> fullScreenWindowsOf(qint64 processId) const;

    void clickAt(QPoint point) const;
    void pressKeys(const QStringList& keys) const;
    // What weston has said so far, for a failure's message.
    QString log();

private:
    QProcessEnvironment clientEnvironment() const;

    QSize outputSize_;
    QTemporaryDir runtimeFolder_;
    QProcess process_;
};
