// Starts the real program again and again, with the default list and with a list of 32767
// entries, and prints the median time from starting the process to its main window being mapped.
#include "core/storedlist.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <vector>
#include <xcb/xcb.h>

namespace {

constexpr int runs = 15;

void storeList(const QString& folder, int entries) {
    QSettings settings(folder + QStringLiteral("/Varnhollow.ini"), QSettings::IniFormat);
    QStringList texts;
    for (int i = 0; i < entries; ++i)
        texts << QStringLiteral("RGB(%1, %2, 0)").arg(i % 256).arg(i / 256);
    settings.setValue(QStringLiteral("Chromaflick/Colors"),
                      entries ? joinStoredList(texts) : QString());
}

// Milliseconds from starting the program to the mapping of its first top-level window.
double startOnce(xcb_connection_t* connection, const QString& program, const QString& folder) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder);
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    process.start(program, {});
    double elapsed = -1;
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        const bool mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
        free(event);
        if (mapped) {
            elapsed = clock.nsecsElapsed() / 1e6;
            break;
        }
    }
    ::kill(static_cast<pid_t>(process.processId()), SIGTERM);
    process.waitForFinished(10000);
    return elapsed;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QString program =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(CHROMAFLICK_BINARY);
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    std::vector<double> medians;
    for (int entries : {0, 32767}) {
        QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/chromaflick-startup-XXXXXX"));
        std::vector<double> times;
        for (int run = 0; run < runs; ++run) {
            storeList(folder.path(), entries);
            times.push_back(startOnce(connection, program, folder.path()));
        }
        std::sort(times.begin(), times.end());
        medians.push_back(times[times.size() / 2]);
        std::printf("start_%s_ms %.1f\n", entries ? "32767" : "default", medians.back());
    }
    std::printf("ratio %.2f\n", medians[1] / medians[0]);
    xcb_disconnect(connection);
    return 0;
}
