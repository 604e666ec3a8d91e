#include "ui/boxplacement.h"

#include "core/boxgeometry.h"
#include "ui/desktoppixels.h"
#include "ui/form2.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

// Long enough to read the line after the last change.
constexpr int geometryLineMilliseconds = 1500;

bool onWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

BoxPlacement::BoxPlacement(Form2& box) : QObject(&box), box_(box) {
    line_ = new QLabel(&box);
    line_->setObjectName(QStringLiteral("GeometryLine"));
    line_->setAttribute(Qt::WA_TransparentForMouseEvents);
    line_->setAutoFillBackground(true);
    line_->setBackgroundRole(QPalette::Button);
    line_->setForegroundRole(QPalette::ButtonText);
    // Small enough for a box of a few dozen pixels.
    QFont small = line_->font();
    small.setPixelSize(9);
    small.setBold(false);
    line_->setFont(small);
    line_->hide();
    lineTimeout_ = new QTimer(this);
    lineTimeout_->setSingleShot(true);
    connect(lineTimeout_, &QTimer::timeout, this, [this] {
        line_->hide();
        box_.refresh();
    });
    box.installEventFilter(this);
}

QRect BoxPlacement::geometry() const {
    return desktopPixelsOf(box_.geometry(), box_.screen());
}

void BoxPlacement::place(const QRect& box) {
    box_.placeBox(box);
    tellGeometry();
    emit placedByHand(box);
}

void BoxPlacement::tellGeometry() {
    // Size and place on lines of their own, to fit a small box.
    QString text = boxGeometryText(geometry());
    text.insert(text.indexOf(u'+'), u'\n');
    line_->setText(text);
    line_->adjustSize();
    line_->move(0, 0);
    line_->show();
    box_.refresh();
    lineTimeout_->start(geometryLineMilliseconds);
}

bool BoxPlacement::keyPressed(int key, Qt::KeyboardModifiers modifiers) {
    const int step = modifiers & Qt::ShiftModifier ? 10 : 1;
    const QRect box = geometry();
    const bool arrow =
        key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
    // A Wayland client cannot move its window, only an overlay of its own.
    if (arrow && onWayland() && !box_.isOverlay())
        return false;
    switch (key) {
    case Qt::Key_Left:
        place(box.translated(-step, 0));
        return true;
    case Qt::Key_Right:
        place(box.translated(step, 0));
        return true;
    case Qt::Key_Up:
        place(box.translated(0, -step));
        return true;
    case Qt::Key_Down:
        place(box.translated(0, step));
        return true;
    case Qt::Key_Plus:
    case Qt::Key_Equal: // + without Shift
        place(box.adjusted(-1, -1, 1, 1));
        return true;
    case Qt::Key_Minus:
        // The smallest box keeps a pixel.
        if (box.width() > 2 && box.height() > 2)
            place(box.adjusted(1, 1, -1, -1));
        return true;
    default:
        return false;
    }
}

bool BoxPlacement::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &box_)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        return keyPressed(key->key(), key->modifiers());
    }
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            break;
        // A Wayland client cannot place its windows: the compositor moves it.
        if (onWayland() && !box_.isOverlay() && box_.windowHandle() &&
            box_.windowHandle()->startSystemMove())
            return true;
        grabbedAt_ = mouse->globalPosition().toPoint() - box_.pos();
        return true;
    }
    case QEvent::MouseMove:
        if (!grabbedAt_)
            break;
        {
            const QPoint at =
                static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - *grabbedAt_;
            box_.placeBox(desktopPixelsOf(QRect(at, box_.size()), box_.screen()));
            tellGeometry();
        }
        return true;
    case QEvent::MouseButtonRelease:
        if (!grabbedAt_ || static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            break;
        grabbedAt_.reset();
        tellGeometry();
        emit placedByHand(geometry());
        return true;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
