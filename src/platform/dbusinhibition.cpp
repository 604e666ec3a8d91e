#include "platform/dbusinhibition.h"

#include <QDBusConnection>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

DBusInhibition::DBusInhibition(InhibitCall inhibit, ReleaseCall release, QObject* parent)
    : QObject(parent), inhibit_(std::move(inhibit)), release_(std::move(release)) {}

DBusInhibition::~DBusInhibition() {
    release();
}

void DBusInhibition::hold(const QString& reason) {
    if (wanted_)
        return;
    wanted_ = true;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        emit answered(false);
        return;
    }
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(inhibit_(reason)), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                const QDBusMessage reply = finished->reply();
                const bool holds =
                    reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty();
                if (holds) {
                    // Released while the answer was on its way.
                    if (!wanted_)
                        releaseToken(reply.arguments().constFirst());
                    else
                        token_ = reply.arguments().constFirst();
                }
                emit answered(holds);
            });
}

void DBusInhibition::release() {
    wanted_ = false;
    if (token_)
        releaseToken(*token_);
    token_.reset();
}

void DBusInhibition::releaseToken(const QVariant& token) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected())
        bus.asyncCall(release_(token));
}
