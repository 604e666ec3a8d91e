#include "core/centring.h"
#include "core/errortrap.h"
#include "core/settingsstore.h"
#include "loadedform.h"
#include "scripteddialogs.h"
#include "testsupport.h"
#include "ui/colorlistview.h"
#include "ui/flashsession.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/optionspanel.h"
#include "ui/pointerstate.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>
#include <algorithm>
#include <memory>
#include <utility>

namespace {

const QString loadLocation = QStringLiteral("in Tintrova2021/08/31.Form1.Form_Load ");

const QStringList defaults{"RGB(255, 0, 0)",  "RGB(255, 127, 0)", "RGB(255, 255, 0)",
                           "RGB(0, 255, 0)",  "RGB(0, 0, 255)",   "RGB(75, 0, 130)",
                           "RGB(143, 0, 255)"};

} // namespace

class Form1Test : public QObject {
    Q_OBJECT
private slots:
    void composedAsDesigned_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("Frame3") << "Frame3"
                                << "QGroupBox"
                                << "Form1"
                                << "Milliseconds Delay Between Each Color" << QRect(8, 8, 520, 54);
        QTest::newRow("Text1") << "Text1"
                               << "QLineEdit"
                               << "Frame3"
                               << "500" << QRect(16, 20, 488, 23);
        QTest::newRow("Frame1") << "Frame1"
                                << "QGroupBox"
                                << "Form1"
                                << "Flash Option" << QRect(8, 66, 520, 71);
        QTest::newRow("Option1") << "Option1"
                                 << "QRadioButton"
                                 << "Frame1"
                                 << "Random color" << QRect(16, 20, 225, 17);
        QTest::newRow("Option2") << "Option2"
                                 << "QRadioButton"
                                 << "Frame1"
                                 << "Cycle through all colors and repeat" << QRect(16, 43, 225, 17);
        QTest::newRow("Frame2") << "Frame2"
                                << "QGroupBox"
                                << "Form1"
                                << "Color Option" << QRect(8, 140, 520, 71);
        QTest::newRow("Option3") << "Option3"
                                 << "QRadioButton"
                                 << "Frame2"
                                 << "Solid colors" << QRect(16, 20, 225, 17);
        QTest::newRow("Option4") << "Option4"
                                 << "QRadioButton"
                                 << "Frame2"
                                 << "Gradient colors (2 color spectrum)" << QRect(16, 43, 225, 17);
        QTest::newRow("Frame4") << "Frame4"
                                << "QGroupBox"
                                << "Form1"
                                << "Gradient Option" << QRect(8, 214, 520, 71);
        QTest::newRow("Option5") << "Option5"
                                 << "QRadioButton"
                                 << "Frame4"
                                 << "Left to right" << QRect(16, 20, 225, 17);
        QTest::newRow("Option6") << "Option6"
                                 << "QRadioButton"
                                 << "Frame4"
                                 << "Up and down" << QRect(16, 43, 225, 17);
        QTest::newRow("ListView1") << "ListView1"
                                   << "ColorListView"
                                   << "Form1"
                                   << "" << QRect(8, 292, 520, 137);
        QTest::newRow("PushButton1") << "PushButton1"
                                     << "QPushButton"
                                     << "Form1"
                                     << "Add Color" << QRect(8, 435, 256, 27);
        QTest::newRow("PushButton3") << "PushButton3"
                                     << "QPushButton"
                                     << "Form1"
                                     << "Delete Selected Color" << QRect(272, 435, 256, 27);
        QTest::newRow("PushButton4") << "PushButton4"
                                     << "QPushButton"
                                     << "Form1"
                                     << "Clear List" << QRect(8, 469, 256, 27);
        QTest::newRow("PushButton5") << "PushButton5"
                                     << "QPushButton"
                                     << "Form1"
                                     << "Load Default Colors" << QRect(272, 469, 256, 27);
        QTest::newRow("PushButton2")
            << "PushButton2"
            << "QPushButton"
            << "Form1"
            << "Start Chromaflick (Press 'ESC' To Stop)" << QRect(8, 503, 520, 27);
    }
    void composedAsDesigned() {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QString, parent);
        QFETCH(QString, caption);
        QFETCH(QRect, geometry);
        Loaded main({}, false);
        auto* control = main.form->findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(QString::fromLatin1(control->metaObject()->className()), kind);
        QCOMPARE(control->parentWidget()->objectName(), parent);
        QCOMPARE(control->geometry(), geometry);
        QString shown;
        if (auto* frame = qobject_cast<QGroupBox*>(control))
            shown = frame->title();
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            shown = button->text();
        else if (auto* field = qobject_cast<QLineEdit*>(control))
            shown = field->text();
        QCOMPARE(shown, caption);
    }

    void windowIsFixedWithMinimizeBoxOnly() {
        Loaded main({});
        QCOMPARE(main.form->size(), QSize(536, 537));
        QCOMPARE(main.form->minimumSize(), main.form->maximumSize());
        const Qt::WindowFlags flags = main.form->windowFlags();
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QCOMPARE(main.form->windowTitle(), QStringLiteral("Chromaflick"));
        QVERIFY(!main.form->windowIcon().isNull());
        QCOMPARE(main.form->ListView1().model()->headerData(0, Qt::Horizontal).toString(),
                 QStringLiteral("RGB Colors"));
        QVERIFY(!main.form->ListView1().isHeaderHidden());
        QCOMPARE(main.form->ListView1().model()->columnCount(), 1);
        QCOMPARE(main.form->ListView1().columnWidth(0), 487);
    }

    // Frames and option buttons are white inside, to the pixel.
    void framesAndOptionButtonsAreWhiteInside_data() {
        QTest::addColumn<QString>("frame");
        for (const char* frame : {"Frame1", "Frame2", "Frame3", "Frame4"})
            QTest::newRow(frame) << frame;
    }
    void framesAndOptionButtonsAreWhiteInside() {
        QFETCH(QString, frame);
        Loaded main({});
        main.form->showCentred();
        QVERIFY(QTest::qWaitForWindowExposed(main.form.get()));
        const QString fault =
            frameInsideFault(*main.child<QGroupBox>(qPrintable(frame)), QColor(Qt::white));
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    // Equal room on both sides, the odd pixel rounded to even: at 1280 and 1366 pixels wide the
    // window sits exactly in the middle.
    void centresExactly_data() {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("origin");
        const QSize window(536, 537);
        QTest::newRow("1280x1024") << QRect(0, 0, 1280, 1024) << window << QPoint(372, 244);
        QTest::newRow("1366x768") << QRect(0, 0, 1366, 768) << window << QPoint(415, 116);
        QTest::newRow("1920x1080 beside another screen")
            << QRect(1280, 0, 1920, 1080) << window << QPoint(1280 + 692, 272);
        QTest::newRow("odd room, half rounded to even")
            << QRect(0, 0, 1281, 1026) << window << QPoint(372, 244);
        QTest::newRow("odd room, half rounded up to even")
            << QRect(0, 0, 1283, 1028) << window << QPoint(374, 246);
        QTest::newRow("below a panel") << QRect(0, 27, 1280, 997) << window << QPoint(372, 257);
    }
    void centresExactly() {
        QFETCH(QRect, area);
        QFETCH(QSize, size);
        QFETCH(QPoint, origin);
        QCOMPARE(centredOrigin(area, size), origin);
    }

    void tabOrderFollowsTheDesign() {
        Loaded main({});
        main.form->showCentred();
        QVERIFY(QTest::qWaitForWindowActive(main.form.get()));
        const QStringList expected{"Text1",       "Option1",     "Option2",     "ListView1",
                                   "PushButton1", "PushButton3", "PushButton4", "PushButton5",
                                   "PushButton2", "Option4",     "Option3",     "Option5",
                                   "Option6"};
        QStringList chain;
        QWidget* widget = main.child<QWidget>("Text1");
        for (int i = 0; i < expected.size(); ++i) {
            chain << widget->objectName();
            widget = widget->nextInFocusChain();
            while (!expected.contains(widget->objectName()))
                widget = widget->nextInFocusChain();
        }
        QCOMPARE(chain, expected);
        QCOMPARE(QApplication::focusWidget(), main.child<QWidget>("Text1"));
        QCOMPARE(main.child<QLineEdit>("Text1")->selectedText(), QStringLiteral("500"));
    }

    void firstStartUsesTheDefaults() {
        Loaded main({});
        QCOMPARE(main.child<QLineEdit>("Text1")->text(), QStringLiteral("500"));
        QVERIFY(main.selected("Option1") && !main.selected("Option2"));
        QVERIFY(main.selected("Option3") && !main.selected("Option4"));
        QVERIFY(main.selected("Option5") && !main.selected("Option6"));
        QVERIFY(!main.child<QGroupBox>("Frame4")->isEnabled());
        QCOMPARE(main.entries(), defaults);
        QVERIFY(main.dialogs.warnings.isEmpty());
        QVERIFY(main.written().isEmpty());
    }

    void restoresTheListFromTheStore_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("empty text gives the defaults") << "" << defaults;
        QTest::newRow("separators only give an empty list")
            << StoredSeparator + StoredSeparator << QStringList{};
        QTest::newRow("no separator") << "abc" << QStringList{"abc"};
        QTest::newRow("two entries")
            << "RGB(1, 2, 3)" + StoredSeparator + "RGB(4, 5, 6)" + StoredSeparator
            << QStringList{"RGB(1, 2, 3)", "RGB(4, 5, 6)"};
        QTest::newRow("duplicates and empty pieces")
            << StoredSeparator + "a" + StoredSeparator + StoredSeparator + "a" + StoredSeparator +
                   "b"
            << QStringList{"a", "a", "b"};
    }
    void restoresTheListFromTheStore() {
        QFETCH(QString, stored);
        QFETCH(QStringList, entries);
        Loaded main({{"Colors", stored}});
        QCOMPARE(main.entries(), entries);
        QVERIFY(main.dialogs.warnings.isEmpty());
    }

    void bothFlashOrdersStoredTrueLeavesTheSecond() {
        Loaded main({{"Option1", "True"}, {"Option2", "True"}});
        QVERIFY(!main.selected("Option1"));
        QVERIFY(main.selected("Option2"));
        QCOMPARE(main.written(), (QStringList{"Option1=False", "Option2=True"}));
        QCOMPARE(storedValue("Option1"), QStringLiteral("False"));
    }

    void noColorModeStoredLeavesFrame4Enabled() {
        Loaded main({{"Option3", "False"}, {"Option4", "false"}});
        QVERIFY(!main.selected("Option3"));
        QVERIFY(!main.selected("Option4"));
        QVERIFY(main.child<QGroupBox>("Frame4")->isEnabled());
        QVERIFY(main.written().isEmpty());
    }

    void gradientModeStoredEnablesFrame4() {
        Loaded main({{"Option3", "0"}, {"Option4", "1"}, {"Option5", "0"}, {"Option6", "TRUE"}});
        QVERIFY(main.selected("Option4") && !main.selected("Option3"));
        QVERIFY(main.selected("Option6") && !main.selected("Option5"));
        QVERIFY(main.child<QGroupBox>("Frame4")->isEnabled());
    }

    void reportsAnOptionThatIsNoBoolean_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("line");
        QTest::newRow("Option1") << "Option1" << 134;
        QTest::newRow("Option2") << "Option2" << 136;
        QTest::newRow("Option3") << "Option3" << 166;
        QTest::newRow("Option4") << "Option4" << 168;
        QTest::newRow("Option5") << "Option5" << 170;
        QTest::newRow("Option6") << "Option6" << 172;
    }
    void reportsAnOptionThatIsNoBoolean() {
        QFETCH(QString, key);
        QFETCH(int, line);
        Loaded main({{key, "maybe"}, {"Colors", "x" + StoredSeparator}});
        QCOMPARE(main.dialogs.warningTexts(),
                 QStringList{"'maybe' is neither True, False nor a number\r\n" + loadLocation +
                             "at line " + QString::number(line) +
                             "\r\rPlease email screenshot of this message to "
                             "support@varnhollow.example"});
        // The control keeps its design state and the load goes on.
        QVERIFY(main.selected("Option1") && main.selected("Option3") && main.selected("Option5"));
        QCOMPARE(main.entries(), QStringList{"x"});
        QVERIFY(!main.child<QGroupBox>("Frame4")->isEnabled());
    }

    void emptyStoredDelayStaysEmpty() {
        Loaded main({{"Text1", ""}});
        QCOMPARE(main.child<QLineEdit>("Text1")->text(), QString());
        QCOMPARE(main.written(), QStringList{"Text1="});
        QVERIFY(main.dialogs.warnings.isEmpty());
    }

    void closingStoresTheListExactly() {
        const QString stored = "RGB(1, 2, 3)" + StoredSeparator + "not a color" + StoredSeparator +
                               "RGB(1, 2, 3)" + StoredSeparator;
        Loaded main({{"Colors", stored}});
        QSignalSpy unloaded(main.form.get(), &Form1::unloaded);
        main.form->show();
        QVERIFY(main.form->close());
        QCOMPARE(unloaded.size(), 1);
        QCOMPARE(storedValue("Colors"), stored);
    }

    void aCloseDuringTheLoadWaitsForTheWholeList() {
        const QString stored = "RGB(1, 2, 3)" + StoredSeparator + "RGB(4, 5, 6)" + StoredSeparator;
        // The stored option makes the load show a report before the list is loaded.
        Loaded main({{"Colors", stored}, {"Option1", "maybe"}}, false);
        QSignalSpy unloaded(main.form.get(), &Form1::unloaded);
        bool asked = false;
        main.dialogs.whileShown = [&] {
            if (!std::exchange(asked, true))
                main.form->requestQuietClose();
        };
        main.form->load();
        QVERIFY(asked);
        QVERIFY(main.dialogs.ended);
        QVERIFY(main.form->hasUnloaded());
        QCOMPARE(unloaded.size(), 1);
        QCOMPARE(main.form->exitStatus(), 0);
        QCOMPARE(storedValue("Colors"), stored);
    }

    void aCutListIsKeptWholeBesideTheStore() {
        QString stored;
        for (int i = 0; i < 32769; ++i)
            stored += QStringLiteral("RGB(%1, %2, 0)").arg(i % 256).arg(i / 256) + StoredSeparator;
        Loaded main({{"Colors", stored}});
        const QString kept = main.store.fileName() + ".uncut";
        QCOMPARE(main.entries().size(), 32767);
        QVERIFY(QFile::exists(kept));
        QSettings whole(kept, QSettings::IniFormat);
        QCOMPARE(whole.value("Chromaflick/Colors").toString(), stored);
        QCOMPARE(main.dialogs.warnings.size(), 1);
        QVERIFY2(main.dialogs.warnings[0].text.startsWith(
                     "The stored list holds 32769 colors; only the first 32767 were loaded; the "
                     "whole list was kept in " +
                     kept + "\r\n" + loadLocation + "at line 164"),
                 qPrintable(main.dialogs.warnings[0].text));
        QFile::remove(kept);
    }

    void closingAnEmptyListStoresTheEmptyText() {
        Loaded main({{"Colors", "a" + StoredSeparator}});
        main.form->ListView1().clear();
        main.form->close();
        QCOMPARE(storedValue("Colors"), QString(""));
        Loaded next(QMap<QString, QString>{{"Colors", storedValue("Colors")}});
        QCOMPARE(next.entries(), defaults);
    }

    void hoverSwitchesBetweenHandAndArrow() {
        Loaded main({});
        PointerState& pointer = main.form->pointer();
        QCOMPARE(pointer.state(), PointerState::Default);
        const auto moveOver = [](QWidget* widget) {
            QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)),
                             Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(widget, &move);
        };
        moveOver(main.child<QPushButton>("PushButton4"));
        QCOMPARE(pointer.state(), PointerState::Custom);
        // Without a cursor file the custom state shows the ordinary arrow.
        QVERIFY(!main.form->testAttribute(Qt::WA_SetCursor));
        moveOver(main.child<QRadioButton>("Option1"));
        QCOMPARE(pointer.state(), PointerState::Custom);
        moveOver(main.child<QGroupBox>("Frame1"));
        QCOMPARE(pointer.state(), PointerState::Default);
        moveOver(main.child<QPushButton>("PushButton2"));
        moveOver(main.form->ListView1().viewport());
        QCOMPARE(pointer.state(), PointerState::Default);
        moveOver(main.child<QPushButton>("PushButton1"));
        moveOver(main.form.get());
        QCOMPARE(pointer.state(), PointerState::Default);
        pointer.setState(PointerState::Busy);
        moveOver(main.child<QPushButton>("PushButton1"));
        moveOver(main.child<QGroupBox>("Frame2"));
        QCOMPARE(pointer.state(), PointerState::Busy);
        QCOMPARE(main.form->cursor().shape(), Qt::WaitCursor);
    }

    void startWithAnEmptyListOpensNothing() {
        Loaded main({{"Colors", StoredSeparator}});
        main.form->show();
        QTest::mouseClick(main.child<QPushButton>("PushButton2"), Qt::LeftButton);
        QCOMPARE(main.dialogs.informs, QStringList{"The color list is empty. Add a color or load "
                                                   "the default colors, then start again."});
        QVERIFY(!main.form->flashSession());
    }

    void startOpensOneFlashWindowOverTheMainWindow() {
        Loaded main({{"Option2", "True"}, {"Text1", "250"}});
        main.form->show();
        auto* start = main.child<QPushButton>("PushButton2");
        QTest::mouseClick(start, Qt::LeftButton);
        FlashSession* flash = main.form->flashSession();
        QVERIFY(flash && flash->isVisible());
        QVERIFY(main.form->isVisible());
        QCOMPARE(flash->timerInterval(), 250);
        QCOMPARE(flash->sequencer().palette.size(), std::size_t(7));
        QCOMPARE(flash->views().constFirst()->geometry(), main.form->screen()->geometry());
        flash->Timer1_Timer();
        QCOMPARE(std::get<SolidStep>(flash->shownStep()).color, 255);
        // The options are read from the main window at every tick.
        main.child<QRadioButton>("Option4")->setChecked(true);
        flash->Timer1_Timer();
        QVERIFY(std::holds_alternative<GradientStep>(flash->shownStep()));
        flash->close();
        QTest::mouseClick(start, Qt::LeftButton);
        QCOMPARE(main.form->flashSession(), flash);
        flash->close();
        QVERIFY(main.dialogs.warnings.isEmpty());
    }

    void startWhileTheFlashIsOpenOnlyBringsItToTheFront() {
        Loaded main({{"Text1", "250"}});
        main.form->show();
        auto* start = main.child<QPushButton>("PushButton2");
        QTest::mouseClick(start, Qt::LeftButton);
        FlashSession* flash = main.form->flashSession();
        QVERIFY(flash && flash->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(flash->views().constFirst()));
        main.form->ListView1().clear();
        main.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main.form.get()));
        QTest::mouseClick(start, Qt::LeftButton);
        QVERIFY(main.dialogs.informs.isEmpty());
        QVERIFY(main.dialogs.warnings.isEmpty());
        QVERIFY(flash->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), flash->views().constFirst());
        QCOMPARE(flash->sequencer().palette.size(), std::size_t(7));
        flash->close();
    }

    void fastBrightFlashAsksOncePerRun() {
        Loaded main(
            {{"Colors", "RGB(255, 255, 255)" + StoredSeparator + "RGB(0, 0, 0)" + StoredSeparator},
             {"Text1", "50"}});
        main.form->show();
        auto* start = main.child<QPushButton>("PushButton2");
        main.dialogs.riskAnswers << false;
        QTest::mouseClick(start, Qt::LeftButton);
        QCOMPARE(main.dialogs.risks.size(), 1);
        QVERIFY(main.dialogs.risks[0].contains("seizures"));
        QVERIFY(!main.form->flashSession());
        main.dialogs.riskAnswers << true;
        QTest::mouseClick(start, Qt::LeftButton);
        QCOMPARE(main.dialogs.risks.size(), 2);
        QVERIFY(main.form->flashSession() && main.form->flashSession()->isVisible());
        main.form->flashSession()->close();
        QTest::mouseClick(start, Qt::LeftButton);
        QCOMPARE(main.dialogs.risks.size(), 2);
        main.form->flashSession()->close();
    }

    void heldRefreshesAreJudgedAtTheScreensPace_data() {
        QTest::addColumn<int>("frames");
        QTest::addColumn<bool>("asked");
        // The delay field says one flash a second; the held refreshes say otherwise.
        QTest::newRow("every refresh") << 1 << true;
        QTest::newRow("every fourth refresh") << 4 << true;
        QTest::newRow("every ninth refresh") << 9 << false;
    }
    void heldRefreshesAreJudgedAtTheScreensPace() {
        QFETCH(int, frames);
        QFETCH(bool, asked);
        Loaded main(
            {{"Colors", "RGB(255, 255, 255)" + StoredSeparator + "RGB(0, 0, 0)" + StoredSeparator},
             {"Text1", "1000"}});
        QCOMPARE(QGuiApplication::primaryScreen()->refreshRate(), 60.0);
        main.form->setHeldRefreshes(frames);
        main.form->show();
        main.dialogs.riskAnswers << true;
        QTest::mouseClick(main.child<QPushButton>("PushButton2"), Qt::LeftButton);
        QCOMPARE(main.dialogs.risks.size(), asked ? 1 : 0);
        QVERIFY(main.form->flashSession()->isVisible());
        main.form->flashSession()->close();
    }

    void slowOrGentleFlashesStartWithoutAsking_data() {
        QTest::addColumn<QString>("colors");
        QTest::addColumn<QString>("delay");
        QTest::newRow("slow") << "RGB(255, 255, 255)" + StoredSeparator + "RGB(0, 0, 0)" +
                                     StoredSeparator
                              << "143";
        QTest::newRow("similar colors")
            << "RGB(60, 60, 60)" + StoredSeparator + "RGB(64, 64, 64)" + StoredSeparator << "20";
    }
    void slowOrGentleFlashesStartWithoutAsking() {
        QFETCH(QString, colors);
        QFETCH(QString, delay);
        Loaded main({{"Colors", colors}, {"Text1", delay}});
        main.form->show();
        QTest::mouseClick(main.child<QPushButton>("PushButton2"), Qt::LeftButton);
        QVERIFY(main.dialogs.risks.isEmpty());
        QVERIFY(main.form->flashSession()->isVisible());
        main.form->flashSession()->close();
    }

    void designedColorsAndFonts() {
        Loaded main({});
        QCOMPARE(main.form->palette().color(QPalette::Window), QColor(Qt::white));
        for (const char* name : {"Frame1", "Frame4", "Option2", "Option6"}) {
            QWidget* widget = main.child<QWidget>(name);
            QCOMPARE(widget->palette().color(widget->backgroundRole()), QColor(Qt::white));
        }
        auto* button = main.child<QPushButton>("PushButton2");
        QCOMPARE(button->palette().color(QPalette::Button), QColor(Qt::white));
        QCOMPARE(button->font().pointSizeF(), 11.25);
        QVERIFY(button->font().bold());
        QCOMPARE(main.form->font().family(), QStringLiteral("Arial"));
        QCOMPARE(main.form->font().pointSizeF(), 9.0);
        QCOMPARE(main.child<QLineEdit>("Text1")->palette().color(QPalette::Base),
                 QApplication::palette().color(QPalette::Base));
    }

    // Without a mouse: Space, Return and the keypad's Enter press the focused button.
    void buttonsPressFromTheKeyboard_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::newRow("Space") << int(Qt::Key_Space) << Qt::KeyboardModifiers();
        QTest::newRow("Return") << int(Qt::Key_Return) << Qt::KeyboardModifiers();
        QTest::newRow("Enter") << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier);
    }
    void buttonsPressFromTheKeyboard() {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        Loaded main({});
        main.form->show();
        QVERIFY(QTest::qWaitForWindowActive(main.form.get()));
        auto* clearList = main.child<QPushButton>("PushButton4");
        clearList->setFocus(Qt::TabFocusReason);
        QTest::keyClick(clearList, Qt::Key(key), modifiers);
        QCOMPARE(main.dialogs.questions, QStringList{"Are you sure you want to clear the list?"});
    }

    void shiftedEnterPressesNothing() {
        Loaded main({});
        main.form->show();
        auto* clearList = main.child<QPushButton>("PushButton4");
        clearList->setFocus(Qt::TabFocusReason);
        QTest::keyClick(clearList, Qt::Key_Return, Qt::ControlModifier);
        QVERIFY(main.dialogs.questions.isEmpty());
    }
};

CHROMAFLICK_TEST_MAIN(Form1Test)
#include "tst_form1.moc"
