#include "core/ratemeasure.h"

#include <cmath>

void RateMeasure::add(std::int64_t refreshes, std::int64_t microseconds) {
    if (refreshes <= 0 || microseconds <= 0)
        return;
    ++samples_;
    refreshes_ += double(refreshes);
    microseconds_ += double(microseconds);
    const double rate = double(refreshes) * 1e6 / double(microseconds);
    const double before = mean_;
    mean_ += (rate - mean_) / samples_;
    squares_ += (rate - before) * (rate - mean_);
}

double RateMeasure::hz() const {
    return samples_ > 0 ? refreshes_ * 1e6 / microseconds_ : 0;
}

double RateMeasure::deviationHz() const {
    return samples_ > 1 ? std::sqrt(squares_ / (samples_ - 1)) : 0;
}
