#pragma once

#include <array>
#include <cstddef>

// The six option buttons of the main window, in their designed order. They pair up: the flash
// order, the color mode and the gradient direction.
enum class FlashOption {
    RandomOrder,
    CycleOrder,
    SolidColors,
    GradientColors,
    LeftToRight,
    UpAndDown,
};

inline constexpr std::size_t FlashOptionCount = 6;
inline constexpr std::array<FlashOption, FlashOptionCount> AllFlashOptions{
    FlashOption::RandomOrder,    FlashOption::CycleOrder,  FlashOption::SolidColors,
    FlashOption::GradientColors, FlashOption::LeftToRight, FlashOption::UpAndDown};

constexpr std::size_t indexOf(FlashOption option) {
    return static_cast<std::size_t>(option);
}

// The first option of the pair this one belongs to, and the other one of the pair.
constexpr FlashOption firstOfPair(FlashOption option) {
    return static_cast<FlashOption>(indexOf(option) / 2 * 2);
}
constexpr FlashOption partnerOf(FlashOption option) {
    return static_cast<FlashOption>(indexOf(option) ^ 1U);
}

// One value per option, reached by the option itself.
template <typename Value> struct PerFlashOption {
    std::array<Value, FlashOptionCount> values{};

    constexpr Value& operator[](FlashOption option) { return values[indexOf(option)]; }
    constexpr const Value& operator[](FlashOption option) const { return values[indexOf(option)]; }
    constexpr auto begin() const { return values.begin(); }
    constexpr auto end() const { return values.end(); }
};
