// The cost of a step put on an X server with Present, through the flash's own window and
// picture: the program's CPU and the server's, per step, solid and gradient, at 1080p and 4K,
// and beside them the machine's own cost of writing and of copying a frame in memory, the least
// a server can spend to draw a step and put it on the screen: over frames beyond the processor's
// cache (the limit the ratio is taken to) and over two that stay in it; and the server's own
// floor, the CPU it spends on a frame filled and copied onto the window once a refresh. Run on a
// server at least 3840x2160, for example xvfb-run -a -s "-screen 0 3840x2160x24"
// build/bench/chromaflick_bench_present
#include "core/colorsequencer.h"
#include "platform/steppresenter.h"
#include "platform/xpresentpresenter.h"
#include "ui/form2.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QTimer>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

namespace {

// The X server's process: the one whose command line names our display.
qint64 serverProcess() {
    const QString display = qEnvironmentVariable("DISPLAY");
    for (const QString& entry : QDir("/proc").entryList(QDir::Dirs)) {
        QFile command("/proc/" + entry + "/cmdline");
        if (!command.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> words = command.readAll().split('\0');
        if (!words.isEmpty() && words.first().endsWith("Xvfb") && words.contains(display.toUtf8()))
            return entry.toLongLong();
    }
    return -1;
}

// Seconds of CPU the process has used, user and system.
double cpuSecondsOf(qint64 process) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(process));
    if (process < 0 || !stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = stat.readAll();
    // The fields after the command's name, which may hold spaces, in its brackets.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    const double ticks = double(sysconf(_SC_CLK_TCK));
    return (fields.value(11).toDouble() + fields.value(12).toDouble()) / ticks;
}

struct FrameCost {
    double writeUs = 0;
    double copyUs = 0;
};

enum class Passes {
    // Over two frames, one after the other: a frame of 1080p stays in a large cache.
    Cached,
    // Over more frames than the processor's cache holds, as the server's pixmaps and its screen.
    Memory,
};

// Microseconds to write one frame of this size and to copy one, the best of a few passes.
FrameCost frameCostUs(QSize size, Passes passes) {
    const bool beyondCache = passes == Passes::Memory;
    const std::size_t bytes = std::size_t(size.width()) * std::size_t(size.height()) * 4;
    const long cache = std::max(sysconf(_SC_LEVEL3_CACHE_SIZE), 0L);
    const std::size_t count =
        beyondCache ? std::max<std::size_t>(6, 2 * std::size_t(cache) / bytes + 3) : 2;
    std::vector<std::vector<unsigned char>> frames(count, std::vector<unsigned char>(bytes, 1));
    const auto bestOf = [&](auto&& pass) {
        double best = 1e12;
        for (std::size_t i = 0; i < 3 * count; ++i) {
            const auto start = std::chrono::steady_clock::now();
            pass(i);
            const std::chrono::duration<double, std::micro> took =
                std::chrono::steady_clock::now() - start;
            best = std::min(best, took.count());
        }
        return best;
    };
    const double write = bestOf([&](std::size_t i) {
        std::vector<unsigned char>& to = frames[i % count];
        std::memset(to.data(), int(i), bytes);
        benchmark::DoNotOptimize(to.data());
    });
    const double copy = bestOf([&](std::size_t i) {
        std::vector<unsigned char>& from = frames[(i + 1) % count];
        std::vector<unsigned char>& to = frames[i % count];
        from[i % bytes] = std::uint8_t(i);
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
    });
    return {write, copy};
}

// Before and after the steps, the better of both: other work on the machine only slows it.
FrameCost leastOf(const FrameCost& a, const FrameCost& b) {
    return {std::min(a.writeUs, b.writeUs), std::min(a.copyUs, b.copyUs)};
}

// The server's CPU for the least a step can ask of it: a frame filled in a pixmap and copied
// onto the window, without Present, once a refresh, over as many pixmaps as the presenter
// keeps. Pixman's own fill and copy over memory that cools between refreshes are its cost.
double serverFloorUs(const QWindow& window, QSize size, qint64 server) {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const auto windowId = xcb_window_t(window.winId());
    xcb_get_geometry_reply_t* geometry =
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, windowId), nullptr);
    const std::uint8_t depth = geometry ? geometry->depth : 24;
    std::free(geometry);
    const xcb_gcontext_t gc = xcb_generate_id(connection);
    const std::uint32_t noExposures = 0;
    xcb_create_gc(connection, gc, windowId, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
    const auto width = std::uint16_t(size.width());
    const auto height = std::uint16_t(size.height());
    const xcb_rectangle_t whole{0, 0, width, height};
    std::vector<xcb_pixmap_t> pixmaps(4);
    for (xcb_pixmap_t& pixmap : pixmaps) {
        pixmap = xcb_generate_id(connection);
        xcb_create_pixmap(connection, depth, pixmap, windowId, width, height);
        xcb_poly_fill_rectangle(connection, pixmap, gc, 1, &whole);
    }
    const auto roundTrip = [connection] {
        std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    };
    roundTrip();
    constexpr int steps = 240;
    const double before = cpuSecondsOf(server);
    for (int i = 0; i < steps; ++i) {
        const xcb_pixmap_t pixmap = pixmaps[std::size_t(i) % pixmaps.size()];
        const auto color = std::uint32_t(i * 0x010101);
        xcb_change_gc(connection, gc, XCB_GC_FOREGROUND, &color);
        xcb_poly_fill_rectangle(connection, pixmap, gc, 1, &whole);
        xcb_copy_area(connection, pixmap, windowId, gc, 0, 0, 0, 0, width, height);
        roundTrip();
        std::this_thread::sleep_for(std::chrono::microseconds(16667));
    }
    const double seconds = cpuSecondsOf(server) - before;
    for (const xcb_pixmap_t pixmap : pixmaps)
        xcb_free_pixmap(connection, pixmap);
    xcb_free_gc(connection, gc);
    xcb_disconnect(connection);
    return seconds * 1e6 / steps;
}

// Colors of a step: a new pair each time, or a cycle of four as the flash repeats its list.
FlashStep stepOf(std::uint64_t serial, bool gradient, int cycle) {
    const auto first =
        std::int32_t(cycle > 0 ? 60 + 2 * (serial % std::uint64_t(cycle)) : serial & 0xff);
    if (gradient)
        return GradientStep{first, 0xFF0000, {}, false};
    return SolidStep{first};
}

void presentSteps(benchmark::State& state, QSize size, bool gradient, int cycle) {
    // Before the presenter counts refreshes: the passes take longer than the first slot's wait.
    const FrameCost memoryBefore = frameCostUs(size, Passes::Memory);
    const FrameCost cachedBefore = frameCostUs(size, Passes::Cached);
    // The flash's window as the session shows it under a presenter, the hint gone.
    Form2 window;
    window.setGeometry(QRect(QPoint(0, 0), size));
    window.show();
    window.Label1().hide();
    window.setPresented(true);
    QEventLoop settle;
    QTimer::singleShot(300, &settle, &QEventLoop::quit);
    settle.exec();
    const qint64 server = serverProcess();
    const double floorUs = serverFloorUs(*window.windowHandle(), size, server);
    QString refusal;
    std::unique_ptr<XPresentPresenter> presenter =
        XPresentPresenter::create(*window.windowHandle(), refusal);
    if (!presenter || !presenter->begin(1)) {
        state.SkipWithError("no Present on this display");
        return;
    }
    std::uint64_t shownCount = 0;
    std::int64_t missed = 0;
    int skipped = 0;
    int late = 0;
    QEventLoop loop;
    // As the flash does: another step whenever the presenter has room, so two are in flight.
    QObject::connect(presenter.get(), &StepPresenter::shown,
                     [&](std::uint64_t, const StepShown& when) {
                         ++shownCount;
                         missed += when.missed;
                         late += when.missed > 0;
                         skipped += when.skipped;
                     });
    QObject::connect(presenter.get(), &StepPresenter::ready, &loop, &QEventLoop::quit);
    const double serverBefore = cpuSecondsOf(server);
    // The picture the steps are planned from: the window's face.
    presenter->present(window.picture(), 0);
    std::uint64_t serial = 0;
    for (auto _ : state) {
        while (!presenter->hasRoom())
            loop.exec();
        ++serial;
        window.showStep(stepOf(serial, gradient, cycle));
        presenter->present(window.picture(), serial);
    }
    while (shownCount < serial + 1)
        loop.exec();
    const double serverSeconds = cpuSecondsOf(server) - serverBefore;
    presenter->end();
    const FrameCost memory = leastOf(memoryBefore, frameCostUs(size, Passes::Memory));
    const FrameCost cached = leastOf(cachedBefore, frameCostUs(size, Passes::Cached));
    const double serverUs = serverSeconds * 1e6 / double(state.iterations());
    state.counters["server_cpu_us"] = benchmark::Counter(serverUs);
    state.counters["write_us"] = benchmark::Counter(memory.writeUs);
    state.counters["copy_us"] = benchmark::Counter(memory.copyUs);
    state.counters["cached_write_us"] = benchmark::Counter(cached.writeUs);
    state.counters["cached_copy_us"] = benchmark::Counter(cached.copyUs);
    // A step is at least one frame drawn and one copied onto the screen, in the server's memory.
    state.counters["server_per_limit"] =
        benchmark::Counter(serverUs / (memory.writeUs + memory.copyUs));
    state.counters["server_floor_us"] = benchmark::Counter(floorUs);
    state.counters["server_per_floor"] = benchmark::Counter(serverUs / floorUs);
    // Steps shown after their refresh, and the refreshes they missed in all.
    state.counters["late"] = late;
    state.counters["missed"] = double(missed);
    state.counters["skipped"] = skipped;
}

const int registered = [] {
    struct Kind {
        const char* name;
        bool gradient;
        int cycle;
    };
    for (auto [name, size] :
         {std::pair{"1920x1080", QSize(1920, 1080)}, std::pair{"3840x2160", QSize(3840, 2160)}}) {
        for (const Kind kind : {Kind{"/Solid", false, 0}, Kind{"/Gradient", true, 0},
                                Kind{"/GradientCycleOf4", true, 4}})
            benchmark::RegisterBenchmark(
                (std::string("BM_PresentStep/") + name + kind.name).c_str(), presentSteps, size,
                kind.gradient, kind.cycle)
                ->Iterations(600)
                ->MeasureProcessCPUTime()
                ->Unit(benchmark::kMicrosecond);
    }
    return 0;
}();

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
