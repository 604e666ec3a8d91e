#include "platform/steppresenter.h"
#include "platform/waylandpresenter.h"
#include "platform/xpresentpresenter.h"

#include <QWidget>

std::unique_ptr<StepPresenter> createStepPresenter(QWidget& window, QString& refusal) {
    if (auto onWayland = WaylandPresenter::create(window))
        return onWayland;
    QWindow* handle = window.windowHandle();
    return handle ? XPresentPresenter::create(*handle, refusal) : nullptr;
}
