#pragma once

#include <QColor>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>
#include <functional>

// The real program on the X server of the test, and what a user does to it.
class RunningProgram {
public:
    RunningProgram();
    ~RunningProgram();

    // Starts the program and waits until its main window is shown and painted.
    bool start();
    // Starts the program without waiting for anything.
    void launch();
    void setEnvironment(const QString& name, const QString& value);
    void removeEnvironment(const QString& name);
    // The command line of the next start, after the program's name.
    void setArguments(const QStringList& arguments);
    // Sends a signal and waits for the end; the exit code, or -1 when it did not end in time.
    int endWith(int signal);
    // Asks the main window to close as a window manager's close box does; the exit code or -1.
    int closeMainWindow();
    // The same, without waiting for the end.
    void closeMainWindowAsync();
    bool waitForEnd(int milliseconds = 10000);
    bool isRunning() const;
    // Waits for the end; the exit code, or -1 when it did not end in time or crashed.
    int exitCode(int milliseconds = 10000);

    qint64 processId() const { return process_.processId(); }
    QRect mainWindowGeometry() const { return geometry_; }
    unsigned long mainWindowId() const { return windowId_; }
    QString output();

private:
    QProcess process_;
    QStringList arguments_;
    unsigned long windowId_ = 0;
    QRect geometry_;
};

// The middle of the start button of a main window whose client area begins at this point.
QPoint startButtonOf(QPoint clientTopLeft, qreal scale = 1);
// Runs xdotool with these arguments; its standard output.
QString xdotool(const QStringList& arguments);
// Presses a key in a window. With no window manager the keyboard follows the pointer, so the
// pointer goes over the window first.
void pressKeyIn(unsigned long window, const QString& key);
// Clicks at a point of the screen.
void clickAt(QPoint point);
// The whole screen as an image.
QImage screenshot();
// The pixels of this part of the screen, straight from the server: fast enough to sample a flash.
QImage screenArea(const QRect& area);
QColor pixelAt(QPoint point);
// The first whole-screen picture that is in the given state and that a second picture right
// after agrees with (no repaint half done), or a null image when none came in time.
QImage waitForScreen(const std::function<bool(const QImage&)>& state, int milliseconds = 20000);
// Keeps a screenshot in the build's shots folder, for a person to look at.
void saveForLooking(const QImage& shot, const QString& name);
// Waits until a visible window other than the given one has this title; its id, or 0.
unsigned long waitForOtherWindow(const QString& title, unsigned long except,
                                 int milliseconds = 10000);
