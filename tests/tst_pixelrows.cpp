#include "platform/cachesize.h"
#include "platform/pixelrows.h"
#include "platform/storechoice.h"
#include "testsupport.h"

#include <QApplication>
#include <QtTest>
#include <vector>

namespace {

constexpr std::uint32_t untouched = 0xDEADBEEF;
// Pixels on either side of a run that no store may reach.
constexpr std::size_t margin = 64;
// Starting a run 0..15 pixels into the buffer puts it at every alignment of a 64-byte line.
constexpr std::size_t alignments = 16;

const PixelStores everyKind[] = {PixelStores::Portable, PixelStores::Vector,
                                 PixelStores::Streaming};

void addRunRows() {
    QTest::addColumn<PixelStores>("stores");
    QTest::addColumn<int>("count");
    // Around a pixel, a vector of 8 and a turn of 32, and whole rows of common screens.
    for (PixelStores stores : everyKind)
        for (int count : {0,  1,  2,  7,  8,  9,   15,   16,   17,   31,
                          32, 33, 63, 64, 65, 100, 1366, 1920, 3840, 3 * 3840 + 5})
            QTest::addRow("%s %d", pixelStoresName(stores), count) << stores << count;
}

std::uint32_t sourcePixel(std::size_t i) {
    return static_cast<std::uint32_t>(i + 1) * 0x01000193U;
}

// The first index where the buffer differs from the run written at offset, or -1.
qsizetype firstWrongPixel(const std::vector<std::uint32_t>& buffer, std::size_t offset,
                          std::size_t count, std::uint32_t (*pixelAt)(std::size_t)) {
    for (std::size_t i = 0; i < buffer.size(); ++i) {
        const bool inRun = i >= offset && i < offset + count;
        if (buffer[i] != (inRun ? pixelAt(i - offset) : untouched))
            return static_cast<qsizetype>(i);
    }
    return -1;
}

} // namespace

class PixelRowsTest : public QObject {
    Q_OBJECT
private slots:
    void fillWritesTheRunAndNothingElse_data() { addRunRows(); }
    void fillWritesTheRunAndNothingElse() {
        QFETCH(PixelStores, stores);
        QFETCH(int, count);
        if (stores != PixelStores::Portable && !vectorStoresAvailable())
            QSKIP("This processor has no vector stores");
        const auto n = static_cast<std::size_t>(count);
        for (std::size_t alignment = 0; alignment < alignments; ++alignment) {
            std::vector<std::uint32_t> buffer(margin + alignments + n + margin, untouched);
            fillPixels(stores, buffer.data() + margin + alignment, n, 0x00ABCDEF);
            finishPixelStores(stores);
            const qsizetype wrong = firstWrongPixel(buffer, margin + alignment, n,
                                                    [](std::size_t) { return 0x00ABCDEFU; });
            QVERIFY2(wrong < 0, qPrintable(QStringLiteral("run %1 pixels in, wrong pixel at %2")
                                               .arg(alignment)
                                               .arg(wrong)));
        }
    }

    void copyWritesTheRunAndNothingElse_data() { addRunRows(); }
    void copyWritesTheRunAndNothingElse() {
        QFETCH(PixelStores, stores);
        QFETCH(int, count);
        if (stores != PixelStores::Portable && !vectorStoresAvailable())
            QSKIP("This processor has no vector stores");
        const auto n = static_cast<std::size_t>(count);
        std::vector<std::uint32_t> source(alignments + n);
        for (std::size_t alignment = 0; alignment < alignments; ++alignment) {
            // The source at another alignment than the destination.
            const std::size_t sourceAlignment = alignments - 1 - alignment;
            for (std::size_t i = 0; i < n; ++i)
                source[sourceAlignment + i] = sourcePixel(i);
            std::vector<std::uint32_t> buffer(margin + alignments + n + margin, untouched);
            copyPixels(stores, buffer.data() + margin + alignment, source.data() + sourceAlignment,
                       n);
            finishPixelStores(stores);
            const qsizetype wrong = firstWrongPixel(buffer, margin + alignment, n, sourcePixel);
            QVERIFY2(wrong < 0, qPrintable(QStringLiteral("run %1 pixels in, wrong pixel at %2")
                                               .arg(alignment)
                                               .arg(wrong)));
        }
    }

    void onlyPassesTooLargeForTheCacheStream() {
        if (!vectorStoresAvailable()) {
            QCOMPARE(pixelStoresFor(0), PixelStores::Portable);
            QCOMPARE(pixelStoresFor(std::size_t(1) << 40), PixelStores::Portable);
            return;
        }
        QCOMPARE(pixelStoresFor(0), PixelStores::Vector);
        QCOMPARE(pixelStoresFor(4 * 3840), PixelStores::Vector);
        const std::size_t cacheBytes = lastLevelCacheBytes();
        if (cacheBytes == 0)
            QSKIP("The system does not tell the cache size");
        QCOMPARE(pixelStoresFor(cacheBytes / 2), PixelStores::Vector);
        QCOMPARE(pixelStoresFor(cacheBytes), PixelStores::Streaming);
        QCOMPARE(pixelStoresFor(cacheBytes * 4), PixelStores::Streaming);
    }

    void theFastestKindIsChosen_data() {
        QTest::addColumn<QList<double>>("seconds"); // Vector, Streaming, Portable
        QTest::addColumn<int>("chosen");
        QTest::newRow("vector") << QList<double>{1.0, 1.2, 1.3} << int(PixelStores::Vector);
        QTest::newRow("streaming") << QList<double>{1.2, 1.0, 1.3} << int(PixelStores::Streaming);
        QTest::newRow("portable") << QList<double>{1.2, 1.3, 1.0} << int(PixelStores::Portable);
        QTest::newRow("a tie keeps the first")
            << QList<double>{1.0, 1.0, 1.0} << int(PixelStores::Vector);
    }
    void theFastestKindIsChosen() {
        QFETCH(QList<double>, seconds);
        QFETCH(int, chosen);
        const std::vector<std::pair<PixelStores, double>> timings{
            {PixelStores::Vector, seconds[0]},
            {PixelStores::Streaming, seconds[1]},
            {PixelStores::Portable, seconds[2]}};
        QCOMPARE(int(fastestOf(timings)), chosen);
    }

    void theMeasuredKindHoldsForTheSize() {
        const PixelStores first = measuredStoresFor({1920, 1080});
        if (!vectorStoresAvailable())
            QCOMPARE(first, PixelStores::Portable);
        // Measured once: the same size is never timed again, so it cannot change.
        for (int i = 0; i < 3; ++i)
            QCOMPARE(measuredStoresFor({1920, 1080}), first);
        // Too small to be worth a measure: the guess from the cache.
        QCOMPARE(measuredStoresFor({64, 16}), pixelStoresFor(64 * 16 * 4));
    }
};

CHROMAFLICK_TEST_MAIN(PixelRowsTest)
#include "tst_pixelrows.moc"
