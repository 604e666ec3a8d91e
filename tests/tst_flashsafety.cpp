#include "core/flashsafety.h"
#include "coretest.h"

#include <QRandomGenerator>
#include <QtTest>
#include <cmath>
#include <functional>
#include <vector>

namespace {

using Palette = std::vector<std::int32_t>;

// The definition the fast check has to match: some two colors of the list make a flash.
bool somePairFlashes(const Palette& palette) {
    for (std::size_t i = 0; i < palette.size(); ++i) {
        for (std::size_t j = i + 1; j < palette.size(); ++j) {
            if (makesAFlash(palette[i], palette[j]))
                return true;
        }
    }
    return false;
}

// Lists drawn at random around one of the thresholds, the same on every run.
class ListMaker {
public:
    explicit ListMaker(quint32 seed) : random_(seed) {}

    int below(int bound) { return static_cast<int>(random_.bounded(bound)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    double real(double low, double high) { return low + random_.generateDouble() * (high - low); }
    std::int32_t anyColor() { return static_cast<std::int32_t>(random_.bounded(1 << 24)); }

    // A grey with a slight tint, of a luminance within the range.
    std::int32_t tintedGrey(double lowest, double highest) {
        for (;;) {
            const int grey = below(256);
            const auto near = [&] { return std::clamp(grey + between(-12, 12), 0, 255); };
            const std::int32_t color = rgb(near(), near(), near());
            const double luminance = relativeLuminance(color);
            if (luminance >= lowest && luminance <= highest)
                return color;
        }
    }
    std::int32_t colorOfLuminance(double lowest, double highest) {
        for (;;) {
            const std::int32_t color = anyColor();
            const double luminance = relativeLuminance(color);
            if (luminance >= lowest && luminance <= highest)
                return color;
        }
    }
    // A red whose share of the channels sits one step below, at or above 80%.
    std::int32_t redNearTheSaturatedShare() {
        const int red = between(20, 255);
        const int rest = std::max(0, red / 4 + between(-1, 1));
        const int green = below(rest + 1);
        return rgb(red, green, rest - green);
    }
    std::int32_t saturatedRed() {
        const int red = between(40, 255);
        const int green = below(red / 8 + 1);
        return rgb(red, green, below(red / 8 + 1));
    }
    // Walks from the red towards a color of like luminance and keeps the last color that makes
    // no flash with it and the first that does; nothing when the walk never crosses.
    std::vector<std::int32_t> crossingFrom(std::int32_t red) {
        const double luminance = relativeLuminance(red);
        const std::int32_t target = colorOfLuminance(luminance - 0.04, luminance + 0.04);
        constexpr int steps = 64;
        std::int32_t inside = red;
        for (int step = 1; step <= steps; ++step) {
            const auto mix = [&](int shift) {
                const int from = (red >> shift) & 0xFF;
                const int to = (target >> shift) & 0xFF;
                return from + (to - from) * step / steps;
            };
            const std::int32_t color = rgb(mix(0), mix(8), mix(16));
            if (std::fabs(relativeLuminance(color) - luminance) >= 0.045)
                return {};
            if (makesAFlash(red, color))
                return {inside, color};
            inside = color;
        }
        return {};
    }
    template <typename Pick> Palette listOf(int size, Pick pick) {
        Palette palette;
        for (int i = 0; i < size; ++i)
            palette.push_back(pick());
        return palette;
    }

private:
    QRandomGenerator random_;
};

using ListSource = std::function<Palette(ListMaker&)>;

} // namespace

Q_DECLARE_METATYPE(ListSource)

class FlashSafetyTest : public QObject {
    Q_OBJECT
private slots:
    void luminanceRunsFromBlackToWhite() {
        QCOMPARE(relativeLuminance(rgb(0, 0, 0)), 0.0);
        QVERIFY(qFuzzyCompare(relativeLuminance(rgb(255, 255, 255)), 1.0));
        QVERIFY(qAbs(relativeLuminance(rgb(128, 128, 128)) - 0.2158605) < 1e-6);
        QVERIFY(qAbs(relativeLuminance(rgb(0, 255, 0)) - 0.7152) < 1e-9);
    }

    void pairsOfColors_data() {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<bool>("flash");
        QTest::newRow("black and white") << rgb(0, 0, 0) << rgb(255, 255, 255) << true;
        QTest::newRow("same color") << rgb(90, 90, 90) << rgb(90, 90, 90) << false;
        QTest::newRow("close greys") << rgb(100, 100, 100) << rgb(110, 110, 110) << false;
        // Luminances 0.0999 and 0.2: a difference just above 10% of the range.
        QTest::newRow("grey step above 10%") << rgb(89, 89, 89) << rgb(124, 124, 124) << true;
        QTest::newRow("both bright") << rgb(240, 240, 240) << rgb(255, 255, 255) << false;
        QTest::newRow("darker at 0.80 or more")
            << rgb(232, 232, 232) << rgb(255, 255, 255) << false;
        QTest::newRow("saturated red and blue of like luminance")
            << rgb(200, 0, 0) << rgb(0, 0, 255) << true;
        QTest::newRow("red and orange") << rgb(255, 0, 0) << rgb(255, 40, 0) << false;
        QTest::newRow("two blues of like luminance") << rgb(0, 0, 255) << rgb(20, 0, 255) << false;
    }
    void pairsOfColors() {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(bool, flash);
        QCOMPARE(makesAFlash(a, b), flash);
        QCOMPARE(makesAFlash(b, a), flash);
    }

    void delaysAtTheBoundary_data() {
        QTest::addColumn<int>("delay");
        QTest::addColumn<bool>("tooOften");
        // Eight changes in a second make four flashes: from a delay of 142 ms down.
        QTest::newRow("500 ms") << 500 << false;
        QTest::newRow("143 ms: seven changes") << 143 << false;
        QTest::newRow("142 ms: eight changes") << 142 << true;
        QTest::newRow("20 ms") << 20 << true;
        QTest::newRow("1 ms") << 1 << true;
        QTest::newRow("0 never ticks") << 0 << false;
        QTest::newRow("negative never ticks") << -5 << false;
    }
    void delaysAtTheBoundary() {
        QFETCH(int, delay);
        QFETCH(bool, tooOften);
        QCOMPARE(flashesTooOften({rgb(0, 0, 0), rgb(255, 255, 255)}, delay), tooOften);
        QVERIFY(!flashesTooOften({rgb(100, 100, 100), rgb(105, 105, 105)}, delay));
        QVERIFY(!flashesTooOften({rgb(255, 0, 0)}, delay));
    }

    // The check looks at the whole list at once instead of at every pair; on lists built to sit
    // right at each threshold it has to decide exactly as the pairs do.
    void decidesAsEveryPairDoes_data() {
        QTest::addColumn<ListSource>("source");
        QTest::addColumn<int>("lists");
        QTest::newRow("any colors") << ListSource([](ListMaker& make) {
            return make.listOf(make.between(1, 4), [&] { return make.anyColor(); });
        }) << 400;
        QTest::newRow("luminance differences near 0.1") << ListSource([](ListMaker& make) {
            const double low = make.real(0, 0.7);
            return make.listOf(make.between(2, 8), [&] {
                return make.below(2) ? make.tintedGrey(low, low + 0.002)
                                     : make.tintedGrey(low + 0.098, low + 0.102);
            });
        }) << 400;
        QTest::newRow("darker luminance near 0.8") << ListSource([](ListMaker& make) {
            return make.listOf(make.between(2, 8), [&] {
                return make.below(2) ? make.tintedGrey(0.798, 0.802) : make.tintedGrey(0.89, 1);
            });
        }) << 400;
        QTest::newRow("reds near 80% of the channels") << ListSource([](ListMaker& make) {
            Palette palette =
                make.listOf(make.between(1, 3), [&] { return make.redNearTheSaturatedShare(); });
            const double luminance = relativeLuminance(palette.front());
            palette.push_back(make.colorOfLuminance(luminance - 0.05, luminance + 0.05));
            return palette;
        }) << 400;
        QTest::newRow("chromaticity distances near 0.2") << ListSource([](ListMaker& make) {
            const std::int32_t red = make.saturatedRed();
            Palette palette{red};
            for (int walk = make.between(1, 6); walk > 0; --walk) {
                const std::vector<std::int32_t> crossing = make.crossingFrom(red);
                if (!crossing.empty())
                    palette.push_back(crossing[make.below(2)]);
            }
            return palette;
        }) << 400;
        QTest::newRow("hundreds of colors near 0.2 from one red")
            << ListSource([](ListMaker& make) {
                   const std::int32_t red = make.saturatedRed();
                   Palette palette{red};
                   const bool oneOutside = make.below(2);
                   while (palette.size() < 400) {
                       const std::vector<std::int32_t> crossing = make.crossingFrom(red);
                       if (!crossing.empty())
                           palette.push_back(crossing.front());
                   }
                   if (oneOutside) {
                       std::vector<std::int32_t> crossing;
                       while (crossing.empty())
                           crossing = make.crossingFrom(red);
                       palette.insert(palette.begin() + make.below(400), crossing.back());
                   }
                   return palette;
               })
            << 60;
    }
    void decidesAsEveryPairDoes() {
        QFETCH(ListSource, source);
        QFETCH(int, lists);
        ListMaker make(20261208);
        int risky = 0;
        for (int i = 0; i < lists; ++i) {
            const Palette palette = source(make);
            const bool expected = somePairFlashes(palette);
            if (flashesTooOften(palette, 100) != expected) {
                QStringList colors;
                for (const std::int32_t color : palette)
                    colors << QString::number(color, 16);
                QFAIL(qPrintable(QStringLiteral("decided %1 for %2")
                                     .arg(expected ? "calm" : "risky", colors.join(' '))));
            }
            risky += expected ? 1 : 0;
        }
        // Lists on both sides, or the rows test nothing near the threshold.
        QVERIFY2(risky > 0 && risky < lists, qPrintable(QString::number(risky)));
    }

    // Pairs whose chromaticities lie within 1e-9 of 0.2 apart, where rounding could decide.
    void decidesPairsRightAtTheRedDistance_data() {
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("other");
        QTest::newRow("5e-10 beyond") << rgb(182, 15, 11) << rgb(144, 69, 126);
        QTest::newRow("4e-11 beyond") << rgb(159, 4, 16) << rgb(43, 3, 37);
        QTest::newRow("2e-10 short") << rgb(60, 5, 1) << rgb(87, 71, 64);
        QTest::newRow("5e-10 short") << rgb(156, 19, 1) << rgb(120, 81, 95);
    }
    void decidesPairsRightAtTheRedDistance() {
        QFETCH(int, red);
        QFETCH(int, other);
        const Palette pair{red, other};
        QCOMPARE(flashesTooOften(pair, 100), somePairFlashes(pair));
        // Colors between the two keep the farthest pair the deciding one.
        const Palette withOthers{red, red + 1, other, rgb(120, 40, 40), red};
        QCOMPARE(flashesTooOften(withOthers, 100), somePairFlashes(withOthers));
    }

    void listEntriesAndDelayText() {
        QVERIFY(needsFlashWarning({"RGB(255, 255, 255)", "RGB(0, 0, 0)"}, "100"));
        QVERIFY(!needsFlashWarning({"RGB(255, 255, 255)", "RGB(0, 0, 0)"}, "500"));
        // An entry that is no color flashes black.
        QVERIFY(needsFlashWarning({"RGB(255, 255, 255)", "abc"}, "50"));
        QVERIFY(!needsFlashWarning({"RGB(255, 255, 255)", "RGB(0, 0, 0)"}, "abc"));
        QVERIFY(!needsFlashWarning({"RGB(255, 255, 255)", "RGB(0, 0, 0)"}, "40000"));
        QVERIFY(needsFlashWarning({"RGB(255, 255, 255)", "RGB(0, 0, 0)"}, "142.4"));
    }

    void lockedDelaysAreJudgedAsTheRefreshesHoldThem_data() {
        QTest::addColumn<QString>("delay");
        QTest::addColumn<double>("hz");
        QTest::addColumn<bool>("warned");
        // 143 ms alone flashes slowly enough; rounded to whole refreshes it may not.
        QTest::newRow("60 Hz: 9 refreshes, 150 ms") << "143" << 60.0 << false;
        QTest::newRow("100 Hz: 14 refreshes, 140 ms") << "143" << 100.0 << true;
        QTest::newRow("120 Hz: 17 refreshes, 141.7 ms") << "145" << 120.0 << true;
        QTest::newRow("144 Hz: 21 refreshes, 145.8 ms") << "143" << 144.0 << false;
        QTest::newRow("240 Hz: 34 refreshes, 141.7 ms") << "143" << 240.0 << true;
        QTest::newRow("60 Hz: 142 ms rounded up to 150 ms") << "142" << 60.0 << false;
        QTest::newRow("a delay that never ticks") << "0" << 120.0 << false;
        QTest::newRow("an unknown rate") << "143" << 0.0 << false;
    }
    void lockedDelaysAreJudgedAsTheRefreshesHoldThem() {
        QFETCH(QString, delay);
        QFETCH(double, hz);
        QFETCH(bool, warned);
        const QStringList blackAndWhite{"RGB(255, 255, 255)", "RGB(0, 0, 0)"};
        QCOMPARE(needsLockedFlashWarning(blackAndWhite, delay, hz), warned);
        QVERIFY(!needsLockedFlashWarning({"RGB(100, 100, 100)", "RGB(105, 105, 105)"}, delay, hz));
    }
};

CHROMAFLICK_CORE_TEST_MAIN(FlashSafetyTest)
#include "tst_flashsafety.moc"
