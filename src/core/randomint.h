#pragma once

#include <cstdint>

// The program's one uniform generator.

// Seeds it; done once per run, with a seed the caller takes from outside (the time of day).
void seedRandom(double seed);
// Mixes a number into the generator's state: the same number twice does not repeat a sequence.
void reseedRandom(double number);
// A whole number from 1 to n, as floor(u * n) + 1 with u uniform in [0, 1).
double RandomInt(std::int32_t n);
