#include "platform/pixelrows.h"

#include <algorithm>

#if defined(__x86_64__)
#include <immintrin.h>

namespace {

// Pixels before the first 32-byte boundary.
std::size_t headCount(const std::uint32_t* destination, std::size_t count) {
    const auto misalignment = reinterpret_cast<std::uintptr_t>(destination) & 31U;
    return std::min(count, misalignment ? (32 - misalignment) / 4 : 0);
}

// The store width bounds the speed of a fill that stays in the cache, so use the widest stores.
__attribute__((target("avx"))) void fillAvx(std::uint32_t* destination, std::size_t count,
                                            std::uint32_t pixel) {
    const std::size_t head = headCount(destination, count);
    std::fill_n(destination, head, pixel);
    destination += head;
    count -= head;
    const __m256i eight = _mm256_set1_epi32(static_cast<int>(pixel));
    std::size_t i = 0;
    for (; i + 16 <= count; i += 16) {
        _mm256_store_si256(reinterpret_cast<__m256i*>(destination + i), eight);
        _mm256_store_si256(reinterpret_cast<__m256i*>(destination + i + 8), eight);
    }
    std::fill(destination + i, destination + count, pixel);
}

__attribute__((target("avx"))) void copyAvx(std::uint32_t* destination, const std::uint32_t* source,
                                            std::size_t count) {
    const std::size_t head = headCount(destination, count);
    std::copy_n(source, head, destination);
    destination += head;
    source += head;
    count -= head;
    std::size_t i = 0;
    for (; i + 16 <= count; i += 16) {
        const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(source + i));
        const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(source + i + 8));
        _mm256_store_si256(reinterpret_cast<__m256i*>(destination + i), a);
        _mm256_store_si256(reinterpret_cast<__m256i*>(destination + i + 8), b);
    }
    std::copy(source + i, source + count, destination + i);
}

const bool hasAvx = __builtin_cpu_supports("avx");

} // namespace

void fillPixels(std::uint32_t* destination, std::size_t count, std::uint32_t pixel) {
    if (hasAvx)
        fillAvx(destination, count, pixel);
    else
        std::fill_n(destination, count, pixel);
}

void copyPixels(std::uint32_t* destination, const std::uint32_t* source, std::size_t count) {
    if (hasAvx)
        copyAvx(destination, source, count);
    else
        std::copy_n(source, count, destination);
}

#else

void fillPixels(std::uint32_t* destination, std::size_t count, std::uint32_t pixel) {
    std::fill_n(destination, count, pixel);
}

void copyPixels(std::uint32_t* destination, const std::uint32_t* source, std::size_t count) {
    std::copy_n(source, count, destination);
}

#endif
