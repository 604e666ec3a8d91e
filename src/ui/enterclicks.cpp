#include "ui/enterclicks.h"

#include <QKeyEvent>
#include <QPushButton>

EnterClicks::EnterClicks(QObject* parent) : QObject(parent) {}

void EnterClicks::watch(QPushButton* button) {
    button->installEventFilter(this);
}

bool EnterClicks::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (!enter || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    auto* button = qobject_cast<QPushButton*>(watched);
    if (!button || !button->isEnabled())
        return false;
    button->click();
    return true;
}
