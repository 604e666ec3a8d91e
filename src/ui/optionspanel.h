#pragma once

#include "core/flashoption.h"
#include "core/flashsettings.h"

#include <QObject>
#include <optional>

class Dialogs;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class SettingsStore;

struct OptionControls {
    QLineEdit* delayField;
    QGroupBox* gradientFrame;
    PerFlashOption<QRadioButton*> buttons;
};

// The flash options of the main window. The controls are the state: the panel stores each change
// at once and keeps no copy.
class OptionsPanel : public QObject {
    Q_OBJECT
public:
    OptionsPanel(const OptionControls& controls, SettingsStore& store, Dialogs& dialogs,
                 QObject* parent = nullptr);

    bool isSelected(FlashOption option) const;
    // Selecting a button acts as a click on it; clearing one runs nothing and may leave its group
    // without a selection.
    void setSelected(FlashOption option, bool selected);

    QString delayText() const;
    // The options as the flash reads them.
    FlashSettings settings() const;
    void setDelayText(const QString& text);

    // The gradient frame is enabled in gradient mode, disabled in solid mode, left alone with
    // neither: whether it is to be enabled, or nothing when it is left alone.
    std::optional<bool> gradientFrameEnabled() const;
    void applyGradientFrameRule();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Text1_Change();
    void Text1_GotFocus();
    void Text1_LostFocus();
    void storePair(FlashOption option);
    void optionSelected(FlashOption option);

    OptionControls controls_;
    SettingsStore& store_;
    Dialogs& dialogs_;
    bool checkingDelay_ = false;
};
