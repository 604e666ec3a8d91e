#include "ui/pointerstate.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

PointerState::PointerState(QWidget& form) : QObject(&form), form_(form) {}

void PointerState::setState(int state) {
    state_ = state;
    if (state == Busy)
        form_.setCursor(Qt::WaitCursor);
    else if (state == Custom && custom_)
        form_.setCursor(*custom_);
    else
        form_.unsetCursor();
}

void PointerState::setCustomCursor(const QCursor& cursor) {
    custom_ = cursor;
}

void PointerState::watch(QWidget* widget, int hoverState) {
    // A list's pointer moves arrive at its viewport.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget))
        widget = area->viewport();
    widget->setMouseTracking(true);
    widget->setProperty("hoverState", hoverState);
    widget->installEventFilter(this);
}

void PointerState::hover(int hoverState) {
    if (state_ == Busy)
        return;
    if (state_ != hoverState)
        setState(hoverState);
}

bool PointerState::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        // A move that a child ignored reaches its parent too; only the widget under the pointer
        // has a say.
        const auto* widget = static_cast<QWidget*>(watched);
        const QPoint position = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (!widget->childAt(position))
            hover(watched->property("hoverState").toInt());
    }
    return QObject::eventFilter(watched, event);
}
