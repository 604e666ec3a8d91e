#include "platform/waylandglobals.h"

#include <QGuiApplication>
#include <QWindow>
#include <poll.h>
#include <qpa/qplatformnativeinterface.h>
#include <wayland-client.h>

namespace {

bool onWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

WaylandGlobals::WaylandGlobals() {
    if (!onWayland())
        return;
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    if (!native)
        return;
    display_ = static_cast<wl_display*>(
        native->nativeResourceForIntegration(QByteArrayLiteral("wl_display")));
    if (!display_)
        return;
    queue_ = wl_display_create_queue(display_);
    // The registry is made through a wrapper so that its events land on our queue from the
    // start, never on Qt's.
    wrapper_ = static_cast<wl_display*>(wl_proxy_create_wrapper(display_));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapper_), queue_);
    registry_ = wl_display_get_registry(wrapper_);
    static const wl_registry_listener listener = {&WaylandGlobals::announced,
                                                  &WaylandGlobals::removed};
    wl_registry_add_listener(registry_, &listener, this);
    wl_display_roundtrip_queue(display_, queue_);
}

WaylandGlobals::~WaylandGlobals() {
    if (registry_)
        wl_registry_destroy(registry_);
    if (wrapper_)
        wl_proxy_wrapper_destroy(wrapper_);
    if (queue_) {
        wl_display_flush(display_);
        wl_event_queue_destroy(queue_);
    }
}

void WaylandGlobals::announced(void* data, wl_registry*, uint32_t name, const char* interface,
                               uint32_t version) {
    static_cast<WaylandGlobals*>(data)->globals_.append(
        {name, QString::fromLatin1(interface), version});
}

void WaylandGlobals::removed(void* data, wl_registry*, uint32_t name) {
    auto& globals = static_cast<WaylandGlobals*>(data)->globals_;
    globals.removeIf([name](const Global& global) { return global.name == name; });
}

const WaylandGlobals::Global* WaylandGlobals::find(const wl_interface* interface) const {
    for (const Global& global : globals_)
        if (global.interface == QLatin1String(interface->name))
            return &global;
    return nullptr;
}

bool WaylandGlobals::offers(const wl_interface* interface) const {
    return find(interface) != nullptr;
}

void* WaylandGlobals::bind(const wl_interface* interface, uint32_t version) {
    const Global* global = find(interface);
    if (!global)
        return nullptr;
    return wl_registry_bind(registry_, global->name, interface, qMin(version, global->version));
}

void WaylandGlobals::dispatchPending() {
    if (!queue_)
        return;
    wl_display_flush(display_);
    wl_display_dispatch_queue_pending(display_, queue_);
}

void WaylandGlobals::readAvailable() {
    if (!queue_)
        return;
    // A read may be prepared only on an empty queue.
    while (wl_display_prepare_read_queue(display_, queue_) != 0)
        wl_display_dispatch_queue_pending(display_, queue_);
    wl_display_flush(display_);
    pollfd socket{wl_display_get_fd(display_), POLLIN, 0};
    if (poll(&socket, 1, 0) > 0 && (socket.revents & POLLIN))
        wl_display_read_events(display_);
    else
        wl_display_cancel_read(display_);
    wl_display_dispatch_queue_pending(display_, queue_);
}

int WaylandGlobals::fileDescriptor() const {
    return display_ ? wl_display_get_fd(display_) : -1;
}

void WaylandGlobals::roundtrip() {
    if (queue_)
        wl_display_roundtrip_queue(display_, queue_);
}

wl_surface* WaylandGlobals::surfaceOf(QWindow* window) {
    if (!window || !window->handle() || !onWayland())
        return nullptr;
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    return native ? static_cast<wl_surface*>(
                        native->nativeResourceForWindow(QByteArrayLiteral("surface"), window))
                  : nullptr;
}
