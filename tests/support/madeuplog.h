#pragma once

#include "core/framelog.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <cmath>

// A screen's run under the lock as a test plans it: which steps come late, by how much, which
// are never shown and which are never reported.
struct MadeUpRun {
    QString screen = QStringLiteral("HDMI-1");
    int steps = 600;
    int hold = 2;
    double hz = 60;
    QMap<int, int> lateBy;
    QList<int> skipped;
    QList<int> unreported;
    bool counters = true;
    std::uint64_t firstMsc = 1000;
};

// The log's lines for the runs, their rows interleaved step by step as the program writes
// them. A late step plans the next one from where it came; a skipped one keeps the plan.
inline QByteArray madeUpLog(const QList<MadeUpRun>& runs) {
    QByteArray log = QByteArray(FrameLogHeader) + '\n';
    QList<std::uint64_t> next;
    for (const MadeUpRun& run : runs)
        next << run.firstMsc;
    int most = 0;
    for (const MadeUpRun& run : runs)
        most = std::max(most, run.steps);
    for (int step = 1; step <= most; ++step) {
        for (qsizetype i = 0; i < runs.size(); ++i) {
            const MadeUpRun& run = runs[i];
            if (step > run.steps)
                continue;
            StepShown row;
            row.step = step;
            row.screen = run.screen;
            row.firstColor = step % 2 ? 0x0000ff : 0xff0000;
            const std::uint64_t target = next[i];
            const std::uint64_t shown = target + std::uint64_t(run.lateBy.value(step));
            row.missed = run.lateBy.value(step);
            row.skipped = run.skipped.contains(step);
            row.shownUs = 5'000'000 + std::llround(double(shown) * 1e6 / run.hz);
            if (run.counters) {
                row.targetMsc = target;
                if (!row.skipped)
                    row.shownMsc = shown;
            }
            next[i] = (row.skipped ? target : shown) + std::uint64_t(run.hold);
            QByteArray line = frameLogRow(row).toUtf8();
            if (run.unreported.contains(step))
                line = line.left(line.lastIndexOf(',')) + ",missed";
            log += line + '\n';
        }
    }
    return log;
}
