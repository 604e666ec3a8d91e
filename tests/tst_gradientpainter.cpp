#include "core/failure.h"
#include "core/gradientpainter.h"
#include "platform/imagesurface.h"
#include "platform/paintersurface.h"
#include "testsupport.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QtTest>
#include <vector>

namespace {

struct Fill {
    PixelRect rect;
    std::int32_t color;
};

class RecordingSurface final : public DrawingSurface {
public:
    std::vector<Fill> fills;
    void fillRect(const PixelRect& rect, std::int32_t color) override {
        fills.push_back({rect, color});
    }
};

std::vector<Fill> paint(PixelRect rect, std::int32_t first, std::int32_t second, bool vertical) {
    RecordingSurface surface;
    PaintGradient(surface, rect, first, second, vertical);
    return surface.fills;
}

// The strips as Qt's own painter draws them over a copy of the image.
QImage stripsDrawnByQt(QImage image, const std::vector<Fill>& fills) {
    QPainter painter(&image);
    for (const Fill& fill : fills)
        painter.fillRect(
            QRect(QPoint(fill.rect.left, fill.rect.top),
                  QPoint(fill.rect.right - 1, fill.rect.bottom - 1)),
            QColor(fill.color & 0xFF, (fill.color >> 8) & 0xFF, (fill.color >> 16) & 0xFF));
    return image;
}

} // namespace

class GradientPainterTest : public QObject {
    Q_OBJECT
private slots:
    void stripCountsFollowTheExtent_data() {
        QTest::addColumn<int>("extent");
        QTest::addColumn<int>("thickness");
        QTest::addColumn<int>("strips");
        QTest::newRow("254") << 254 << 3 << 85;
        QTest::newRow("764") << 764 << 3 << 255;
        QTest::newRow("1019 the most") << 1019 << 3 << 340;
        QTest::newRow("1020") << 1020 << 4 << 256;
        QTest::newRow("1080") << 1080 << 4 << 271;
        QTest::newRow("1366") << 1366 << 5 << 274;
        QTest::newRow("1920") << 1920 << 7 << 275;
        QTest::newRow("2560") << 2560 << 10 << 257;
        QTest::newRow("3840") << 3840 << 15 << 257;
        QTest::newRow("1") << 1 << 3 << 1;
    }
    void stripCountsFollowTheExtent() {
        QFETCH(int, extent);
        QFETCH(int, thickness);
        QFETCH(int, strips);
        for (bool vertical : {false, true}) {
            const PixelRect rect =
                vertical ? PixelRect{0, 0, 10, extent} : PixelRect{0, 0, extent, 10};
            const std::vector<Fill> fills = paint(rect, rgb(255, 0, 0), rgb(0, 0, 255), vertical);
            QCOMPARE(int(fills.size()), strips);
            const PixelRect& strip0 = fills[0].rect;
            QCOMPARE(vertical ? strip0.bottom - strip0.top : strip0.right - strip0.left,
                     std::min(thickness, extent));
        }
    }

    void workedExampleLeftToRight() {
        const auto fills = paint({0, 0, 1920, 1080}, rgb(255, 0, 0), rgb(0, 0, 255), false);
        QCOMPARE(fills.size(), std::size_t(275));
        QCOMPARE(fills[0].rect, (PixelRect{1913, 0, 1920, 1080}));
        QCOMPARE(fills[1].rect, (PixelRect{1906, 0, 1913, 1080}));
        QCOMPARE(fills[273].rect, (PixelRect{2, 0, 9, 1080}));
        QCOMPARE(fills[274].rect, (PixelRect{0, 0, 2, 1080}));
        QCOMPARE(fills[0].color, rgb(0, 0, 255));
        QCOMPARE(fills[1].color, rgb(0, 0, 255));
        QCOMPARE(fills[2].color, rgb(1, 0, 254));
        // Strip 274 has the fraction 1911 / 1920 and stops short of the first color.
        QCOMPARE(fills[274].color, rgb(254, 0, 1));
    }

    void workedExampleUpAndDown() {
        const auto fills = paint({0, 0, 1920, 1080}, rgb(255, 0, 0), rgb(0, 0, 255), true);
        QCOMPARE(fills.size(), std::size_t(271));
        QCOMPARE(fills[0].rect, (PixelRect{0, 1076, 1920, 1080}));
        QCOMPARE(fills[269].rect, (PixelRect{0, 0, 1920, 4}));
        QCOMPARE(fills[270].rect, (PixelRect{0, 0, 1920, 0}));
    }

    void stripColorsFollowTheLaggingFraction() {
        const std::int32_t first = rgb(200, 10, 77);
        const std::int32_t second = rgb(3, 250, 128);
        const auto fills = paint({0, 0, 1366, 5}, first, second, false);
        for (std::size_t k = 1; k < fills.size(); ++k) {
            const double fraction = (k - 1) * 5.0 / 1366.0;
            const auto channel = [&](int a, int b) {
                return int(std::nearbyint(b + fraction * (a - b)));
            };
            QCOMPARE(fills[k].color, rgb(channel(200, 3), channel(10, 250), channel(77, 128)));
        }
    }

    void halvesRoundToEven() {
        // Extent 1200, thickness 4: strip 151 has the fraction 150 * 4 / 1200 = 0.5.
        const auto fills = paint({0, 0, 1200, 1}, rgb(2, 3, 0), rgb(1, 2, 0), false);
        QCOMPARE(fills[151].color, rgb(2, 2, 0));
    }

    void highBitsOfTheColorsAreIgnored() {
        const auto fills = paint({0, 0, 30, 1}, 0x7F000000 | rgb(9, 8, 7), rgb(9, 8, 7), false);
        for (const Fill& fill : fills)
            QCOMPARE(fill.color, rgb(9, 8, 7));
    }

    void stripsCoverTheRectangleExactlyAndStayInside_data() {
        QTest::addColumn<PixelRect>("rect");
        QTest::addColumn<bool>("vertical");
        QTest::newRow("full HD across") << PixelRect{0, 0, 1920, 1080} << false;
        QTest::newRow("full HD down") << PixelRect{0, 0, 1920, 1080} << true;
        QTest::newRow("left not 0") << PixelRect{100, 7, 1123, 300} << false;
        QTest::newRow("top not 0") << PixelRect{5, 250, 900, 1000} << true;
        QTest::newRow("tiny") << PixelRect{10, 10, 12, 11} << false;
    }
    void stripsCoverTheRectangleExactlyAndStayInside() {
        QFETCH(PixelRect, rect);
        QFETCH(bool, vertical);
        const PixelRect before = rect;
        RecordingSurface surface;
        PaintGradient(surface, rect, rgb(1, 2, 3), rgb(4, 5, 6), vertical);
        QCOMPARE(rect, before);
        const int extent = vertical ? rect.bottom - rect.top : rect.right - rect.left;
        std::vector<int> covered(static_cast<std::size_t>(extent), 0);
        for (const Fill& fill : surface.fills) {
            QVERIFY(fill.rect.left >= rect.left && fill.rect.right <= rect.right);
            QVERIFY(fill.rect.top >= rect.top && fill.rect.bottom <= rect.bottom);
            QCOMPARE(vertical ? fill.rect.left : fill.rect.top, vertical ? rect.left : rect.top);
            QCOMPARE(vertical ? fill.rect.right : fill.rect.bottom,
                     vertical ? rect.right : rect.bottom);
            const int from = vertical ? fill.rect.top - rect.top : fill.rect.left - rect.left;
            const int to = vertical ? fill.rect.bottom - rect.top : fill.rect.right - rect.left;
            for (int i = from; i < to; ++i)
                ++covered[static_cast<std::size_t>(i)];
        }
        QVERIFY(std::all_of(covered.begin(), covered.end(), [](int n) { return n == 1; }));
    }

    void equalColorsGiveASolidFill() {
        const auto fills = paint({0, 0, 800, 600}, rgb(12, 34, 56), rgb(12, 34, 56), true);
        for (const Fill& fill : fills)
            QCOMPARE(fill.color, rgb(12, 34, 56));
    }

    void emptyOrNegativeExtentPaintsNothing() {
        QVERIFY(paint({0, 0, 0, 100}, 1, 2, false).empty());
        QVERIFY(paint({0, 0, 100, 0}, 1, 2, true).empty());
        QVERIFY(paint({50, 0, 10, 100}, 1, 2, false).empty());
    }

    void overflowIsAFailure() {
        QVERIFY_THROWS_EXCEPTION(Failure, paint({-2147483647, 0, 2147483647, 1}, 1, 2, false));
    }

    void imageSurfaceMatchesTheStrips_data() {
        QTest::addColumn<bool>("vertical");
        QTest::newRow("left to right") << false;
        QTest::newRow("up and down") << true;
    }
    void imageSurfaceMatchesTheStrips() {
        QFETCH(bool, vertical);
        QImage image(640, 360, QImage::Format_RGB32);
        image.fill(Qt::black);
        const PixelRect whole{0, 0, 640, 360};
        {
            ImageSurface surface(image);
            PaintGradient(surface, whole, rgb(255, 0, 0), rgb(0, 0, 255), vertical);
        }
        QImage expected(640, 360, QImage::Format_RGB32);
        expected =
            stripsDrawnByQt(expected, paint(whole, rgb(255, 0, 0), rgb(0, 0, 255), vertical));
        QCOMPARE(image, expected);
    }

    void everyKindOfStorePaintsTheSameStrips_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<PixelRect>("rect");
        QTest::addColumn<bool>("vertical");
        QTest::addColumn<PixelStores>("stores");
        // Below, at and past a vector of 8 and a turn of 32 pixels; odd; common screens.
        const QSize sizes[] = {{1, 1},      {1, 9},       {9, 1},      {2, 2},   {5, 3},
                               {7, 7},      {17, 5},      {33, 4},     {61, 61}, {257, 3},
                               {1366, 768}, {1920, 1080}, {3840, 2160}};
        for (PixelStores stores :
             {PixelStores::Portable, PixelStores::Vector, PixelStores::Streaming}) {
            for (bool vertical : {false, true}) {
                const char* direction = vertical ? "down" : "across";
                for (const QSize& size : sizes)
                    QTest::addRow("%dx%d %s %s", size.width(), size.height(), direction,
                                  pixelStoresName(stores))
                        << size << PixelRect{0, 0, size.width(), size.height()} << vertical
                        << stores;
                // Strips short of the image's edges, written row by row.
                for (const QSize& size : {QSize(61, 61), QSize(1366, 768)})
                    QTest::addRow("%dx%d inset %s %s", size.width(), size.height(), direction,
                                  pixelStoresName(stores))
                        << size << PixelRect{3, 2, size.width() - 1, size.height() - 2} << vertical
                        << stores;
            }
        }
    }
    void everyKindOfStorePaintsTheSameStrips() {
        QFETCH(QSize, size);
        QFETCH(PixelRect, rect);
        QFETCH(bool, vertical);
        QFETCH(PixelStores, stores);
        if (stores != PixelStores::Portable && !vectorStoresAvailable())
            QSKIP("This processor has no vector stores");
        // Green is in no strip from red to blue, so a pixel left out shows.
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::green);
        const QImage expected =
            stripsDrawnByQt(image, paint(rect, rgb(255, 0, 0), rgb(0, 0, 255), vertical));
        {
            ImageSurface surface(image, stores);
            PaintGradient(surface, rect, rgb(255, 0, 0), rgb(0, 0, 255), vertical);
        }
        QCOMPARE(image, expected);
    }

    void imageSurfaceKeepsOtherRowsWhenAStripIsShort() {
        QImage image(4, 3, QImage::Format_RGB32);
        image.fill(Qt::black);
        {
            ImageSurface surface(image);
            surface.fillRect({0, 0, 2, 3}, rgb(255, 0, 0));
            surface.fillRect({2, 1, 4, 2}, rgb(0, 255, 0));
            surface.fillRect({-5, -5, 1, 1}, rgb(0, 0, 255));
        }
        QCOMPARE(image.pixel(1, 2), qRgb(255, 0, 0));
        QCOMPARE(image.pixel(3, 1), qRgb(0, 255, 0));
        QCOMPARE(image.pixel(3, 0), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(0, 0), qRgb(0, 0, 255));
        QCOMPARE(image.pixel(0, 1), qRgb(255, 0, 0));
    }

    // The hint and the readout are drawn for their own area: the same pixels as the whole
    // picture has there, with columns that span every row, ones that leave a gap in the first
    // row, and fills that miss the area.
    void anAreaHoldsThePicturesPixelsThere_data() {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<bool>("gradient");
        QTest::addColumn<bool>("vertical");
        for (const bool vertical : {false, true}) {
            const char* direction = vertical ? "down" : "across";
            QTest::addRow("gradient %s, top left", direction)
                << QRect(0, 0, 97, 13) << true << vertical;
            QTest::addRow("gradient %s, inside", direction)
                << QRect(211, 140, 150, 31) << true << vertical;
            QTest::addRow("gradient %s, bottom right", direction)
                << QRect(600, 330, 40, 30) << true << vertical;
        }
        QTest::newRow("columns with a gap, across it") << QRect(5, 3, 100, 20) << false << false;
        QTest::newRow("columns with a gap, within one") << QRect(12, 3, 5, 20) << false << false;
    }
    void anAreaHoldsThePicturesPixelsThere() {
        QFETCH(QRect, area);
        QFETCH(bool, gradient);
        QFETCH(bool, vertical);
        const PixelRect whole{0, 0, 640, 360};
        const auto draw = [&](DrawingSurface& surface) {
            if (gradient) {
                surface.fillRect(whole, rgb(0, 255, 0));
                PaintGradient(surface, whole, rgb(255, 0, 0), rgb(0, 0, 255), vertical);
            } else {
                // Two halves, so that the first row holds more than the columns.
                surface.fillRect({0, 0, 640, 180}, rgb(0, 255, 0));
                surface.fillRect({0, 180, 640, 360}, rgb(0, 128, 0));
                surface.fillRect({10, 0, 20, 360}, rgb(255, 0, 0));
                surface.fillRect({40, 0, 50, 360}, rgb(0, 0, 255));
            }
            surface.fillRect({590, 310, 640, 360}, rgb(255, 255, 255));
        };
        QImage picture(640, 360, QImage::Format_RGB32);
        {
            QPainter painter(&picture);
            PainterSurface surface(painter);
            draw(surface);
        }
        QImage image(area.size(), QImage::Format_RGB32);
        image.fill(Qt::black);
        {
            ImageSurface surface(image, PixelStores::Portable, area.topLeft());
            draw(surface);
        }
        QCOMPARE(image, picture.copy(area));
    }
};

CHROMAFLICK_TEST_MAIN(GradientPainterTest)
#include "tst_gradientpainter.moc"
