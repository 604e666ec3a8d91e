#include "platform/waylandsurfaceextension.h"

#include "platform/waylandglobals.h"

#include <QEvent>
#include <QWindow>
#include <algorithm>

WaylandSurfaceExtension::WaylandSurfaceExtension(QObject* parent)
    : QObject(parent), globals_(std::make_unique<WaylandGlobals>()) {}

WaylandSurfaceExtension::~WaylandSurfaceExtension() = default;

void WaylandSurfaceExtension::hold(const QList<QWindow*>& windows) {
    for (QWindow* window : windows) {
        const bool known = std::any_of(held_.begin(), held_.end(), [window](const Held& held) {
            return held.window == window;
        });
        if (known || !window)
            continue;
        window->installEventFilter(this);
        held_.append({window});
        follow(held_.last());
    }
    globals_->dispatchPending();
}

void WaylandSurfaceExtension::release() {
    for (Held& held : held_) {
        if (held.window)
            held.window->removeEventFilter(this);
        drop(held);
    }
    held_.clear();
    globals_->dispatchPending();
}

void WaylandSurfaceExtension::follow(Held& held) {
    wl_surface* surface = WaylandGlobals::surfaceOf(held.window);
    if (surface == held.surface)
        return;
    drop(held);
    held.surface = surface;
    if (surface)
        held.object = attach(surface);
}

void WaylandSurfaceExtension::drop(Held& held) {
    if (held.object)
        detach(held.object);
    held.object = nullptr;
    held.surface = nullptr;
}

bool WaylandSurfaceExtension::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::Expose || type == QEvent::Show || type == QEvent::Hide ||
        type == QEvent::PlatformSurface) {
        for (Held& held : held_) {
            if (held.window != watched)
                continue;
            if (type == QEvent::Hide || type == QEvent::PlatformSurface)
                drop(held);
            else
                follow(held);
        }
        globals_->dispatchPending();
    }
    return QObject::eventFilter(watched, event);
}
