#pragma once

#include <QMetaObject>
#include <QObject>
#include <functional>

class QSocketNotifier;
class WaylandGlobals;

// Reads a queue of our own as its events come, with no polling: on the socket's notice, and
// before the event loop sleeps, since Qt's own reader may take our events off the socket first
// and only wake the loop for its own.
class WaylandIncoming : public QObject {
public:
    // afterRead runs once what the socket held is read and dispatched.
    WaylandIncoming(WaylandGlobals& globals, std::function<void()> afterRead, QObject* parent);
    void setEnabled(bool enabled);
    // Reads and dispatches what has come, as on the socket's notice.
    void read();

private:
    WaylandGlobals& globals_;
    std::function<void()> afterRead_;
    QSocketNotifier* notifier_;
    QMetaObject::Connection beforeSleep_;
};
