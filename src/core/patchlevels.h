#pragma once

#include <cstdint>

// One channel triple as a calibration program sends it: levels out of 2^bits - 1.
struct PatchLevels {
    int red = 0;
    int green = 0;
    int blue = 0;
    int bits = 8;
    bool operator==(const PatchLevels&) const = default;
};

// A level out of 2^fromBits - 1 as the nearest out of 2^toBits - 1: an 8-bit level widened
// this way is what Qt paints on a deeper screen (255 is 1023, 128 is 514).
int levelAt(int level, int fromBits, int toBits);

// The nearest 8-bit level of each channel, as 0x00BBGGRR.
std::int32_t nearestColor8(const PatchLevels& levels);
