#include "platform/screensaverinhibitor.h"

#include "platform/dbusinhibition.h"
#include "platform/waylandidleinhibitor.h"

#include <QDBusObjectPath>
#include <QVariantMap>
#include <cstdio>

namespace {

const QString application = QStringLiteral("Chromaflick");
// The idle bit of the portal's and GNOME's inhibit flags.
constexpr uint idleFlag = 8;

QDBusMessage call(const QString& service, const QString& path, const QString& interface,
                  const QString& method, const QVariantList& arguments) {
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    return message;
}

DBusInhibition* freedesktopScreenSaver(QObject* parent) {
    static const QString name = QStringLiteral("org.freedesktop.ScreenSaver");
    static const QString path = QStringLiteral("/org/freedesktop/ScreenSaver");
    return new DBusInhibition(
        [](const QString& reason) {
            return call(name, path, name, QStringLiteral("Inhibit"), {application, reason});
        },
        [](const QVariant& cookie) {
            return call(name, path, name, QStringLiteral("UnInhibit"), {cookie});
        },
        parent);
}

DBusInhibition* gnomeSessionManager(QObject* parent) {
    static const QString name = QStringLiteral("org.gnome.SessionManager");
    static const QString path = QStringLiteral("/org/gnome/SessionManager");
    return new DBusInhibition(
        [](const QString& reason) {
            return call(name, path, name, QStringLiteral("Inhibit"),
                        {application, uint(0), reason, idleFlag});
        },
        [](const QVariant& cookie) {
            return call(name, path, name, QStringLiteral("Uninhibit"), {cookie});
        },
        parent);
}

// The portal answers with a request object; closing it ends the inhibition.
DBusInhibition* desktopPortal(QObject* parent) {
    return new DBusInhibition(
        [](const QString& reason) {
            return call(QStringLiteral("org.freedesktop.portal.Desktop"),
                        QStringLiteral("/org/freedesktop/portal/desktop"),
                        QStringLiteral("org.freedesktop.portal.Inhibit"), QStringLiteral("Inhibit"),
                        {QString(), idleFlag, QVariantMap{{QStringLiteral("reason"), reason}}});
        },
        [](const QVariant& request) {
            return call(QStringLiteral("org.freedesktop.portal.Desktop"),
                        request.value<QDBusObjectPath>().path(),
                        QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Close"),
                        {});
        },
        parent);
}

} // namespace

ScreenSaverInhibitor::ScreenSaverInhibitor(QObject* parent)
    : QObject(parent),
      wayland_(new WaylandIdleInhibitor(this)), services_{desktopPortal(this),
                                                          freedesktopScreenSaver(this),
                                                          gnomeSessionManager(this)} {
    for (DBusInhibition* service : services_)
        connect(service, &DBusInhibition::answered, this, &ScreenSaverInhibitor::answered);
}

ScreenSaverInhibitor::~ScreenSaverInhibitor() {
    release();
}

void ScreenSaverInhibitor::hold(const QString& reason, const QList<QWindow*>& windows) {
    wayland_->hold(windows);
    if (wayland_->available())
        anyHolds_ = true;
    if (!warned_ && awaitedAnswers_ == 0 && !anyHolds_)
        awaitedAnswers_ = int(services_.size());
    for (DBusInhibition* service : services_)
        service->hold(reason);
}

void ScreenSaverInhibitor::release() {
    wayland_->release();
    for (DBusInhibition* service : services_)
        service->release();
}

void ScreenSaverInhibitor::answered(bool holds) {
    anyHolds_ = anyHolds_ || holds;
    if (awaitedAnswers_ == 0 || --awaitedAnswers_ > 0 || anyHolds_ || warned_)
        return;
    warned_ = true;
    std::fprintf(stderr, "chromaflick: %s\n",
                 qPrintable(tr("the screen may blank during the flash: nothing on this desktop "
                               "keeps it awake")));
    emit nothingHolds();
}
