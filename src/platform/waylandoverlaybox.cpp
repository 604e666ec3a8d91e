#include "platform/waylandoverlaybox.h"

#include "platform/imagesurface.h"
#include "platform/waylandglobals.h"
#include "platform/waylandincoming.h"
#include "wlr-layer-shell-unstable-v1-client-protocol.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWidget>
#include <QtGui/private/qxkbcommon_p.h>
#include <linux/input-event-codes.h>
#include <qpa/qplatformnativeinterface.h>
#include <sys/mman.h>
#include <unistd.h>
#include <utility>
#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

namespace {

// Keyboard on demand: the box takes the keys once clicked and leaves them to the windows
// clicked after it; older compositors only know "always".
constexpr uint32_t layerShellVersion =
    ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_ON_DEMAND_SINCE_VERSION;

// A buffer of its own for every picture, unmapped when the compositor has done with it: a box
// is small and changes a few times a second.
struct Buffer {
    wl_buffer* buffer = nullptr;
    void* pixels = nullptr;
    size_t bytes = 0;
};

Buffer* newBuffer(wl_shm* shm, QSize size) {
    const int stride = size.width() * 4;
    const size_t bytes = size_t(stride) * size_t(size.height());
    const int fd = memfd_create("chromaflick-box", MFD_CLOEXEC);
    if (fd < 0)
        return nullptr;
    if (ftruncate(fd, off_t(bytes)) != 0) {
        close(fd);
        return nullptr;
    }
    void* pixels = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (pixels == MAP_FAILED) {
        close(fd);
        return nullptr;
    }
    wl_shm_pool* pool = wl_shm_create_pool(shm, fd, int32_t(bytes));
    wl_buffer* buffer = wl_shm_pool_create_buffer(pool, 0, size.width(), size.height(), stride,
                                                  WL_SHM_FORMAT_XRGB8888);
    wl_shm_pool_destroy(pool);
    close(fd);
    return new Buffer{buffer, pixels, bytes};
}

void freeBuffer(Buffer* buffer) {
    wl_buffer_destroy(buffer->buffer);
    munmap(buffer->pixels, buffer->bytes);
    delete buffer;
}

} // namespace

bool WaylandOverlayBox::offered() {
    const WaylandGlobals globals;
    return globals.available() && globals.offers(&zwlr_layer_shell_v1_interface);
}

std::unique_ptr<WaylandOverlayBox> WaylandOverlayBox::create(QWidget& receiver) {
    auto globals = std::make_unique<WaylandGlobals>();
    if (!globals->available())
        return nullptr;
    auto* shell = static_cast<zwlr_layer_shell_v1*>(
        globals->bind(&zwlr_layer_shell_v1_interface, layerShellVersion));
    if (!shell)
        return nullptr;
    return std::unique_ptr<WaylandOverlayBox>(
        new WaylandOverlayBox(receiver, std::move(globals), shell));
}

WaylandOverlayBox::WaylandOverlayBox(QWidget& receiver, std::unique_ptr<WaylandGlobals> globals,
                                     zwlr_layer_shell_v1* shell)
    : receiver_(receiver), globals_(std::move(globals)), shell_(shell) {
    compositor_ = static_cast<wl_compositor*>(globals_->bind(&wl_compositor_interface, 4));
    shm_ = static_cast<wl_shm*>(globals_->bind(&wl_shm_interface, 1));
    // Version 3: pointer frames and key repeat come later, and the box needs neither; the events
    // of later versions are never sent.
    seat_ = static_cast<wl_seat*>(globals_->bind(&wl_seat_interface, 3));
    xkb_ = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    if (seat_) {
        static const wl_seat_listener seatListener{&capabilities, &seatName};
        wl_seat_add_listener(seat_, &seatListener, this);
    }
    incoming_ = new WaylandIncoming(*globals_, {}, this);
    incoming_->setEnabled(true);
    globals_->roundtrip();
}

WaylandOverlayBox::~WaylandOverlayBox() {
    if (layer_)
        zwlr_layer_surface_v1_destroy(layer_);
    if (surface_)
        wl_surface_destroy(surface_);
    if (keyboard_)
        wl_keyboard_release(keyboard_);
    if (pointer_)
        wl_pointer_release(pointer_);
    if (seat_)
        wl_seat_destroy(seat_);
    if (shm_)
        wl_shm_destroy(shm_);
    if (compositor_)
        wl_compositor_destroy(compositor_);
    zwlr_layer_shell_v1_destroy(shell_);
    // Buffers the compositor still holds are released by the destroyed surface's end; their
    // release events would find no listener, so they are left to the process's end.
    globals_->roundtrip();
    xkb_state_unref(keys_);
    xkb_keymap_unref(keymap_);
    xkb_context_unref(xkb_);
}

void WaylandOverlayBox::place(QScreen* screen, const QRect& onOutput) {
    if (!compositor_ || !shm_)
        return;
    onOutput_ = onOutput;
    outputOrigin_ = screen ? screen->geometry().topLeft() : QPoint();
    if (!surface_) {
        surface_ = wl_compositor_create_surface(compositor_);
        QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
        auto* output = screen && native ? static_cast<wl_output*>(native->nativeResourceForScreen(
                                              QByteArrayLiteral("output"), screen))
                                        : nullptr;
        layer_ = zwlr_layer_shell_v1_get_layer_surface(
            shell_, surface_, output, ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY, "chromaflick-box");
        static const zwlr_layer_surface_v1_listener layerListener{&configured, &closedByCompositor};
        zwlr_layer_surface_v1_add_listener(layer_, &layerListener, this);
        zwlr_layer_surface_v1_set_anchor(layer_, ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP |
                                                     ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT);
        const bool onDemand = zwlr_layer_surface_v1_get_version(layer_) >= layerShellVersion;
        zwlr_layer_surface_v1_set_keyboard_interactivity(
            layer_, onDemand ? ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_ON_DEMAND
                             : ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_EXCLUSIVE);
    }
    zwlr_layer_surface_v1_set_size(layer_, uint32_t(onOutput.width()), uint32_t(onOutput.height()));
    zwlr_layer_surface_v1_set_margin(layer_, onOutput.y(), 0, 0, onOutput.x());
    if (configured_)
        drawPending();
    else
        wl_surface_commit(surface_);
    globals_->dispatchPending();
}

void WaylandOverlayBox::draw(const FlashPicture& picture) {
    picture_ = picture;
    if (configured_)
        drawPending();
    globals_->dispatchPending();
}

void WaylandOverlayBox::drawPending() {
    if (!picture_.background || onOutput_.isEmpty())
        return;
    Buffer* buffer = newBuffer(shm_, onOutput_.size());
    if (!buffer)
        return;
    QImage image(static_cast<uchar*>(buffer->pixels), onOutput_.width(), onOutput_.height(),
                 onOutput_.width() * 4, QImage::Format_RGB32);
    {
        ImageSurface surface(image);
        picture_.background(surface, image.size());
        surface.flush();
    }
    if (!picture_.overlays.empty()) {
        QPainter painter(&image);
        for (const FlashPicture::Overlay& overlay : picture_.overlays)
            painter.drawImage(overlay.at, overlay.image);
    }
    static const wl_buffer_listener bufferListener{&released};
    wl_buffer_add_listener(buffer->buffer, &bufferListener, buffer);
    wl_surface_attach(surface_, buffer->buffer, 0, 0);
    wl_surface_damage_buffer(surface_, 0, 0, onOutput_.width(), onOutput_.height());
    wl_surface_commit(surface_);
}

void WaylandOverlayBox::released(void* data, wl_buffer*) {
    freeBuffer(static_cast<Buffer*>(data));
}

void WaylandOverlayBox::configured(void* data, zwlr_layer_surface_v1* surface, uint32_t serial,
                                   uint32_t, uint32_t) {
    auto* box = static_cast<WaylandOverlayBox*>(data);
    zwlr_layer_surface_v1_ack_configure(surface, serial);
    const bool first = !std::exchange(box->configured_, true);
    // Later configures only confirm the size we set; the picture is already there.
    if (first)
        box->drawPending();
}

void WaylandOverlayBox::closedByCompositor(void* data, zwlr_layer_surface_v1*) {
    auto* box = static_cast<WaylandOverlayBox*>(data);
    QMetaObject::invokeMethod(box, &WaylandOverlayBox::closed, Qt::QueuedConnection);
}

void WaylandOverlayBox::capabilities(void* data, wl_seat* seat, uint32_t capabilities) {
    auto* box = static_cast<WaylandOverlayBox*>(data);
    if ((capabilities & WL_SEAT_CAPABILITY_KEYBOARD) && !box->keyboard_) {
        box->keyboard_ = wl_seat_get_keyboard(seat);
        static const wl_keyboard_listener keyboardListener{&keymap, &keyboardEnter, &keyboardLeave,
                                                           &key,    &modifiers,     &repeatInfo};
        wl_keyboard_add_listener(box->keyboard_, &keyboardListener, box);
    }
    if ((capabilities & WL_SEAT_CAPABILITY_POINTER) && !box->pointer_) {
        box->pointer_ = wl_seat_get_pointer(seat);
        static const wl_pointer_listener pointerListener{
            &pointerEnter, &pointerLeave, &motion, &button, &axis,
            nullptr,       nullptr,       nullptr, nullptr, nullptr};
        wl_pointer_add_listener(box->pointer_, &pointerListener, box);
    }
}

void WaylandOverlayBox::seatName(void*, wl_seat*, const char*) {}

void WaylandOverlayBox::keymap(void* data, wl_keyboard*, uint32_t format, int32_t fd,
                               uint32_t size) {
    auto* box = static_cast<WaylandOverlayBox*>(data);
    if (format != WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1) {
        close(fd);
        return;
    }
    void* text = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    close(fd);
    if (text == MAP_FAILED)
        return;
    xkb_keymap* keymap =
        xkb_keymap_new_from_string(box->xkb_, static_cast<const char*>(text),
                                   XKB_KEYMAP_FORMAT_TEXT_V1, XKB_KEYMAP_COMPILE_NO_FLAGS);
    munmap(text, size);
    if (!keymap)
        return;
    xkb_state_unref(box->keys_);
    xkb_keymap_unref(box->keymap_);
    box->keymap_ = keymap;
    box->keys_ = xkb_state_new(keymap);
}

void WaylandOverlayBox::keyboardEnter(void*, wl_keyboard*, uint32_t, wl_surface*, wl_array*) {}

void WaylandOverlayBox::keyboardLeave(void*, wl_keyboard*, uint32_t, wl_surface*) {}

void WaylandOverlayBox::key(void* data, wl_keyboard*, uint32_t, uint32_t, uint32_t key,
                            uint32_t state) {
    auto* box = static_cast<WaylandOverlayBox*>(data);
    if (!box->keys_)
        return;
    // XKB numbers keys from the evdev code plus 8, as Qt's native scan codes do.
    const xkb_keycode_t code = key + 8;
    const xkb_keysym_t sym = xkb_state_key_get_one_sym(box->keys_, code);
    const Qt::KeyboardModifiers modifiers = QXkbCommon::modifiers(box->keys_);
    const int qtKey = QXkbCommon::keysymToQtKey(sym, modifiers, box->keys_, code);
    const bool pressed = state == WL_KEYBOARD_KEY_STATE_PRESSED;
    QKeyEvent event(pressed ? QEvent::KeyPress : QEvent::KeyRelease, qtKey, modifiers, code, sym, 0,
                    QXkbCommon::lookupString(box->keys_, code));
    QCoreApplication::sendEvent(&box->receiver_, &event);
}

void WaylandOverlayBox::modifiers(void* data, wl_keyboard*, uint32_t, uint32_t depressed,
                                  uint32_t latched, uint32_t locked, uint32_t group) {
    auto* box = static_cast<WaylandOverlayBox*>(data);
    if (box->keys_)
        xkb_state_update_mask(box->keys_, depressed, latched, locked, 0, 0, group);
}

void WaylandOverlayBox::repeatInfo(void*, wl_keyboard*, int32_t, int32_t) {}

void WaylandOverlayBox::pointerEnter(void* data, wl_pointer*, uint32_t, wl_surface*, int32_t x,
                                     int32_t y) {
    static_cast<WaylandOverlayBox*>(data)->pointerAt_ = {wl_fixed_to_double(x),
                                                         wl_fixed_to_double(y)};
}

void WaylandOverlayBox::pointerLeave(void*, wl_pointer*, uint32_t, wl_surface*) {}

void WaylandOverlayBox::motion(void* data, wl_pointer*, uint32_t, int32_t x, int32_t y) {
    auto* box = static_cast<WaylandOverlayBox*>(data);
    box->pointerAt_ = {wl_fixed_to_double(x), wl_fixed_to_double(y)};
    if (box->buttons_)
        box->sendPointer(QEvent::MouseMove, Qt::NoButton);
}

void WaylandOverlayBox::button(void* data, wl_pointer*, uint32_t, uint32_t, uint32_t code,
                               uint32_t state) {
    auto* box = static_cast<WaylandOverlayBox*>(data);
    if (code != BTN_LEFT)
        return;
    const bool pressed = state == WL_POINTER_BUTTON_STATE_PRESSED;
    box->buttons_.setFlag(Qt::LeftButton, pressed);
    box->sendPointer(pressed ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease,
                     Qt::LeftButton);
}

void WaylandOverlayBox::axis(void*, wl_pointer*, uint32_t, uint32_t, int32_t) {}

void WaylandOverlayBox::sendPointer(int type, Qt::MouseButton changed) {
    // The surface moves under a dragging pointer: the place on the desktop is what stays true.
    const QPointF global = QPointF(outputOrigin_ + onOutput_.topLeft()) + pointerAt_;
    QMouseEvent event(QEvent::Type(type), pointerAt_, global, changed, buttons_,
                      QGuiApplication::keyboardModifiers());
    QCoreApplication::sendEvent(&receiver_, &event);
}
