#include "core/gradientpainter.h"
#include "platform/imagesurface.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <string>

namespace {

// The screen's format on an X server of 24 bits, as the flash window's image has it.
constexpr QImage::Format screenFormat = QImage::Format_RGB32;

void paintGradient(benchmark::State& state, int width, int height, bool vertical) {
    QImage image(width, height, screenFormat);
    std::int32_t shift = 0;
    for (auto _ : state) {
        ImageSurface surface(image);
        PaintGradient(surface, {0, 0, width, height}, 0x0000FF + shift, 0xFF0000, vertical);
        surface.flush();
        benchmark::DoNotOptimize(image.constBits());
        shift = (shift + 1) & 0xFF;
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(width) * height);
}

// A solid step: the whole surface filled with one color.
void fullFill(benchmark::State& state, int width, int height) {
    QImage image(width, height, screenFormat);
    int shift = 0;
    for (auto _ : state) {
        QPainter painter(&image);
        painter.fillRect(image.rect(), QColor(shift, 0, 255));
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
        shift = (shift + 1) & 0xFF;
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(width) * height);
}

const int registered = [] {
    for (auto [width, height] : {std::pair{1920, 1080}, std::pair{3840, 2160}}) {
        const std::string size = std::to_string(width) + "x" + std::to_string(height);
        benchmark::RegisterBenchmark(("BM_PaintGradient/" + size + "/LeftToRight").c_str(),
                                     paintGradient, width, height, false);
        benchmark::RegisterBenchmark(("BM_PaintGradient/" + size + "/UpAndDown").c_str(),
                                     paintGradient, width, height, true);
        benchmark::RegisterBenchmark(("BM_FullFill/" + size).c_str(), fullFill, width, height);
    }
    return 0;
}();

} // namespace

BENCHMARK_MAIN();
