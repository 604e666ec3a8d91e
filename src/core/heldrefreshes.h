#pragma once

// The most refreshes one step can be held: by --frames, by a delay rounded to refreshes, and by
// the lock's schedule.
inline constexpr int MaxHeldRefreshes = 32767;
