// The flash-rate check that runs at every Start, on the largest list.
#include "core/colorentry.h"
#include "core/flashsafety.h"

#include <QStringList>
#include <benchmark/benchmark.h>

namespace {

// Light colors a step of red apart: no pair of them is risky, so every color has to be looked at.
QStringList nearIdenticalLightColors(int entries) {
    QStringList texts;
    texts.reserve(entries);
    for (int i = 0; i < entries; ++i)
        texts << FormatColorEntry(200 + i % 56, 200, 200);
    return texts;
}

// As many different colors as entries, all at a luminance of 0.8 or more, where no change is
// risky.
QStringList distinctBrightColors(int entries) {
    QStringList texts;
    texts.reserve(entries);
    for (int green = 255; green >= 0 && texts.size() < entries; --green) {
        for (int red = 255; red >= 0 && texts.size() < entries; --red) {
            for (int blue = 255; blue >= 0 && texts.size() < entries; --blue) {
                if (relativeLuminance(red + 256 * green + 65536 * blue) >= 0.8)
                    texts << FormatColorEntry(red, green, blue);
            }
        }
    }
    return texts;
}

void checkList(benchmark::State& state, const QStringList& entries) {
    for (auto _ : state) {
        if (needsFlashWarning(entries, QStringLiteral("100"))) {
            state.SkipWithError("the list was taken for a risky one");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * entries.size());
}

void BM_FlashWarning(benchmark::State& state) {
    checkList(state, nearIdenticalLightColors(static_cast<int>(state.range(0))));
}

void BM_FlashWarningBrightColors(benchmark::State& state) {
    checkList(state, distinctBrightColors(static_cast<int>(state.range(0))));
}

} // namespace

BENCHMARK(BM_FlashWarning)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FlashWarningBrightColors)->Arg(32767)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
