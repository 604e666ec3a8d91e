#pragma once

#include <QList>
#include <QObject>
#include <QString>

class DBusInhibition;
class QWindow;
class WaylandIdleInhibitor;

// Keeps the screensaver and screen blanking away for as long as it is held, by every way the
// session offers at once: the compositor's idle-inhibit protocol on the held windows, the
// desktop portal, org.freedesktop.ScreenSaver and GNOME's session manager. Desktops serve
// different ones, and asking one that is absent costs nothing. Where none holds at the first
// hold, one line on stderr says that the screen may blank.
class ScreenSaverInhibitor : public QObject {
    Q_OBJECT
public:
    explicit ScreenSaverInhibitor(QObject* parent = nullptr);
    ~ScreenSaverInhibitor() override;

    void hold(const QString& reason, const QList<QWindow*>& windows = {});
    void release();

signals:
    // Every way has answered the first hold and none holds.
    void nothingHolds();

private:
    void answered(bool holds);

    WaylandIdleInhibitor* wayland_ = nullptr;
    QList<DBusInhibition*> services_;
    bool warned_ = false;
    bool anyHolds_ = false;
    int awaitedAnswers_ = 0;
};
