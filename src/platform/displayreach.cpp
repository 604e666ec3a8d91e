#include "platform/displayreach.h"

#include <QCoreApplication>
#include <xcb/xcb.h>

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(DisplayReach)
};

// One connection, closed at once: the cost of a round trip to the server.
bool xServerAnswers(const QByteArray& display) {
    xcb_connection_t* connection = xcb_connect(display.constData(), nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

} // namespace

QString missingDisplayReason() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return {};
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty())
        return Texts::tr("no display to show the window on: neither DISPLAY nor WAYLAND_DISPLAY "
                         "is set");
    if (!xServerAnswers(display))
        return Texts::tr("no display to show the window on: the X server of DISPLAY %1 cannot "
                         "be reached")
            .arg(QString::fromLocal8Bit(display));
    return {};
}
