#include "ui/form2.h"

#include "core/colorvalue.h"
#include "core/flashkeys.h"
#include "core/gradientpainter.h"
#include "core/patchpainter.h"
#include "core/stepcolors.h"
#include "core/virtualkey.h"
#include "platform/devicepixelsize.h"
#include "platform/imagesurface.h"
#include "platform/paintersurface.h"
#include "platform/storechoice.h"
#include "platform/waylandoverlaybox.h"
#include "platform/x11windowstate.h"
#include "ui/appearance.h"
#include "ui/desktoppixels.h"
#include "ui/windowaccessibility.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <cmath>
#include <string_view>

namespace {

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

// What the background of a step shows, as far as a cycle repeats it: a patch is left out, as a
// calibration program seldom shows one twice.
QByteArray likenessOf(const FlashStep& step, std::int32_t face,
                      const std::optional<PhotodiodeMarker>& marker, int markerStep) {
    QByteArray likeness;
    if (const auto* gradient = std::get_if<GradientStep>(&step))
        likeness = "gradient " + QByteArray::number(gradient->firstColor) + ' ' +
                   QByteArray::number(gradient->secondColor) + ' ' +
                   QByteArray::number(int(gradient->vertical));
    else if (const auto* solid = std::get_if<SolidStep>(&step))
        likeness = "solid " + QByteArray::number(solid->color);
    else if (std::holds_alternative<std::monostate>(step))
        likeness = "face " + QByteArray::number(face);
    else
        return {};
    if (marker)
        likeness += " marker " + QByteArray::number(int(marker->corner)) + ' ' +
                    QByteArray::number(marker->size) + ' ' +
                    QByteArray::number(markerColor(markerStep));
    return likeness;
}

} // namespace

Form2::Form2() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::Tool) {
    presentWindowsAsFrames();
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setFont(designedFont(9));
    setAccessibleName(tr("Chromaflick color flash"));
    // Window lists name it as screen readers do.
    setWindowTitle(accessibleName());
    setAccessibleDescription(flashKeysText());

    label1_ =
        new QLabel(tr("Press ESCape key to exit flash. Type 'hide' to hide this text."), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setAttribute(Qt::WA_TransparentForMouseEvents);

    // In the hint's font, on a plate of the window's face, so that it reads over any color; at
    // the bottom, out of the hint's way.
    readout_ = new QLabel(this);
    readout_->setObjectName(QStringLiteral("Readout"));
    readout_->setAttribute(Qt::WA_TransparentForMouseEvents);
    readout_->setAutoFillBackground(true);
    readout_->setBackgroundRole(QPalette::Button);
    readout_->setForegroundRole(QPalette::ButtonText);
    readout_->setContentsMargins(4, 2, 4, 2);
    readout_->hide();
}

Form2::~Form2() = default;

void Form2::cover(QScreen* screen) {
    if (screen) {
        setScreen(screen);
        setGeometry(screen->geometry());
    }
    showFullScreen();
}

void Form2::showAsBox(const QRect& box) {
    label1_->hide();
    setScreen(screenOfBox(box));
    // Where the compositor has layers, a box need not be a toplevel it places by itself.
    if (!overlay_ && (overlay_ = WaylandOverlayBox::create(*this)))
        connect(overlay_.get(), &WaylandOverlayBox::closed, this, &QWidget::close);
    if (overlay_) {
        placeBox(box);
        refresh();
        return;
    }
    setWindowFlag(Qt::WindowStaysOnTopHint);
    placeBox(box);
    winId();
    keepAboveAndOutOfTaskbar(*windowHandle());
    show();
    raise();
}

void Form2::placeBox(const QRect& box) {
    const QRect geometry = windowGeometryOf(box);
    // Of a fixed size, so that a tiling compositor floats it instead of filling a tile with it.
    setFixedSize(geometry.size());
    move(geometry.topLeft());
    if (overlay_) {
        const QRect screenArea = screen()->geometry();
        overlay_->place(screen(), geometry.translated(-screenArea.topLeft()));
    }
}

void Form2::refresh() {
    if (overlay_)
        overlay_->draw(picture());
    else if (!presented_)
        update();
}

int Form2::leftClearOfMarker(bool top) const {
    using Corner = PhotodiodeMarker::Corner;
    if (!marker_ || marker_->corner != (top ? Corner::TopLeft : Corner::BottomLeft))
        return 0;
    return int(std::ceil(marker_->size / devicePixelRatio()));
}

void Form2::resetForOpening() {
    // A text over the marker would darken the light sensor's square.
    label1_->setGeometry(leftClearOfMarker(true), 0, 0, 0);
    label1_->adjustSize();
    label1_->show();
    showReadout(QString());
    shownStep_ = std::monostate{};
}

void Form2::showStep(const FlashStep& step) {
    shownStep_ = step;
    if (auto* gradient = std::get_if<GradientStep>(&shownStep_)) {
        // Each screen shows the whole gradient over its own size.
        const QSize pixels = devicePixelSize();
        gradient->rectangle = PixelRect{0, 0, pixels.width(), pixels.height()};
    }
    // Painted when Qt paints the window: under a presenter it never does.
    gradientImageStale_ = true;
    refresh();
}

void Form2::paintGradientImage(const GradientStep& gradient) {
    const QSize pixels = devicePixelSize();
    if (gradientImage_.size() != pixels)
        gradientImage_ = QImage(pixels, QImage::Format_RGB32);
    ImageSurface surface(gradientImage_, stores_);
    PaintGradient(surface, PixelRect{0, 0, pixels.width(), pixels.height()}, gradient.firstColor,
                  gradient.secondColor, gradient.vertical);
    gradientImageStale_ = false;
}

void Form2::setMarkerStep(int step) {
    const bool changes = marker_ && step % 2 != markerStep_ % 2;
    markerStep_ = step;
    if (changes)
        refresh();
}

void Form2::showReadout(const QString& text) {
    readout_->setText(text);
    readout_->setVisible(!text.isEmpty());
    // A screen reader hears the change of the window's description, the step first.
    setAccessibleDescription(text.isEmpty() ? flashKeysText() : text + u'\n' + flashKeysText());
    placeReadout();
}

void Form2::placeReadout() {
    readout_->adjustSize();
    readout_->move(leftClearOfMarker(false), height() - readout_->height());
}

void Form2::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // Timed here, once for each size, rather than in the middle of a step.
    stores_ = measuredStoresFor(devicePixelSize());
    gradientImageStale_ = true;
    placeReadout();
}

QSize Form2::devicePixelSize() const {
    return devicePixelSizeOf(size(), devicePixelRatio());
}

std::pair<std::int32_t, std::optional<std::int32_t>> Form2::shownColors() const {
    return stepColors(shownStep_, colorFromQColor(palette().color(QPalette::Button)));
}

FlashPicture Form2::picture() const {
    FlashPicture picture;
    const FlashStep step = shownStep_;
    const std::int32_t face = colorFromQColor(palette().color(QPalette::Button));
    picture.background = [step, face, marker = marker_,
                          markerStep = markerStep_](DrawingSurface& surface, QSize pixels) {
        const PixelRect whole{0, 0, pixels.width(), pixels.height()};
        if (const auto* gradient = std::get_if<GradientStep>(&step))
            PaintGradient(surface, whole, gradient->firstColor, gradient->secondColor,
                          gradient->vertical);
        else if (const auto* solid = std::get_if<SolidStep>(&step))
            surface.fillRect(whole, solid->color);
        else if (const auto* patch = std::get_if<PatchStep>(&step))
            paintPatch(surface, whole, *patch);
        else
            surface.fillRect(whole, face);
        // In the step's own picture, so that it changes on the very refresh the step does.
        if (marker)
            surface.fillRect(markerRect(*marker, pixels.width(), pixels.height()),
                             markerColor(markerStep));
    };
    // The labels have no background: the step's own pixels lie under their text, drawn for the
    // label's area alone.
    const QSize pixels = devicePixelSize();
    // Every line laid over the step: the hint, the readout, and any a box shows.
    for (const QLabel* label : findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label->isHidden() || label->width() <= 0 || label->height() <= 0)
            continue;
        const qreal ratio = devicePixelRatio();
        const QRect area = QRect(QPoint(qRound(label->x() * ratio), qRound(label->y() * ratio)),
                                 devicePixelSizeOf(label->size(), ratio))
                               .intersected(QRect(QPoint(0, 0), pixels));
        if (area.isEmpty())
            continue;
        QImage image(area.size(), QImage::Format_RGB32);
        {
            const auto bytes = std::size_t(area.width()) * std::size_t(area.height()) * 4;
            ImageSurface surface(image, pixelStoresFor(bytes), area.topLeft());
            picture.background(surface, pixels);
        }
        image.setDevicePixelRatio(ratio);
        QPainter painter(&image);
        painter.setFont(label->font());
        painter.setPen(label->palette().color(QPalette::WindowText));
        painter.drawText(QRect(QPoint(0, 0), label->size()), int(label->alignment()),
                         label->text());
        painter.end();
        picture.overlays.push_back({area.topLeft(), image});
    }
    if (picture.overlays.empty())
        picture.likeness = likenessOf(step, face, marker_, markerStep_);
    return picture;
}

void Form2::setPresented(bool presented) {
    presented_ = presented;
    // Qt's own paint and flush would overwrite what the presenter put on the screen.
    setAttribute(Qt::WA_PaintOnScreen, presented);
    setAttribute(Qt::WA_NoSystemBackground, presented);
    if (QWindow* window = windowHandle()) {
        if (presented)
            window->installEventFilter(this);
        else
            window->removeEventFilter(this);
    }
}

QPaintEngine* Form2::paintEngine() const {
    return presented_ ? nullptr : QWidget::paintEngine();
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    // Only the windowing system's expose means pixels were lost; a widget's repaint does not.
    if (presented_ && watched == windowHandle() && event->type() == QEvent::Expose)
        emit exposed();
    return QWidget::eventFilter(watched, event);
}

void Form2::paintEvent(QPaintEvent*) {
    if (presented_)
        return;
    QPainter painter(this);
    // In device pixels, so that the strips fall on whole pixels and reach the last ones.
    const qreal ratio = devicePixelRatio();
    painter.setTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    const QRect pixels(QPoint(0, 0), devicePixelSize());
    if (const auto* solid = std::get_if<SolidStep>(&shownStep_))
        painter.fillRect(pixels, colorToQColor(solid->color));
    else if (const auto* gradient = std::get_if<GradientStep>(&shownStep_)) {
        if (gradientImageStale_ || gradientImage_.size() != pixels.size())
            paintGradientImage(*gradient);
        painter.drawImage(QPoint(0, 0), gradientImage_);
    } else if (const auto* patch = std::get_if<PatchStep>(&shownStep_)) {
        PainterSurface surface(painter);
        paintPatch(surface, PixelRect{0, 0, pixels.width(), pixels.height()}, *patch);
    } else
        painter.fillRect(pixels, palette().color(QPalette::Button));
    if (marker_) {
        const PixelRect square = markerRect(*marker_, pixels.width(), pixels.height());
        painter.fillRect(
            QRect(QPoint(square.left, square.top), QPoint(square.right - 1, square.bottom - 1)),
            colorToQColor(markerColor(markerStep_)));
    }
    // Once Qt has flushed this paint to the screen.
    QMetaObject::invokeMethod(this, &Form2::painted, Qt::QueuedConnection);
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
    case Qt::Key_PageUp:
        return VirtualKey::PageUp;
    case Qt::Key_PageDown:
        return VirtualKey::PageDown;
    case Qt::Key_Home:
        return VirtualKey::Home;
    case Qt::Key_Left:
        return VirtualKey::Left;
    case Qt::Key_Right:
        return VirtualKey::Right;
    default:
        if (key >= Qt::Key_0 && key <= Qt::Key_9)
            return VirtualKey::Digit0 + (key - Qt::Key_0);
        return VirtualKey::None;
    }
}

void Form2::keyPressEvent(QKeyEvent* event) {
    emit keyDown(virtualKeyCode(*event));
}

void Form2::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    // The close may come from within the overlay's own event handling.
    if (overlay_)
        overlay_.release()->deleteLater();
    emit closed();
}
