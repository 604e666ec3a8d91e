#include "core/applicationtitle.h"
#include "core/errortrap.h"
#include "core/failure.h"
#include "platform/qtdialogs.h"
#include "scripteddialogs.h"
#include "testsupport.h"

#include <QApplication>
#include <QtTest>

class ErrorReportTest : public QObject {
    Q_OBJECT
private slots:
    void buildsTheMessageExactly() {
        QCOMPARE(errorReportText(QStringLiteral("Disk full"),
                                 QStringLiteral("in Tintrova2021/08/31.Form1.PushButton4_Click "),
                                 102),
                 QStringLiteral("Disk full\r\nin Tintrova2021/08/31.Form1.PushButton4_Click at "
                                "line 102\r\rPlease email screenshot of this message to "
                                "support@varnhollow.example"));
    }

    void emptyDescriptionStartsWithTheLineBreak() {
        QVERIFY(errorReportText(QString(), QStringLiteral("in X "), 100)
                    .startsWith(QStringLiteral("\r\nin X at line 100\r\r")));
    }

    void trapReportsAndGoesOnWithTheNextStep() {
        ScriptedDialogs dialogs;
        ErrorTrap trap(dialogs, QStringLiteral("Form1.Form_Load"));
        QStringList ran;
        QVERIFY(trap.step(100, [&] { ran << "100"; }));
        QVERIFY(!trap.step(102, [&] {
            ran << "102 begun";
            throw Failure(QStringLiteral("first"));
        }));
        QVERIFY(trap.step(104, [&] { ran << "104"; }));
        QVERIFY(!trap.step(106, [] { throw std::runtime_error("second\r\nline"); }));
        QCOMPARE(ran, (QStringList{"100", "102 begun", "104"}));
        QCOMPARE(dialogs.warnings.size(), 2);
        QCOMPARE(dialogs.warnings[0].title, QStringLiteral("Application Error"));
        QCOMPARE(dialogs.warnings[0].text,
                 errorReportText("first", "in Tintrova2021/08/31.Form1.Form_Load ", 102));
        // A description always stands on one line.
        QCOMPARE(dialogs.warnings[1].text,
                 errorReportText("second line", "in Tintrova2021/08/31.Form1.Form_Load ", 106));
    }

    void failingTestCountsAsPassed() {
        ScriptedDialogs dialogs;
        ErrorTrap trap(dialogs, QStringLiteral("Form1.PushButton4_Click"));
        QVERIFY(trap.test(100, []() -> bool { throw Failure(QStringLiteral("no box")); }));
        QVERIFY(!trap.test(100, [] { return false; }));
        QCOMPARE(dialogs.warnings.size(), 1);
    }

    void boxShowsEachBreakAsOneLine() {
        QCOMPARE(boxText(errorReportText("D", "in L ", 100)),
                 QStringLiteral("D\nin L at line 100\n\nPlease email screenshot of this message to "
                                "support@varnhollow.example"));
    }

    void applicationTitleCutsWholeWords_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        QTest::newRow("one word stays whole") << "Chromaflick"
                                              << "Chromaflick";
        QTest::newRow("three words lose one") << "Red Green Blue"
                                              << "Red Green";
        const QString forty = QStringLiteral("Abcdefghij Abcdefghij Abcdefghij Abcdefg");
        QCOMPARE(forty.size(), 40);
        QTest::newRow("exactly 40 still cut") << forty << "Abcdefghij Abcdefghij Abcdefghij";
        const QString fifty = QStringLiteral("Abcdefghij Abcdefghij Abcdefghij Abcdefghij Abcdef");
        QCOMPARE(fifty.size(), 50);
        QTest::newRow("50 cut twice to fit") << fifty << "Abcdefghij Abcdefghij Abcdefghij";
        QTest::newRow("41 cut once") << "Abcdefghijklmnopqrstuvwxyzabcdefghijklm ab"
                                     << "Abcdefghijklmnopqrstuvwxyzabcdefghijklm";
    }
    void applicationTitleCutsWholeWords() {
        QFETCH(QString, name);
        QFETCH(QString, title);
        QCOMPARE(applicationTitleFor(name), title);
    }

    void setsTheApplicationTitle() {
        SetAppTitle();
        QCOMPARE(applicationTitle(), QStringLiteral("Chromaflick"));
        // Qt would append a display name to the caption of every box, "Application Error" too.
        QCOMPARE(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    }
};

CHROMAFLICK_TEST_MAIN(ErrorReportTest)
#include "tst_errorreport.moc"
