#include "platform/waylandincoming.h"

#include "platform/waylandglobals.h"

#include <QAbstractEventDispatcher>
#include <QSocketNotifier>

WaylandIncoming::WaylandIncoming(WaylandGlobals& globals, std::function<void()> afterRead,
                                 QObject* parent)
    : QObject(parent), globals_(globals), afterRead_(std::move(afterRead)),
      notifier_(new QSocketNotifier(globals.fileDescriptor(), QSocketNotifier::Read, this)) {
    notifier_->setEnabled(false);
    connect(notifier_, &QSocketNotifier::activated, this, &WaylandIncoming::read);
}

void WaylandIncoming::setEnabled(bool enabled) {
    notifier_->setEnabled(enabled);
    disconnect(beforeSleep_);
    if (enabled)
        if (QAbstractEventDispatcher* loop = QAbstractEventDispatcher::instance())
            beforeSleep_ = connect(loop, &QAbstractEventDispatcher::aboutToBlock, this,
                                   [this] { globals_.dispatchPending(); });
}

void WaylandIncoming::read() {
    globals_.readAvailable();
    if (afterRead_)
        afterRead_();
}
