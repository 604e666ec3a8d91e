#pragma once

#include "platform/steppresenter.h"

#include <QObject>
#include <QPointF>
#include <QRect>
#include <memory>

class QScreen;
class WaylandIncoming;
class QWidget;
class WaylandGlobals;
struct wl_buffer;
struct wl_compositor;
struct wl_keyboard;
struct wl_pointer;
struct wl_seat;
struct wl_shm;
struct wl_surface;
struct xkb_context;
struct xkb_keymap;
struct xkb_state;
struct zwlr_layer_shell_v1;
struct zwlr_layer_surface_v1;

// A box on a layer-shell overlay surface of our own, where the compositor offers
// zwlr_layer_shell_v1: unlike a toplevel it stands exactly where it is put, above every window.
// Qt knows nothing of the surface, so its keys and the left button's presses, moves and releases
// over it are handed to the widget as Qt's own events would be, in that widget's coordinates.
class WaylandOverlayBox : public QObject {
    Q_OBJECT
public:
    // Whether boxes can be overlays on this desktop.
    static bool offered();
    // Null off Wayland or where the compositor has no layer shell.
    static std::unique_ptr<WaylandOverlayBox> create(QWidget& receiver);
    ~WaylandOverlayBox() override;

    // At this place of the screen's output, in its logical pixels.
    void place(QScreen* screen, const QRect& onOutput);
    // Shown from the next configure on, and again at every place.
    void draw(const FlashPicture& picture);

signals:
    // The compositor took the surface away.
    void closed();

private:
    WaylandOverlayBox(QWidget& receiver, std::unique_ptr<WaylandGlobals> globals,
                      zwlr_layer_shell_v1* shell);
    void drawPending();
    void sendPointer(int type, Qt::MouseButton changed);

    static void configured(void* data, zwlr_layer_surface_v1* surface, uint32_t serial,
                           uint32_t width, uint32_t height);
    static void closedByCompositor(void* data, zwlr_layer_surface_v1* surface);
    static void capabilities(void* data, wl_seat* seat, uint32_t capabilities);
    static void seatName(void* data, wl_seat* seat, const char* name);
    static void keymap(void* data, wl_keyboard* keyboard, uint32_t format, int32_t fd,
                       uint32_t size);
    static void keyboardEnter(void* data, wl_keyboard* keyboard, uint32_t serial,
                              wl_surface* surface, struct wl_array* keys);
    static void keyboardLeave(void* data, wl_keyboard* keyboard, uint32_t serial,
                              wl_surface* surface);
    static void key(void* data, wl_keyboard* keyboard, uint32_t serial, uint32_t time, uint32_t key,
                    uint32_t state);
    static void modifiers(void* data, wl_keyboard* keyboard, uint32_t serial, uint32_t depressed,
                          uint32_t latched, uint32_t locked, uint32_t group);
    static void repeatInfo(void* data, wl_keyboard* keyboard, int32_t rate, int32_t delay);
    static void pointerEnter(void* data, wl_pointer* pointer, uint32_t serial, wl_surface* surface,
                             int32_t x, int32_t y);
    static void pointerLeave(void* data, wl_pointer* pointer, uint32_t serial, wl_surface* surface);
    static void motion(void* data, wl_pointer* pointer, uint32_t time, int32_t x, int32_t y);
    static void button(void* data, wl_pointer* pointer, uint32_t serial, uint32_t time,
                       uint32_t code, uint32_t state);
    static void axis(void* data, wl_pointer* pointer, uint32_t time, uint32_t axis, int32_t value);
    static void released(void* data, wl_buffer* buffer);

    QWidget& receiver_;
    std::unique_ptr<WaylandGlobals> globals_;
    WaylandIncoming* incoming_ = nullptr;
    zwlr_layer_shell_v1* shell_ = nullptr;
    wl_compositor* compositor_ = nullptr;
    wl_shm* shm_ = nullptr;
    wl_seat* seat_ = nullptr;
    wl_keyboard* keyboard_ = nullptr;
    wl_pointer* pointer_ = nullptr;
    wl_surface* surface_ = nullptr;
    zwlr_layer_surface_v1* layer_ = nullptr;
    xkb_context* xkb_ = nullptr;
    xkb_keymap* keymap_ = nullptr;
    xkb_state* keys_ = nullptr;
    bool configured_ = false;
    QRect onOutput_;
    QPoint outputOrigin_; // the output's top left on the desktop, in logical pixels
    QPointF pointerAt_;   // on the surface
    Qt::MouseButtons buttons_;
    FlashPicture picture_;
};
