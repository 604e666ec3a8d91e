#include "core/boxgeometry.h"
#include "coretest.h"

#include <QtTest>

namespace {

// Two screens side by side, the right one smaller and lower, as RandR reports them.
const QList<QRect> desktop{QRect(0, 0, 1920, 1080), QRect(1920, 200, 1280, 720)};

} // namespace

class BoxGeometryTest : public QObject {
    Q_OBJECT
private slots:
    void readsGeometries_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("placed");
        QTest::addColumn<QPoint>("at");
        QTest::newRow("size and place")
            << "64x64+812+403" << QSize(64, 64) << true << QPoint(812, 403);
        QTest::newRow("capital X") << "10X20+0+0" << QSize(10, 20) << true << QPoint(0, 0);
        QTest::newRow("size alone") << "100x50" << QSize(100, 50) << false << QPoint();
        QTest::newRow("one pixel") << "1x1+5+6" << QSize(1, 1) << true << QPoint(5, 6);
        QTest::newRow("left of the desktop")
            << "64x64+-5+-6" << QSize(64, 64) << true << QPoint(-5, -6);
        QTest::newRow("leading zeros") << "007x08+09+010" << QSize(7, 8) << true << QPoint(9, 10);
    }
    void readsGeometries() {
        QFETCH(QString, text);
        QFETCH(QSize, size);
        QFETCH(bool, placed);
        QFETCH(QPoint, at);
        const BoxGeometryReading reading = readBoxGeometry(text);
        QVERIFY2(reading.geometry, qPrintable(reading.problem));
        QCOMPARE(reading.geometry->size, size);
        QCOMPARE(reading.geometry->at.has_value(), placed);
        if (placed)
            QCOMPARE(*reading.geometry->at, at);
    }

    void refusesGeometries_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("problem");
        const QString form = QStringLiteral(" is not a box: write WxH+X+Y (as 64x64+812+403) or "
                                            "WxH for one in the middle of the screen");
        QTest::newRow("empty") << ""
                               << "''" + form;
        QTest::newRow("zero width") << "0x64+1+1"
                                    << "'0x64+1+1' has no size: a box is at least 1x1";
        QTest::newRow("zero height") << "64x0"
                                     << "'64x0' has no size: a box is at least 1x1";
        QTest::newRow("negative size") << "-64x64+1+1"
                                       << "'-64x64+1+1'" + form;
        QTest::newRow("offset from the right") << "64x64-5+1"
                                               << "'64x64-5+1'" + form;
        QTest::newRow("place without size") << "+5+5"
                                            << "'+5+5'" + form;
        QTest::newRow("one offset") << "64x64+5"
                                    << "'64x64+5'" + form;
        QTest::newRow("blank inside") << "64 x64"
                                      << "'64 x64'" + form;
        QTest::newRow("a bare minus") << "64x64+-+1"
                                      << "'64x64+-+1'" + form;
        QTest::newRow("other digits") << "٦٤x64"
                                      << "'٦٤x64'" + form;
    }
    void refusesGeometries() {
        QFETCH(QString, text);
        QFETCH(QString, problem);
        const BoxGeometryReading reading = readBoxGeometry(text);
        QVERIFY(!reading.geometry);
        QCOMPARE(reading.problem, problem);
    }

    void placesBoxes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<QRect>("box");
        QTest::newRow("as given") << "64x64+812+403" << 0 << QRect(812, 403, 64, 64);
        QTest::newRow("middle of the first") << "100x100" << 0 << QRect(910, 490, 100, 100);
        QTest::newRow("middle of the second") << "100x100" << 1 << QRect(2510, 510, 100, 100);
        QTest::newRow("odd room rounds to even") << "101x101" << 0 << QRect(910, 490, 101, 101);
        QTest::newRow("across two screens")
            << "100x100+1900+300" << 0 << QRect(1900, 300, 100, 100);
        QTest::newRow("partly left of the desktop")
            << "100x100+-50+10" << 0 << QRect(-50, 10, 100, 100);
        QTest::newRow("partly off the desktop")
            << "100x100+1870+1050" << 0 << QRect(1870, 1050, 100, 100);
        QTest::newRow("a whole screen") << "1280x720+1920+200" << 0 << QRect(1920, 200, 1280, 720);
        // Mostly on the first screen, where it fits, though the second could not hold it.
        QTest::newRow("held by the larger")
            << "1000x800+1000+250" << 0 << QRect(1000, 250, 1000, 800);
    }
    void placesBoxes() {
        QFETCH(QString, text);
        QFETCH(int, chosen);
        QFETCH(QRect, box);
        const BoxPlacing placing =
            placeBox(*readBoxGeometry(text).geometry, desktop, desktop[chosen]);
        QVERIFY2(placing.box, qPrintable(placing.problem));
        QCOMPARE(*placing.box, box);
    }

    void refusesPlaces_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<QString>("problem");
        QTest::newRow("right of every screen")
            << "64x64+4000+10" << 0 << "64x64+4000+10 is on no screen";
        QTest::newRow("in the gap above the second")
            << "64x64+2000+10" << 0 << "64x64+2000+10 is on no screen";
        QTest::newRow("just past the corner")
            << "10x10+1920+1080" << 0 << "10x10+1920+1080 is on no screen";
        QTest::newRow("wider than the screen")
            << "1921x10+0+0" << 0 << "1921x10+0+0 is larger than its screen of 1920x1080";
        QTest::newRow("taller than the chosen screen") << "100x721" << 1
                                                       << "100x721+2510+200 is larger than its "
                                                          "screen of 1280x720";
    }
    void refusesPlaces() {
        QFETCH(QString, text);
        QFETCH(int, chosen);
        QFETCH(QString, problem);
        const BoxPlacing placing =
            placeBox(*readBoxGeometry(text).geometry, desktop, desktop[chosen]);
        QVERIFY(!placing.box);
        QCOMPARE(placing.problem, problem);
    }

    void noScreenHoldsABox() {
        const BoxPlacing placing = placeBox({QSize(10, 10), QPoint(0, 0)}, {}, QRect());
        QVERIFY(!placing.box);
        QCOMPARE(placing.problem, QStringLiteral("10x10+0+0 is on no screen"));
    }

    void geometryTextReadsBack() {
        const QRect box(812, 403, 64, 48);
        QCOMPARE(boxGeometryText(box), QStringLiteral("64x48+812+403"));
        const BoxGeometry read = *readBoxGeometry(boxGeometryText(box)).geometry;
        QCOMPARE(QRect(*read.at, read.size), box);
    }
};

CHROMAFLICK_CORE_TEST_MAIN(BoxGeometryTest)
#include "tst_boxgeometry.moc"
