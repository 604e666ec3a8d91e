#include "ui/form2.h"

#include "core/colorentry.h"
#include "core/dialogs.h"
#include "core/errortrap.h"
#include "core/failure.h"
#include "core/gradientpainter.h"
#include "core/numbertext.h"
#include "core/storedlist.h"
#include "platform/appicon.h"
#include "platform/imagesurface.h"
#include "platform/screensaverinhibitor.h"
#include "ui/appearance.h"
#include "ui/flashsource.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace {

const QString hintText =
    QStringLiteral("Press ESCape key to exit flash. Type 'hide' to hide this text.");

QColor toQColor(std::int32_t color) {
    const ColorComponents c = ColorToComponents(color);
    return QColor(c.red, c.green, c.blue);
}

bool isHideLetter(int keyCode) {
    switch (keyCode) {
    case 72:
    case 104:
    case 73:
    case 105:
    case 68:
    case 100:
    case 69:
    case 101:
        return true;
    default:
        return false;
    }
}

} // namespace

Form2::Form2(const FlashSource& source, Dialogs& dialogs)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::Tool), source_(source),
      dialogs_(dialogs) {
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setFont(designedFont(9));

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setTimerType(Qt::PreciseTimer);
    connect(timer1_, &QTimer::timeout, this, &Form2::Timer1_Timer);

    label1_ = new QLabel(hintText, this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setAttribute(Qt::WA_TransparentForMouseEvents);

    screenSaver_ = new ScreenSaverInhibitor(this);
}

Form2::~Form2() = default;

void Form2::showFlash() {
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    // The hint comes back at its design size at every opening.
    label1_->setGeometry(0, 0, 0, 0);
    label1_->adjustSize();
    label1_->show();
    shownStep_ = std::monostate{};
    Form_Load();
    QScreen* screen = source_.flashScreen();
    if (screen) {
        setScreen(screen);
        setGeometry(screen->geometry());
    }
    showFullScreen();
    screenSaver_->hold(QStringLiteral("Flashing colors over the whole screen"));
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
}

void Form2::Form_Load() {
    ErrorTrap trap(dialogs_, QStringLiteral("Form2.Form_Load"));
    trap.step(100, [&] { setWindowIcon(applicationIcon()); });
    QStringList entries;
    trap.step(102, [&] {
        entries = source_.colorEntries().mid(0, MaxListEntries);
        sequencer_.palette.assign(static_cast<std::size_t>(entries.size()), 0);
    });
    for (qsizetype i = 0; i < entries.size(); ++i) {
        trap.step(110, [&] {
            sequencer_.palette[static_cast<std::size_t>(i)] = ParseColorEntry(entries[i]);
        });
    }
    trap.step(114, [&] { sequencer_.firstIndex = 0; });
    trap.step(116, [&] { sequencer_.secondIndex = 1; });
    timer1_->stop();
    timer1_->setInterval(0);
    trap.step(118, [&] {
        const std::int16_t delay = textToInt16(source_.flashSettings().delayText);
        if (delay < 0)
            throw Failure(QStringLiteral("%1 ms is no delay: it must be 0 or more").arg(delay));
        timer1_->setInterval(delay);
    });
    // An interval of 0 never ticks.
    trap.step(120, [&] {
        if (timer1_->interval() > 0)
            timer1_->start();
    });
    trap.step(122, [&] { hideProgress_ = 0; });
}

int Form2::timerInterval() const {
    return timer1_->interval();
}

bool Form2::timerRunning() const {
    return timer1_->isActive();
}

void Form2::Timer1_Timer() {
    // A report box waiting for its OK would otherwise be followed by one more at every tick.
    if (dialogs_.isShowingBox())
        return;
    ErrorTrap trap(dialogs_, QStringLiteral("Form2.Timer1_Timer"));
    const qreal ratio = devicePixelRatio();
    const ColorSequencer::Tick tick =
        sequencer_.tick(trap, source_.flashSettings(), static_cast<std::int32_t>(width() * ratio),
                        static_cast<std::int32_t>(height() * ratio));
    if (tick.hintTimeUp)
        label1_->setVisible(false);
    if (!std::holds_alternative<std::monostate>(tick.step))
        trap.step(170, [&] { paintStep(tick.step); });
    emit ticked();
}

void Form2::paintStep(const FlashStep& step) {
    if (const auto* gradient = std::get_if<GradientStep>(&step)) {
        const QSize pixels(gradient->rectangle.right, gradient->rectangle.bottom);
        if (gradientImage_.size() != pixels)
            gradientImage_ = QImage(pixels, QImage::Format_RGB32);
        gradientImage_.setDevicePixelRatio(devicePixelRatio());
        ImageSurface surface(gradientImage_);
        PaintGradient(surface, gradient->rectangle, gradient->firstColor, gradient->secondColor,
                      gradient->vertical);
    }
    shownStep_ = step;
    update();
}

void Form2::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (const auto* solid = std::get_if<SolidStep>(&shownStep_))
        painter.fillRect(rect(), toQColor(solid->color));
    else if (std::holds_alternative<GradientStep>(shownStep_))
        painter.drawImage(QPoint(0, 0), gradientImage_);
    else
        painter.fillRect(rect(), palette().color(QPalette::Button));
}

int Form2::virtualKeyCode(const QKeyEvent& event) {
    const int key = event.key();
    if ((event.modifiers() & Qt::KeypadModifier) && key >= Qt::Key_0 && key <= Qt::Key_9)
        return 96 + (key - Qt::Key_0);
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return key;
    switch (key) {
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Space:
        return 32;
    default:
        if (key >= Qt::Key_0 && key <= Qt::Key_9)
            return key;
        return 0;
    }
}

void Form2::keyPressEvent(QKeyEvent* event) {
    Form_KeyDown(virtualKeyCode(*event));
}

void Form2::Form_KeyDown(int keyCode) {
    ErrorTrap trap(dialogs_, QStringLiteral("Form2.Form_KeyDown"));
    if (trap.test(100, [&] { return !isHideLetter(keyCode); }))
        trap.step(102, [&] { hideProgress_ = 0; });
    const auto advance = [&](int line, int from) {
        if (trap.test(line, [&] { return hideProgress_ == from; }))
            trap.step(line + 2, [&] { hideProgress_ = from + 1; });
        else
            trap.step(line + 4, [&] { hideProgress_ = 0; });
    };
    switch (keyCode) {
    case 27:
        trap.step(108, [&] { close(); });
        break;
    case 72:
    case 104:
        advance(112, 0);
        break;
    case 73:
    case 105:
        advance(120, 1);
        break;
    case 68:
    case 100:
        advance(128, 2);
        break;
    case 69:
    case 101:
        if (trap.test(136, [&] { return hideProgress_ == 3; })) {
            hideHint(trap);
            trap.step(164, [&] { hideProgress_ = 0; });
        }
        break;
    default:
        break;
    }
}

void Form2::hideHint(ErrorTrap& trap) {
    if (!trap.test(156, [&] { return label1_->width() != 0 && label1_->height() != 0; }))
        return;
    if (!trap.test(158, [&] { return !(windowState() & Qt::WindowMinimized); }))
        return;
    trap.step(160, [&] { label1_->resize(0, label1_->height()); });
    trap.step(162, [&] { label1_->resize(label1_->width(), 0); });
}

void Form2::closeEvent(QCloseEvent* event) {
    timer1_->stop();
    screenSaver_->release();
    QWidget::closeEvent(event);
}
