#pragma once

#include <QString>
#include <chrono>
#include <optional>

// The longest run a duration may ask for: a Qt timer counts int milliseconds.
inline constexpr std::chrono::hours LongestDuration{596};

struct DurationReading {
    std::optional<std::chrono::milliseconds> duration;
    QString problem; // one line naming what is wrong and the forms that work; empty on success
};

// A time such as "90", "90s", "30m", "2h" or "1h30m15s": a bare number is seconds; units come
// at most once each, hours before minutes before seconds. Zero and blanks are refused.
DurationReading readDuration(const QString& text);
