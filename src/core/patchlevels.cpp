#include "core/patchlevels.h"

#include "core/colorvalue.h"

#include <algorithm>
#include <cmath>

int levelAt(int level, int fromBits, int toBits) {
    const int from = (1 << fromBits) - 1;
    const int to = (1 << toBits) - 1;
    const int clamped = std::clamp(level, 0, from);
    if (fromBits == toBits)
        return clamped;
    return int(std::lround(double(clamped) * to / from));
}

std::int32_t nearestColor8(const PatchLevels& levels) {
    return ColorFromComponents(levelAt(levels.red, levels.bits, 8),
                               levelAt(levels.green, levels.bits, 8),
                               levelAt(levels.blue, levels.bits, 8));
}
