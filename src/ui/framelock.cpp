#include "ui/framelock.h"

#include "platform/clockmicroseconds.h"
#include "platform/steppresenter.h"
#include "ui/form2.h"

#include <QPointer>
#include <QTimer>
#include <algorithm>

FrameLock::FrameLock(QObject* parent) : QObject(parent) {
    heldRows_ = new QTimer(this);
    heldRows_->setSingleShot(true);
    connect(heldRows_, &QTimer::timeout, this, [this] { recordHeld(false); });
}

FrameLock::~FrameLock() = default;

void FrameLock::setPresenterFactory(PresenterFactory factory) {
    presenterFactory_ = std::move(factory);
}

bool FrameLock::provide(const QList<Form2*>& views, QString& refusal) {
    clear();
    for (Form2* view : views) {
        std::unique_ptr<StepPresenter> presenter =
            presenterFactory_ ? presenterFactory_(*view) : createStepPresenter(*view, refusal);
        if (!presenter) {
            clear();
            return false;
        }
        presenters_.push_back(std::move(presenter));
    }
    views_ = views;
    return isLocked();
}

double FrameLock::refreshRate(std::size_t view) const {
    return view < presenters_.size() ? presenters_[view]->refreshRate() : 0;
}

bool FrameLock::begin(int heldRefreshes) {
    for (const std::unique_ptr<StepPresenter>& presenter : presenters_) {
        if (!presenter->begin(heldRefreshes)) {
            clear();
            return false;
        }
    }
    inFlight_.assign(presenters_.size(), {});
    reported_.assign(presenters_.size(), {});
    for (std::size_t i = 0; i < presenters_.size(); ++i) {
        Form2& view = *views_[qsizetype(i)];
        StepPresenter& presenter = *presenters_[i];
        view.setPresented(presenter.drawsItself());
        connect(&presenter, &StepPresenter::shown, this,
                [this, i](std::uint64_t serial, const StepShown& when) {
                    recordPresented(i, serial, when);
                });
        connect(&presenter, &StepPresenter::unreported, this, [this, i] { emit unreported(i); });
        connect(&view, &Form2::exposed, &presenter, &StepPresenter::presentAgain);
        // Queued, as the presenter that tells it is still on the stack; from a presenter since
        // ended, it is no news.
        connect(
            &presenter, &StepPresenter::failed, this,
            [this, from = QPointer<StepPresenter>(&presenter)](const QString& reason) {
                if (from)
                    emit failed(reason);
            },
            Qt::QueuedConnection);
        // The picture before the first step, as the window shows it without the lock.
        presenter.present(view.picture(), UnloggedPicture);
    }
    connect(presenters_.front().get(), &StepPresenter::ready, this, &FrameLock::ready);
    return true;
}

void FrameLock::end() {
    // A presenter ending tells what it still knows of the steps in flight.
    for (const std::unique_ptr<StepPresenter>& presenter : presenters_)
        presenter->end();
    recordHeld(true);
    for (std::size_t view = 0; view < inFlight_.size(); ++view) {
        for (auto& [serial, row] : std::exchange(inFlight_[view], {})) {
            row.unconfirmed = true;
            emit decided(view, row);
        }
    }
    for (Form2* view : views_)
        view->setPresented(false);
    clear();
}

void FrameLock::clear() {
    presenters_.clear();
    views_.clear();
    inFlight_.clear();
    reported_.clear();
    heldRows_->stop();
}

bool FrameLock::hasRoom() const {
    return isLocked() && presenters_.front()->hasRoom();
}

bool FrameLock::drawsItself() const {
    return isLocked() && presenters_.front()->drawsItself();
}

void FrameLock::present(std::uint64_t serial, std::vector<StepShown> rows) {
    for (std::size_t i = 0; i < presenters_.size() && i < rows.size(); ++i) {
        StepShown& row = rows[i];
        // The first screen sets the pace; one that cannot follow it misses the step rather than
        // queueing without end.
        if (i > 0 && !presenters_[i]->keepsUp()) {
            row.skipped = true;
            row.shownUs = monotonicMicroseconds();
            emit decided(i, row);
            continue;
        }
        inFlight_[i][serial] = row;
        // Windows of one screen count the same refreshes: boxes there change together.
        const std::optional<std::uint64_t> leaderSlot =
            i > 0 && views_[qsizetype(i)]->screen() == views_.front()->screen()
                ? presenters_[0]->lastSlot()
                : std::nullopt;
        if (leaderSlot)
            presenters_[i]->presentOn(views_[qsizetype(i)]->picture(), serial, *leaderSlot);
        else
            presenters_[i]->present(views_[qsizetype(i)]->picture(), serial);
    }
}

void FrameLock::presentUnlogged() {
    for (std::size_t i = 0; i < presenters_.size(); ++i)
        presenters_[i]->present(views_[qsizetype(i)]->picture(), UnloggedPicture);
}

void FrameLock::restart() {
    for (const std::unique_ptr<StepPresenter>& presenter : presenters_)
        presenter->restart();
}

void FrameLock::recordPresented(std::size_t view, std::uint64_t serial, const StepShown& when) {
    if (view >= inFlight_.size())
        return;
    const auto found = inFlight_[view].find(serial);
    // The opening picture and a picture shown again after an uncovering are no steps.
    if (found == inFlight_[view].end())
        return;
    StepShown row = found->second;
    inFlight_[view].erase(found);
    row.targetMsc = when.targetMsc;
    row.shownMsc = when.shownMsc;
    row.shownUs = when.shownUs;
    row.missed = when.missed;
    row.skipped = when.skipped;
    row.unconfirmed = when.unconfirmed;
    if (view == 0 && !row.skipped && !row.unconfirmed)
        emit shownFirst(row);
    for (const StepShown& decidedRow : reported_[view].add(row))
        emit decided(view, decidedRow);
    recordHeld(false);
}

void FrameLock::recordHeld(bool all) {
    const auto refreshUs = [this](std::size_t view) {
        const double rate = refreshRate(view);
        return std::int64_t(1e6 / (rate > 0 ? rate : 60));
    };
    const std::int64_t now = monotonicMicroseconds();
    std::optional<std::int64_t> next;
    for (std::size_t view = 0; view < reported_.size() && view < presenters_.size(); ++view) {
        for (const StepShown& held :
             reported_[view].takeHeld(all ? std::nullopt : std::optional(now), refreshUs(view)))
            emit decided(view, held);
        if (const std::optional<std::int64_t> until = reported_[view].heldUntilUs(refreshUs(view)))
            next = std::min(next.value_or(*until), *until);
    }
    if (next)
        heldRows_->start(int(std::max<std::int64_t>(*next - now, 0) / 1000) + 1);
    else
        heldRows_->stop();
}
