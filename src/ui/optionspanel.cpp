#include "ui/optionspanel.h"

#include "core/dialogs.h"
#include "core/numbertext.h"
#include "core/settingsstore.h"

#include <QFocusEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

OptionsPanel::OptionsPanel(const OptionControls& controls, SettingsStore& store, Dialogs& dialogs,
                           QObject* parent)
    : QObject(parent), controls_(controls), store_(store), dialogs_(dialogs) {
    for (int option = 1; option <= 6; ++option) {
        connect(controls_.options[option - 1], &QRadioButton::toggled, this,
                [this, option](bool checked) {
                    if (checked)
                        optionSelected(option);
                });
    }
    connect(controls_.text1, &QLineEdit::textChanged, this, &OptionsPanel::Text1_Change);
    controls_.text1->installEventFilter(this);
}

bool OptionsPanel::isSelected(int option) const {
    return controls_.options[option - 1]->isChecked();
}

void OptionsPanel::setSelected(int option, bool selected) {
    QRadioButton* button = controls_.options[option - 1];
    if (button->isChecked() == selected)
        return;
    if (selected) {
        button->setChecked(true);
        return;
    }
    // An exclusive button cannot be cleared, so the group is left without a selection this way.
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(true);
}

QString OptionsPanel::delayText() const {
    return controls_.text1->text();
}

FlashSettings OptionsPanel::settings() const {
    // Either button of a group, or neither.
    const auto chosen = [this](int first, auto firstValue, auto secondValue) {
        using Value = decltype(firstValue);
        if (isSelected(first))
            return std::optional<Value>(firstValue);
        if (isSelected(first + 1))
            return std::optional<Value>(secondValue);
        return std::optional<Value>();
    };
    return {chosen(1, FlashOrder::Random, FlashOrder::Cycle),
            chosen(3, ColorMode::Solid, ColorMode::Gradient),
            chosen(5, GradientDirection::LeftToRight, GradientDirection::UpAndDown), delayText()};
}

void OptionsPanel::setDelayText(const QString& text) {
    controls_.text1->setText(text);
}

void OptionsPanel::applyGradientFrameRule() {
    if (isSelected(4))
        controls_.frame4->setEnabled(true);
    else if (isSelected(3))
        controls_.frame4->setEnabled(false);
}

void OptionsPanel::optionSelected(int option) {
    switch (option) {
    case 1:
        return Option1_Click();
    case 2:
        return Option2_Click();
    case 3:
        return Option3_Click();
    case 4:
        return Option4_Click();
    case 5:
        return Option5_Click();
    default:
        return Option6_Click();
    }
}

void OptionsPanel::storeGroup(int firstOption) {
    store_.writeTellingTrouble(Keys::Options[firstOption - 1], isSelected(firstOption),
                               Keys::Options[firstOption], isSelected(firstOption + 1));
}

void OptionsPanel::Option3_Click() {
    storeGroup(3);
    applyGradientFrameRule();
}

void OptionsPanel::Text1_Change() {
    store_.writeTellingTrouble(Keys::Text1, delayText());
}

void OptionsPanel::Text1_GotFocus() {
    QLineEdit* text1 = controls_.text1;
    text1->setSelection(0, static_cast<int>(text1->text().size()));
    // A mouse press that brought the focus would place the cursor after this; select again then.
    QTimer::singleShot(0, text1, [text1] {
        if (text1->hasFocus())
            text1->selectAll();
    });
}

void OptionsPanel::Text1_LostFocus() {
    if (checkingDelay_ || isNumericText(delayText()))
        return;
    checkingDelay_ = true;
    dialogs_.inform(tr("Must be a numerical value."));
    setDelayText(QLatin1String(DefaultDelayText));
    checkingDelay_ = false;
}

bool OptionsPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == controls_.text1) {
        if (event->type() == QEvent::FocusIn) {
            Text1_GotFocus();
        } else if (event->type() == QEvent::FocusOut) {
            // Switching to another window or opening a menu is no leaving of the field.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                Text1_LostFocus();
        }
    }
    return QObject::eventFilter(watched, event);
}
