// Opens the real flash window in gradient mode with a delay of 20 ms, lets it tick 500 times and
// prints how far each interval strayed from the delay.
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
    GradientSource source;
    QtDialogs dialogs;
    FlashSession flash(source, dialogs);
    std::vector<qint64> stamps;
    stamps.reserve(ticks);
    QElapsedTimer clock;
    clock.start();
    QObject::connect(&flash, &FlashSession::ticked, [&] {
        stamps.push_back(clock.nsecsElapsed());
        if (stamps.size() == ticks) {
            flash.close();
            QCoreApplication::quit();
        }
    });
    flash.showFlash();
    QApplication::exec();

    std::vector<double> errors;
    int missed = 0;
    for (std::size_t i = 1; i < stamps.size(); ++i) {
        const double interval = (stamps[i] - stamps[i - 1]) / 1e6;
        errors.push_back(std::abs(interval - delayMs));
        missed += std::max(0, static_cast<int>(std::lround(interval / delayMs)) - 1);
    }
    std::printf("median_ms %.3f\np99_ms %.3f\nmax_ms %.3f\nmissed %d\n", percentile(errors, 0.5),
                percentile(errors, 0.99), *std::max_element(errors.begin(), errors.end()), missed);
    return 0;
}
