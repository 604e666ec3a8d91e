#pragma once

#include "core/screenchoice.h"

#include <QMenu>

class QPushButton;
class QScreen;

// The start button's menu: which screens this one flash covers. It opens on a right click, the
// Menu key or Shift+F10, and lists the screens as they are at that moment.
class StartMenu : public QMenu {
    Q_OBJECT
public:
    explicit StartMenu(QPushButton& button);

    // Lists the screens afresh and opens at this point of the desktop.
    void openAt(const QPoint& globalPosition);
    // The check of "Lock to Display Refresh".
    void setFrameLock(bool locked) { frameLock_ = locked; }

signals:
    // The screen for One, none otherwise.
    void startRequested(ScreenChoice::Kind kind, QScreen* screen);
    void frameLockToggled(bool locked);
    // "Flash a Box": one box where the last one was.
    void boxRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void list();

    QPushButton& button_;
    bool frameLock_ = false;
};

// "HDMI-1 (1920×1080)": the name, and the size in the screen's own pixels.
QString screenEntryText(const QScreen& screen);
