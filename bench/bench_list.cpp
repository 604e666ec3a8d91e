// The color list at its largest: loading it into the list control, storing it, and starting the
// main window with it, against the default list; and one entry of many megabytes.
#include "core/colorentry.h"
#include "core/errortrap.h"
#include "core/failure.h"
#include "core/settingsstore.h"
#include "core/storedlist.h"
#include "platform/qtdialogs.h"
#include "platform/settingsbacking.h"
#include "ui/colorlistview.h"
#include "ui/form1.h"
#include "ui/listcommands.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

QString storedList(int entries) {
    QStringList texts;
    for (int i = 0; i < entries; ++i)
        texts << QStringLiteral("RGB(%1, %2, %3)").arg(i % 256).arg((i / 256) % 256).arg(i % 97);
    return joinStoredList(texts);
}

void BM_LoadColorList(benchmark::State& state) {
    UserSettingsStore store;
    store.WriteSetting(Keys::Colors, storedList(static_cast<int>(state.range(0))));
    QtDialogs dialogs;
    ColorListView list;
    list.show();
    for (auto _ : state) {
        state.PauseTiming();
        list.clear();
        state.ResumeTiming();
        ErrorTrap trap(dialogs, QStringLiteral("Form1.Form_Load"));
        LoadColorList(trap, store, list);
        QCoreApplication::processEvents();
    }
    if (list.count() != state.range(0))
        state.SkipWithError("the list did not load whole");
}

void BM_SaveColorList(benchmark::State& state) {
    UserSettingsStore store;
    QtDialogs dialogs;
    ColorListView list;
    list.append(splitStoredList(storedList(static_cast<int>(state.range(0)))));
    for (auto _ : state) {
        ErrorTrap trap(dialogs, QStringLiteral("Form1.Form_QueryUnload"));
        SaveColorList(trap, store, list);
    }
}

// From making the main window to its being shown with the list.
void BM_StartToShownWindow(benchmark::State& state) {
    const int entries = static_cast<int>(state.range(0));
    {
        UserSettingsStore store;
        store.WriteSetting(Keys::Colors, entries == 7 ? QString() : storedList(entries));
    }
    QtDialogs dialogs;
    for (auto _ : state) {
        UserSettingsStore store;
        Form1 form(dialogs, store);
        form.load();
        form.showCentred();
        if (!QTest::qWaitForWindowExposed(&form))
            state.SkipWithError("the window was not shown");
        QCoreApplication::processEvents();
        state.PauseTiming();
        form.hide();
        state.ResumeTiming();
    }
}

QString hugeEntry(std::int64_t megabytes) {
    return QStringLiteral("RGB(") + QString(megabytes * 1'000'000, QLatin1Char('7')) +
           QStringLiteral(", 1, 2)");
}

void BM_ParseHugeEntry(benchmark::State& state) {
    const QString entry = hugeEntry(state.range(0));
    for (auto _ : state) {
        try {
            benchmark::DoNotOptimize(ParseColorEntry(entry));
            state.SkipWithError("the entry was taken for a color");
        } catch (const Failure&) {
        }
    }
}

// The first paint of a list holding such an entry, its swatch and text included.
void BM_PaintHugeEntry(benchmark::State& state) {
    const QString entry = hugeEntry(state.range(0));
    std::unique_ptr<ColorListView> list;
    for (auto _ : state) {
        state.PauseTiming();
        list = std::make_unique<ColorListView>();
        list->append({QStringLiteral("RGB(1, 2, 3)"), entry});
        list->resize(500, 150);
        state.ResumeTiming();
        benchmark::DoNotOptimize(list->grab());
        state.PauseTiming();
        list.reset();
        state.ResumeTiming();
    }
}

} // namespace

// A click on an option with a stored list of one huge entry: both keys of its group go to the
// store, and every write rewrites the whole file.
void BM_WriteOptionBesideHugeEntry(benchmark::State& state) {
    {
        UserSettingsStore store;
        store.WriteSetting(Keys::Colors, hugeEntry(state.range(0)) + ListSeparator);
    }
    UserSettingsStore store;
    bool random = false;
    for (auto _ : state) {
        store.writeTellingTrouble(Keys::RandomOrder, random, Keys::CycleOrder, !random);
        random = !random;
    }
}

BENCHMARK(BM_WriteOptionBesideHugeEntry)->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParseHugeEntry)->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintHugeEntry)->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadColorList)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveColorList)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartToShownWindow)->Arg(7)->Arg(32767)->Unit(benchmark::kMillisecond);

int main(int argc, char* argv[]) {
    QTemporaryDir settings(QDir::tempPath() + QStringLiteral("/chromaflick-bench-XXXXXX"));
    qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
