#pragma once

#include "core/colorsequencer.h"

#include <QImage>
#include <QWidget>

class Dialogs;
class ErrorTrap;
class FlashSource;
class QLabel;
class QTimer;
class ScreenSaverInhibitor;

// The full-screen flash window. One object lives for the whole run; closing it hides it and
// stops its timer, while the palette, the cursors and the hint count stay for the next opening.
class Form2 : public QWidget {
    Q_OBJECT
public:
    Form2(const FlashSource& source, Dialogs& dialogs);
    ~Form2() override;

    // Opens the window, or only brings it to the front when it is open.
    void showFlash();

    // Virtual-key code of a key press, as the key handler sees it: a letter of a layout without
    // Latin letters counts as the letter of its key on a US keyboard.
    static int virtualKeyCode(const QKeyEvent& event);
    void Form_KeyDown(int keyCode);
    void Timer1_Timer();

    const ColorSequencer& sequencer() const { return sequencer_; }
    const FlashStep& shownStep() const { return shownStep_; }
    int timerInterval() const;
    bool timerRunning() const;
    QLabel& Label1() const { return *label1_; }
    int hideProgress() const { return hideProgress_; }

signals:
    // A tick has run; for measuring the timer.
    void ticked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void hideHint(ErrorTrap& trap);
    void paintStep(const FlashStep& step);
    // The window's size in device pixels, the surface a step covers.
    QSize devicePixelSize() const;

    const FlashSource& source_;
    Dialogs& dialogs_;
    ColorSequencer sequencer_;
    int hideProgress_ = 0;
    QTimer* timer1_ = nullptr;
    QLabel* label1_ = nullptr;
    FlashStep shownStep_;
    QImage gradientImage_;
    ScreenSaverInhibitor* screenSaver_ = nullptr;
};
