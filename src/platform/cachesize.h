#pragma once

#include <cstddef>

// The size of the processor's last-level cache in bytes, or 0 when the system does not tell.
std::size_t lastLevelCacheBytes();
