#pragma once

#include <cstdint>

// A refresh rate measured from pairs of showings: refreshes counted between them against the
// microseconds between them.
class RateMeasure {
public:
    // Pairs with no refresh or no time between them tell nothing and are left out.
    void add(std::int64_t refreshes, std::int64_t microseconds);

    int samples() const { return samples_; }
    // Over all refreshes and all time; 0 without a sample.
    double hz() const;
    // Of the samples' own rates; 0 with fewer than two.
    double deviationHz() const;

private:
    int samples_ = 0;
    double refreshes_ = 0;
    double microseconds_ = 0;
    // Welford's running mean and squared distance, steady over a long flash.
    double mean_ = 0;
    double squares_ = 0;
};

// Below this many samples a spread says nothing and is not told.
inline constexpr int RateSamplesForSpread = 10;
