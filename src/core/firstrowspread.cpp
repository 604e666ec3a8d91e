#include "core/firstrowspread.h"

#include <algorithm>

bool FirstRowSpread::hold(const PixelRect& rect, std::int32_t color) {
    if (height_ <= 1 || rect.top > 0 || rect.bottom < height_)
        return false;
    const PixelRect column{std::max(rect.left, 0), 0, std::min(rect.right, width_), height_};
    if (column.left < column.right)
        columns_.emplace_back(column, color);
    return true;
}

FirstRowSpread::Spread FirstRowSpread::take() {
    std::vector<std::pair<PixelRect, std::int32_t>> columns = std::exchange(columns_, {});
    Spread spread;
    if (columns.empty())
        return spread;
    std::vector<PixelRect> byLeft;
    byLeft.reserve(columns.size());
    for (const auto& [column, color] : columns)
        byLeft.push_back(column);
    std::sort(byLeft.begin(), byLeft.end(),
              [](const PixelRect& a, const PixelRect& b) { return a.left < b.left; });
    spread.left = byLeft.front().left;
    spread.right = spread.left;
    for (const PixelRect& column : byLeft) {
        if (column.left > spread.right) {
            // Rows copied whole would carry the first row's other pixels down too.
            spread.left = spread.right = 0;
            spread.wholeColumns = std::move(columns);
            return spread;
        }
        spread.right = std::max(spread.right, column.right);
    }
    return spread;
}
