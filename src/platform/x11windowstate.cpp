#include "platform/x11windowstate.h"

#include <QGuiApplication>
#include <QWindow>
#include <array>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace {

xcb_atom_t atomNamed(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(name)), name),
        nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

} // namespace

void keepAboveAndOutOfTaskbar(QWindow& window) {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return;
    // On Qt's own connection, so that Qt's merging of the state it sets at show sees ours.
    xcb_connection_t* connection = x11->connection();
    const std::array states{atomNamed(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                            atomNamed(connection, "_NET_WM_STATE_SKIP_PAGER"),
                            atomNamed(connection, "_NET_WM_STATE_ABOVE")};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window.winId()),
                        atomNamed(connection, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32,
                        std::uint32_t(states.size()), states.data());
}
