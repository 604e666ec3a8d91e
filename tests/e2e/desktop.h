#pragma once

#include <QColor>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>
#include <cstdint>
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

// Where the main window lays out its controls in its client area, at a scale of 1.
namespace Controls {
inline constexpr QRect delayFrame{8, 8, 520, 54};
inline constexpr QRect randomOrder{24, 86, 225, 17};
inline constexpr QRect cycleOrder{24, 109, 225, 17};
inline constexpr QRect solidColors{24, 160, 225, 17};
inline constexpr QRect gradientColors{24, 183, 225, 17};
inline constexpr QRect leftToRight{24, 234, 225, 17};
inline constexpr QRect upAndDown{24, 257, 225, 17};
inline constexpr QRect list{8, 292, 520, 137};
inline constexpr QRect addColor{8, 435, 256, 27};
inline constexpr QRect deleteColor{272, 435, 256, 27};
inline constexpr QRect clearList{8, 469, 256, 27};
inline constexpr QRect loadDefaults{272, 469, 256, 27};
inline constexpr QRect start{8, 503, 520, 27};
} // namespace Controls

// The middle of a control of a main window whose client area begins at this point.
QPoint middleOf(const QRect& control, QPoint clientTopLeft, qreal scale = 1);
QPoint startButtonOf(QPoint clientTopLeft, qreal scale = 1);
// A point on the list's first entry, below the list's header.
QPoint firstEntryOf(QPoint clientTopLeft);
// The middle of an option button's round indicator.
QPoint indicatorOf(const QRect& option, QPoint clientTopLeft);
// Whether the indicator at this point of a picture shows its option chosen.
bool looksChosen(const QImage& shot, QPoint indicator);
// Runs xdotool with these arguments; its standard output.
QString xdotool(const QStringList& arguments);
// Presses a key in a window. With no window manager the keyboard follows the pointer, so the
// pointer goes over the window first. The server hands the key on before this returns; what
// the window makes of it is for the caller to wait for.
void pressKeyIn(unsigned long window, const QString& key);
// Whether the window is gone from the screen, unmapped or destroyed, within the time.
bool waitUntilHidden(unsigned long window, int milliseconds = 10000);
// Clicks at a point of the screen; like pressKeyIn, without waiting for what the click does.
void clickAt(QPoint point);
// The whole screen as an image.
QImage screenshot();
// The pixels of this part of the screen, straight from the server: fast enough to sample a flash.
QImage screenArea(const QRect& area);
QColor pixelAt(QPoint point);
// The screen's pixel value there as the server holds it, whatever its depth.
std::uint32_t pixelValueAt(QPoint point);
int screenDepth();
// The color as a screen of this depth holds it, read back as 8 bits a channel.
QColor asShownOnThisScreen(const QColor& color);
// Destroys a window of any client, as any client of the server may.
void destroyWindow(unsigned long window);
// The first picture from the capture that is in the given state and that a second picture right
// after agrees with (no repaint half done), or a null image when none came in time. A null
// picture is a failed capture.
QImage waitForScreen(const std::function<QImage()>& capture,
                     const std::function<bool(const QImage&)>& state, int milliseconds = 20000);
// The same for the whole X screen.
QImage waitForScreen(const std::function<bool(const QImage&)>& state, int milliseconds = 20000);
// Keeps a screenshot in the build's shots folder, for a person to look at.
void saveForLooking(const QImage& shot, const QString& name);
// Waits until a visible window other than the given one has this title; its id, or 0.
unsigned long waitForOtherWindow(const QString& title, unsigned long except,
                                 int milliseconds = 10000);
