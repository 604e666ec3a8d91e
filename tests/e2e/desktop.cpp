#include "desktop.h"

#include <QDeadlineTimer>
#include <QTest>
#include <csignal>
#include <cstring>
#include <xcb/xcb.h>

namespace {

QRect windowGeometry(unsigned long id) {
    const QString shell = xdotool({"getwindowgeometry", "--shell", QString::number(id)});
    int x = 0, y = 0, w = 0, h = 0;
    for (const QString& line : shell.split('\n')) {
        const QString value = line.section('=', 1);
        if (line.startsWith("X="))
            x = value.toInt();
        else if (line.startsWith("Y="))
            y = value.toInt();
        else if (line.startsWith("WIDTH="))
            w = value.toInt();
        else if (line.startsWith("HEIGHT="))
            h = value.toInt();
    }
    return {x, y, w, h};
}

QList<unsigned long> visibleWindows(const QString& titlePattern, qint64 pid = 0) {
    QList<unsigned long> ids;
    QStringList arguments{"search", "--onlyvisible"};
    if (pid > 0)
        arguments << "--all"
                  << "--pid" << QString::number(pid);
    const QString found = xdotool(arguments << "--name" << titlePattern);
    for (const QString& line : found.split('\n', Qt::SkipEmptyParts))
        ids << line.trimmed().toULong();
    return ids;
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    auto cookie = xcb_intern_atom(connection, 0, static_cast<uint16_t>(strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    free(reply);
    return result;
}

// One connection for every look at the screen; pictures are taken often.
xcb_connection_t* serverConnection() {
    static xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    return connection;
}

const xcb_screen_t* rootScreen() {
    return xcb_setup_roots_iterator(xcb_get_setup(serverConnection())).data;
}

} // namespace

QPoint middleOf(const QRect& control, QPoint clientTopLeft, qreal scale) {
    const QPointF middle(control.left() + control.width() / 2,
                         control.top() + control.height() / 2);
    return clientTopLeft + (middle * scale).toPoint();
}

QPoint startButtonOf(QPoint clientTopLeft, qreal scale) {
    return middleOf(Controls::start, clientTopLeft, scale);
}

QPoint firstEntryOf(QPoint clientTopLeft) {
    return clientTopLeft + Controls::list.topLeft() + QPoint(32, 27);
}

QPoint indicatorOf(const QRect& option, QPoint clientTopLeft) {
    return clientTopLeft + option.topLeft() + QPoint(7, 8);
}

bool looksChosen(const QImage& shot, QPoint indicator) {
    return qGray(shot.pixel(indicator)) < 128;
}

QString xdotool(const QStringList& arguments) {
    QProcess process;
    process.start("xdotool", arguments);
    process.waitForFinished(10000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// The server orders input by the time its requests arrive, and xdotool syncs before it ends:
// a key or click lands in the window under the pointer that the move before it left there.
void pressKeyIn(unsigned long window, const QString& key) {
    xdotool({"mousemove", "--window", QString::number(window), "20", "20"});
    xdotool({"key", key});
}

bool waitUntilHidden(unsigned long window, int milliseconds) {
    xcb_connection_t* connection = serverConnection();
    QDeadlineTimer deadline(milliseconds);
    while (true) {
        xcb_get_window_attributes_reply_t* reply = xcb_get_window_attributes_reply(
            connection, xcb_get_window_attributes(connection, static_cast<xcb_window_t>(window)),
            nullptr);
        const bool shown = reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
        free(reply);
        if (!shown)
            return true;
        if (deadline.hasExpired())
            return false;
        QTest::qWait(20);
    }
}

void clickAt(QPoint point) {
    xdotool({"mousemove", QString::number(point.x()), QString::number(point.y())});
    xdotool({"click", "1"});
}

QImage screenshot() {
    const xcb_screen_t* root = rootScreen();
    return screenArea(QRect(0, 0, root->width_in_pixels, root->height_in_pixels));
}

QImage screenArea(const QRect& area) {
    xcb_connection_t* connection = serverConnection();
    const auto cookie = xcb_get_image(
        connection, XCB_IMAGE_FORMAT_Z_PIXMAP, rootScreen()->root, static_cast<int16_t>(area.x()),
        static_cast<int16_t>(area.y()), static_cast<uint16_t>(area.width()),
        static_cast<uint16_t>(area.height()), ~0u);
    xcb_get_image_reply_t* reply = xcb_get_image_reply(connection, cookie, nullptr);
    if (!reply)
        return {};
    // A 24-bit screen sends 32 bits a pixel, blue first: the layout of RGB32; a 16-bit one, RGB16.
    const bool shallow = reply->depth == 16;
    const QImage shot(xcb_get_image_data(reply), area.width(), area.height(),
                      shallow ? QImage::Format_RGB16 : QImage::Format_RGB32);
    // Either way a copy of its own, as the reply's buffer goes.
    QImage copy = shallow ? shot.convertToFormat(QImage::Format_RGB32) : shot.copy();
    free(reply);
    return copy;
}

QColor pixelAt(QPoint point) {
    return QColor(screenArea(QRect(point, QSize(1, 1))).pixel(0, 0));
}

std::uint32_t pixelValueAt(QPoint point) {
    xcb_connection_t* connection = serverConnection();
    const auto cookie =
        xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, rootScreen()->root,
                      static_cast<int16_t>(point.x()), static_cast<int16_t>(point.y()), 1, 1, ~0u);
    xcb_get_image_reply_t* reply = xcb_get_image_reply(connection, cookie, nullptr);
    std::uint32_t value = 0;
    if (reply && xcb_get_image_data_length(reply) >= 4)
        std::memcpy(&value, xcb_get_image_data(reply), sizeof value);
    free(reply);
    return value;
}

int screenDepth() {
    return rootScreen()->root_depth;
}

QColor asShownOnThisScreen(const QColor& color) {
    if (screenDepth() != 16)
        return color;
    QImage pixel(1, 1, QImage::Format_RGB16);
    pixel.fill(color);
    return pixel.convertToFormat(QImage::Format_RGB32).pixelColor(0, 0);
}

void destroyWindow(unsigned long window) {
    xcb_connection_t* connection = serverConnection();
    free(xcb_request_check(
        connection, xcb_destroy_window_checked(connection, static_cast<xcb_window_t>(window))));
}

QImage waitForScreen(const std::function<QImage()>& capture,
                     const std::function<bool(const QImage&)>& state, int milliseconds) {
    QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired()) {
        const QImage shot = capture();
        if (!shot.isNull() && state(shot) && capture() == shot)
            return shot;
        QTest::qWait(20);
    }
    return {};
}

QImage waitForScreen(const std::function<bool(const QImage&)>& state, int milliseconds) {
    return waitForScreen(screenshot, state, milliseconds);
}

void saveForLooking(const QImage& shot, const QString& name) {
    shot.save(QStringLiteral(E2E_SHOTS) + "/" + name + ".png");
}

unsigned long waitForOtherWindow(const QString& titlePattern, unsigned long except,
                                 int milliseconds) {
    QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired()) {
        for (unsigned long id : visibleWindows(titlePattern)) {
            if (id != except)
                return id;
        }
        QTest::qWait(100);
    }
    return 0;
}

RunningProgram::RunningProgram() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("QT_QPA_PLATFORM");
    process_.setProcessEnvironment(environment);
    process_.setProcessChannelMode(QProcess::MergedChannels);
}

RunningProgram::~RunningProgram() {
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

void RunningProgram::setEnvironment(const QString& name, const QString& value) {
    QProcessEnvironment environment = process_.processEnvironment();
    environment.insert(name, value);
    process_.setProcessEnvironment(environment);
}

void RunningProgram::removeEnvironment(const QString& name) {
    QProcessEnvironment environment = process_.processEnvironment();
    environment.remove(name);
    process_.setProcessEnvironment(environment);
}

void RunningProgram::setArguments(const QStringList& arguments) {
    arguments_ = arguments;
}

void RunningProgram::launch() {
    process_.start(QStringLiteral(CHROMAFLICK_BINARY), arguments_);
}

bool RunningProgram::start() {
    launch();
    if (!process_.waitForStarted(10000))
        return false;
    QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired()) {
        const QList<unsigned long> ids = visibleWindows("^Chromaflick$", process_.processId());
        if (!ids.isEmpty()) {
            windowId_ = ids.first();
            geometry_ = windowGeometry(windowId_);
            // Until its first paint arrives the window shows the black screen behind it.
            const QPoint inside = geometry_.topLeft() + QPoint(3, 3);
            while (pixelAt(inside) == QColor(Qt::black) && !deadline.hasExpired())
                QTest::qWait(20);
            return true;
        }
        QTest::qWait(100);
    }
    qWarning() << "no main window; the program said:" << output() << process_.state();
    return false;
}

bool RunningProgram::waitForEnd(int milliseconds) {
    return process_.state() == QProcess::NotRunning || process_.waitForFinished(milliseconds);
}

bool RunningProgram::isRunning() const {
    return process_.state() != QProcess::NotRunning;
}

int RunningProgram::endWith(int signal) {
    // A process that has ended has no id; kill(0, ...) would hit the test itself.
    if (const qint64 id = process_.processId(); id > 0)
        ::kill(static_cast<pid_t>(id), signal);
    return exitCode();
}

int RunningProgram::closeMainWindow() {
    closeMainWindowAsync();
    return exitCode();
}

int RunningProgram::exitCode(int milliseconds) {
    if (!waitForEnd(milliseconds))
        return -1;
    return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
}

void RunningProgram::closeMainWindowAsync() {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    xcb_client_message_event_t message = {};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(windowId_);
    message.type = atom(connection, "WM_PROTOCOLS");
    message.data.data32[0] = atom(connection, "WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection, 0, message.window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&message));
    // A round trip, so the server has handled the message before the connection goes.
    free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    xcb_disconnect(connection);
}

QString RunningProgram::output() {
    return QString::fromLocal8Bit(process_.readAll());
}
