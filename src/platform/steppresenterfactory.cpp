#include "platform/steppresenter.h"
#include "platform/waylandpresenter.h"
#include "platform/xpresentpresenter.h"

#include <QCoreApplication>
#include <QWidget>

std::unique_ptr<StepPresenter> createStepPresenter(QWidget& window, QString& refusal) {
    // A box drawn on a surface of its own has no window of Qt's to hold.
    if (!window.windowHandle()) {
        refusal = QCoreApplication::translate("StepPresenter",
                                              "the frame lock holds no box drawn as an overlay");
        return nullptr;
    }
    if (auto onWayland = WaylandPresenter::create(window))
        return onWayland;
    QWindow* handle = window.windowHandle();
    return handle ? XPresentPresenter::create(*handle, refusal) : nullptr;
}
