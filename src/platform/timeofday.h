#pragma once

// Seconds since midnight, fractions included: the seed of each run's random order.
double secondsSinceMidnight();
