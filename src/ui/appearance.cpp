#include "ui/appearance.h"

#include "platform/files.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>
#include <QStyleOption>

QFont designedFont(qreal pointSize) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Bold);
    return font;
}

namespace {

void setBackground(QWidget& widget, const QColor& color) {
    QPalette palette = widget.palette();
    palette.setColor(widget.backgroundRole(), color);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

bool takesSkinColor(const QWidget* widget) {
    return qobject_cast<const QRadioButton*>(widget) || qobject_cast<const QCheckBox*>(widget) ||
           qobject_cast<const QGroupBox*>(widget) || qobject_cast<const QLabel*>(widget);
}

} // namespace

namespace {

// The style draws a frame from a shaded picture; the design's frames are filled with their own
// background inside (white, or the button face under the skin), with a plain border.
class PlainFrameStyle final : public QProxyStyle {
public:
    explicit PlainFrameStyle(QObject* owner)
        : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {
        setParent(owner);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element != PE_FrameGroupBox) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setPen(option->palette.color(QPalette::Mid));
        painter->setBrush(option->palette.color(QPalette::Window));
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }
};

} // namespace

void applyDesignedLook(QWidget& form) {
    const QPalette system = QApplication::palette();
    form.setFont(designedFont(9));
    auto* frameStyle = new PlainFrameStyle(&form);
    setBackground(form, Qt::white);
    for (QWidget* child : form.findChildren<QWidget*>()) {
        if (qobject_cast<QGroupBox*>(child) || qobject_cast<QRadioButton*>(child)) {
            setBackground(*child, Qt::white);
            QPalette palette = child->palette();
            palette.setColor(QPalette::WindowText, system.color(QPalette::ButtonText));
            palette.setColor(QPalette::Button, Qt::white);
            child->setPalette(palette);
            if (qobject_cast<QGroupBox*>(child))
                child->setStyle(frameStyle);
        } else if (auto* button = qobject_cast<QPushButton*>(child)) {
            QPalette palette = button->palette();
            palette.setColor(QPalette::Button, Qt::white);
            palette.setColor(QPalette::ButtonText, system.color(QPalette::ButtonText));
            button->setPalette(palette);
            button->setFont(designedFont(11.25));
        }
    }
}

void ApplySkin(QWidget& form) {
    if (!isVisibleFile(programFolder() + QStringLiteral("/x/o.cjs")))
        return;
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    setBackground(form, buttonFace);
    for (QWidget* child : form.findChildren<QWidget*>()) {
        if (takesSkinColor(child))
            setBackground(*child, buttonFace);
    }
}
