// The cost of a step put on an X server with Present: the program's CPU and the server's, per
// step, solid and gradient, at 1080p and 4K. Run on a server at least 3840x2160, for example
// xvfb-run -a -s "-screen 0 3840x2160x24" build/bench/chromaflick_bench_present
#include "core/gradientpainter.h"
#include "platform/steppresenter.h"
#include "platform/xpresentpresenter.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <unistd.h>

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

// A window Qt leaves unpainted, as the flash is while presented.
class Unpainted final : public QWidget {
public:
    QPaintEngine* paintEngine() const override { return nullptr; }

protected:
    void paintEvent(QPaintEvent*) override {}
};

void presentSteps(benchmark::State& state, QSize size, bool gradient) {
    Unpainted window;
    window.setAttribute(Qt::WA_PaintOnScreen);
    window.setAttribute(Qt::WA_NoSystemBackground);
    window.setWindowFlag(Qt::FramelessWindowHint);
    window.setGeometry(QRect(QPoint(0, 0), size));
    window.show();
    QEventLoop settle;
    QTimer::singleShot(300, &settle, &QEventLoop::quit);
    settle.exec();
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
    QEventLoop loop;
    // As the flash does: another step whenever the presenter has room, so two are in flight.
    QObject::connect(presenter.get(), &StepPresenter::shown,
                     [&](std::uint64_t, const StepShown& when) {
                         ++shownCount;
                         missed += when.missed;
                         skipped += when.skipped;
                     });
    QObject::connect(presenter.get(), &StepPresenter::ready, &loop, &QEventLoop::quit);
    const qint64 server = serverProcess();
    const double serverBefore = cpuSecondsOf(server);
    // The picture the steps are planned from, as the flash's face is.
    FlashPicture face;
    face.background = [](DrawingSurface& surface, QSize pixels) {
        surface.fillRect({0, 0, pixels.width(), pixels.height()}, 0);
    };
    presenter->present(face, 0);
    std::uint64_t serial = 0;
    for (auto _ : state) {
        while (!presenter->hasRoom())
            loop.exec();
        ++serial;
        const std::int32_t first = std::int32_t(serial & 0xff);
        FlashPicture picture;
        picture.background = [=](DrawingSurface& surface, QSize pixels) {
            const PixelRect whole{0, 0, pixels.width(), pixels.height()};
            if (gradient)
                PaintGradient(surface, whole, first, 0xFF0000, false);
            else
                surface.fillRect(whole, first);
        };
        presenter->present(picture, serial);
    }
    while (shownCount < serial + 1)
        loop.exec();
    const double serverSeconds = cpuSecondsOf(server) - serverBefore;
    presenter->end();
    state.counters["server_cpu_us"] =
        benchmark::Counter(serverSeconds * 1e6 / double(state.iterations()));
    state.counters["missed"] = double(missed);
    state.counters["skipped"] = skipped;
}

const int registered = [] {
    for (auto [name, size] :
         {std::pair{"1920x1080", QSize(1920, 1080)}, std::pair{"3840x2160", QSize(3840, 2160)}}) {
        for (auto [kind, gradient] : {std::pair{"/Solid", false}, std::pair{"/Gradient", true}})
            benchmark::RegisterBenchmark((std::string("BM_PresentStep/") + name + kind).c_str(),
                                         presentSteps, size, gradient)
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
