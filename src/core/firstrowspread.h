#pragma once

#include "core/drawingsurface.h"

#include <cstdint>
#include <utility>
#include <vector>

// Fills that span every row of a surface go into its first row only and are spread down once
// at the end, by copying rows: a surface fills a narrow column row by row, so a gradient of
// columns would cost many times a full fill, while copying whole rows down costs about one.
class FirstRowSpread {
public:
    FirstRowSpread(std::int32_t width, std::int32_t height) : width_(width), height_(height) {}

    // Whether the fill spans every row and is held: then only its first row is to be filled now.
    bool hold(const PixelRect& rect, std::int32_t color);
    bool pending() const { return !columns_.empty(); }

    // What the held fills become: the first row's span from left to right copied to every row
    // below, or, where the columns leave gaps in that row that hold other pixels, each column
    // filled whole in the order given.
    struct Spread {
        std::int32_t left = 0;
        std::int32_t right = 0;
        std::vector<std::pair<PixelRect, std::int32_t>> wholeColumns;
    };
    Spread take();

private:
    std::int32_t width_;
    std::int32_t height_;
    std::vector<std::pair<PixelRect, std::int32_t>> columns_;
};
