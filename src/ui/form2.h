#pragma once

#include "core/colorsequencer.h"
#include "core/photodiodemarker.h"
#include "platform/pixelrows.h"
#include "platform/steppresenter.h"

#include <QImage>
#include <QWidget>
#include <memory>
#include <optional>
#include <utility>

class QLabel;
class WaylandOverlayBox;

// The flash on one screen: it covers its screen, paints the step the session shows and the hint,
// and hands its keys and its closing to the session that drives every screen.
class Form2 : public QWidget {
    Q_OBJECT
public:
    Form2();
    ~Form2() override;

    // Full screen on this screen, or on the window's own when there is none.
    void cover(QScreen* screen);
    // A small box at this place of the desktop, in its pixels, above every other window; it has
    // no room for the hint.
    void showAsBox(const QRect& box);
    // Moves and sizes a box; in desktop pixels.
    void placeBox(const QRect& box);
    // Whether the box is an overlay of the compositor's, which Qt does not show: it stands
    // exactly where placed, and it is on the screen while the window is not visible to Qt.
    bool isOverlay() const { return overlay_ != nullptr; }
    bool isOnScreen() const { return isOverlay() || isVisible(); }
    // Shows again what changed in the window, the lines laid over the step too.
    void refresh();
    // As every opening finds it: the hint at its design size, no step shown yet.
    void resetForOpening();
    // Shows a step; a gradient spans this window's own device pixels.
    void showStep(const FlashStep& step);
    // The light sensor's square, drawn with the step whose number is given.
    void setMarker(std::optional<PhotodiodeMarker> marker) { marker_ = marker; }
    void setMarkerStep(int step);
    const FlashStep& shownStep() const { return shownStep_; }
    // The window's size in device pixels, the surface a step covers.
    QSize devicePixelSize() const;
    QLabel& Label1() const { return *label1_; }
    // What the window shows now, for a presenter that puts it on the screen itself: the step, or
    // the face color before the first, and the hint over it while it shows.
    FlashPicture picture() const;
    // The first and the second color on screen now (the second only for a gradient).
    std::pair<std::int32_t, std::optional<std::int32_t>> shownColors() const;
    // Whether Qt stops painting the window, because a presenter puts the steps on the screen.
    void setPresented(bool presented);
    bool isPresented() const { return presented_; }
    QPaintEngine* paintEngine() const override;
    // The line at the bottom left that tells a paused flash's step; hidden while empty.
    void showReadout(const QString& text);
    QLabel& readout() const { return *readout_; }

    // Virtual-key code of a key press, as the key handler sees it: a letter of a layout without
    // Latin letters counts as the letter of its key on a US keyboard.
    static int virtualKeyCode(const QKeyEvent& event);

signals:
    void keyDown(int keyCode);
    // Part of a presented window must be drawn again.
    void exposed();
    void closed();
    // A paint of Qt's own has reached the screen.
    void painted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeReadout();
    // Where a text at the left edge starts so as to leave a marker in that corner free.
    int leftClearOfMarker(bool top) const;

private:
    QLabel* label1_ = nullptr;
    QLabel* readout_ = nullptr;
    FlashStep shownStep_;
    std::optional<PhotodiodeMarker> marker_;
    int markerStep_ = 0;
    void paintGradientImage(const GradientStep& gradient);

    QImage gradientImage_;
    bool gradientImageStale_ = true;
    PixelStores stores_ = PixelStores::Portable;
    bool presented_ = false;
    std::unique_ptr<WaylandOverlayBox> overlay_;
};
