// Any bytes as a step log: refused with a line and a reason and no rows, or read whole; what is
// read writes out as the program writes it and reads back the same, and draws without fault.
#include "core/chartsvg.h"
#include "core/framelogreader.h"
#include "core/steptiming.h"
#include "core/timingchart.h"

#include <QByteArray>
#include <cstdlib>

namespace {

bool same(const StepShown& a, const StepShown& b) {
    return a.step == b.step && a.screen == b.screen && a.firstColor == b.firstColor &&
           a.secondColor == b.secondColor && a.targetMsc == b.targetMsc &&
           a.shownMsc == b.shownMsc && a.shownUs == b.shownUs && a.missed == b.missed &&
           a.skipped == b.skipped;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const FrameLogReading reading = readFrameLog(bytes);
    if ((reading.badLine > 0) != !reading.problem.isEmpty() ||
        (reading.badLine > 0 && !reading.steps.empty()))
        std::abort();
    QByteArray written = QByteArray(FrameLogHeader) + '\n';
    for (const LoggedStep& row : reading.steps) {
        if (row.showing == LoggedStep::Showing::Lost)
            written +=
                frameLogLostRow(row.shown.step, row.shown.screen, row.lostRows).toUtf8() + '\n';
        else if (row.showing != LoggedStep::Showing::Unreported)
            written += frameLogRow(row.shown).toUtf8() + '\n';
    }
    const FrameLogReading again = readFrameLog(written);
    if (again.badLine != 0)
        std::abort();
    std::size_t next = 0;
    for (const LoggedStep& row : reading.steps) {
        if (row.showing == LoggedStep::Showing::Unreported)
            continue;
        if (next >= again.steps.size() || !same(row.shown, again.steps[next].shown) ||
            row.lostRows != again.steps[next].lostRows)
            std::abort();
        ++next;
    }
    if (chartSvg(timingChart(measureStepTiming(reading.steps))).isEmpty())
        std::abort();
    return 0;
}
