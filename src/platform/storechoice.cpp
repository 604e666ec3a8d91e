#include "platform/storechoice.h"

#include "core/gradientpainter.h"
#include "platform/clockmicroseconds.h"
#include "platform/imagesurface.h"

#include <QImage>
#include <map>
#include <mutex>

namespace {

// Both directions, since a kind that is quick for the runs of one can be slow for the other; the
// best of a few passes leaves the machine's noise out.
double secondsToPaint(QImage& image, PixelStores stores) {
    constexpr int passes = 3;
    double total = 0;
    for (const bool vertical : {false, true}) {
        double best = 1e9;
        for (int i = 0; i < passes; ++i) {
            const std::int64_t startUs = monotonicMicroseconds();
            {
                ImageSurface surface(image, stores);
                PaintGradient(surface, {0, 0, image.width(), image.height()}, 0x0000FF + i,
                              0xFF0000, vertical);
            }
            best = std::min(best, double(monotonicMicroseconds() - startUs) / 1e6);
        }
        total += best;
    }
    return total;
}

} // namespace

PixelStores fastestOf(const std::vector<std::pair<PixelStores, double>>& timings) {
    PixelStores fastest = PixelStores::Portable;
    double best = 0;
    for (std::size_t i = 0; i < timings.size(); ++i) {
        if (i == 0 || timings[i].second < best) {
            fastest = timings[i].first;
            best = timings[i].second;
        }
    }
    return fastest;
}

PixelStores measuredStoresFor(QSize size) {
    const std::size_t bytes = std::size_t(std::max(size.width(), 0)) *
                              std::size_t(std::max(size.height(), 0)) * sizeof(std::uint32_t);
    // Small pictures (the hint, a swatch) are not worth a measure.
    constexpr std::size_t worthMeasuring = 1 << 20;
    if (!vectorStoresAvailable() || bytes < worthMeasuring)
        return pixelStoresFor(bytes);
    static std::mutex guard;
    static std::map<std::pair<int, int>, PixelStores> chosen;
    const std::lock_guard lock(guard);
    const auto key = std::pair{size.width(), size.height()};
    if (const auto found = chosen.find(key); found != chosen.end())
        return found->second;
    QImage scratch(size, QImage::Format_RGB32);
    // A fresh image's first pass pays for its pages; no kind should.
    scratch.fill(Qt::black);
    // The guess first, so that it wins a tie.
    const PixelStores guess = pixelStoresFor(bytes);
    std::vector<std::pair<PixelStores, double>> timings{{guess, secondsToPaint(scratch, guess)}};
    for (PixelStores other : {PixelStores::Vector, PixelStores::Streaming, PixelStores::Portable}) {
        if (other != guess)
            timings.emplace_back(other, secondsToPaint(scratch, other));
    }
    const PixelStores fastest = fastestOf(timings);
    chosen[key] = fastest;
    return fastest;
}
