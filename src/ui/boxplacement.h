#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <optional>

class QLabel;
class QTimer;
class Form2;

// Puts a flashing box over a pixel: the left button drags it, the arrows move it one pixel (ten
// with Shift), + and - grow and shrink it by two about its middle, so that the pixel stays under
// it. While it changes, and a moment after, a line inside tells its geometry.
class BoxPlacement : public QObject {
    Q_OBJECT
public:
    explicit BoxPlacement(Form2& box);

    // The box in desktop pixels.
    QRect geometry() const;
    QLabel& geometryLine() const { return *line_; }

signals:
    // Moved or sized by the user; in desktop pixels.
    void placedByHand(const QRect& box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPressed(int key, Qt::KeyboardModifiers modifiers);
    void place(const QRect& box);
    void tellGeometry();

    Form2& box_;
    QLabel* line_ = nullptr;
    QTimer* lineTimeout_ = nullptr;
    std::optional<QPoint> grabbedAt_; // where the pointer holds the box, while it drags it
};
