#include "core/gradientpainter.h"
#include "platform/imagesurface.h"
#include "platform/storechoice.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <optional>
#include <string>
#include <vector>

namespace {

// The screen's format on an X server of 24 bits, as the flash window's image has it.
constexpr QImage::Format screenFormat = QImage::Format_RGB32;

// Without forced stores, the surface picks them as in the program; the label tells which.
void paintGradient(benchmark::State& state, int width, int height, bool vertical,
                   std::optional<PixelStores> forced) {
    QImage image(width, height, screenFormat);
    const PixelStores stores = forced ? *forced : measuredStoresFor(image.size());
    const auto surfaceOn = [&] { return ImageSurface(image, stores); };
    state.SetLabel(pixelStoresName(stores));
    std::int32_t shift = 0;
    for (auto _ : state) {
        ImageSurface surface = surfaceOn();
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
    // Each kind of store as well, whatever the cache of this machine makes the program pick.
    std::vector<PixelStores> kinds{PixelStores::Portable};
    if (vectorStoresAvailable())
        kinds.insert(kinds.end(), {PixelStores::Vector, PixelStores::Streaming});
    for (auto [width, height] : {std::pair{1920, 1080}, std::pair{3840, 2160}}) {
        const std::string size = std::to_string(width) + "x" + std::to_string(height);
        for (auto [direction, vertical] :
             {std::pair{"/LeftToRight", false}, std::pair{"/UpAndDown", true}})
            benchmark::RegisterBenchmark(("BM_PaintGradient/" + size + direction).c_str(),
                                         paintGradient, width, height, vertical, std::nullopt);
        benchmark::RegisterBenchmark(("BM_FullFill/" + size).c_str(), fullFill, width, height);
        for (auto [direction, vertical] :
             {std::pair{"/LeftToRight/", false}, std::pair{"/UpAndDown/", true}})
            for (PixelStores stores : kinds)
                benchmark::RegisterBenchmark(
                    ("BM_PaintGradientWith/" + size + direction + pixelStoresName(stores)).c_str(),
                    paintGradient, width, height, vertical, stores);
    }
    return 0;
}();

} // namespace

BENCHMARK_MAIN();
