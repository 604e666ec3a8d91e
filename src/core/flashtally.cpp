#include "core/flashtally.h"

#include <QCoreApplication>
#include <cmath>

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(FlashTally)
};

} // namespace

void FlashTally::reset() {
    const double hz = reportedHz_;
    *this = FlashTally();
    reportedHz_ = hz;
}

void FlashTally::add(const StepShown& shown) {
    if (shown.unconfirmed) {
        ++unconfirmed_;
        return;
    }
    ++steps_;
    if (shown.skipped) {
        ++skipped_;
        return;
    }
    missed_ += shown.missed;
    if (shown.shownMsc) {
        if (lastMsc_) {
            lastHold_ = static_cast<std::int64_t>(*shown.shownMsc - *lastMsc_);
            rate_.add(lastHold_, shown.shownUs - lastUs_);
        }
        if (!firstMsc_)
            firstMsc_ = shown.shownMsc;
        lastMsc_ = shown.shownMsc;
    }
    if (!firstUs_)
        firstUs_ = shown.shownUs;
    lastUs_ = shown.shownUs;
}

std::int64_t FlashTally::refreshes() const {
    if (firstMsc_ && lastMsc_)
        return static_cast<std::int64_t>(*lastMsc_ - *firstMsc_) +
               std::max<std::int64_t>(lastHold_, 1);
    if (!firstUs_ || !(reportedHz_ > 0))
        return 0;
    return std::llround((lastUs_ - *firstUs_) * reportedHz_ / 1e6) + 1;
}

double FlashTally::measuredRate() const {
    if (firstMsc_ && lastMsc_ && *lastMsc_ > *firstMsc_ && lastUs_ > *firstUs_)
        return double(*lastMsc_ - *firstMsc_) * 1e6 / double(lastUs_ - *firstUs_);
    return reportedHz_;
}

QString FlashTally::summary(const QString& screen) const {
    const bool spread = rate_.samples() >= RateSamplesForSpread;
    QString figures;
    if (screen.isEmpty())
        figures =
            spread ? Texts::tr("flash: %1 steps, %2 refreshes at %3 Hz ± %6, %4 missed, %5 skipped")
                   : Texts::tr("flash: %1 steps, %2 refreshes at %3 Hz, %4 missed, %5 skipped");
    else
        figures = spread ? Texts::tr("flash on %7: %1 steps, %2 refreshes at %3 Hz ± %6, %4 "
                                     "missed, %5 skipped")
                         : Texts::tr("flash on %6: %1 steps, %2 refreshes at %3 Hz, %4 missed, "
                                     "%5 skipped");
    QString line = figures.arg(steps_)
                       .arg(refreshes())
                       .arg(measuredRate(), 0, 'f', 2)
                       .arg(missed_)
                       .arg(skipped_);
    if (spread)
        line = line.arg(rate_.deviationHz(), 0, 'f', 2);
    // Last, so that nothing in the name is read as a place for a figure.
    if (!screen.isEmpty())
        line = line.arg(screen);
    if (unreported_)
        line += Texts::tr(", %1 unconfirmed: the compositor does not report presentation for "
                          "this window")
                    .arg(unconfirmed_);
    else if (unconfirmed_ > 0)
        line += Texts::tr(", %1 unconfirmed").arg(unconfirmed_);
    return line;
}
