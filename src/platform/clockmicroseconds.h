#pragma once

#include <cstdint>
#include <ctime>

// A clock's reading in microseconds, as the step log and the display servers count time.
inline std::int64_t microsecondsOf(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return std::int64_t(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

// The clock of the step log, of every schedule and of the servers' reports.
inline std::int64_t monotonicMicroseconds() {
    return microsecondsOf(CLOCK_MONOTONIC);
}
