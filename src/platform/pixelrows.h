#pragma once

#include <cstddef>
#include <cstdint>

// How runs of 32-bit pixels are written.
enum class PixelStores {
    Portable,  // plain C++, on any processor
    Vector,    // through the cache: the processor's widest stores, the C library's copy
    Streaming, // the widest stores, past the cache, for a pass too large to stay in it
};

// "Portable", "Vector" or "Streaming", for reports.
const char* pixelStoresName(PixelStores stores);

// Whether this processor has the stores that Vector and Streaming need.
bool vectorStoresAvailable();
// The fastest stores on this processor for a pass that writes this many bytes in all.
PixelStores pixelStoresFor(std::size_t passBytes);

// Vector and Streaming only where vectorStoresAvailable().
void fillPixels(PixelStores stores, std::uint32_t* destination, std::size_t count,
                std::uint32_t pixel);
void copyPixels(PixelStores stores, std::uint32_t* destination, const std::uint32_t* source,
                std::size_t count);
// Streamed pixels reach memory in no fixed order: once at the end of a pass, this puts them before
// every later store, so another thread that sees the pass done sees all of it.
void finishPixelStores(PixelStores stores);
