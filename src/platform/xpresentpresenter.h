#pragma once

#include "core/stepschedule.h"
#include "platform/steppresenter.h"
#include "platform/xcbdrawablesurface.h"

#include <QPointer>
#include <QSize>
#include <map>
#include <optional>
#include <xcb/present.h>
#include <xcb/xcb.h>

class QSocketNotifier;
class QTimer;

// Steps put on an X window with the Present extension, each on the refresh counter value chosen
// for it, over a connection of its own: Present's events go only to the client that asked for
// them, so Qt's event loop never sees them, while the window's id is the same on every connection.
class XPresentPresenter final : public StepPresenter {
    Q_OBJECT
public:
    // None where the server lacks Present or the window's pixels are of a kind not handled, and
    // then why, where the window is on X.
    static std::unique_ptr<XPresentPresenter> create(QWindow& window, QString& refusal);
    ~XPresentPresenter() override;

    bool begin(int heldRefreshes) override;
    void end() override;
    void present(const FlashPicture& picture, std::uint64_t serial) override;
    std::optional<std::uint64_t> lastSlot() const override;
    void presentOn(const FlashPicture& picture, std::uint64_t serial, std::uint64_t slot) override;
    void restart() override;
    void presentAgain() override;
    bool hasRoom() const override;
    bool keepsUp() const override;
    double refreshRate() const override;

private:
    struct Pixmap {
        xcb_pixmap_t id = 0;
        QSize size;
        bool busy = false;
        QByteArray likeness;     // of the picture it holds
        std::uint64_t drawn = 0; // when it was last given a picture, in presents
    };
    struct Flight {
        std::uint64_t serial;
        std::uint64_t targetMsc; // as planned
        std::uint64_t sentMsc;   // as asked of the server
        FlashPicture picture;
        std::int64_t dueUs; // when its slot comes, by the clock
    };

    XPresentPresenter(QWindow& window, xcb_connection_t* connection, const XcbPixelFormat& format);
    void drain();
    // What the server said of its counter when asked, a report being overdue.
    void checked(std::uint64_t counter, std::int64_t us);
    // Ends the presenter on a fault and tells why.
    void fail(const QString& reason);
    // The steps still in flight, told as unreported, with the slots planned for them.
    void reportUnfinished();
    bool hasIdlePixmap() const;
    // A step whose report is long overdue ends the presenter, as its window may be gone.
    void watchReports();
    void handle(const xcb_present_generic_event_t& event);
    void send(const FlashPicture& picture, std::uint64_t serial,
              std::optional<std::uint64_t> slot = std::nullopt);
    void completed(const xcb_present_complete_notify_event_t& event);
    void idle(const xcb_present_idle_notify_event_t& event);
    // One that holds a picture of that likeness if there is one, else the one longest unused.
    Pixmap& idlePixmap(QSize size, const QByteArray& likeness);
    // Tells ready() when the next slot comes near enough to be queued.
    void wakeForNextSlot();
    void readyOrWake();
    QSize windowPixels() const;
    // The background's fills, then the overlays, on a pixmap or on the window itself.
    void draw(const FlashPicture& picture, xcb_drawable_t drawable, QSize size);
    // The row tile at least this wide, made on first use.
    XcbRowTile rowTile(int width);
    void freeRowTile();
    void release();

    QPointer<QWindow> window_;
    xcb_window_t windowId_;
    xcb_connection_t* connection_;
    XcbPixelFormat format_;
    xcb_special_event_t* events_ = nullptr;
    xcb_present_event_t eventId_ = 0;
    xcb_gcontext_t gc_ = 0;
    XcbRowTile rowTile_;
    int rowTileWidth_ = 0;
    QSocketNotifier* notifier_ = nullptr;
    std::vector<Pixmap> ring_;
    std::map<std::uint32_t, Flight> inFlight_;
    // Pictures given before the counter's first value, whose slots are counted from it.
    std::vector<std::pair<FlashPicture, std::uint64_t>> early_;
    std::optional<FlashPicture> shownPicture_;
    std::uint32_t nextSerial_ = 1;
    // The counter asked for when a report seemed overdue; 0 while none is.
    std::uint32_t checkSerial_ = 0;
    // The server's counter has passed a slot whose report is still awaited.
    bool lastWait_ = false;
    StepSchedule schedule_;
    bool begun_ = false;
    // Errors of requests before this one belong to an earlier flash.
    std::uint32_t firstSequence_ = 0;
    QTimer* wake_ = nullptr;
    QTimer* countDeadline_ = nullptr;
    QTimer* reportWatch_ = nullptr;
    double reportedRate_ = 0;
};
