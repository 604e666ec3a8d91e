#include "core/showingwatch.h"

#include <algorithm>

namespace {

// Reports come with the refresh that shows the picture, or the one after.
constexpr int FewRefreshes = 4;
// Once no more frames come (a pause commits nothing) only time tells; a loaded compositor may
// answer a refresh or two behind its frames. Time counts from the refresh that carried the picture,
// since a first picture may wait long for its window to be mapped.
constexpr int FewRefreshesOfTime = 6;

} // namespace

void ShowingWatch::begin(int heldRefreshes, std::int64_t periodUs) {
    awaited_.clear();
    framesAllowed_ = std::min(2 * std::max(1, heldRefreshes), FewRefreshes);
    timeAllowedUs_ = FewRefreshesOfTime * std::max<std::int64_t>(periodUs, 1);
}

void ShowingWatch::sent(std::uint64_t key, std::int64_t nowUs) {
    awaited_.push_back({key, nowUs, std::nullopt, 0});
}

void ShowingWatch::frame(std::int64_t nowUs) {
    for (Awaited& awaited : awaited_) {
        if (awaited.frames++ == 0)
            awaited.carriedUs = nowUs;
    }
}

void ShowingWatch::reported(std::uint64_t key) {
    const auto found = std::find_if(awaited_.begin(), awaited_.end(),
                                    [key](const Awaited& awaited) { return awaited.key == key; });
    if (found != awaited_.end())
        awaited_.erase(found);
}

ShowingWatch::Unreported ShowingWatch::unreported(const Awaited& awaited) {
    return {awaited.key, awaited.carriedUs.value_or(awaited.sentUs)};
}

std::vector<ShowingWatch::Unreported> ShowingWatch::overdue(std::int64_t nowUs) {
    std::vector<Unreported> given;
    const auto isOverdue = [&](const Awaited& awaited) {
        return awaited.frames >= framesAllowed_ ||
               (awaited.carriedUs && nowUs - *awaited.carriedUs >= timeAllowedUs_);
    };
    for (const Awaited& awaited : awaited_) {
        if (isOverdue(awaited))
            given.push_back(unreported(awaited));
    }
    std::erase_if(awaited_, isOverdue);
    return given;
}

std::vector<ShowingWatch::Unreported> ShowingWatch::takeAll() {
    std::vector<Unreported> given;
    for (const Awaited& awaited : awaited_)
        given.push_back(unreported(awaited));
    awaited_.clear();
    return given;
}
