// Runs on an offscreen desktop of two screens side by side (see data/two-screens.json).
#include "core/virtualkey.h"
#include "loadedform.h"
#include "ui/flashsession.h"
#include "ui/form2.h"
#include "ui/startmenu.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

namespace {

QList<QRect> geometries(const FlashSession& flash) {
    QList<QRect> shown;
    for (const Form2* view : flash.views())
        if (view->isVisible())
            shown << view->geometry();
    return shown;
}

QRect screenRect(int index) {
    return QGuiApplication::screens()[index]->geometry();
}

// The main window on one of the screens, shown.
void placeOn(Loaded& main, int screen) {
    QScreen* target = QGuiApplication::screens()[screen];
    main.form->showCentred();
    main.form->move(target->geometry().center() - QPoint(200, 200));
    QTRY_COMPARE(main.form->screen(), target);
}

} // namespace

class ScreensTest : public QObject {
    Q_OBJECT

    static StartMenu* openStartMenu(Loaded& main, const QString& way) {
        auto* start = main.child<QPushButton>("PushButton2");
        if (way == "Shift+F10") {
            QTest::keyClick(start, Qt::Key_F10, Qt::ShiftModifier);
        } else if (way == "Menu key") {
            QTest::keyClick(start, Qt::Key_Menu);
        } else {
            const auto reason =
                way == "right click" ? QContextMenuEvent::Mouse : QContextMenuEvent::Keyboard;
            QContextMenuEvent request(reason, QPoint(5, 5), start->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(start, &request);
        }
        return main.form->findChild<StartMenu*>("StartMenu");
    }

    static QAction* entry(StartMenu& menu, const QString& text) {
        for (QAction* action : menu.actions())
            if (action->text() == text)
                return action;
        return nullptr;
    }

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
        placeOn(main, screen);
        QTest::mouseClick(main.child<QPushButton>("PushButton2"), Qt::LeftButton);
        FlashSession* flash = main.form->flashSession();
        QVERIFY(flash);
        QTRY_COMPARE(geometries(*flash), QList<QRect>{target->geometry()});
        QCOMPARE(flash->views().constFirst()->screen(), target);
        flash->close();
    }

    void frameLockIsStoredAndReadBack_data() {
        QTest::addColumn<QString>("stored"); // empty: absent
        QTest::addColumn<bool>("locked");
        QTest::newRow("absent") << QString() << false;
        QTest::newRow("on") << "True" << true;
        QTest::newRow("off") << "False" << false;
        QTest::newRow("not a boolean") << "maybe" << false;
    }
    void frameLockIsStoredAndReadBack() {
        QFETCH(QString, stored);
        QFETCH(bool, locked);
        QMap<QString, QString> values;
        if (!stored.isEmpty())
            values.insert("FrameLock", stored);
        Loaded main(values);
        QCOMPARE(main.form->frameLock(), locked);
        StartMenu* menu = openStartMenu(main, "right click");
        QTRY_VERIFY(menu->isVisible());
        QAction* lock = menu->findChild<QAction*>("FrameLock");
        QVERIFY(lock);
        QVERIFY(lock->isCheckable());
        QCOMPARE(lock->isChecked(), locked);
        lock->trigger();
        QCOMPARE(main.form->frameLock(), !locked);
        QCOMPARE(main.written(), QStringList{"FrameLock=" + QString(locked ? "False" : "True")});
        QCOMPARE(storedValue("FrameLock"), QString(locked ? "False" : "True"));
        menu->close();
        // The menu is listed afresh and shows the new state.
        menu = openStartMenu(main, "right click");
        QCOMPARE(menu->findChild<QAction*>("FrameLock")->isChecked(), !locked);
        menu->close();
        QVERIFY(!main.form->flashSession());
    }

    void startMenuListsEveryScreen_data() {
        QTest::addColumn<QString>("way");
        QTest::newRow("right click") << "right click";
        QTest::newRow("Menu key") << "Menu key";
        QTest::newRow("keyboard request") << "keyboard request";
        QTest::newRow("Shift+F10") << "Shift+F10";
    }
    void startMenuListsEveryScreen() {
        QFETCH(QString, way);
        Loaded main({});
        placeOn(main, 0);
        StartMenu* menu = openStartMenu(main, way);
        QVERIFY(menu);
        QTRY_VERIFY(menu->isVisible());
        QStringList texts;
        for (const QAction* action : menu->actions())
            texts << (action->isSeparator() ? "--" : action->text());
        QCOMPARE(texts, (QStringList{"Start on This Screen", "Start on All Screens", "--",
                                     "left (1280×800)", "right (1920×1080)", "--", "Flash a Box",
                                     "Lock to Display Refresh"}));
        // Opening again lists the screens once, not twice.
        menu->close();
        openStartMenu(main, way);
        QCOMPARE(menu->actions().size(), 8);
        menu->close();
        QVERIFY(!main.form->flashSession());
    }

    void startMenuEntriesCoverTheirScreensThisOnce_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QList<int>>("screens");
        QTest::newRow("this screen") << "Start on This Screen" << QList<int>{1};
        QTest::newRow("all screens") << "Start on All Screens" << QList<int>{0, 1};
        QTest::newRow("left") << "left (1280×800)" << QList<int>{0};
        QTest::newRow("right") << "right (1920×1080)" << QList<int>{1};
    }
    void startMenuEntriesCoverTheirScreensThisOnce() {
        QFETCH(QString, entry);
        QFETCH(QList<int>, screens);
        Loaded main({{"Text1", "250"}});
        placeOn(main, 1);
        StartMenu* menu = openStartMenu(main, "right click");
        QAction* action = this->entry(*menu, entry);
        QVERIFY(action);
        action->trigger();
        FlashSession* flash = main.form->flashSession();
        QVERIFY(flash && flash->isVisible());
        QList<QRect> expected;
        for (int screen : screens)
            expected << screenRect(screen);
        QTRY_COMPARE(geometries(*flash), expected);
        flash->close();
        QCOMPARE(geometries(*flash), QList<QRect>{});
        // A plain click opens where it did before.
        QTest::mouseClick(main.child<QPushButton>("PushButton2"), Qt::LeftButton);
        QTRY_COMPARE(geometries(*flash), QList<QRect>{screenRect(1)});
        flash->close();
        QVERIFY(main.dialogs.warnings.isEmpty());
    }

    void startMenuKeepsTheEmptyListMessage() {
        Loaded main({{"Colors", StoredSeparator}});
        placeOn(main, 0);
        entry(*openStartMenu(main, "right click"), "Start on All Screens")->trigger();
        QCOMPARE(main.dialogs.informs.size(), 1);
        QVERIFY(main.dialogs.informs[0].startsWith("The color list is empty."));
        QVERIFY(!main.form->flashSession());
    }

    void everyScreenShowsTheSameStepAtTheSameTick_data() {
        QTest::addColumn<bool>("gradient");
        QTest::newRow("solid") << false;
        QTest::newRow("gradient") << true;
    }
    void everyScreenShowsTheSameStepAtTheSameTick() {
        QFETCH(bool, gradient);
        Loaded main(
            {{"Colors", "RGB(255, 0, 0)" + StoredSeparator + "RGB(0, 0, 255)" + StoredSeparator},
             {"Option1", "False"},
             {"Option2", "True"},
             {"Option3", gradient ? "False" : "True"},
             {"Option4", gradient ? "True" : "False"},
             {"Text1", "250"}});
        placeOn(main, 0);
        main.form->startFlashOn(ScreenChoice::Kind::All);
        FlashSession& flash = *main.form->flashSession();
        QTRY_COMPARE(geometries(flash), (QList<QRect>{screenRect(0), screenRect(1)}));
        QCOMPARE(flash.findChildren<QTimer*>("Timer1").size(), 1);
        for (int tick = 0; tick < 3; ++tick) {
            flash.Timer1_Timer();
            const FlashStep& left = flash.views()[0]->shownStep();
            const FlashStep& right = flash.views()[1]->shownStep();
            if (!gradient) {
                QCOMPARE(std::get<SolidStep>(left), std::get<SolidStep>(flash.shownStep()));
                QCOMPARE(std::get<SolidStep>(right), std::get<SolidStep>(left));
                continue;
            }
            const auto& leftPair = std::get<GradientStep>(left);
            const auto& rightPair = std::get<GradientStep>(right);
            QCOMPARE(leftPair.firstColor, rightPair.firstColor);
            QCOMPARE(leftPair.secondColor, rightPair.secondColor);
            // Each screen spans the whole gradient over its own size.
            QCOMPARE(leftPair.rectangle, (PixelRect{0, 0, 1280, 800}));
            QCOMPARE(rightPair.rectangle, (PixelRect{0, 0, 1920, 1080}));
        }
        flash.close();
    }

    void keysOnAnyScreenActOnAll_data() {
        QTest::addColumn<int>("typedOn");
        QTest::newRow("first screen") << 0;
        QTest::newRow("second screen") << 1;
    }
    void keysOnAnyScreenActOnAll() {
        QFETCH(int, typedOn);
        Loaded main({{"Text1", "250"}});
        placeOn(main, 0);
        main.form->startFlashOn(ScreenChoice::Kind::All);
        FlashSession& flash = *main.form->flashSession();
        Form2* typing = flash.views()[typedOn];
        QTest::keyClicks(typing, "hide");
        for (const Form2* view : flash.views())
            QVERIFY(view->Label1().size().isEmpty());
        QTest::keyClick(typing, Qt::Key_Space);
        QVERIFY(flash.isPaused());
        QVERIFY(!flash.timerRunning());
        QTest::keyClick(typing, Qt::Key_Escape);
        QVERIFY(!flash.isVisible());
        for (const Form2* view : flash.views())
            QVERIFY(!view->isVisible());
    }

    void handStepsOnAnyScreenShowOnAll_data() {
        QTest::addColumn<int>("typedOn");
        QTest::newRow("first screen") << 0;
        QTest::newRow("second screen") << 1;
    }
    void handStepsOnAnyScreenShowOnAll() {
        QFETCH(int, typedOn);
        Loaded main(
            {{"Colors", "RGB(255, 0, 0)" + StoredSeparator + "RGB(0, 0, 255)" + StoredSeparator},
             {"Option1", "False"},
             {"Option2", "True"},
             {"Text1", "250"}});
        placeOn(main, 0);
        main.form->startFlashOn(ScreenChoice::Kind::All);
        FlashSession& flash = *main.form->flashSession();
        Form2* typing = flash.views()[typedOn];
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Home, Qt::Key_Right})
            QTest::keyClick(typing, key);
        const SolidStep blue{0xFF0000};
        for (const Form2* view : flash.views())
            QCOMPARE(std::get<SolidStep>(view->shownStep()), blue);
        // Told once, on the screen of the keyboard.
        QCOMPARE(flash.views()[0]->readout().text(), QStringLiteral("RGB(0, 0, 255), step 2"));
        QVERIFY(flash.views()[0]->readout().isVisible());
        QVERIFY(!flash.views()[1]->readout().isVisible());
        QTest::keyClick(typing, Qt::Key_Left);
        for (const Form2* view : flash.views())
            QCOMPARE(std::get<SolidStep>(view->shownStep()), SolidStep{0x0000FF});
        flash.close();
    }

    void closingOneWindowClosesAll() {
        Loaded main({{"Text1", "250"}});
        placeOn(main, 0);
        main.form->startFlashOn(ScreenChoice::Kind::All);
        FlashSession& flash = *main.form->flashSession();
        flash.views()[1]->close();
        QVERIFY(!flash.views()[0]->isVisible());
        QVERIFY(!flash.timerRunning());
        // Opening again on one screen leaves one window.
        main.form->startFlash();
        QCOMPARE(geometries(flash), QList<QRect>{screenRect(0)});
        flash.close();
    }
};

CHROMAFLICK_TEST_MAIN(ScreensTest)
#include "tst_screens.moc"
