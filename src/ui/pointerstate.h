#pragma once

#include <QCursor>
#include <QObject>
#include <optional>

class QWidget;

// The main window's pointer: default (0), busy (11) or custom (99, the hand cursor when one was
// loaded). Pointer moves over the watched widgets run the hover handlers.
class PointerState : public QObject {
    Q_OBJECT
public:
    static constexpr int Default = 0;
    static constexpr int Busy = 11;
    static constexpr int Custom = 99;

    explicit PointerState(QWidget& form);

    int state() const { return state_; }
    void setState(int state);
    void setCustomCursor(const QCursor& cursor);
    bool hasCustomCursor() const { return custom_.has_value(); }

    // Pointer moves over the widget set the given state.
    void watch(QWidget* widget, int hoverState);
    // The rule every hover handler follows.
    void hover(int hoverState);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& form_;
    int state_ = Default;
    std::optional<QCursor> custom_;
};
