#pragma once

#include "core/flashsettings.h"

#include <QObject>
#include <array>

class Dialogs;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class SettingsStore;

struct OptionControls {
    QLineEdit* text1;
    QGroupBox* frame4;
    std::array<QRadioButton*, 6> options; // Option1 .. Option6
};

// The flash options of the main window. The controls are the state: the panel stores each change
// at once and keeps no copy. Options are numbered 1..6 as their buttons; 1/2, 3/4 and 5/6 are the
// groups flash order, color mode and gradient direction.
class OptionsPanel : public QObject {
    Q_OBJECT
public:
    OptionsPanel(const OptionControls& controls, SettingsStore& store, Dialogs& dialogs,
                 QObject* parent = nullptr);

    bool isSelected(int option) const;
    // Selecting a button acts as a click on it; clearing one runs nothing and may leave its group
    // without a selection.
    void setSelected(int option, bool selected);

    QString delayText() const;
    // The options as the flash reads them.
    FlashSettings settings() const;
    void setDelayText(const QString& text);

    // Frame4 is enabled in gradient mode, disabled in solid mode, left alone with neither.
    void applyGradientFrameRule();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Option1_Click() { storeGroup(1); }
    void Option2_Click() { storeGroup(1); }
    void Option3_Click();
    void Option4_Click() { Option3_Click(); }
    void Option5_Click() { storeGroup(5); }
    void Option6_Click() { storeGroup(5); }
    void Text1_Change();
    void Text1_GotFocus();
    void Text1_LostFocus();
    void storeGroup(int firstOption);
    void optionSelected(int option);

    OptionControls controls_;
    SettingsStore& store_;
    Dialogs& dialogs_;
    bool checkingDelay_ = false;
};
