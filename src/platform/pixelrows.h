#pragma once

#include <cstddef>
#include <cstdint>

// Writing whole runs of 32-bit pixels as fast as the processor stores them.
void fillPixels(std::uint32_t* destination, std::size_t count, std::uint32_t pixel);
void copyPixels(std::uint32_t* destination, const std::uint32_t* source, std::size_t count);
