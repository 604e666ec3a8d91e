// The timing report of a long run: reading its log, measuring it, and drawing it as SVG and PNG.
#include "core/chartsvg.h"
#include "core/framelogreader.h"
#include "core/steptiming.h"
#include "core/timingchart.h"
#include "madeuplog.h"
#include "platform/chartimage.h"

#include <QBuffer>
#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

// A run at 60 Hz with a stall, a late step in a hundred and a skipped one in a thousand.
QByteArray longLog(int steps) {
    MadeUpRun run;
    run.steps = steps;
    for (int step = 50; step <= steps; step += 100)
        run.lateBy[step] = 1;
    for (int step = 500; step <= steps; step += 1000)
        run.skipped << step;
    run.lateBy[steps / 2] = 30;
    return madeUpLog({run});
}

void readLog(benchmark::State& state) {
    const QByteArray log = longLog(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(readFrameLog(log));
    state.counters["MB"] = double(log.size()) / 1e6;
}

void measure(benchmark::State& state) {
    const FrameLogReading log = readFrameLog(longLog(int(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(measureStepTiming(log.steps));
}

void svg(benchmark::State& state) {
    const std::vector<ScreenTiming> timing =
        measureStepTiming(readFrameLog(longLog(int(state.range(0)))).steps);
    qsizetype bytes = 0;
    for (auto _ : state)
        bytes = chartSvg(timingChart(timing)).size();
    state.counters["KB"] = double(bytes) / 1e3;
}

void png(benchmark::State& state) {
    const std::vector<ScreenTiming> timing =
        measureStepTiming(readFrameLog(longLog(int(state.range(0)))).steps);
    qsizetype bytes = 0;
    for (auto _ : state) {
        QByteArray file;
        QBuffer buffer(&file);
        buffer.open(QIODevice::WriteOnly);
        chartImage(timingChart(timing)).save(&buffer, "PNG");
        bytes = file.size();
    }
    state.counters["KB"] = double(bytes) / 1e3;
}

} // namespace

BENCHMARK(readLog)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(measure)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(svg)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(png)->Arg(100'000)->Unit(benchmark::kMillisecond);

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
