#pragma once

#include <QObject>

class QPushButton;

// Lets Enter and Return press the focused push button as Space does: outside a dialog Qt gives
// a button no such key, and a keyboard user expects one.
class EnterClicks : public QObject {
    Q_OBJECT
public:
    explicit EnterClicks(QObject* parent);
    void watch(QPushButton* button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
