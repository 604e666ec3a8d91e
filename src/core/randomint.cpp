#include "core/randomint.h"

#include <bit>
#include <cmath>
#include <random>

namespace {

std::mt19937& generator() {
    static std::mt19937 instance;
    return instance;
}

std::uint32_t bitsOf(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    return static_cast<std::uint32_t>(bits ^ (bits >> 32));
}

} // namespace

void seedRandom(double seed) {
    generator().seed(bitsOf(seed));
}

void reseedRandom(double number) {
    std::mt19937& state = generator();
    std::seed_seq mixed{static_cast<std::uint32_t>(state()), static_cast<std::uint32_t>(state()),
                        bitsOf(number)};
    state.seed(mixed);
}

double RandomInt(std::int32_t n) {
    const double u = std::generate_canonical<double, 53>(generator());
    // generate_canonical may round up to 1.0 on some libraries; that would give n + 1.
    return std::floor((u < 1.0 ? u : std::nextafter(1.0, 0.0)) * n) + 1.0;
}
