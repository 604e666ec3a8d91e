#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <memory>

class QWindow;
class WaylandGlobals;
struct wl_surface;

// An object of a compositor's protocol that sits on each held window's surface. Qt makes a new
// surface each time a window is shown again, and one may come at the address of the last, so the
// object is dropped at every hide and made again on the surface of the next exposure.
class WaylandSurfaceExtension : public QObject {
    Q_OBJECT
public:
    explicit WaylandSurfaceExtension(QObject* parent = nullptr);
    ~WaylandSurfaceExtension() override;

    void hold(const QList<QWindow*>& windows);
    void release();

protected:
    WaylandGlobals& globals() const { return *globals_; }
    // The object on this surface, or null; and its end. A subclass that makes objects calls
    // release() in its own destructor.
    virtual void* attach(wl_surface* surface) = 0;
    virtual void detach(void* object) = 0;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Held {
        QPointer<QWindow> window;
        wl_surface* surface = nullptr;
        void* object = nullptr;
    };
    void follow(Held& held);
    void drop(Held& held);

    std::unique_ptr<WaylandGlobals> globals_;
    QList<Held> held_;
};
