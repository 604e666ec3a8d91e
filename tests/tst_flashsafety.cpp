#include "core/flashsafety.h"
#include "coretest.h"

#include <QtTest>

namespace {} // namespace

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

    void listEntriesAndDelayText() {
        QVERIFY(needsFlashWarning({"RGB(255, 255, 255)", "RGB(0, 0, 0)"}, "100"));
        QVERIFY(!needsFlashWarning({"RGB(255, 255, 255)", "RGB(0, 0, 0)"}, "500"));
        // An entry that is no color flashes black.
        QVERIFY(needsFlashWarning({"RGB(255, 255, 255)", "abc"}, "50"));
        QVERIFY(!needsFlashWarning({"RGB(255, 255, 255)", "RGB(0, 0, 0)"}, "abc"));
        QVERIFY(!needsFlashWarning({"RGB(255, 255, 255)", "RGB(0, 0, 0)"}, "40000"));
        QVERIFY(needsFlashWarning({"RGB(255, 255, 255)", "RGB(0, 0, 0)"}, "142.4"));
    }
};

CHROMAFLICK_CORE_TEST_MAIN(FlashSafetyTest)
#include "tst_flashsafety.moc"
