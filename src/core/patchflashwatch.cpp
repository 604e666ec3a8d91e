#include "core/patchflashwatch.h"

#include "core/flashsafety.h"

namespace {

constexpr std::int64_t WindowMs = 1000;
constexpr std::size_t TooManyChanges = 7;

} // namespace

bool PatchFlashWatch::change(std::int64_t atMs, std::int32_t color) {
    const bool flashes = any_ && makesAFlash(last_, color);
    last_ = color;
    any_ = true;
    if (!flashes)
        return false;
    flashingChanges_.push_back(atMs);
    while (!flashingChanges_.empty() && flashingChanges_.front() <= atMs - WindowMs)
        flashingChanges_.pop_front();
    return flashingChanges_.size() >= TooManyChanges && !std::exchange(told_, true);
}
