#pragma once

#include "core/flashoption.h"
#include "core/framelog.h"
#include "core/photodiodemarker.h"
#include "core/screenchoice.h"
#include "ui/flashsource.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <chrono>
#include <memory>
#include <optional>

class ColorListCommands;
class ColorListView;
class Dialogs;
class ErrorTrap;
class FlashSession;
class FrameLogFile;
class StartMenu;
class OptionsPanel;
class PointerState;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class SettingsStore;

// The main window: it composes the controls that hold the user's color list and options,
// restores them at load and stores the list when it closes. Closing it ends the program.
class Form1 : public QWidget, public FlashSource {
    Q_OBJECT
public:
    Form1(Dialogs& dialogs, SettingsStore& store, QWidget* parent = nullptr);
    ~Form1() override;

    // Runs the load handler; a close asked for meanwhile happens once the list is whole.
    void load();
    // Closes the window for a signal or the session's logout: every open box goes, nothing waits
    // on a user, and a failure to store the list goes to stderr.
    void requestQuietClose();
    // Whether the window has closed and the program is to end, and with which status.
    bool hasUnloaded() const { return unloaded_; }
    int exitStatus() const { return exitStatus_; }
    // Shows the window centred on its screen, as the program does after loading it.
    void showCentred();

    ColorListView& ListView1() const { return *listView1_; }
    OptionsPanel& options() const { return *options_; }
    PointerState& pointer() const { return *pointer_; }
    // The flash, once the start button has made it.
    FlashSession* flashSession() const { return flash_.get(); }

    // Where every flash of this run opens; the main window's screen by default. The screen of
    // One is looked for by name at each start, so one unplugged and plugged back still serves.
    void setFlashScreens(ScreenChoice::Kind kind, const QString& screenName = QString());
    // The list shows these colors for this run. The stored list stays as it was unless the user
    // changes the list; then the changed list is stored and the stored one kept aside.
    void showRunColors(const QStringList& entries);
    // How long every flash of this run lasts; until Escape when unset.
    void setFlashDuration(std::optional<std::chrono::milliseconds> duration);
    // Every flash of this run holds each tick this many refreshes; the delay and the lock paced
    // it when unset.
    void setHeldRefreshes(std::optional<int> refreshes);
    void setMarker(std::optional<PhotodiodeMarker> marker);
    // Where every flash of this run writes what it showed; none when null.
    void setFrameLog(FrameLogFile* log);
    // The start menu's "Lock to Display Refresh", stored as it changes.
    void setFrameLock(bool locked);
    // Starts the flash as the start button does, on the screens set for the run or on these.
    void startFlash();
    void startFlashOn(ScreenChoice::Kind kind, QScreen* screen = nullptr);
    // Flashing boxes at these places of the desktop, in its pixels, checked as Start checks a
    // flash; the last one is remembered as the menu's next box.
    void flashBoxes(const QList<QRect>& boxes);
    // The boxes, once a first one has opened.
    FlashSession* boxSession() const { return boxes_.get(); }

    QStringList colorEntries() const override;
    FlashSettings flashSettings() const override;
    QList<QScreen*> flashScreens() const override;
    bool frameLock() const override { return frameLock_; }

signals:
    // The program ends here (Form_Unload): status 0, or 1 when the list could not be stored.
    void unloaded(int exitStatus);
    // A flash's display showed a step, or reports it never did.
    void stepShown(const StepShown& shown);
    // The log could not be made as the run's first flash was to open, and the flash did not.
    void frameLogRefused(const QString& problem);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void compose();
    void Form_Load();
    bool Form_QueryUnload();
    bool listIsToBeStored();
    void PushButton2_Click();
    // Whether a flash may open now: there are colors, and the warning was accepted if needed.
    bool mayStartFlash();
    std::unique_ptr<FlashSession> newFlashSession();
    // The full-screen flash and the boxes, those made so far.
    QList<FlashSession*> sessions() const;
    // The remembered box where it still fits the desktop; else 100x100 in the middle of this
    // window's screen.
    QRect lastBox() const;
    std::array<QPushButton*, 5> buttons() const;

    Dialogs& dialogs_;
    SettingsStore& store_;
    // The designed controls; their object names are the designed ones (Frame1, Text1, ...).
    QGroupBox* delayFrame_ = nullptr;             // Frame3
    QLineEdit* delayField_ = nullptr;             // Text1
    QGroupBox* orderFrame_ = nullptr;             // Frame1
    QGroupBox* colorModeFrame_ = nullptr;         // Frame2
    QGroupBox* gradientFrame_ = nullptr;          // Frame4
    PerFlashOption<QRadioButton*> optionButtons_; // Option1 .. Option6
    ColorListView* listView1_ = nullptr;
    QPushButton* addButton_ = nullptr;      // PushButton1
    QPushButton* startButton_ = nullptr;    // PushButton2
    QPushButton* deleteButton_ = nullptr;   // PushButton3
    QPushButton* clearButton_ = nullptr;    // PushButton4
    QPushButton* defaultsButton_ = nullptr; // PushButton5
    OptionsPanel* options_ = nullptr;
    PointerState* pointer_ = nullptr;
    std::unique_ptr<ColorListCommands> commands_;
    std::unique_ptr<FlashSession> flash_;
    std::unique_ptr<FlashSession> boxes_;
    ScreenChoice::Kind screensKind_ = ScreenChoice::Kind::MainWindowScreen;
    QString chosenScreenName_;
    // A screen the start menu chose for one start.
    QPointer<QScreen> menuScreen_;
    mutable bool absentScreenTold_ = false;
    std::optional<QStringList> runColors_;
    std::optional<std::chrono::milliseconds> flashDuration_;
    std::optional<int> heldRefreshes_;
    // Judged by what the flash will show: held refreshes at the screen's rate, and the delay
    // both as the timer paces it and as the lock rounds it to refreshes.
    bool flashNeedsWarning() const;
    std::optional<PhotodiodeMarker> marker_;
    FrameLogFile* frameLog_ = nullptr;
    bool frameLock_ = false;
    StartMenu* startMenu_ = nullptr;
    // Until the list is loaded a close waits, so that a partial list is never stored.
    bool loaded_ = false;
    bool closePending_ = false;
    bool closing_ = false;
    bool unloaded_ = false;
    int exitStatus_ = 0;
    // Asked once per run, before the first fast and bright flash.
    bool flashWarningAccepted_ = false;
    bool boxPlacingTold_ = false;
};

// Restores the list from the store (steps 138..164 of the main window's load), or the default
// list when nothing is stored.
void LoadColorList(ErrorTrap& trap, SettingsStore& store, ColorListView& list);

// Stores the list (steps 100..108 of the main window's close request); whether it was stored.
bool SaveColorList(ErrorTrap& trap, SettingsStore& store, const ColorListView& list);
