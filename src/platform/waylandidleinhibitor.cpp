#include "platform/waylandidleinhibitor.h"

#include "idle-inhibit-unstable-v1-client-protocol.h"
#include "platform/waylandglobals.h"

WaylandIdleInhibitor::WaylandIdleInhibitor(QObject* parent) : WaylandSurfaceExtension(parent) {
    manager_ = static_cast<zwp_idle_inhibit_manager_v1*>(
        globals().bind(&zwp_idle_inhibit_manager_v1_interface, 1));
}

WaylandIdleInhibitor::~WaylandIdleInhibitor() {
    release();
    if (manager_)
        zwp_idle_inhibit_manager_v1_destroy(manager_);
}

void* WaylandIdleInhibitor::attach(wl_surface* surface) {
    return manager_ ? zwp_idle_inhibit_manager_v1_create_inhibitor(manager_, surface) : nullptr;
}

void WaylandIdleInhibitor::detach(void* object) {
    zwp_idle_inhibitor_v1_destroy(static_cast<zwp_idle_inhibitor_v1*>(object));
}
