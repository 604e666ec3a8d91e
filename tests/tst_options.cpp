#include "loadedform.h"
#include "ui/optionspanel.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QtTest>

class OptionsTest : public QObject {
    Q_OBJECT

    static void click(QWidget* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, 8));
    }

private slots:
    void clickingAnOptionStoresItsGroup_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("writes");
        QTest::newRow("Cycle") << "Option2" << QStringList{"Option1=False", "Option2=True"};
        QTest::newRow("Solid") << "Option3" << QStringList{"Option3=True", "Option4=False"};
        QTest::newRow("Up and down") << "Option6" << QStringList{"Option5=False", "Option6=True"};
    }
    void clickingAnOptionStoresItsGroup() {
        QFETCH(QString, button);
        QFETCH(QStringList, writes);
        Loaded main({{"Option4", "True"}});
        main.writes->clear();
        main.form->show();
        click(main.child<QWidget>(button.toLatin1()));
        QCOMPARE(main.written(), writes);
        for (const QString& write : writes)
            QCOMPARE(storedValue(write.section('=', 0, 0)), write.section('=', 1));
    }

    void colorModeSwitchesTheGradientFrame() {
        Loaded main({});
        main.form->show();
        auto* frame4 = main.child<QGroupBox>("Frame4");
        QVERIFY(!frame4->isEnabled());
        click(main.child<QWidget>("Option4"));
        QVERIFY(frame4->isEnabled());
        click(main.child<QWidget>("Option6"));
        click(main.child<QWidget>("Option3"));
        QVERIFY(!frame4->isEnabled());
        QVERIFY(main.selected("Option6"));
        QCOMPARE(main.written(), (QStringList{"Option3=False", "Option4=True", "Option5=False",
                                              "Option6=True", "Option3=True", "Option4=False"}));
        // Disabled, its buttons cannot be used.
        main.writes->clear();
        click(main.child<QWidget>("Option5"));
        QVERIFY(main.selected("Option6"));
        QVERIFY(main.written().isEmpty());
    }

    void typingStoresEveryChange() {
        Loaded main({});
        main.form->showCentred();
        QVERIFY(QTest::qWaitForWindowActive(main.form.get()));
        auto* text1 = main.child<QLineEdit>("Text1");
        QCOMPARE(text1->selectedText(), QStringLiteral("500"));
        QTest::keyClicks(text1, "250");
        QCOMPARE(main.written(), (QStringList{"Text1=2", "Text1=25", "Text1=250"}));
        QCOMPARE(storedValue("Text1"), QStringLiteral("250"));
    }

    void leavingTheDelayChecksIt_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("letters") << "abc"
                                 << "500";
        QTest::newRow("nothing") << ""
                                 << "500";
        QTest::newRow("blanks") << "   "
                                << "500";
        QTest::newRow("blanks around a number") << " 250 "
                                                << " 250 ";
        QTest::newRow("fraction") << "1.5"
                                  << "1.5";
        QTest::newRow("negative") << "-20"
                                  << "-20";
        QTest::newRow("zero") << "0"
                              << "0";
    }
    void leavingTheDelayChecksIt() {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        Loaded main({});
        main.form->showCentred();
        QVERIFY(QTest::qWaitForWindowActive(main.form.get()));
        auto* text1 = main.child<QLineEdit>("Text1");
        QTest::keyClick(text1, Qt::Key_Delete);
        QTest::keyClicks(text1, typed);
        QCOMPARE(storedValue("Text1"), typed);
        QTest::keyClick(text1, Qt::Key_Tab);
        const bool refused = kept != typed;
        QCOMPARE(main.dialogs.informs,
                 refused ? QStringList{"Must be a numerical value."} : QStringList{});
        QCOMPARE(text1->text(), kept);
        QCOMPARE(storedValue("Text1"), kept);
        // Coming back and leaving again does not ask a second time.
        text1->setFocus(Qt::TabFocusReason);
        QCOMPARE(text1->selectedText(), kept);
        QTest::keyClick(text1, Qt::Key_Tab);
        QCOMPARE(main.dialogs.informs.size(), refused ? 1 : 0);
    }

    void pastedControlCharactersAreStoredAndRefused() {
        Loaded main({});
        main.form->showCentred();
        QVERIFY(QTest::qWaitForWindowActive(main.form.get()));
        auto* text1 = main.child<QLineEdit>("Text1");
        const QString pasted = QStringLiteral("12\x01\t3") + QString(10000, QLatin1Char('4'));
        text1->setText(pasted);
        QCOMPARE(storedValue("Text1"), text1->text());
        QTest::keyClick(text1, Qt::Key_Tab);
        QCOMPARE(main.dialogs.informs, QStringList{"Must be a numerical value."});
        QCOMPARE(storedValue("Text1"), QStringLiteral("500"));
    }

    void switchingWindowsIsNoLeavingOfTheField() {
        Loaded main({});
        main.form->showCentred();
        QVERIFY(QTest::qWaitForWindowActive(main.form.get()));
        auto* text1 = main.child<QLineEdit>("Text1");
        text1->setText("abc");
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(main.dialogs.informs.isEmpty());
        QCOMPARE(text1->text(), QStringLiteral("abc"));
    }

    void loadSettingAnOptionActsAsAClick() {
        Loaded main({});
        main.form->options().setSelected(FlashOption::CycleOrder, true);
        QCOMPARE(main.written(), (QStringList{"Option1=False", "Option2=True"}));
        main.writes->clear();
        main.form->options().setSelected(FlashOption::CycleOrder, false);
        QVERIFY(!main.selected("Option1") && !main.selected("Option2"));
        QVERIFY(main.written().isEmpty());
    }
};

CHROMAFLICK_TEST_MAIN(OptionsTest)
#include "tst_options.moc"
