#pragma once

#include "core/patchflashwatch.h"
#include "ui/flashsource.h"

#include <QObject>
#include <chrono>
#include <memory>
#include <optional>

class Dialogs;
class FlashSession;
class FrameLogFile;
class PatchLink;
struct Patch;
struct StepShown;

// The full-screen window a calibration program drives: each patch it sends is shown as a step of
// a flash session, logged, and acknowledged to the program once the display has shown it. Grey
// while no program is there.
class PatchWindow : public QObject, public FlashSource {
    Q_OBJECT
public:
    // The screens are those the main flash would take; only the first is covered.
    PatchWindow(const FlashSource& screens, Dialogs& dialogs, std::unique_ptr<PatchLink> link);
    ~PatchWindow() override;

    void setDuration(std::optional<std::chrono::milliseconds> duration);
    void setLog(FrameLogFile* log);
    void open();
    // As Escape does, with the closing line.
    void close();
    FlashSession& session() const { return *session_; }

    QStringList colorEntries() const override { return {}; }
    FlashSettings flashSettings() const override;
    QList<QScreen*> flashScreens() const override;

signals:
    // Escape, or the end of the duration.
    void finished();

private:
    void show(const Patch& patch);
    void shown(const StepShown& row);
    void connectedChanged(bool connected);
    void tell(const QString& line) const;

    const FlashSource& screens_;
    std::unique_ptr<FlashSession> session_;
    std::unique_ptr<PatchLink> link_;
    PatchFlashWatch flashWatch_;
    bool awaitingShowing_ = false;
    bool roundingTold_ = false;
};
