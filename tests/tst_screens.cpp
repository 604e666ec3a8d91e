// Runs on an offscreen desktop of two screens side by side (see data/two-screens.json).
#include "loadedform.h"
#include "ui/form2.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

class ScreensTest : public QObject {
    Q_OBJECT
private slots:
    void desktopHasTwoScreens() {
        QCOMPARE(QGuiApplication::screens().size(), 2);
        QCOMPARE(QGuiApplication::screens()[1]->geometry(), QRect(1280, 0, 1920, 1080));
    }

    void flashCoversTheScreenOfTheMainWindow_data() {
        QTest::addColumn<int>("screen");
        QTest::newRow("left") << 0;
        QTest::newRow("right") << 1;
    }
    void flashCoversTheScreenOfTheMainWindow() {
        QFETCH(int, screen);
        QScreen* target = QGuiApplication::screens()[screen];
        Loaded main({});
        main.form->showCentred();
        main.form->move(target->geometry().center() - QPoint(200, 200));
        QTRY_COMPARE(main.form->screen(), target);
        QTest::mouseClick(main.child<QPushButton>("PushButton2"), Qt::LeftButton);
        Form2* flash = main.form->flashWindow();
        QVERIFY(flash);
        QTRY_COMPARE(flash->geometry(), target->geometry());
        QCOMPARE(flash->screen(), target);
        flash->close();
    }
};

CHROMAFLICK_TEST_MAIN(ScreensTest)
#include "tst_screens.moc"
