#include "core/stephistory.h"

void StepHistory::clear() {
    steps_.clear();
    position_ = 0;
}

const NumberedStep& StepHistory::record(const FlashStep& step) {
    const std::int64_t number = steps_.empty() ? 1 : steps_[position_].number + 1;
    if (!steps_.empty())
        steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(position_) + 1, steps_.end());
    steps_.push_back({step, number});
    if (steps_.size() > Capacity)
        steps_.pop_front();
    position_ = steps_.size() - 1;
    return steps_.back();
}

const NumberedStep* StepHistory::current() const {
    return steps_.empty() ? nullptr : &steps_[position_];
}

const NumberedStep* StepHistory::back() {
    if (steps_.empty() || position_ == 0)
        return nullptr;
    return &steps_[--position_];
}

const NumberedStep* StepHistory::forward() {
    if (atNewest())
        return nullptr;
    return &steps_[++position_];
}
