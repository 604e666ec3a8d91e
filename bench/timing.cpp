// Opens the real flash window in gradient mode with a delay of 20 ms, lets it tick 500 times and
// prints how far each interval strayed from the delay. With --frames N the ticks are held N
// refreshes each: the intervals are judged against N refreshes, and the refreshes missed and
// steps skipped that the display reported are printed too.
#include "platform/qtdialogs.h"
#include "ui/flashsession.h"
#include "ui/flashsource.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int delayMs = 20;
constexpr int ticks = 500;

class GradientSource final : public FlashSource {
public:
    QStringList colorEntries() const override {
        return {QStringLiteral("RGB(255, 0, 0)"), QStringLiteral("RGB(0, 0, 255)"),
                QStringLiteral("RGB(0, 255, 0)")};
    }
    // Cycle order, gradient mode, left to right.
    FlashSettings flashSettings() const override {
        return {FlashOrder::Cycle, ColorMode::Gradient, GradientDirection::LeftToRight,
                QString::number(delayMs)};
    }
    QList<QScreen*> flashScreens() const override { return {QGuiApplication::primaryScreen()}; }
};

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(std::ceil(p * values.size())) - 1;
    return values[std::min(index, values.size() - 1)];
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype framesAt = arguments.indexOf(QStringLiteral("--frames"));
    const int frames = framesAt > 0 ? arguments.value(framesAt + 1).toInt() : 0;
    if (framesAt > 0 && frames <= 0) {
        std::fprintf(stderr, "usage: chromaflick_timing [--frames N]\n");
        return 2;
    }
    GradientSource source;
    QtDialogs dialogs;
    FlashSession flash(source, dialogs);
    if (frames > 0)
        flash.setHeldRefreshes(frames);
    std::int64_t missedRefreshes = 0;
    int skipped = 0;
    QObject::connect(&flash, &FlashSession::stepShown, [&](const StepShown& shown) {
        missedRefreshes += shown.missed;
        skipped += shown.skipped;
    });
    std::vector<qint64> stamps;
    stamps.reserve(ticks);
    QElapsedTimer clock;
    clock.start();
    bool locked = false;
    QObject::connect(&flash, &FlashSession::ticked, [&] {
        locked = flash.isLocked();
        stamps.push_back(clock.nsecsElapsed());
        if (stamps.size() == ticks) {
            flash.close();
            QCoreApplication::quit();
        }
    });
    flash.showFlash();
    QApplication::exec();

    const QScreen* screen = QGuiApplication::primaryScreen();
    const double rate = flash.tally().measuredRate() > 0 ? flash.tally().measuredRate()
                                                         : (screen ? screen->refreshRate() : 60);
    const double expectedMs = frames > 0 ? frames * 1000.0 / rate : delayMs;
    std::vector<double> errors;
    int missed = 0;
    for (std::size_t i = 1; i < stamps.size(); ++i) {
        const double interval = (stamps[i] - stamps[i - 1]) / 1e6;
        errors.push_back(std::abs(interval - expectedMs));
        missed += std::max(0, static_cast<int>(std::lround(interval / expectedMs)) - 1);
    }
    std::printf("locked %s\nmedian_ms %.3f\np99_ms %.3f\nmax_ms %.3f\nmissed %d\n",
                locked ? "yes" : "no", percentile(errors, 0.5), percentile(errors, 0.99),
                *std::max_element(errors.begin(), errors.end()), missed);
    if (frames > 0)
        std::printf("refreshes_missed %lld\nsteps_skipped %d\nrefresh_hz %.3f\n",
                    static_cast<long long>(missedRefreshes), skipped, rate);
    return 0;
}
