#include "ui/windowaccessibility.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

QAccessibleInterface* windowAsFrame(const QString& className, QObject* object) {
    if (className != QLatin1String("Form1") && className != QLatin1String("Form2"))
        return nullptr;
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || !widget->isWindow())
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Window);
}

} // namespace

void presentWindowsAsFrames() {
    static const bool installed = [] {
        QAccessible::installFactory(windowAsFrame);
        return true;
    }();
    Q_UNUSED(installed);
}
