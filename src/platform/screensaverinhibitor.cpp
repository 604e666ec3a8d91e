#include "platform/screensaverinhibitor.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

const QString service = QStringLiteral("org.freedesktop.ScreenSaver");
const QString path = QStringLiteral("/org/freedesktop/ScreenSaver");

QDBusMessage call(const QString& method, const QVariantList& arguments) {
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, service, method);
    message.setArguments(arguments);
    return message;
}

} // namespace

ScreenSaverInhibitor::ScreenSaverInhibitor(QObject* parent) : QObject(parent) {}

ScreenSaverInhibitor::~ScreenSaverInhibitor() {
    release();
}

void ScreenSaverInhibitor::hold(const QString& reason) {
    if (wanted_)
        return;
    wanted_ = true;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    auto* watcher = new QDBusPendingCallWatcher(
        bus.asyncCall(call(QStringLiteral("Inhibit"), {QStringLiteral("Chromaflick"), reason})),
        this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                const QDBusPendingReply<uint> reply = *finished;
                if (reply.isError())
                    return;
                // Released while the answer was on its way.
                if (!wanted_)
                    unInhibit(reply.value());
                else
                    cookie_ = reply.value();
            });
}

void ScreenSaverInhibitor::release() {
    wanted_ = false;
    if (cookie_)
        unInhibit(*cookie_);
    cookie_.reset();
}

void ScreenSaverInhibitor::unInhibit(uint cookie) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected())
        bus.asyncCall(call(QStringLiteral("UnInhibit"), {cookie}));
}
