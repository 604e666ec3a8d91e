#pragma once

#include "core/framelog.h"
#include "core/onestepperrefresh.h"

#include <QList>
#include <QObject>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class Form2;
class QTimer;
class StepPresenter;

// The steps of a flash held to the refreshes of each window's screen: a presenter for every
// window, the rows of the steps in flight until their screen reports them, and the rows held
// until no later step can have replaced them within the same refresh. The first window's screen
// sets the pace: its room for a step is the flash's.
class FrameLock : public QObject {
    Q_OBJECT
public:
    explicit FrameLock(QObject* parent = nullptr);
    ~FrameLock() override;

    // How the lock reaches a window's screen; the platform's own mechanism unless replaced.
    using PresenterFactory = std::function<std::unique_ptr<StepPresenter>(Form2&)>;
    void setPresenterFactory(PresenterFactory factory);

    // A presenter for every window, the first window's first; false, with none kept, where the
    // display offers none, and then why, where known.
    bool provide(const QList<Form2*>& views, QString& refusal);
    // Every presenter holds each step this many refreshes from now on, and shows its window's
    // picture as it is; false, with none kept, where one cannot.
    bool begin(int heldRefreshes);
    // Every step still in flight or held is decided, as unconfirmed where nothing reported it.
    void end();

    bool isLocked() const { return !presenters_.empty(); }
    // The first screen's refresh rate, or this window's, as the display reports it.
    double refreshRate(std::size_t view = 0) const;
    bool hasRoom() const;
    // Whether the presenters put the pictures on the screens, so that Qt does not paint them.
    bool drawsItself() const;

    // Every window's picture as a step: one row a window, in the order given to provide(). A
    // window whose screen cannot follow the first one's misses the step, decided at once.
    void present(std::uint64_t serial, std::vector<StepShown> rows);
    // Every window's picture now, outside the log.
    void presentUnlogged();
    // The next step of every screen on its next refresh, not on the slot planned for it.
    void restart();

signals:
    // Room for another step on the first screen.
    void ready();
    // A row whose showing is known, and that no later step of the same refresh replaced.
    void decided(std::size_t view, const StepShown& row);
    // A step on the first screen, the moment the display reports it shown: before its row.
    void shownFirst(const StepShown& row);
    // This window's display leaves steps unreported.
    void unreported(std::size_t view);
    // A presenter broke down; the lock stays until end().
    void failed(const QString& reason);

private:
    void recordPresented(std::size_t view, std::uint64_t serial, const StepShown& when);
    // The rows held whose refresh is over; all of them at the end.
    void recordHeld(bool all);
    void clear();

    PresenterFactory presenterFactory_;
    QList<Form2*> views_;
    std::vector<std::unique_ptr<StepPresenter>> presenters_;
    // Per window: the rows of the steps in flight, by serial, until the display reports them.
    std::vector<std::map<std::uint64_t, StepShown>> inFlight_;
    std::vector<OneStepPerRefresh> reported_;
    QTimer* heldRows_ = nullptr;
};
