#include "platform/pixelrows.h"

#include "platform/cachesize.h"

#include <algorithm>
#include <cstring>

const char* pixelStoresName(PixelStores stores) {
    switch (stores) {
    case PixelStores::Portable:
        return "Portable";
    case PixelStores::Vector:
        return "Vector";
    case PixelStores::Streaming:
        return "Streaming";
    }
    return "";
}

namespace {

// A plain fill loop is compiled to one pixel a store; the C library's copy picks the widest stores
// the processor has, so one block is filled by hand and copied along the run.
void fillPortable(std::uint32_t* destination, std::size_t count, std::uint32_t pixel) {
    constexpr std::size_t blockPixels = 1024;
    const std::size_t block = std::min(count, blockPixels);
    std::fill_n(destination, block, pixel);
    for (std::size_t done = block; done < count; done += block)
        std::memcpy(destination + done, destination,
                    std::min(block, count - done) * sizeof(std::uint32_t));
}

} // namespace

#if defined(__x86_64__)
#include <immintrin.h>

namespace {

constexpr std::size_t vectorBytes = 32;
constexpr std::size_t pixelsPerVector = vectorBytes / sizeof(std::uint32_t);
// Two cache lines a turn: with one, the loop's own work held a copy back from the speed of a fill.
constexpr std::size_t pixelsPerTurn = 4 * pixelsPerVector;

struct Repeat {
    std::uint32_t pixel;
    std::uint32_t at(std::size_t) const { return pixel; }
    __attribute__((target("avx"))) __m256i vectorAt(std::size_t) const {
        return _mm256_set1_epi32(static_cast<int>(pixel));
    }
};

struct Copy {
    const std::uint32_t* source;
    std::uint32_t at(std::size_t i) const { return source[i]; }
    __attribute__((target("avx"))) __m256i vectorAt(std::size_t i) const {
        return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(source + i));
    }
};

template <bool streaming> void storePixel(std::uint32_t* at, std::uint32_t pixel) {
    if constexpr (streaming)
        _mm_stream_si32(reinterpret_cast<int*>(at), static_cast<int>(pixel));
    else
        *at = pixel;
}

template <bool streaming>
__attribute__((target("avx"))) void storeVector(std::uint32_t* at, __m256i pixels) {
    if constexpr (streaming)
        _mm256_stream_si256(reinterpret_cast<__m256i*>(at), pixels);
    else
        _mm256_store_si256(reinterpret_cast<__m256i*>(at), pixels);
}

std::size_t pixelsBeforeAlignment(const std::uint32_t* destination, std::size_t count) {
    const auto misalignment = reinterpret_cast<std::uintptr_t>(destination) % vectorBytes;
    return std::min(count, misalignment ? (vectorBytes - misalignment) / sizeof(std::uint32_t) : 0);
}

// Single pixels stream too, so that a line shared with the neighbouring run is still written
// whole, without being read first.
template <bool streaming, typename Source>
__attribute__((target("avx"))) void writeRun(std::uint32_t* destination, std::size_t count,
                                             const Source& source) {
    std::size_t i = 0;
    for (const std::size_t head = pixelsBeforeAlignment(destination, count); i < head; ++i)
        storePixel<streaming>(destination + i, source.at(i));
    for (; i + pixelsPerTurn <= count; i += pixelsPerTurn) {
        storeVector<streaming>(destination + i, source.vectorAt(i));
        storeVector<streaming>(destination + i + pixelsPerVector,
                               source.vectorAt(i + pixelsPerVector));
        storeVector<streaming>(destination + i + 2 * pixelsPerVector,
                               source.vectorAt(i + 2 * pixelsPerVector));
        storeVector<streaming>(destination + i + 3 * pixelsPerVector,
                               source.vectorAt(i + 3 * pixelsPerVector));
    }
    for (; i + pixelsPerVector <= count; i += pixelsPerVector)
        storeVector<streaming>(destination + i, source.vectorAt(i));
    for (; i < count; ++i)
        storePixel<streaming>(destination + i, source.at(i));
}

} // namespace

bool vectorStoresAvailable() {
    static const bool available = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx") != 0;
    }();
    return available;
}

PixelStores pixelStoresFor(std::size_t passBytes) {
    if (!vectorStoresAvailable())
        return PixelStores::Portable;
    // A pass that would push most of the cache out cannot stay in it, and through the cache every
    // line it overwrites is read from memory first.
    const std::size_t cacheBytes = lastLevelCacheBytes();
    if (cacheBytes > 0 && passBytes > cacheBytes / 4 * 3)
        return PixelStores::Streaming;
    return PixelStores::Vector;
}

void fillPixels(PixelStores stores, std::uint32_t* destination, std::size_t count,
                std::uint32_t pixel) {
    switch (stores) {
    case PixelStores::Portable:
        fillPortable(destination, count, pixel);
        return;
    case PixelStores::Vector:
        writeRun<false>(destination, count, Repeat{pixel});
        return;
    case PixelStores::Streaming:
        writeRun<true>(destination, count, Repeat{pixel});
        return;
    }
}

void copyPixels(PixelStores stores, std::uint32_t* destination, const std::uint32_t* source,
                std::size_t count) {
    // Through the cache, the C library's copy beat a vector loop: on some processors it writes
    // whole lines without reading them first.
    if (stores == PixelStores::Streaming)
        writeRun<true>(destination, count, Copy{source});
    else
        std::copy_n(source, count, destination);
}

void finishPixelStores(PixelStores stores) {
    if (stores == PixelStores::Streaming)
        _mm_sfence();
}

#else

bool vectorStoresAvailable() {
    return false;
}

PixelStores pixelStoresFor(std::size_t) {
    return PixelStores::Portable;
}

void fillPixels(PixelStores, std::uint32_t* destination, std::size_t count, std::uint32_t pixel) {
    fillPortable(destination, count, pixel);
}

void copyPixels(PixelStores, std::uint32_t* destination, const std::uint32_t* source,
                std::size_t count) {
    std::copy_n(source, count, destination);
}

void finishPixelStores(PixelStores) {}

#endif
