#include "platform/waylandidleinhibitor.h"

#include "idle-inhibit-unstable-v1-client-protocol.h"
#include "platform/waylandglobals.h"

#include <QEvent>
#include <QWindow>
#include <algorithm>

WaylandIdleInhibitor::WaylandIdleInhibitor(QObject* parent)
    : QObject(parent), globals_(std::make_unique<WaylandGlobals>()) {
    manager_ = static_cast<zwp_idle_inhibit_manager_v1*>(
        globals_->bind(&zwp_idle_inhibit_manager_v1_interface, 1));
}

WaylandIdleInhibitor::~WaylandIdleInhibitor() {
    release();
    if (manager_)
        zwp_idle_inhibit_manager_v1_destroy(manager_);
}

void WaylandIdleInhibitor::hold(const QList<QWindow*>& windows) {
    if (!manager_)
        return;
    for (QWindow* window : windows) {
        const bool known = std::any_of(held_.begin(), held_.end(), [window](const Held& held) {
            return held.window == window;
        });
        if (known || !window)
            continue;
        window->installEventFilter(this);
        held_.append({window});
        inhibit(held_.last());
    }
    globals_->dispatchPending();
}

void WaylandIdleInhibitor::release() {
    for (Held& held : held_) {
        if (held.window)
            held.window->removeEventFilter(this);
        destroy(held);
    }
    held_.clear();
    if (globals_)
        globals_->dispatchPending();
}

void WaylandIdleInhibitor::inhibit(Held& held) {
    wl_surface* surface = WaylandGlobals::surfaceOf(held.window);
    if (surface == held.surface)
        return;
    destroy(held);
    held.surface = surface;
    if (surface)
        held.inhibitor = zwp_idle_inhibit_manager_v1_create_inhibitor(manager_, surface);
}

void WaylandIdleInhibitor::destroy(Held& held) {
    if (held.inhibitor)
        zwp_idle_inhibitor_v1_destroy(held.inhibitor);
    held.inhibitor = nullptr;
    held.surface = nullptr;
}

bool WaylandIdleInhibitor::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::Expose || type == QEvent::Show || type == QEvent::Hide ||
        type == QEvent::PlatformSurface) {
        for (Held& held : held_) {
            if (held.window == watched) {
                // Qt drops the surface at hide, and a new one may come at the same address.
                if (type == QEvent::Hide || type == QEvent::PlatformSurface)
                    destroy(held);
                else
                    inhibit(held);
            }
        }
        globals_->dispatchPending();
    }
    return QObject::eventFilter(watched, event);
}
