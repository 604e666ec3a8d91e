#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <memory>

class QWindow;
class WaylandGlobals;
struct zwp_idle_inhibit_manager_v1;
struct zwp_idle_inhibitor_v1;
struct wl_surface;

// Keeps the compositor from going idle while any of the held windows is shown, through the
// idle-inhibit protocol on each window's surface. Qt makes a new surface each time a window is
// shown again, so every exposure checks that the inhibitor sits on the current one.
class WaylandIdleInhibitor : public QObject {
    Q_OBJECT
public:
    explicit WaylandIdleInhibitor(QObject* parent = nullptr);
    ~WaylandIdleInhibitor() override;

    // Whether the compositor offers the protocol.
    bool available() const { return manager_ != nullptr; }
    void hold(const QList<QWindow*>& windows);
    void release();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Held {
        QPointer<QWindow> window;
        wl_surface* surface = nullptr;
        zwp_idle_inhibitor_v1* inhibitor = nullptr;
    };
    void inhibit(Held& held);
    static void destroy(Held& held);

    std::unique_ptr<WaylandGlobals> globals_;
    zwp_idle_inhibit_manager_v1* manager_ = nullptr;
    QList<Held> held_;
};
