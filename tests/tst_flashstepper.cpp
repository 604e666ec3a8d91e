#include "core/errortrap.h"
#include "core/flashsettings.h"
#include "core/flashstepper.h"
#include "core/randomint.h"
#include "core/stepreadout.h"
#include "coretest.h"
#include "scripteddialogs.h"

#include <QtTest>

namespace {

const std::int32_t A = rgb(255, 0, 0);
const std::int32_t B = rgb(0, 255, 0);
const std::int32_t C = rgb(0, 0, 255);

QString letter(std::int32_t color) {
    if (color == A)
        return QStringLiteral("A");
    if (color == B)
        return QStringLiteral("B");
    if (color == C)
        return QStringLiteral("C");
    return QStringLiteral("?");
}

// "A" for a solid step, "AB" for a gradient from A to B, "-" for none; with its number.
QString text(const std::optional<NumberedStep>& shown) {
    if (!shown)
        return QStringLiteral("-");
    QString colors;
    if (const auto* solid = std::get_if<SolidStep>(&shown->step))
        colors = letter(solid->color);
    else if (const auto* gradient = std::get_if<GradientStep>(&shown->step))
        colors = letter(gradient->firstColor) + letter(gradient->secondColor);
    return colors + QString::number(shown->number);
}

FlashSettings settingsOf(FlashOrder order, ColorMode mode) {
    FlashSettings settings;
    settings.order = order;
    settings.mode = mode;
    settings.direction = GradientDirection::LeftToRight;
    return settings;
}

} // namespace

Q_DECLARE_METATYPE(FlashStep)
Q_DECLARE_METATYPE(std::optional<double>)

class FlashStepperTest : public QObject {
    Q_OBJECT

    ScriptedDialogs dialogs;

    // Runs keys over a stepper: n next, p previous, h home, t a tick of the timer; what each
    // showed.
    QStringList drive(FlashStepper& stepper, const FlashSettings& settings, const QString& keys) {
        QStringList shown;
        for (const QChar key : keys) {
            ErrorTrap trap(dialogs, QStringLiteral("Form2.Timer1_Timer"));
            if (key == u'n') {
                shown << text(stepper.next(trap, settings, 1920, 1080));
            } else if (key == u'p') {
                shown << text(stepper.previous());
            } else if (key == u'h') {
                shown << text(stepper.first(settings, 1920, 1080));
            } else {
                const FlashStep step = stepper.tick(trap, settings, 1920, 1080).step;
                shown << (std::holds_alternative<std::monostate>(step)
                              ? QStringLiteral("=") + text(copiedShown(stepper))
                              : text(NumberedStep{step, stepper.shown()->number}));
            }
        }
        return shown;
    }

    static std::optional<NumberedStep> copiedShown(const FlashStepper& stepper) {
        return stepper.shown() ? std::optional<NumberedStep>(*stepper.shown()) : std::nullopt;
    }

private slots:
    void init() { dialogs = ScriptedDialogs(); }

    // Cycle order: next is the sequencer's next tick, its rewind tick included; back and forth
    // again walks the steps shown.
    void cycleOrder_data() {
        QTest::addColumn<ColorMode>("mode");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("solid: next through the rewind")
            << ColorMode::Solid << "nnnnn" << QStringList{"A1", "B2", "C3", "C4", "A5"};
        QTest::newRow("solid: back and forth")
            << ColorMode::Solid << "nnnppnnn"
            << QStringList{"A1", "B2", "C3", "B2", "A1", "B2", "C3", "C4"};
        QTest::newRow("solid: nothing before the first")
            << ColorMode::Solid << "pnp" << QStringList{"-", "A1", "-"};
        QTest::newRow("solid: home, then on from the first")
            << ColorMode::Solid << "nnhnn" << QStringList{"A1", "B2", "A3", "B4", "C5"};
        QTest::newRow("solid: home drops the steps walked back over")
            << ColorMode::Solid << "nnnpphpn"
            << QStringList{"A1", "B2", "C3", "B2", "A1", "A2", "A1", "A2"};
        QTest::newRow("solid: ticks and hand steps share the cycle")
            << ColorMode::Solid << "tnptt" << QStringList{"A1", "B2", "A1", "B2", "C3"};
        QTest::newRow("gradient: the pairs go round without a rewind")
            << ColorMode::Gradient << "nnnn" << QStringList{"AB1", "BC2", "CA3", "AB4"};
        QTest::newRow("gradient: back and forth")
            << ColorMode::Gradient << "nnpnn" << QStringList{"AB1", "BC2", "AB1", "BC2", "CA3"};
        QTest::newRow("gradient: home, then the second pair")
            << ColorMode::Gradient << "nnhn" << QStringList{"AB1", "BC2", "AB3", "BC4"};
    }
    void cycleOrder() {
        QFETCH(ColorMode, mode);
        QFETCH(QString, keys);
        QFETCH(QStringList, shown);
        ColorSequencer sequencer;
        sequencer.palette = {A, B, C};
        FlashStepper stepper(sequencer);
        QCOMPARE(drive(stepper, settingsOf(FlashOrder::Cycle, mode), keys), shown);
        QVERIFY(dialogs.warnings.isEmpty());
    }

    // Random order: back goes through the very steps shown, and next replays them before
    // drawing new ones.
    void randomOrderReplaysWhatWasShown_data() {
        QTest::addColumn<ColorMode>("mode");
        QTest::newRow("solid") << ColorMode::Solid;
        QTest::newRow("gradient") << ColorMode::Gradient;
    }
    void randomOrderReplaysWhatWasShown() {
        QFETCH(ColorMode, mode);
        seedRandom(12345);
        ColorSequencer sequencer;
        // Many colors, so that a step drawn afresh would rarely match the one replayed.
        for (int i = 0; i < 200; ++i)
            sequencer.palette.push_back(rgb(i, 255 - i, i / 2));
        FlashStepper stepper(sequencer);
        const FlashSettings settings = settingsOf(FlashOrder::Random, mode);
        ErrorTrap trap(dialogs, QStringLiteral("Form2.Timer1_Timer"));
        QList<NumberedStep> forward;
        for (int i = 0; i < 30; ++i)
            forward << *stepper.next(trap, settings, 1920, 1080);
        for (int i = 28; i >= 10; --i)
            QCOMPARE(*stepper.previous(), forward[i]);
        for (int i = 11; i < 30; ++i)
            QCOMPARE(*stepper.next(trap, settings, 1920, 1080), forward[i]);
        // Past the last one shown, a new step with the next number.
        QCOMPARE(stepper.next(trap, settings, 1920, 1080)->number, 31);
        // A tick after stepping back replays too: resuming goes on from the step shown.
        stepper.previous();
        stepper.previous();
        QCOMPARE(stepper.tick(trap, settings, 1920, 1080).step, forward[29].step);
    }

    void historyKeepsTheLastThousandSteps_data() {
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("stepsBack");
        QTest::newRow("fewer than kept") << 10 << 9;
        QTest::newRow("exactly as many as kept") << 1000 << 999;
        QTest::newRow("more than kept") << 1500 << 999;
    }
    void historyKeepsTheLastThousandSteps() {
        QFETCH(int, shown);
        QFETCH(int, stepsBack);
        ColorSequencer sequencer;
        sequencer.palette = {A, B, C};
        FlashStepper stepper(sequencer);
        const FlashSettings settings = settingsOf(FlashOrder::Random, ColorMode::Solid);
        ErrorTrap trap(dialogs, QStringLiteral("Form2.Timer1_Timer"));
        for (int i = 0; i < shown; ++i)
            stepper.next(trap, settings, 1920, 1080);
        int back = 0;
        while (stepper.previous())
            ++back;
        QCOMPARE(back, stepsBack);
        QCOMPARE(stepper.shown()->number, shown - stepsBack);
    }

    void handStepsLeaveTheHintCount() {
        ColorSequencer sequencer;
        sequencer.palette = {A, B, C};
        FlashStepper stepper(sequencer);
        drive(stepper, settingsOf(FlashOrder::Cycle, ColorMode::Solid), "nnhpnt");
        QCOMPARE(sequencer.hintTicks, 1);
    }

    void anEmptyListShowsNothing_data() {
        QTest::addColumn<QString>("keys");
        QTest::newRow("next") << "n";
        QTest::newRow("home") << "h";
        QTest::newRow("previous") << "p";
    }
    void anEmptyListShowsNothing() {
        QFETCH(QString, keys);
        ColorSequencer sequencer;
        FlashStepper stepper(sequencer);
        QCOMPARE(drive(stepper, settingsOf(FlashOrder::Cycle, ColorMode::Solid), keys),
                 QStringList{"-"});
        QVERIFY(!stepper.shown());
    }

    void readoutTellsTheStep_data() {
        QTest::addColumn<FlashStep>("step");
        QTest::addColumn<std::optional<double>>("refreshRate");
        QTest::addColumn<QString>("text");
        QTest::newRow("solid") << FlashStep(SolidStep{A}) << std::optional<double>()
                               << "RGB(255, 0, 0), step 7";
        QTest::newRow("gradient") << FlashStep(GradientStep{B, C, {0, 0, 10, 10}, true})
                                  << std::optional<double>()
                                  << "RGB(0, 255, 0) to RGB(0, 0, 255), step 7";
        QTest::newRow("with the refresh rate")
            << FlashStep(SolidStep{rgb(1, 2, 3)}) << std::optional<double>(59.94)
            << "RGB(1, 2, 3), step 7, 59.94 Hz";
    }
    void readoutTellsTheStep() {
        QFETCH(FlashStep, step);
        QFETCH(std::optional<double>, refreshRate);
        QFETCH(QString, text);
        QCOMPARE(stepReadout(NumberedStep{step, 7}, refreshRate), text);
    }
};

CHROMAFLICK_CORE_TEST_MAIN(FlashStepperTest)
#include "tst_flashstepper.moc"
