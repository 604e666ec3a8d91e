#pragma once

#include <QStringList>
#include <cstdint>
#include <vector>

// Whether a flash may trigger seizures: more than three flashes in any one second, where a flash
// is a pair of opposing changes between two colors of the list that differ enough in relative
// luminance (10% or more, the darker below 0.80) or that involve a saturated red.

// Relative luminance of a color 0x00BBGGRR, from 0 (black) to 1 (white).
double relativeLuminance(std::int32_t color);

// Whether a change between the two colors, back and forth, makes a flash.
bool makesAFlash(std::int32_t a, std::int32_t b);

// Whether a flash of these colors, one change every changeMs, can flash more than three times in
// a second.
bool flashesTooOften(const std::vector<std::int32_t>& palette, double changeMs);

// Whether starting a flash of these list entries with this delay text needs a warning first.
// Entries that are no color flash black; a delay that gives no ticks never flashes.
bool needsFlashWarning(const QStringList& entries, const QString& delayText);
// The same for one change every changeMs.
bool needsFlashWarning(const QStringList& entries, double changeMs);
// The same for a flash held to a display's refreshes, where a step lasts the whole refreshes
// nearest the delay: at some rates shorter than the delay.
bool needsLockedFlashWarning(const QStringList& entries, const QString& delayText,
                             double refreshHz);
