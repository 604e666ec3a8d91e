#include "platform/appicon.h"
#include "testsupport.h"

#include <QApplication>
#include <QtTest>

class AppIconTest : public QObject {
    Q_OBJECT
private slots:
    // Windows that set the icon at every opening must not make Qt cache its pixmaps anew.
    void isTheSameIconEveryTime() {
        const QIcon first = applicationIcon();
        QVERIFY(!first.isNull());
        QCOMPARE(applicationIcon().cacheKey(), first.cacheKey());
    }

    void comesInBothSizes_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("48") << 48;
        QTest::newRow("256") << 256;
    }
    void comesInBothSizes() {
        QFETCH(int, size);
        QCOMPARE(applicationIcon().actualSize(QSize(size, size)), QSize(size, size));
    }
};

CHROMAFLICK_TEST_MAIN(AppIconTest)
#include "tst_appicon.moc"
