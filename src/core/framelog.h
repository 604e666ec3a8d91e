#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// What the display reports of one tick on one screen.
struct StepShown {
    int step = 0;
    QString screen;
    std::int32_t firstColor = 0;
    std::optional<std::int32_t> secondColor;
    // Refresh counters; unset where the system gives none.
    std::optional<std::uint64_t> targetMsc;
    std::optional<std::uint64_t> shownMsc;
    // CLOCK_MONOTONIC.
    std::int64_t shownUs = 0;
    std::int64_t missed = 0;
    bool skipped = false;
    // Sent, but the display never said whether it showed it: no counters, and the time of the
    // refresh that carried it where known (0 where not even that is known).
    bool unconfirmed = false;
};

inline constexpr const char* FrameLogHeader =
    "step,screen,first,second,target_msc,shown_msc,shown_us,missed";

// One line of the log, without its line end.
QString frameLogRow(const StepShown& shown);

// The line that stands for rows the log could not take (a full disk), once it takes lines again:
// the step and screen of the first row left out, and how many were, in the same eight fields.
QString frameLogLostRow(int firstStep, const QString& screen, std::int64_t count);

// The missed field of that line is this word, a space and the count.
inline constexpr const char* LostRowsWord = "lost";

// A delay as whole refreshes: the nearest count, at least one.
int refreshesForDelay(int delayMs, double refreshHz);

// Refreshes between the target and the showing where only timestamps are known.
std::int64_t refreshesLate(std::int64_t targetUs, std::int64_t shownUs, std::int64_t periodUs);
