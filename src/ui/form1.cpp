#include "ui/form1.h"

#include "core/applicationtitle.h"
#include "core/boxgeometry.h"
#include "core/centring.h"
#include "core/dialogs.h"
#include "core/errortrap.h"
#include "core/failure.h"
#include "core/flashsafety.h"
#include "core/numbertext.h"
#include "core/randomint.h"
#include "core/settingsstore.h"
#include "core/storedlist.h"
#include "platform/appicon.h"
#include "platform/cursorfile.h"
#include "platform/files.h"
#include "platform/framelogfile.h"
#include "platform/timeofday.h"
#include "platform/waylandoverlaybox.h"
#include "ui/appearance.h"
#include "ui/colorlistmenu.h"
#include "ui/colorlistview.h"
#include "ui/desktoppixels.h"
#include "ui/enterclicks.h"
#include "ui/flashsession.h"
#include "ui/listcommands.h"
#include "ui/optionspanel.h"
#include "ui/pointerstate.h"
#include "ui/startmenu.h"
#include "ui/twips.h"
#include "ui/windowaccessibility.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <cmath>
#include <cstdio>
#include <utility>

namespace {

template <typename Control>
Control* place(QWidget* parent, const char* name, const QString& caption, QRect twips) {
    auto* control = new Control(caption, parent);
    control->setObjectName(QLatin1String(name));
    control->setGeometry(twips);
    return control;
}

} // namespace

void LoadColorList(ErrorTrap& trap, SettingsStore& store, ColorListView& list) {
    QString stored;
    trap.step(138, [&] { stored = store.ReadSetting(Keys::Colors); });
    if (trap.test(140, [&] { return stored.isEmpty(); })) {
        appendDefaultColors(trap, list, 142);
        return;
    }
    QStringList entries;
    trap.step(156, [&] { entries = splitStoredList(stored); });
    QStringList kept = entries.mid(0, MaxListEntries);
    trap.step(162, [&] { list.append(kept); });
    trap.step(164, [&] {
        if (entries.size() <= MaxListEntries)
            return;
        // The close stores only what was loaded; the rest must survive somewhere.
        const QString kept = store.keepCopy(QLatin1StringView(UncutCopySuffix));
        const QString cut =
            QCoreApplication::translate("ColorList", "The stored list holds %1 colors; only "
                                                     "the first %2 were loaded")
                .arg(entries.size())
                .arg(MaxListEntries);
        throw Failure(
            kept.isEmpty()
                ? QCoreApplication::translate("ColorList", "%1, and no copy of the whole list "
                                                           "could be kept")
                      .arg(cut)
                : QCoreApplication::translate("ColorList", "%1; the whole list was kept in %2")
                      .arg(cut, kept));
    });
}

bool SaveColorList(ErrorTrap& trap, SettingsStore& store, const ColorListView& list) {
    QString stored;
    QStringList entries;
    trap.step(102, [&] { entries = list.entries(); });
    trap.step(104, [&] { stored = joinStoredList(entries); });
    return trap.step(108, [&] { store.WriteSetting(Keys::Colors, stored); });
}

Form1::Form1(Dialogs& dialogs, SettingsStore& store, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      dialogs_(dialogs), store_(store) {
    presentWindowsAsFrames();
    compose();
    options_ =
        new OptionsPanel({delayField_, gradientFrame_, optionButtons_}, store_, dialogs_, this);
    commands_ = std::make_unique<ColorListCommands>(*listView1_, dialogs_);
    new ColorListMenu(*listView1_, dialogs_);
    pointer_ = new PointerState(*this);
    pointer_->watch(this, PointerState::Default);
    for (QGroupBox* frame : {delayFrame_, orderFrame_, colorModeFrame_, gradientFrame_})
        pointer_->watch(frame, PointerState::Default);
    pointer_->watch(listView1_, PointerState::Default);
    for (QPushButton* button : buttons())
        pointer_->watch(button, PointerState::Custom);

    store_.setTroubleTeller(
        [this](const QString& text) { dialogs_.warn(tr("Settings Not Kept"), text); });

    connect(addButton_, &QPushButton::clicked, this, [this] { commands_->PushButton1_Click(); });
    connect(startButton_, &QPushButton::clicked, this, &Form1::PushButton2_Click);
    startMenu_ = new StartMenu(*startButton_);
    connect(startMenu_, &StartMenu::startRequested, this,
            [this](ScreenChoice::Kind kind, QScreen* screen) { startFlashOn(kind, screen); });
    connect(startMenu_, &StartMenu::frameLockToggled, this, &Form1::setFrameLock);
    connect(startMenu_, &StartMenu::boxRequested, this, [this] { flashBoxes({lastBox()}); });
    connect(deleteButton_, &QPushButton::clicked, this, [this] { commands_->PushButton3_Click(); });
    connect(clearButton_, &QPushButton::clicked, this, [this] { commands_->PushButton4_Click(); });
    connect(defaultsButton_, &QPushButton::clicked, this,
            [this] { commands_->PushButton5_Click(); });
}

Form1::~Form1() = default;

std::array<QPushButton*, 5> Form1::buttons() const {
    return {addButton_, startButton_, deleteButton_, clearButton_, defaultsButton_};
}

void Form1::compose() {
    setObjectName(QStringLiteral("Form1"));
    setFixedSize(twipsToPixels(8040), twipsToPixels(8055));

    delayFrame_ = place<QGroupBox>(this, "Frame3", tr("Milliseconds Delay Between Each Color"),
                                   twipsRect(120, 120, 7800, 810));
    delayField_ = new QLineEdit(QLatin1String(DefaultDelayText), delayFrame_);
    delayField_->setObjectName(QStringLiteral("Text1"));
    delayField_->setGeometry(twipsRect(240, 300, 7320, 345));

    orderFrame_ =
        place<QGroupBox>(this, "Frame1", tr("Flash Option"), twipsRect(120, 990, 7800, 1065));
    optionButtons_[FlashOption::RandomOrder] = place<QRadioButton>(
        orderFrame_, "Option1", tr("Random color"), twipsRect(240, 300, 3375, 255));
    optionButtons_[FlashOption::CycleOrder] =
        place<QRadioButton>(orderFrame_, "Option2", tr("Cycle through all colors and repeat"),
                            twipsRect(240, 650, 3375, 255));
    colorModeFrame_ =
        place<QGroupBox>(this, "Frame2", tr("Color Option"), twipsRect(120, 2100, 7800, 1065));
    optionButtons_[FlashOption::SolidColors] = place<QRadioButton>(
        colorModeFrame_, "Option3", tr("Solid colors"), twipsRect(240, 300, 3375, 255));
    optionButtons_[FlashOption::GradientColors] =
        place<QRadioButton>(colorModeFrame_, "Option4", tr("Gradient colors (2 color spectrum)"),
                            twipsRect(240, 650, 3375, 255));
    gradientFrame_ =
        place<QGroupBox>(this, "Frame4", tr("Gradient Option"), twipsRect(120, 3210, 7800, 1065));
    optionButtons_[FlashOption::LeftToRight] = place<QRadioButton>(
        gradientFrame_, "Option5", tr("Left to right"), twipsRect(240, 300, 3375, 255));
    optionButtons_[FlashOption::UpAndDown] = place<QRadioButton>(
        gradientFrame_, "Option6", tr("Up and down"), twipsRect(240, 650, 3375, 255));
    for (FlashOption design :
         {FlashOption::RandomOrder, FlashOption::SolidColors, FlashOption::LeftToRight})
        optionButtons_[design]->setChecked(true);

    listView1_ = new ColorListView(this);
    listView1_->setObjectName(QStringLiteral("ListView1"));
    listView1_->setGeometry(twipsRect(120, 4380, 7800, 2055));

    addButton_ =
        place<QPushButton>(this, "PushButton1", tr("Add Color"), twipsRect(120, 6525, 3840, 405));
    deleteButton_ = place<QPushButton>(this, "PushButton3", tr("Delete Selected Color"),
                                       twipsRect(4080, 6525, 3840, 405));
    clearButton_ =
        place<QPushButton>(this, "PushButton4", tr("Clear List"), twipsRect(120, 7035, 3840, 405));
    defaultsButton_ = place<QPushButton>(this, "PushButton5", tr("Load Default Colors"),
                                         twipsRect(4080, 7035, 3840, 405));
    startButton_ =
        place<QPushButton>(this, "PushButton2", tr("Start Chromaflick (Press 'ESC' To Stop)"),
                           twipsRect(120, 7545, 7800, 405));
    auto* enterClicks = new EnterClicks(this);
    for (QPushButton* button : buttons()) {
        button->setAutoDefault(false);
        enterClicks->watch(button);
    }
    // A screen reader names the field after its frame, as a sighted user reads it.
    delayField_->setAccessibleName(delayFrame_->title());
    listView1_->setAccessibleName(tr("RGB Colors"));

    // Frames take no focus, so the chain holds the focusable controls in their designed order.
    const QList<QWidget*> tabOrder{delayField_,
                                   optionButtons_[FlashOption::RandomOrder],
                                   optionButtons_[FlashOption::CycleOrder],
                                   listView1_,
                                   addButton_,
                                   deleteButton_,
                                   clearButton_,
                                   defaultsButton_,
                                   startButton_,
                                   optionButtons_[FlashOption::GradientColors],
                                   optionButtons_[FlashOption::SolidColors],
                                   optionButtons_[FlashOption::LeftToRight],
                                   optionButtons_[FlashOption::UpAndDown]};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    applyDesignedLook(*this);
}

void Form1::load() {
    Form_Load();
    // Not one of the designed load steps: a stored value that is no boolean reads as off.
    frameLock_ = store_.ReadSetting(Keys::FrameLock) == QLatin1String("True");
    startMenu_->setFrameLock(frameLock_);
    loaded_ = true;
    if (std::exchange(closePending_, false))
        close();
}

void Form1::Form_Load() {
    ErrorTrap trap(dialogs_, QStringLiteral("Form1.Form_Load"));
    trap.step(100, [&] { ApplySkin(*this); });
    const QString cursorPath = programFolder() + QStringLiteral("/HAND-M.CUR");
    if (trap.test(104, [&] { return FileExists(cursorPath); }))
        trap.step(106, [&] { pointer_->setCustomCursor(loadCursorFile(cursorPath)); });
    trap.step(108, [&] { seedRandom(secondsSinceMidnight()); });
    trap.step(126, [&] {
        setWindowTitle(ProductName);
        setWindowIcon(applicationIcon());
        SetAppTitle();
    });
    trap.step(128, [&] { listView1_->addColumnHeader(tr("RGB Colors")); });
    trap.step(130, [&] { listView1_->setColumnWidth(0, twipsToPixels(7300)); });
    trap.step(132, [&] { options_->setDelayText(store_.ReadSetting(Keys::DelayText)); });
    const auto restoreOption = [&](int line, FlashOption option) {
        trap.step(line, [&] {
            options_->setSelected(option, textToBoolean(store_.ReadSetting(Keys::Options[option])));
        });
    };
    restoreOption(134, FlashOption::RandomOrder);
    restoreOption(136, FlashOption::CycleOrder);
    LoadColorList(trap, store_, *listView1_);
    restoreOption(166, FlashOption::SolidColors);
    restoreOption(168, FlashOption::GradientColors);
    restoreOption(170, FlashOption::LeftToRight);
    restoreOption(172, FlashOption::UpAndDown);
    // The rule the option clicks keep. One that cannot be evaluated counts as gradient mode, as
    // a failed test does.
    std::optional<bool> gradientEnabled = true;
    trap.step(174, [&] { gradientEnabled = options_->gradientFrameEnabled(); });
    if (gradientEnabled)
        trap.step(*gradientEnabled ? 176 : 180,
                  [&] { gradientFrame_->setEnabled(*gradientEnabled); });
}

void Form1::showCentred() {
    const QRect available = screen()->availableGeometry();
    move(available.center() - QPoint(width() / 2, height() / 2));
    show();
    // Without a window manager nobody else gives the new window the keyboard.
    activateWindow();
    delayField_->setFocus(Qt::TabFocusReason);
}

void Form1::showRunColors(const QStringList& entries) {
    listView1_->clear();
    listView1_->append(entries);
    runColors_ = listView1_->entries();
}

bool Form1::listIsToBeStored() {
    if (!runColors_)
        return true;
    if (listView1_->entries() == *runColors_)
        return false;
    // The user made a list of the palette; both it and the list stored before stay.
    if (!QFileInfo::exists(store_.fileName()))
        return true;
    const QString kept = store_.keepCopy(QLatin1StringView(BeforeColorsCopySuffix));
    if (kept.isEmpty()) {
        std::fprintf(stderr, "chromaflick: %s\n",
                     qPrintable(tr("the changed list was not stored: no copy of the stored list "
                                   "could be kept")));
        return false;
    }
    std::fprintf(stderr, "chromaflick: %s\n",
                 qPrintable(tr("the changed list was stored; the stored list it replaces was "
                               "kept in %1")
                                .arg(kept)));
    return true;
}

bool Form1::Form_QueryUnload() {
    ErrorTrap trap(dialogs_, QStringLiteral("Form1.Form_QueryUnload"));
    const bool stored = !listIsToBeStored() || SaveColorList(trap, store_, *listView1_);
    trap.step(110, [] { QCoreApplication::processEvents(); });
    trap.step(112, [] { QCoreApplication::processEvents(); });
    return stored;
}

void Form1::requestQuietClose() {
    dialogs_.endForGood();
    close();
}

void Form1::closeEvent(QCloseEvent* event) {
    if (!loaded_) {
        closePending_ = true;
        event->ignore();
        return;
    }
    event->accept();
    // The events processed while closing may ask for another close.
    if (closing_)
        return;
    closing_ = true;
    exitStatus_ = Form_QueryUnload() ? 0 : 1;
    // The program ends with it: a flash still open is closed as Escape closes it, summary and
    // last rows of the log included.
    for (FlashSession* session : sessions())
        session->close();
    unloaded_ = true;
    emit unloaded(exitStatus_);
}

void Form1::PushButton2_Click() {
    ErrorTrap trap(dialogs_, QStringLiteral("Form1.PushButton2_Click"));
    trap.step(100, [&] {
        // An open flash only comes to the front, whatever the list holds by now.
        if (flash_ && flash_->isVisible()) {
            flash_->showFlash();
            return;
        }
        if (!mayStartFlash())
            return;
        if (!flash_)
            flash_ = newFlashSession();
        flash_->showFlash();
    });
}

bool Form1::mayStartFlash() {
    // With no color there is nothing to flash; every tick would fail.
    if (listView1_->count() == 0) {
        dialogs_.inform(tr("The color list is empty. Add a color or load the default colors, "
                           "then start again."));
        return false;
    }
    if (!flashWarningAccepted_ && flashNeedsWarning()) {
        if (!dialogs_.confirmRisk(
                tr("Warning: these colors, changing this fast, flash more than three times a "
                   "second. Flashing like this can trigger seizures in people with photosensitive "
                   "epilepsy.\n\nStart the flash anyway?")))
            return false;
        flashWarningAccepted_ = true;
    }
    // Only now, so that a run that never flashes leaves an existing log as it was.
    if (frameLog_) {
        if (const QString problem = frameLog_->begin(); !problem.isEmpty()) {
            emit frameLogRefused(problem);
            return false;
        }
    }
    return true;
}

std::unique_ptr<FlashSession> Form1::newFlashSession() {
    auto session = std::make_unique<FlashSession>(*this, dialogs_);
    session->setDuration(flashDuration_);
    session->setHeldRefreshes(heldRefreshes_);
    session->setMarker(marker_);
    session->setLog(frameLog_);
    connect(session.get(), &FlashSession::stepShown, this, &Form1::stepShown);
    return session;
}

void Form1::flashBoxes(const QList<QRect>& boxes) {
    if (boxes_ && boxes_->isVisible()) {
        boxes_->showFlash();
        return;
    }
    if (boxes.isEmpty() || !mayStartFlash())
        return;
    if (!boxes_) {
        boxes_ = newFlashSession();
        connect(boxes_.get(), &FlashSession::boxPlaced, this, [this](const QRect& box) {
            store_.writeTellingTrouble(Keys::Box, boxGeometryText(box));
        });
    }
    store_.writeTellingTrouble(Keys::Box, boxGeometryText(boxes.last()));
    // On Wayland the boxes are one of two kinds, which place differently: the user should know
    // which.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")) &&
        !std::exchange(boxPlacingTold_, true)) {
        const QString told =
            WaylandOverlayBox::offered()
                ? tr("on Wayland the boxes are overlays at their exact places: drag a box or "
                     "click it and use the arrows to move it; + and - size it")
                : tr("on Wayland the compositor places the boxes: drag a box to move it; + and "
                     "- size it");
        std::fprintf(stderr, "chromaflick: %s\n", qPrintable(told));
    }
    boxes_->setBoxes(boxes);
    boxes_->showFlash();
}

QRect Form1::lastBox() const {
    const QRect here = desktopPixelsOf(screen()->geometry(), screen());
    const BoxGeometryReading stored = readBoxGeometry(store_.ReadSetting(Keys::Box));
    if (stored.geometry) {
        if (const BoxPlacing placing = placeBox(*stored.geometry, screensInDesktopPixels(), here);
            placing.box)
            return *placing.box;
    }
    return *placeBox({QSize(100, 100), std::nullopt}, {here}, here).box;
}

bool Form1::flashNeedsWarning() const {
    const QStringList entries = listView1_->entries();
    const QString delay = options_->delayText();
    // Held refreshes flash at the screen's pace, whatever the delay field says.
    const QList<QScreen*> screens = flashScreens();
    const double reported = screens.isEmpty() ? 0 : screens.first()->refreshRate();
    const double rate = reported > 0 ? reported : 60;
    if (heldRefreshes_)
        return needsFlashWarning(entries, *heldRefreshes_ * 1000.0 / rate);
    // The delay is judged under the lock too: the timer paces where the display offers no lock.
    return needsFlashWarning(entries, delay) ||
           (frameLock_ && needsLockedFlashWarning(entries, delay, rate));
}

QStringList Form1::colorEntries() const {
    return listView1_->entries();
}

FlashSettings Form1::flashSettings() const {
    return options_->settings();
}

void Form1::setFlashScreens(ScreenChoice::Kind kind, const QString& screenName) {
    screensKind_ = kind;
    chosenScreenName_ = screenName;
}

QList<FlashSession*> Form1::sessions() const {
    QList<FlashSession*> open;
    for (FlashSession* session : {flash_.get(), boxes_.get()}) {
        if (session)
            open << session;
    }
    return open;
}

void Form1::setFlashDuration(std::optional<std::chrono::milliseconds> duration) {
    flashDuration_ = duration;
    for (FlashSession* session : sessions())
        session->setDuration(duration);
}

void Form1::setHeldRefreshes(std::optional<int> refreshes) {
    heldRefreshes_ = refreshes;
    for (FlashSession* session : sessions())
        session->setHeldRefreshes(refreshes);
}

void Form1::setMarker(std::optional<PhotodiodeMarker> marker) {
    marker_ = marker;
    for (FlashSession* session : sessions())
        session->setMarker(marker);
}

void Form1::setFrameLog(FrameLogFile* log) {
    frameLog_ = log;
    for (FlashSession* session : sessions())
        session->setLog(log);
}

void Form1::setFrameLock(bool locked) {
    frameLock_ = locked;
    startMenu_->setFrameLock(locked);
    store_.writeTellingTrouble(Keys::FrameLock, locked);
}

void Form1::startFlash() {
    PushButton2_Click();
}

void Form1::startFlashOn(ScreenChoice::Kind kind, QScreen* screen) {
    // This once; the next plain Start opens where the run says.
    const ScreenChoice::Kind standingKind = std::exchange(screensKind_, kind);
    menuScreen_ = screen;
    PushButton2_Click();
    screensKind_ = standingKind;
    menuScreen_ = nullptr;
}

QList<QScreen*> Form1::flashScreens() const {
    switch (screensKind_) {
    case ScreenChoice::Kind::All:
        return QGuiApplication::screens();
    case ScreenChoice::Kind::One: {
        if (menuScreen_)
            return {menuScreen_.data()};
        if (chosenScreenName_.isEmpty())
            break;
        for (QScreen* candidate : QGuiApplication::screens()) {
            if (candidate->name() == chosenScreenName_) {
                absentScreenTold_ = false;
                return {candidate};
            }
        }
        // Unplugged: the main window's screen stands in until it is back.
        if (!std::exchange(absentScreenTold_, true)) {
            std::fprintf(stderr, "chromaflick: %s\n",
                         qPrintable(tr("the screen %1 is not there; flashing on the main "
                                       "window's screen")
                                        .arg(chosenScreenName_)));
        }
        break;
    }
    case ScreenChoice::Kind::MainWindowScreen:
        break;
    }
    return {screen()};
}
