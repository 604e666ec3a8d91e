#include "ui/appearance.h"

#include "platform/files.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

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

void applyDesignedLook(QWidget& form) {
    const QPalette system = QApplication::palette();
    form.setFont(designedFont(9));
    setBackground(form, Qt::white);
    for (QWidget* child : form.findChildren<QWidget*>()) {
        if (qobject_cast<QGroupBox*>(child) || qobject_cast<QRadioButton*>(child)) {
            setBackground(*child, Qt::white);
            QPalette palette = child->palette();
            palette.setColor(QPalette::WindowText, system.color(QPalette::ButtonText));
            child->setPalette(palette);
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
