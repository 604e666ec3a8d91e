#include "core/colorsequencer.h"
#include "core/errortrap.h"
#include "core/flashoption.h"
#include "core/gradientpainter.h"
#include "core/randomint.h"
#include "core/virtualkey.h"
#include "flashsteps.h"
#include "platform/imagesurface.h"
#include "platform/timeofday.h"
#include "scripteddialogs.h"
#include "testsupport.h"
#include "ui/flashsession.h"
#include "ui/flashsource.h"
#include "ui/form2.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QtTest>
#include <map>

namespace {

class FakeSource final : public FlashSource {
public:
    QStringList entries{"RGB(255, 0, 0)", "RGB(0, 255, 0)", "RGB(0, 0, 255)"};
    PerFlashOption<bool> options{{true, false, true, false, true, false}};
    QString delay = QStringLiteral("500");

    QStringList colorEntries() const override { return entries; }
    FlashSettings flashSettings() const override {
        FlashSettings settings;
        if (options[FlashOption::RandomOrder] || options[FlashOption::CycleOrder])
            settings.order =
                options[FlashOption::RandomOrder] ? FlashOrder::Random : FlashOrder::Cycle;
        if (options[FlashOption::SolidColors] || options[FlashOption::GradientColors])
            settings.mode =
                options[FlashOption::SolidColors] ? ColorMode::Solid : ColorMode::Gradient;
        if (options[FlashOption::LeftToRight] || options[FlashOption::UpAndDown])
            settings.direction = options[FlashOption::LeftToRight] ? GradientDirection::LeftToRight
                                                                   : GradientDirection::UpAndDown;
        settings.delayText = delay;
        return settings;
    }
    QList<QScreen*> flashScreens() const override { return {QGuiApplication::primaryScreen()}; }

    void choose(FlashOption option) {
        options[option] = true;
        options[partnerOf(option)] = false;
    }
};

// The window of a flash on one screen.
Form2& view(const FlashSession& flash) {
    return *flash.views().constFirst();
}

} // namespace

class FlashTest : public QObject {
    Q_OBJECT

    FakeSource source;
    ScriptedDialogs dialogs;

private slots:
    void init() {
        source = FakeSource();
        dialogs = ScriptedDialogs();
    }

    void hintVanishesAtTheSixteenthTickOfTheFirstOpening() {
        FlashSession flash(source, dialogs);
        flash.showFlash();
        for (int tick = 1; tick <= 15; ++tick) {
            flash.Timer1_Timer();
            QVERIFY2(view(flash).Label1().isVisible(), qPrintable(QString::number(tick)));
        }
        flash.Timer1_Timer();
        QVERIFY(!view(flash).Label1().isVisible());
        flash.close();
        flash.showFlash();
        QVERIFY(view(flash).Label1().isVisible());
        flash.Timer1_Timer();
        QVERIFY(!view(flash).Label1().isVisible());
        flash.close();
    }

    void openingSetsPaletteCursorsAndTimer() {
        source.entries = {"RGB(1, 2, 3)", "abc", "RGB(1, 2)", "RGB(4, 5, 6)"};
        source.delay = QStringLiteral("20.5");
        FlashSession flash(source, dialogs);
        flash.showFlash();
        QCOMPARE(flash.sequencer().palette,
                 (std::vector<std::int32_t>{rgb(1, 2, 3), 0, 0, rgb(4, 5, 6)}));
        QCOMPARE(dialogs.warnings.size(), 2);
        for (const auto& warning : dialogs.warnings)
            QVERIFY(
                warning.text.contains("\r\nin Tintrova2021/08/31.Form2.Form_Load at line 110\r\r"));
        QCOMPARE(flash.timerInterval(), 20);
        QVERIFY(flash.timerRunning());
        QCOMPARE(view(flash).Label1().text(),
                 QStringLiteral("Press ESCape key to exit flash. Type 'hide' to hide this text."));
        QCOMPARE(view(flash).Label1().pos(), QPoint(0, 0));
        QVERIFY(view(flash).isFullScreen());
        QCOMPARE(view(flash).geometry(), QGuiApplication::primaryScreen()->geometry());
        QVERIFY(view(flash).windowFlags() & Qt::FramelessWindowHint);
        flash.close();
        QVERIFY(!flash.timerRunning());
    }

    void badDelaysAreReportedAndNeverTick_data() {
        QTest::addColumn<QString>("delay");
        QTest::addColumn<QString>("description");
        QTest::newRow("too long") << "40000"
                                  << "40000 is out of range (-32768 to 32767)";
        QTest::newRow("not a number") << "abc"
                                      << "'abc' is not a number";
        QTest::newRow("negative") << "-5"
                                  << "-5 ms is no delay: it must be 0 or more";
        QTest::newRow("zero") << "0"
                              << "";
    }
    void badDelaysAreReportedAndNeverTick() {
        QFETCH(QString, delay);
        QFETCH(QString, description);
        source.delay = delay;
        FlashSession flash(source, dialogs);
        flash.showFlash();
        QCOMPARE(dialogs.warningTexts(),
                 description.isEmpty()
                     ? QStringList{}
                     : QStringList{errorReportText(description,
                                                   "in Tintrova2021/08/31.Form2.Form_Load ", 118)});
        QVERIFY(!flash.timerRunning());
        QVERIFY(flash.isVisible());
        QTest::keyClick(&view(flash), Qt::Key_Escape);
        QVERIFY(!flash.isVisible());
    }

    void malformedEntriesAreReportedAndLeftBlack_data() {
        QTest::addColumn<QString>("entry");
        QTest::newRow("two components") << "RGB(1, 2)";
        QTest::newRow("lower-case marker") << "rgb(1, 2, 3)";
        QTest::newRow("plain text") << "abc";
        QTest::newRow("not a number") << "RGB(x, 0, 0)";
        QTest::newRow("empty component") << "RGB(, 0, 0)";
        QTest::newRow("beyond 16 bits") << "RGB(40000, 0, 0)";
        QTest::newRow("beyond a double") << "RGB(1e400, 0, 0)";
        QTest::newRow("control characters") << "RGB(\x01, \t, \n)";
        QTest::newRow("100000 characters") << QString(100000, QLatin1Char('9')) + ", 1, 1";
    }
    void malformedEntriesAreReportedAndLeftBlack() {
        QFETCH(QString, entry);
        source.entries = {"RGB(1, 2, 3)", entry, "RGB(4, 5, 6)"};
        source.choose(FlashOption::CycleOrder);
        FlashSession flash(source, dialogs);
        flash.showFlash();
        QCOMPARE(flash.sequencer().palette,
                 (std::vector<std::int32_t>{rgb(1, 2, 3), 0, rgb(4, 5, 6)}));
        QCOMPARE(dialogs.warnings.size(), 1);
        const QString text = dialogs.warnings[0].text;
        QVERIFY(text.contains("\r\nin Tintrova2021/08/31.Form2.Form_Load at line 110\r\r"));
        // The description stays one short line, whatever the entry.
        const QString description = text.section("\r\n", 0, 0);
        QVERIFY2(description.size() < 120, qPrintable(description));
        QVERIFY(!description.contains('\n') && !description.contains('\r'));
        QVERIFY(flash.timerRunning());
        flash.Timer1_Timer();
        flash.Timer1_Timer();
        QCOMPARE(std::get<SolidStep>(flash.shownStep()).color, 0);
        QCOMPARE(dialogs.warnings.size(), 1);
        flash.close();
    }

    void delayOfTenThousandCharactersIsReportedShortly() {
        source.delay = QString(10000, QLatin1Char('5'));
        FlashSession flash(source, dialogs);
        flash.showFlash();
        QCOMPARE(dialogs.warnings.size(), 1);
        QVERIFY(dialogs.warnings[0].text.section("\r\n", 0, 0).size() < 120);
        QVERIFY(!flash.timerRunning());
        flash.close();
    }

    void hideSequences_data() {
        using namespace VirtualKey;
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<bool>("hidden");
        QTest::newRow("h i d e") << QList<int>{H, I, D, E} << true;
        QTest::newRow("keypad 8 9 4 5") << QList<int>{Numpad8, Numpad9, Numpad4, Numpad5} << true;
        QTest::newRow("h h i d e") << QList<int>{H, H, I, D, E} << false;
        QTest::newRow("h h i d e h i d e") << QList<int>{H, H, I, D, E, H, I, D, E} << true;
        QTest::newRow("h i e d e") << QList<int>{H, I, E, D, E} << true;
        QTest::newRow("shift between") << QList<int>{H, Shift, I, D, E} << false;
        QTest::newRow("other key between") << QList<int>{H, I, Space, D, E} << false;
        QTest::newRow("e first") << QList<int>{E, H, I, D, E} << true;
    }
    void hideSequences() {
        QFETCH(QList<int>, keys);
        QFETCH(bool, hidden);
        FlashSession flash(source, dialogs);
        flash.showFlash();
        const QSize designSize = view(flash).Label1().size();
        QVERIFY(!designSize.isEmpty());
        for (int key : keys)
            flash.Form_KeyDown(key);
        QCOMPARE(view(flash).Label1().size().isEmpty(), hidden);
        flash.close();
        flash.showFlash();
        QCOMPARE(view(flash).Label1().size(), designSize);
        flash.close();
    }

    void realKeysMapToTheirCodes() {
        FlashSession flash(source, dialogs);
        flash.showFlash();
        QTest::keyClick(&view(flash), Qt::Key_H);
        QTest::keyClick(&view(flash), Qt::Key_I);
        QCOMPARE(flash.hideProgress(), 2);
        QTest::keyClick(&view(flash), Qt::Key_D, Qt::ShiftModifier);
        QCOMPARE(flash.hideProgress(), 0);
        QTest::keyClick(&view(flash), Qt::Key_H);
        QTest::keyClick(&view(flash), Qt::Key_I);
        QTest::keyClick(&view(flash), Qt::Key_D);
        QTest::keyClick(&view(flash), Qt::Key_E);
        QVERIFY(view(flash).Label1().size().isEmpty());
        QTest::keyClick(&view(flash), Qt::Key_8, Qt::KeypadModifier);
        QCOMPARE(flash.hideProgress(), 1);
        QTest::keyClick(&view(flash), Qt::Key_8);
        QCOMPARE(flash.hideProgress(), 0);
        QTest::keyClick(&view(flash), Qt::Key_Escape);
        QVERIFY(!flash.isVisible());
        QVERIFY(dialogs.warnings.isEmpty());
    }

    void letterKeysFollowTheLayout_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<quint32>("keycode");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("code");
        const int shift = Qt::ShiftModifier;
        const auto letter = [](char capital) { return VirtualKey::A + (capital - 'A'); };
        // XKB keycodes of the US keys H, I, D, E, Q, A, J, W, semicolon and 2.
        const quint32 h = 43, i = 31, d = 40, e = 26, q = 24, a = 38, j = 44, w = 25,
                      semicolon = 47, two = 11;
        QTest::newRow("US h") << int(Qt::Key_H) << "h" << h << 0 << VirtualKey::H;
        QTest::newRow("Russian er on H") << 0x420 << "\u0440" << h << 0 << VirtualKey::H;
        QTest::newRow("Russian sha on I") << 0x428 << "\u0448" << i << 0 << VirtualKey::I;
        QTest::newRow("Russian ve on D") << 0x412 << "\u0432" << d << 0 << VirtualKey::D;
        QTest::newRow("Russian u on E") << 0x423 << "\u0443" << e << 0 << VirtualKey::E;
        QTest::newRow("Russian capital er on H")
            << 0x420 << "\u0420" << h << shift << VirtualKey::H;
        QTest::newRow("Russian short i on Q") << 0x419 << "\u0439" << q << 0 << letter('Q');
        QTest::newRow("Greek eta on H") << 0x397 << "\u03b7" << h << 0 << VirtualKey::H;
        QTest::newRow("Russian zhe on semicolon")
            << 0x416 << "\u0436" << semicolon << 0 << VirtualKey::None;
        QTest::newRow("Russian er without a keycode")
            << 0x420 << "\u0440" << 0u << 0 << VirtualKey::None;
        QTest::newRow("AZERTY a on Q") << int(Qt::Key_A) << "a" << q << 0 << letter('A');
        QTest::newRow("AZERTY q on A") << int(Qt::Key_Q) << "q" << a << 0 << letter('Q');
        QTest::newRow("Dvorak h on J") << int(Qt::Key_H) << "h" << j << 0 << VirtualKey::H;
        QTest::newRow("Dvorak d on H") << int(Qt::Key_D) << "d" << h << 0 << VirtualKey::D;
        QTest::newRow("Dvorak E on D") << int(Qt::Key_E) << "E" << d << shift << VirtualKey::E;
        QTest::newRow("AZERTY e acute on 2")
            << int(Qt::Key_Eacute) << "\u00e9" << two << 0 << VirtualKey::None;
        QTest::newRow("Turkish g breve on W") << 0x11e << "\u011f" << w << 0 << VirtualKey::None;
        QTest::newRow("Russian layout digit 8")
            << int(Qt::Key_8) << "8" << quint32(17) << 0 << VirtualKey::Digit0 + 8;
    }
    void letterKeysFollowTheLayout() {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(quint32, keycode);
        QFETCH(int, modifiers);
        QFETCH(int, code);
        const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), keycode, 0,
                              0, text);
        QCOMPARE(Form2::virtualKeyCode(event), code);
    }

    void russianKeysTypeHide() {
        FlashSession flash(source, dialogs);
        flash.showFlash();
        const struct {
            int key;
            const char16_t* text;
            quint32 keycode;
        } keys[] = {{0x420, u"\u0440", 43},
                    {0x428, u"\u0448", 31},
                    {0x412, u"\u0432", 40},
                    {0x423, u"\u0443", 26}};
        for (const auto& key : keys) {
            QKeyEvent press(QEvent::KeyPress, key.key, Qt::NoModifier, key.keycode, 0, 0,
                            QString::fromUtf16(key.text));
            QApplication::sendEvent(&view(flash), &press);
        }
        QVERIFY(view(flash).Label1().size().isEmpty());
        flash.close();
    }

    void startingAgainWhileOpenOnlyRaises() {
        source.choose(FlashOption::CycleOrder);
        FlashSession flash(source, dialogs);
        flash.showFlash();
        flash.Timer1_Timer();
        flash.Timer1_Timer();
        source.entries = {"RGB(9, 9, 9)"};
        flash.showFlash();
        QCOMPARE(flash.sequencer().firstIndex, 2);
        QCOMPARE(flash.sequencer().palette.size(), std::size_t(3));
        flash.close();
        flash.showFlash();
        QCOMPARE(flash.sequencer().palette, std::vector<std::int32_t>{rgb(9, 9, 9)});
        QCOMPARE(flash.sequencer().firstIndex, 0);
        QCOMPARE(flash.sequencer().secondIndex, 1);
        flash.close();
    }

    // Only the error report holds the ticks back, so reports never stack; a question, the picker
    // or a message leaves the flash running beneath.
    void ticksWaitOnlyWhileAReportIsOpen_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("ticks");
        QTest::newRow("question") << "question" << 1;
        QTest::newRow("color picker") << "picker" << 1;
        QTest::newRow("message") << "message" << 1;
        QTest::newRow("error report") << "report" << 0;
    }
    void ticksWaitOnlyWhileAReportIsOpen() {
        QFETCH(QString, box);
        QFETCH(int, ticks);
        FlashSession flash(source, dialogs);
        flash.showFlash();
        QSignalSpy ticked(&flash, &FlashSession::ticked);
        dialogs.whileShown = [&] { flash.Timer1_Timer(); };
        if (box == u"question")
            dialogs.askYesNo("Clear?");
        else if (box == u"picker")
            dialogs.pickColor();
        else if (box == u"message")
            dialogs.inform("Told");
        else
            ReportError(dialogs, "Broken", "in here ", 100);
        dialogs.whileShown = nullptr;
        QCOMPARE(ticked.size(), ticks);
        QVERIFY(!dialogs.isShowingReport());
        flash.Timer1_Timer();
        QCOMPARE(ticked.size(), ticks + 1);
        flash.close();
    }

    void spacePausesAndResumes_data() {
        using namespace VirtualKey;
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<bool>("paused");
        QTest::addColumn<int>("hideProgress");
        QTest::newRow("space pauses") << QList<int>{Space} << true << 0;
        QTest::newRow("space again resumes") << QList<int>{Space, Space} << false << 0;
        QTest::newRow("letters keep the pause") << QList<int>{Space, H, I} << true << 2;
        QTest::newRow("space starts hide afresh") << QList<int>{H, I, Space} << true << 0;
        QTest::newRow("other keys leave it running")
            << QList<int>{H, Shift, Digit0 + 5} << false << 0;
    }
    void spacePausesAndResumes() {
        QFETCH(QList<int>, keys);
        QFETCH(bool, paused);
        QFETCH(int, hideProgress);
        source.choose(FlashOption::CycleOrder);
        FlashSession flash(source, dialogs);
        flash.showFlash();
        for (int key : keys)
            flash.keyPressed(key);
        QCOMPARE(flash.isPaused(), paused);
        QCOMPARE(flash.timerRunning(), !paused);
        QCOMPARE(flash.hideProgress(), hideProgress);
        QVERIFY(flash.isVisible());
        flash.close();
        // Every opening starts running.
        flash.showFlash();
        QVERIFY(!flash.isPaused());
        QVERIFY(flash.timerRunning());
        flash.close();
    }

    void pauseHoldsTheStepAndResumingShowsTheNext() {
        source.choose(FlashOption::CycleOrder);
        // The gradient cycle spends no tick on rewinding, so every next step differs.
        source.choose(FlashOption::GradientColors);
        source.delay = QStringLiteral("10");
        FlashSession flash(source, dialogs);
        QSignalSpy ticked(&flash, &FlashSession::ticked);
        flash.showFlash();
        QTRY_VERIFY(ticked.size() >= 2);
        QTest::keyClick(&view(flash), Qt::Key_Space);
        const FlashStep held = flash.shownStep();
        const qsizetype ticks = ticked.size();
        QTest::qWait(100);
        QCOMPARE(ticked.size(), ticks);
        QCOMPARE(flash.shownStep(), held);
        QCOMPARE(view(flash).shownStep(), held);
        QTest::keyClick(&view(flash), Qt::Key_Space);
        QCOMPARE(ticked.size(), ticks + 1);
        QVERIFY(flash.shownStep() != held);
        QTRY_VERIFY(ticked.size() > ticks + 2);
        QTest::keyClick(&view(flash), Qt::Key_Escape);
        QVERIFY(!flash.isVisible());
    }

    void pauseWithADelayThatNeverTicksStaysStill() {
        source.delay = QStringLiteral("0");
        FlashSession flash(source, dialogs);
        flash.showFlash();
        flash.keyPressed(VirtualKey::Space);
        flash.keyPressed(VirtualKey::Space);
        QVERIFY(!flash.timerRunning());
        QVERIFY(std::holds_alternative<std::monostate>(flash.shownStep()));
        flash.close();
    }

    // Keys as the window gets them, so that the key codes are tried too.
    void handStepsWhilePaused_data() {
        QTest::addColumn<QList<Qt::Key>>("keys");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("readout");
        QTest::addColumn<bool>("hintShown");
        const QString a = colorText(A), b = colorText(B), c = colorText(C);
        QTest::newRow("not while running") << QList<Qt::Key>{Qt::Key_Right, Qt::Key_Home} << "-"
                                           << "" << true;
        QTest::newRow("three on, two back")
            << QList<Qt::Key>{Qt::Key_Space, Qt::Key_Right, Qt::Key_Right,
                              Qt::Key_Right, Qt::Key_Left,  Qt::Key_Left}
            << a << "RGB(255, 0, 0), step 1" << true;
        QTest::newRow("page keys")
            << QList<Qt::Key>{Qt::Key_Space, Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageDown,
                              Qt::Key_PageUp}
            << b << "RGB(0, 255, 0), step 2" << true;
        QTest::newRow("through the rewind")
            << QList<Qt::Key>{Qt::Key_Space, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right,
                              Qt::Key_Right}
            << c << "RGB(0, 0, 255), step 4" << true;
        QTest::newRow("home") << QList<Qt::Key>{Qt::Key_Space, Qt::Key_Right, Qt::Key_Right,
                                                Qt::Key_Home}
                              << a << "RGB(255, 0, 0), step 3" << true;
        QTest::newRow("nothing before the first")
            << QList<Qt::Key>{Qt::Key_Space, Qt::Key_Left} << "-"
            << "" << true;
        QTest::newRow("no letter of hide") << QList<Qt::Key>{Qt::Key_Space, Qt::Key_H, Qt::Key_I,
                                                             Qt::Key_Right, Qt::Key_D, Qt::Key_E}
                                           << a << "RGB(255, 0, 0), step 1" << true;
        QTest::newRow("hide hides the readout")
            << QList<Qt::Key>{Qt::Key_Space, Qt::Key_Right, Qt::Key_H,
                              Qt::Key_I,     Qt::Key_D,     Qt::Key_E}
            << a << "" << false;
        QTest::newRow("the next pause tells it again")
            << QList<Qt::Key>{Qt::Key_Space, Qt::Key_Right, Qt::Key_H,     Qt::Key_I,
                              Qt::Key_D,     Qt::Key_E,     Qt::Key_Space, Qt::Key_Space}
            << a << "RGB(255, 0, 0), step 1" << false;
        QTest::newRow("gone on resuming")
            << QList<Qt::Key>{Qt::Key_Space, Qt::Key_Right, Qt::Key_Space} << a << "" << true;
    }
    void handStepsWhilePaused() {
        QFETCH(QList<Qt::Key>, keys);
        QFETCH(QString, shown);
        QFETCH(QString, readout);
        QFETCH(bool, hintShown);
        source.choose(FlashOption::CycleOrder);
        // No ticks: only the keys change what shows.
        source.delay = QStringLiteral("0");
        FlashSession flash(source, dialogs);
        flash.showFlash();
        for (Qt::Key key : keys)
            QTest::keyClick(&view(flash), key);
        QVERIFY(flash.isVisible());
        QCOMPARE(stepText(flash.shownStep()), shown);
        QCOMPARE(stepText(view(flash).shownStep()), shown);
        QCOMPARE(view(flash).readout().isVisible(), !readout.isEmpty());
        if (!readout.isEmpty())
            QCOMPARE(view(flash).readout().text(), readout);
        QCOMPARE(view(flash).Label1().width() != 0, hintShown);
        QVERIFY(dialogs.warnings.isEmpty());
        flash.close();
    }

    void readoutStaysOutOfTheHintsPlace() {
        source.choose(FlashOption::CycleOrder);
        source.choose(FlashOption::GradientColors);
        source.delay = QStringLiteral("0");
        FlashSession flash(source, dialogs);
        flash.showFlash();
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Right})
            QTest::keyClick(&view(flash), key);
        const QLabel& readout = view(flash).readout();
        QCOMPARE(readout.text(), QStringLiteral("RGB(255, 0, 0) to RGB(0, 255, 0), step 1"));
        QCOMPARE(readout.font(), view(flash).Label1().font());
        QCOMPARE(readout.geometry().bottomLeft(), view(flash).rect().bottomLeft());
        QVERIFY(!readout.geometry().intersects(view(flash).Label1().geometry()));
        flash.close();
    }

    void resumingGoesOnFromTheStepShown() {
        source.choose(FlashOption::CycleOrder);
        source.delay = QStringLiteral("10");
        FlashSession flash(source, dialogs);
        QSignalSpy ticked(&flash, &FlashSession::ticked);
        flash.showFlash();
        QTRY_VERIFY(ticked.size() >= 1);
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Home, Qt::Key_Right, Qt::Key_Right, Qt::Key_Left,
                            Qt::Key_Left})
            QTest::keyClick(&view(flash), key);
        QCOMPARE(stepText(flash.shownStep()), colorText(A));
        QTest::keyClick(&view(flash), Qt::Key_Space);
        // The steps walked back over come first, then the cycle goes on.
        QCOMPARE(stepText(flash.shownStep()), colorText(B));
        QVERIFY(!view(flash).readout().isVisible());
        QTRY_COMPARE(stepText(flash.shownStep()), colorText(C));
        QTRY_COMPARE(stepText(flash.shownStep()), colorText(A));
        flash.close();
    }

    void durationClosesEveryOpeningAsEscapeDoes_data() {
        QTest::addColumn<int>("milliseconds");
        QTest::addColumn<bool>("pausedFirst");
        QTest::newRow("running") << 150 << false;
        QTest::newRow("paused past its end, then resumed") << 150 << true;
    }
    void durationClosesEveryOpeningAsEscapeDoes() {
        QFETCH(int, milliseconds);
        QFETCH(bool, pausedFirst);
        FlashSession flash(source, dialogs);
        flash.setDuration(std::chrono::milliseconds(milliseconds));
        for (int opening = 0; opening < 2; ++opening) {
            QElapsedTimer open;
            open.start();
            flash.showFlash();
            if (pausedFirst) {
                // A pause holds the time: the flash outlasts its duration until resumed.
                flash.keyPressed(VirtualKey::Space);
                QTest::qWait(2 * milliseconds);
                QVERIFY(flash.isVisible());
                flash.keyPressed(VirtualKey::Space);
            }
            QVERIFY(flash.isVisible());
            QTRY_VERIFY(!flash.isVisible());
            QVERIFY(open.elapsed() >= milliseconds - 5);
            QVERIFY(!flash.timerRunning());
        }
        QVERIFY(dialogs.warnings.isEmpty());
    }

    void everyDevicePixelShowsTheStep_data() {
        QTest::addColumn<FlashOption>("colorMode");
        QTest::addColumn<FlashOption>("direction");
        QTest::newRow("solid") << FlashOption::SolidColors << FlashOption::LeftToRight;
        QTest::newRow("left to right") << FlashOption::GradientColors << FlashOption::LeftToRight;
        QTest::newRow("up and down") << FlashOption::GradientColors << FlashOption::UpAndDown;
    }
    // At the scale this program runs at; the test below runs it again at other scales.
    void everyDevicePixelShowsTheStep() {
        QFETCH(FlashOption, colorMode);
        QFETCH(FlashOption, direction);
        source.entries = {"RGB(255, 0, 0)", "RGB(0, 0, 255)"};
        source.choose(FlashOption::CycleOrder);
        source.choose(colorMode);
        source.choose(direction);
        FlashSession flash(source, dialogs);
        flash.showFlash();
        QVERIFY(QTest::qWaitForWindowExposed(&view(flash)));
        for (int key : {VirtualKey::H, VirtualKey::I, VirtualKey::D, VirtualKey::E})
            flash.Form_KeyDown(key);
        flash.Timer1_Timer();
        QImage shown = view(flash).grab().toImage().convertToFormat(QImage::Format_RGB32);
        shown.setDevicePixelRatio(1);
        QImage expected(shown.size(), QImage::Format_RGB32);
        if (colorMode == FlashOption::SolidColors) {
            expected.fill(QColor(255, 0, 0));
        } else {
            ImageSurface surface(expected);
            PaintGradient(surface, PixelRect{0, 0, expected.width(), expected.height()}, A, C,
                          direction == FlashOption::UpAndDown);
        }
        QCOMPARE(shown, expected);
        flash.close();
    }

    void everyDevicePixelShowsTheStepAtAnyScale_data() {
        QTest::addColumn<QString>("scale");
        for (const char* scale : {"1", "1.25", "1.5", "1.75", "2"})
            QTest::newRow(scale) << QString::fromLatin1(scale);
    }
    // Qt takes the scale factor at start, so each scale runs in a program of its own.
    void everyDevicePixelShowsTheStepAtAnyScale() {
        QFETCH(QString, scale);
        QProcess scaled;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_SCALE_FACTOR", scale);
        scaled.setProcessEnvironment(environment);
        scaled.setProcessChannelMode(QProcess::MergedChannels);
        scaled.start(QCoreApplication::applicationFilePath(), {"everyDevicePixelShowsTheStep"});
        QVERIFY(scaled.waitForFinished(60000));
        QVERIFY2(scaled.exitStatus() == QProcess::NormalExit && scaled.exitCode() == 0,
                 scaled.readAll().constData());
    }

    void repaintShowsTheCurrentStepWithTheHintOnTop() {
        source.entries = {"RGB(255, 0, 0)", "RGB(0, 0, 255)"};
        source.choose(FlashOption::CycleOrder);
        source.choose(FlashOption::GradientColors);
        FlashSession flash(source, dialogs);
        flash.showFlash();
        QVERIFY(QTest::qWaitForWindowExposed(&view(flash)));
        flash.Timer1_Timer();
        const QImage shown = view(flash).grab().toImage();
        const int w = shown.width();
        QCOMPARE(QColor(shown.pixel(w - 1, shown.height() / 2)), QColor(0, 0, 255));
        // The strip at the left edge stops one strip short of the first color.
        const int thickness = std::max(3, w / 255);
        const int lastStrip = w / thickness;
        QCOMPARE(QColor(shown.pixel(0, shown.height() - 1)).red(),
                 qRound(255.0 * (lastStrip - 1) * thickness / w));
        const QRect hint = view(flash).Label1().geometry();
        bool hintDrawn = false;
        for (int x = hint.left(); x < hint.right() && !hintDrawn; ++x)
            for (int y = hint.top(); y < hint.bottom() && !hintDrawn; ++y)
                hintDrawn =
                    QColor(shown.pixel(x, y)).blue() < 100 && QColor(shown.pixel(x, y)).red() < 100;
        QVERIFY(hintDrawn);
        view(flash).repaint();
        QCOMPARE(view(flash).grab().toImage(), shown);
        flash.close();
    }
};

CHROMAFLICK_TEST_MAIN(FlashTest)
#include "tst_flash.moc"
