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
    for (FlashOption option : AllFlashOptions) {
        connect(controls_.buttons[option], &QRadioButton::toggled, this,
                [this, option](bool checked) {
                    if (checked)
                        optionSelected(option);
                });
    }
    connect(controls_.delayField, &QLineEdit::textChanged, this, &OptionsPanel::Text1_Change);
    controls_.delayField->installEventFilter(this);
}

bool OptionsPanel::isSelected(FlashOption option) const {
    return controls_.buttons[option]->isChecked();
}

void OptionsPanel::setSelected(FlashOption option, bool selected) {
    QRadioButton* button = controls_.buttons[option];
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
    return controls_.delayField->text();
}

FlashSettings OptionsPanel::settings() const {
    // Either button of a pair, or neither.
    const auto chosen = [this](FlashOption first, auto firstValue, auto secondValue) {
        using Value = decltype(firstValue);
        if (isSelected(first))
            return std::optional<Value>(firstValue);
        if (isSelected(partnerOf(first)))
            return std::optional<Value>(secondValue);
        return std::optional<Value>();
    };
    return {chosen(FlashOption::RandomOrder, FlashOrder::Random, FlashOrder::Cycle),
            chosen(FlashOption::SolidColors, ColorMode::Solid, ColorMode::Gradient),
            chosen(FlashOption::LeftToRight, GradientDirection::LeftToRight,
                   GradientDirection::UpAndDown),
            delayText()};
}

void OptionsPanel::setDelayText(const QString& text) {
    controls_.delayField->setText(text);
}

std::optional<bool> OptionsPanel::gradientFrameEnabled() const {
    if (isSelected(FlashOption::GradientColors))
        return true;
    if (isSelected(FlashOption::SolidColors))
        return false;
    return std::nullopt;
}

void OptionsPanel::applyGradientFrameRule() {
    if (const std::optional<bool> enabled = gradientFrameEnabled())
        controls_.gradientFrame->setEnabled(*enabled);
}

void OptionsPanel::optionSelected(FlashOption option) {
    storePair(option);
    if (firstOfPair(option) == FlashOption::SolidColors)
        applyGradientFrameRule();
}

void OptionsPanel::storePair(FlashOption option) {
    const FlashOption first = firstOfPair(option);
    const FlashOption second = partnerOf(first);
    store_.writeTellingTrouble(Keys::Options[first], isSelected(first), Keys::Options[second],
                               isSelected(second));
}

void OptionsPanel::Text1_Change() {
    store_.writeTellingTrouble(Keys::DelayText, delayText());
}

void OptionsPanel::Text1_GotFocus() {
    QLineEdit* field = controls_.delayField;
    field->setSelection(0, static_cast<int>(field->text().size()));
    // A mouse press that brought the focus would place the cursor after this; select again then.
    QTimer::singleShot(0, field, [field] {
        if (field->hasFocus())
            field->selectAll();
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
    if (watched == controls_.delayField) {
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
