#pragma once

#include <QList>
#include <QString>
#include <cstdint>

struct wl_display;
struct wl_event_queue;
struct wl_interface;
struct wl_registry;
struct wl_surface;
class QWindow;

// The compositor's globals, listed and bound on an event queue of our own beside Qt's
// connection: Qt dispatches only its own queue, so nothing here can run inside Qt's handlers or
// steal its events. Empty (available() false) when the program does not run on Wayland.
// Destroy every proxy bound through it before the object itself.
class WaylandGlobals {
public:
    WaylandGlobals();
    ~WaylandGlobals();
    WaylandGlobals(const WaylandGlobals&) = delete;
    WaylandGlobals& operator=(const WaylandGlobals&) = delete;

    bool available() const { return queue_ != nullptr; }
    bool offers(const wl_interface* interface) const;
    // The global of this interface, at the lower of version and the compositor's, on our queue;
    // null when the compositor does not offer it. The caller owns the proxy.
    void* bind(const wl_interface* interface, uint32_t version);

    // Sends what we asked and handles every answer that has come, without waiting.
    void dispatchPending();
    // Reads what the socket holds, without waiting, and handles every answer for our queue: when
    // the socket announces something. Qt's own reader may have taken it first, which leaves it
    // on our queue all the same.
    void readAvailable();
    // The socket, to watch for something to read.
    int fileDescriptor() const;
    // Sends what we asked and waits for the compositor to have answered all of it.
    void roundtrip();

    wl_display* display() const { return display_; }
    wl_event_queue* queue() const { return queue_; }

    // The window's surface on Qt's connection; null before Qt made it (it does at show) or off
    // Wayland.
    static wl_surface* surfaceOf(QWindow* window);

private:
    struct Global {
        uint32_t name;
        QString interface;
        uint32_t version;
    };
    static void announced(void* data, wl_registry* registry, uint32_t name, const char* interface,
                          uint32_t version);
    static void removed(void* data, wl_registry* registry, uint32_t name);
    const Global* find(const wl_interface* interface) const;

    wl_display* display_ = nullptr;
    wl_event_queue* queue_ = nullptr;
    wl_display* wrapper_ = nullptr;
    wl_registry* registry_ = nullptr;
    QList<Global> globals_;
};
