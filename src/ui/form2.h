#pragma once

#include "core/colorsequencer.h"

#include <QImage>
#include <QWidget>

class QLabel;

// The flash on one screen: it covers its screen, paints the step the session shows and the hint,
// and hands its keys and its closing to the session that drives every screen.
class Form2 : public QWidget {
    Q_OBJECT
public:
    Form2();
    ~Form2() override;

    // Full screen on this screen, or on the window's own when there is none.
    void cover(QScreen* screen);
    // As every opening finds it: the hint at its design size, no step shown yet.
    void resetForOpening();
    // Shows a step; a gradient spans this window's own device pixels.
    void showStep(const FlashStep& step);
    const FlashStep& shownStep() const { return shownStep_; }
    // The window's size in device pixels, the surface a step covers.
    QSize devicePixelSize() const;
    QLabel& Label1() const { return *label1_; }
    // The line at the bottom left that tells a paused flash's step; hidden while empty.
    void showReadout(const QString& text);
    QLabel& readout() const { return *readout_; }

    // Virtual-key code of a key press, as the key handler sees it: a letter of a layout without
    // Latin letters counts as the letter of its key on a US keyboard.
    static int virtualKeyCode(const QKeyEvent& event);

signals:
    void keyDown(int keyCode);
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeReadout();

private:
    QLabel* label1_ = nullptr;
    QLabel* readout_ = nullptr;
    FlashStep shownStep_;
    QImage gradientImage_;
};
