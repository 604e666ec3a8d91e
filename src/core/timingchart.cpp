#include "core/timingchart.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(TimingChart)
};

constexpr double Width = 1400;
constexpr double PanelHeight = 360;
constexpr double PlotLeft = 80;
constexpr double PlotRight = 760;
constexpr double PlotTop = 60;
constexpr double PlotBottom = 300;
constexpr double HistogramLeft = 780;
constexpr double HistogramRight = 960;
constexpr double TableLeft = 990;
constexpr int Bins = 40;
// Wide enough that a mark between two pixels still shows in its own color.
constexpr double MarkWidth = 3;

const QColor Ink(0x20, 0x20, 0x20);
const QColor IntervalColor(0x1f, 0x5f, 0xbf);
const QColor PlannedColor(0x90, 0x90, 0x90);
const QColor LateColor(0xd0, 0x10, 0x10);
const QColor SkippedColor(0xe0, 0x80, 0x00);
const QColor UnreportedColor(0x80, 0x40, 0xa0);

// 1, 2 or 5 times a power of ten, so that about count of them span the range.
double tickStep(double range, int count) {
    if (!(range > 0))
        return 1;
    const double raw = range / count;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double fraction = raw / magnitude;
    return magnitude * (fraction < 1.5 ? 1 : fraction < 3 ? 2 : fraction < 7 ? 5 : 10);
}

QString ms(double us) {
    return QString::number(us / 1000.0, 'f', 3);
}

class PanelDrawing {
public:
    PanelDrawing(Chart& chart, const ScreenTiming& timing, int panel)
        : chart_(chart), timing_(timing), panel_(panel), top_(panel * PanelHeight) {
        double largest = 0;
        for (const StepInterval& interval : timing.intervals)
            largest = std::max({largest, double(interval.us), interval.plannedUs});
        yStep_ = tickStep(largest / 1000.0, 5);
        yMaxMs_ = std::max(yStep_, std::ceil(largest / 1000.0 / yStep_) * yStep_);
        lastPlace_ = std::max<qsizetype>(1, timing.steps - 1);
    }

    void draw() {
        text({20, top_ + 28}, 16, Texts::tr("Screen %1").arg(timing_.screen), u"screen");
        text({PlotLeft, top_ + PlotTop - 10}, 12,
             Texts::tr("interval from the step before (ms) against the planned one"), u"label");
        axes();
        intervals();
        marks();
        histogram();
        int row = 0;
        for (const QString& figure : timingFigures(timing_))
            text({TableLeft, top_ + PlotTop + 18 * row++}, 13, figure, u"figure");
    }

private:
    double x(qsizetype place) const {
        return PlotLeft + double(place) / double(lastPlace_) * (PlotRight - PlotLeft);
    }
    double y(double us) const {
        return top_ + PlotBottom - us / 1000.0 / yMaxMs_ * (PlotBottom - PlotTop);
    }

    ChartShape& add(ChartShape::Kind kind, QStringView role, QColor color,
                    std::vector<QPointF> points, double size = 1) {
        ChartShape shape;
        shape.kind = kind;
        shape.role = role.toString();
        shape.color = color;
        shape.points = std::move(points);
        shape.size = size;
        shape.panel = panel_;
        chart_.shapes.push_back(std::move(shape));
        return chart_.shapes.back();
    }
    void text(QPointF at, double size, const QString& content, QStringView role,
              ChartShape::Anchor anchor = ChartShape::Anchor::Start) {
        ChartShape& shape = add(ChartShape::Kind::Text, role, Ink, {at}, size);
        shape.text = content;
        shape.anchor = anchor;
    }

    void axes() {
        const double bottom = top_ + PlotBottom;
        add(ChartShape::Kind::Line, u"axis", Ink, {{PlotLeft, bottom}, {PlotRight, bottom}});
        add(ChartShape::Kind::Line, u"axis", Ink, {{PlotLeft, top_ + PlotTop}, {PlotLeft, bottom}});
        for (double value = 0; value <= yMaxMs_ + yStep_ / 2; value += yStep_) {
            const double at = y(value * 1000.0);
            add(ChartShape::Kind::Line, u"ytick", Ink, {{PlotLeft - 5, at}, {PlotLeft, at}}).value =
                value;
            text({PlotLeft - 8, at + 4}, 11, QString::number(value), u"ytick-label",
                 ChartShape::Anchor::End);
        }
        const double stepTick = std::max(1.0, tickStep(double(lastPlace_), 6));
        for (double step = 1; step <= double(timing_.steps); step += stepTick) {
            const double at = x(qsizetype(step) - 1);
            add(ChartShape::Kind::Line, u"xtick", Ink, {{at, bottom}, {at, bottom + 5}}).value =
                step;
            text({at, bottom + 18}, 11, QString::number(step), u"xtick-label",
                 ChartShape::Anchor::Middle);
            // Ticks at 1, then at round steps.
            if (step == 1 && stepTick > 1)
                step = 0;
        }
        text({(PlotLeft + PlotRight) / 2, bottom + 36}, 12, Texts::tr("step"), u"label",
             ChartShape::Anchor::Middle);
    }

    // At most a lowest and a highest point a pixel column, so that a long log stays a light
    // picture with every peak in it.
    void intervals() {
        std::vector<QPointF> measured;
        std::vector<QPointF> planned;
        const auto columnOf = [this](qsizetype place) { return std::lround(x(place)); };
        for (std::size_t i = 0; i < timing_.intervals.size();) {
            const long column = columnOf(timing_.intervals[i].place);
            std::size_t low = i;
            std::size_t high = i;
            std::size_t end = i;
            for (;
                 end < timing_.intervals.size() && columnOf(timing_.intervals[end].place) == column;
                 ++end) {
                if (timing_.intervals[end].us < timing_.intervals[low].us)
                    low = end;
                if (timing_.intervals[end].us > timing_.intervals[high].us)
                    high = end;
            }
            for (const std::size_t k : {std::min(low, high), std::max(low, high)}) {
                const StepInterval& interval = timing_.intervals[k];
                measured.emplace_back(x(interval.place), y(double(interval.us)));
                if (low == high)
                    break;
            }
            for (std::size_t k = i; k < end; ++k) {
                const QPointF point(x(timing_.intervals[k].place),
                                    y(timing_.intervals[k].plannedUs));
                // A plan held for many steps is one stretch of line.
                if (planned.size() >= 2 && planned.back().y() == point.y() &&
                    planned[planned.size() - 2].y() == point.y())
                    planned.back() = point;
                else
                    planned.push_back(point);
            }
            i = end;
        }
        if (!planned.empty())
            add(ChartShape::Kind::Polyline, u"planned", PlannedColor, std::move(planned), 2);
        if (!measured.empty())
            add(ChartShape::Kind::Polyline, u"interval", IntervalColor, std::move(measured));
    }

    void marks() {
        const double top = top_ + PlotTop;
        const double bottom = top_ + PlotBottom;
        for (const qsizetype place : timing_.skippedAt)
            add(ChartShape::Kind::Line, u"skipped", SkippedColor,
                {{x(place), top}, {x(place), bottom}}, MarkWidth)
                .value = double(place + 1);
        for (const qsizetype place : timing_.unreportedAt)
            add(ChartShape::Kind::Line, u"unreported", UnreportedColor,
                {{x(place), top}, {x(place), bottom}}, MarkWidth)
                .value = double(place + 1);
        for (const StepInterval& interval : timing_.intervals) {
            if (interval.late)
                add(ChartShape::Kind::Circle, u"late", LateColor,
                    {{x(interval.place), y(double(interval.us))}}, 4)
                    .value = double(interval.place + 1);
        }
    }

    void histogram() {
        std::vector<qsizetype> counts(Bins, 0);
        const double binUs = yMaxMs_ * 1000.0 / Bins;
        for (const StepInterval& interval : timing_.intervals)
            ++counts[std::size_t(std::clamp(double(interval.us) / binUs, 0.0, Bins - 1.0))];
        const qsizetype most = *std::max_element(counts.begin(), counts.end());
        text({HistogramLeft, top_ + PlotTop - 10}, 12, Texts::tr("steps per interval"), u"label");
        add(ChartShape::Kind::Line, u"axis", Ink,
            {{HistogramLeft, top_ + PlotTop}, {HistogramLeft, top_ + PlotBottom}});
        for (int bin = 0; bin < Bins; ++bin) {
            if (counts[std::size_t(bin)] == 0)
                continue;
            // A stall is one interval among thousands: its bin must still show.
            const double length =
                std::max(MarkWidth, double(counts[std::size_t(bin)]) / double(most) *
                                        (HistogramRight - HistogramLeft));
            add(ChartShape::Kind::Rect, u"bin", IntervalColor,
                {{HistogramLeft, y(bin * binUs)}, {HistogramLeft + length, y((bin + 1) * binUs)}})
                .value = double(counts[std::size_t(bin)]);
        }
    }

    Chart& chart_;
    const ScreenTiming& timing_;
    int panel_;
    double top_;
    double yStep_ = 1;
    double yMaxMs_ = 1;
    qsizetype lastPlace_ = 1;
};

} // namespace

QStringList timingFigures(const ScreenTiming& timing) {
    QStringList figures;
    figures << Texts::tr("steps: %1").arg(timing.steps);
    if (timing.rate.samples() >= RateSamplesForSpread)
        figures << Texts::tr("refresh rate: %1 Hz ± %2 (%3 samples)")
                       .arg(timing.rate.hz(), 0, 'f', 2)
                       .arg(timing.rate.deviationHz(), 0, 'f', 2)
                       .arg(timing.rate.samples());
    else if (timing.rate.samples() > 0)
        figures << Texts::tr("refresh rate: %1 Hz (%2 samples)")
                       .arg(timing.rate.hz(), 0, 'f', 2)
                       .arg(timing.rate.samples());
    else
        figures << Texts::tr("refresh rate: not measured, the log has no refresh counters");
    figures << Texts::tr("steps late: %1").arg(timing.late)
            << Texts::tr("refreshes missed: %1").arg(timing.refreshesMissed)
            << Texts::tr("steps skipped: %1").arg(timing.skipped);
    if (timing.unreported > 0)
        figures << Texts::tr("steps never reported: %1").arg(timing.unreported);
    if (timing.plannedFromCounters < qsizetype(timing.intervals.size()))
        figures << Texts::tr("planned interval: the median, %1 ms").arg(ms(timing.medianUs));
    figures << Texts::tr("deviation from the plan, 50th percentile: %1 ms")
                   .arg(ms(timing.deviationP50Us))
            << Texts::tr("deviation from the plan, 99th percentile: %1 ms")
                   .arg(ms(timing.deviationP99Us))
            << Texts::tr("largest deviation from the plan: %1 ms").arg(ms(timing.deviationMaxUs));
    return figures;
}

Chart timingChart(const std::vector<ScreenTiming>& screens) {
    Chart chart;
    chart.width = Width;
    chart.background = Qt::white;
    chart.height = PanelHeight * double(std::max<std::size_t>(1, screens.size()));
    if (screens.empty()) {
        ChartShape empty;
        empty.kind = ChartShape::Kind::Text;
        empty.role = QStringLiteral("label");
        empty.points = {{20, 40}};
        empty.size = 16;
        empty.color = Ink;
        empty.text = Texts::tr("The log holds no step.");
        chart.shapes.push_back(std::move(empty));
    }
    for (std::size_t i = 0; i < screens.size(); ++i)
        PanelDrawing(chart, screens[i], int(i)).draw();
    return chart;
}
