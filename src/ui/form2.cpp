#include "ui/form2.h"

#include "core/colorentry.h"
#include "core/colorvalue.h"
#include "core/dialogs.h"
#include "core/errortrap.h"
#include "core/failure.h"
#include "core/gradientpainter.h"
#include "core/numbertext.h"
#include "core/storedlist.h"
#include "core/virtualkey.h"
#include "platform/appicon.h"
#include "platform/imagesurface.h"
#include "platform/screensaverinhibitor.h"
#include "ui/appearance.h"
#include "ui/flashsource.h"
#include "ui/windowaccessibility.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <string_view>

namespace {

bool isHideLetter(int keyCode) {
    switch (keyCode) {
    case VirtualKey::H:
    case VirtualKey::Numpad8:
    case VirtualKey::I:
    case VirtualKey::Numpad9:
    case VirtualKey::D:
    case VirtualKey::Numpad4:
    case VirtualKey::E:
    case VirtualKey::Numpad5:
        return true;
    default:
        return false;
    }
}

// The letter of a key on a US keyboard, from its XKB keycode (the evdev code + 8, as both X11
// and Wayland report it); None for a key that has no letter there.
int usLetterAt(quint32 keycode) {
    struct LetterRow {
        quint32 firstKeycode;
        std::string_view letters;
    };
    static constexpr LetterRow rows[] = {{24, "QWERTYUIOP"}, {38, "ASDFGHJKL"}, {52, "ZXCVBNM"}};
    for (const LetterRow& row : rows) {
        if (keycode >= row.firstKeycode && keycode - row.firstKeycode < row.letters.size())
            return VirtualKey::A + (row.letters[keycode - row.firstKeycode] - 'A');
    }
    return VirtualKey::None;
}

bool typesNonLatinLetter(const QKeyEvent& event) {
    const auto text = event.text().toUcs4();
    return !text.isEmpty() && QChar::isLetter(text.front()) &&
           QChar::script(text.front()) != QChar::Script_Latin;
}

} // namespace

Form2::Form2(const FlashSource& source, Dialogs& dialogs)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::Tool), source_(source),
      dialogs_(dialogs) {
    presentWindowsAsFrames();
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setFont(designedFont(9));
    setAccessibleName(tr("Chromaflick color flash"));
    setAccessibleDescription(
        tr("Press Escape to leave the flash. Type hide to hide the hint in the top left corner."));

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setTimerType(Qt::PreciseTimer);
    connect(timer1_, &QTimer::timeout, this, &Form2::Timer1_Timer);

    label1_ =
        new QLabel(tr("Press ESCape key to exit flash. Type 'hide' to hide this text."), this);
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
    screenSaver_->hold(tr("Flashing colors over the whole screen"));
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
            throw Failure(tr("%1 ms is no delay: it must be 0 or more").arg(delay));
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
    const QSize pixels = devicePixelSize();
    const ColorSequencer::Tick tick =
        sequencer_.tick(trap, source_.flashSettings(), pixels.width(), pixels.height());
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
        ImageSurface surface(gradientImage_);
        PaintGradient(surface, gradient->rectangle, gradient->firstColor, gradient->secondColor,
                      gradient->vertical);
    }
    shownStep_ = step;
    update();
}

QSize Form2::devicePixelSize() const {
    // Rounded as Qt sizes the window's surface: at a fractional scale the logical size times the
    // ratio falls short of the last column and row.
    return (QSizeF(size()) * devicePixelRatio()).toSize();
}

void Form2::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // In device pixels, so that the strips fall on whole pixels and reach the last ones.
    const qreal ratio = devicePixelRatio();
    painter.setTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    const QRect pixels(QPoint(0, 0), devicePixelSize());
    if (const auto* solid = std::get_if<SolidStep>(&shownStep_))
        painter.fillRect(pixels, colorToQColor(solid->color));
    else if (std::holds_alternative<GradientStep>(shownStep_))
        painter.drawImage(QPoint(0, 0), gradientImage_);
    else
        painter.fillRect(pixels, palette().color(QPalette::Button));
}

int Form2::virtualKeyCode(const QKeyEvent& event) {
    const int key = event.key();
    if ((event.modifiers() & Qt::KeypadModifier) && key >= Qt::Key_0 && key <= Qt::Key_9)
        return VirtualKey::Numpad0 + (key - Qt::Key_0);
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return VirtualKey::A + (key - Qt::Key_A);
    // In a layout without Latin letters a letter key is known by its place on a US keyboard, so
    // that "hide" can be typed in any layout.
    if (typesNonLatinLetter(event))
        return usLetterAt(event.nativeScanCode());
    switch (key) {
    case Qt::Key_Escape:
        return VirtualKey::Escape;
    case Qt::Key_Shift:
        return VirtualKey::Shift;
    case Qt::Key_Control:
        return VirtualKey::Control;
    case Qt::Key_Alt:
        return VirtualKey::Alt;
    case Qt::Key_Space:
        return VirtualKey::Space;
    default:
        if (key >= Qt::Key_0 && key <= Qt::Key_9)
            return VirtualKey::Digit0 + (key - Qt::Key_0);
        return VirtualKey::None;
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
    case VirtualKey::Escape:
        trap.step(108, [&] { close(); });
        break;
    case VirtualKey::H:
    case VirtualKey::Numpad8:
        advance(112, 0);
        break;
    case VirtualKey::I:
    case VirtualKey::Numpad9:
        advance(120, 1);
        break;
    case VirtualKey::D:
    case VirtualKey::Numpad4:
        advance(128, 2);
        break;
    case VirtualKey::E:
    case VirtualKey::Numpad5:
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
