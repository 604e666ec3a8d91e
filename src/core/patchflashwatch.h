#pragma once

#include <cstdint>
#include <deque>
#include <utility>

// Whether the patches a program sends flash more than three times in a second: a flash is a
// pair of opposing changes, so seven changes that each make a flash within one second are
// too many.
class PatchFlashWatch {
public:
    // A change to this color at this time; true the first time the changes become too many.
    bool change(std::int64_t atMs, std::int32_t color);

private:
    std::deque<std::int64_t> flashingChanges_;
    std::int32_t last_ = 0;
    bool any_ = false;
    bool told_ = false;
};
