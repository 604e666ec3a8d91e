#include "platform/xpresentpresenter.h"

#include "platform/clockmicroseconds.h"
#include "platform/devicepixelsize.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSocketNotifier>
#include <QTimer>
#include <QWindow>
#include <cstdlib>
#include <iterator>

namespace {

// Two steps in flight keep the server fed while the next is drawn; four pixmaps let both wait
// for their idle notice while two more are drawn.
constexpr std::size_t MaxInFlight = 2;
constexpr std::size_t RingSize = 4;
// A screen paced by another's refreshes may be this much further behind before its steps are
// let go: their refreshes do not fall together.
constexpr std::size_t MaxInFlightFollowing = MaxInFlight + 1;
// What begin() waits for the counter's first value, without blocking, before giving up.
constexpr int CountDeadlineMs = 1000;
// A report this late after its slot will not come: a stall of the program is far shorter.
constexpr std::int64_t OverdueUs = 2000000;

// A timer's wait that does not end before the time it waits for.
int millisecondsFor(std::int64_t us) {
    return int(us / 1000) + 1;
}

template <typename Reply> struct Freed {
    Reply* reply;
    ~Freed() { std::free(reply); }
    Reply* operator->() const { return reply; }
    explicit operator bool() const { return reply != nullptr; }
};
// Older compilers deduce no template arguments for an aggregate without it.
template <typename Reply> Freed(Reply*) -> Freed<Reply>;

QString errorName(std::uint8_t code) {
    static const char* const names[] = {
        "Success",   "BadRequest", "BadValue",         "BadWindow", "BadPixmap",
        "BadAtom",   "BadCursor",  "BadFont",          "BadMatch",  "BadDrawable",
        "BadAccess", "BadAlloc",   "BadColormap",      "BadGC",     "BadIDChoice",
        "BadName",   "BadLength",  "BadImplementation"};
    if (code < std::size(names))
        return QString::fromLatin1(names[code]);
    return QString::number(code);
}

// Whether a request of this sequence number came after the first, over the counter's wrap.
bool notBefore(std::uint32_t sequence, std::uint32_t first) {
    return std::int32_t(sequence - first) >= 0;
}

std::optional<XcbPixelFormat> pixelFormatOf(xcb_connection_t* connection, xcb_window_t window) {
    Freed geometry{
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr)};
    Freed attributes{xcb_get_window_attributes_reply(
        connection, xcb_get_window_attributes(connection, window), nullptr)};
    if (!geometry || !attributes)
        return std::nullopt;
    const xcb_setup_t* setup = xcb_get_setup(connection);
    XcbPixelFormat format;
    format.depth = geometry->depth;
    format.lsbFirst = setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST;
    for (auto formats = xcb_setup_pixmap_formats_iterator(setup); formats.rem;
         xcb_format_next(&formats)) {
        if (formats.data->depth == format.depth)
            format.bitsPerPixel = formats.data->bits_per_pixel;
    }
    bool found = false;
    for (auto screens = xcb_setup_roots_iterator(setup); screens.rem && !found;
         xcb_screen_next(&screens)) {
        for (auto depths = xcb_screen_allowed_depths_iterator(screens.data); depths.rem && !found;
             xcb_depth_next(&depths)) {
            for (auto visuals = xcb_depth_visuals_iterator(depths.data); visuals.rem;
                 xcb_visualtype_next(&visuals)) {
                const xcb_visualtype_t& visual = *visuals.data;
                if (visual.visual_id != attributes->visual)
                    continue;
                if (visual._class != XCB_VISUAL_CLASS_TRUE_COLOR &&
                    visual._class != XCB_VISUAL_CLASS_DIRECT_COLOR)
                    return std::nullopt;
                format.redMask = visual.red_mask;
                format.greenMask = visual.green_mask;
                format.blueMask = visual.blue_mask;
                found = true;
                break;
            }
        }
    }
    if (!found)
        return std::nullopt;
    return format;
}

} // namespace

std::unique_ptr<XPresentPresenter> XPresentPresenter::create(QWindow& window, QString& refusal) {
    if (QGuiApplication::platformName() != u"xcb")
        return nullptr;
    // The display Qt itself connected to.
    const QByteArray display = qgetenv("DISPLAY");
    xcb_connection_t* connection =
        xcb_connect(display.isEmpty() ? nullptr : display.constData(), nullptr);
    const auto refuse = [connection, &refusal](const QString& why) {
        xcb_disconnect(connection);
        refusal = why;
        return nullptr;
    };
    if (xcb_connection_has_error(connection))
        return refuse(tr("the frame lock could not connect to the X server"));
    const xcb_query_extension_reply_t* present =
        xcb_get_extension_data(connection, &xcb_present_id);
    Freed version{present && present->present
                      ? xcb_present_query_version_reply(
                            connection, xcb_present_query_version(connection, 1, 2), nullptr)
                      : nullptr};
    if (!version)
        return refuse(tr("the X server offers no Present extension"));
    const auto windowId = xcb_window_t(window.winId());
    const std::optional<XcbPixelFormat> format = pixelFormatOf(connection, windowId);
    if (!format)
        return refuse(tr("the frame lock draws on true color screens only"));
    // Overlays are put as 32-bit pixels; other layouts are rare enough to leave to the timer.
    if (format->bitsPerPixel != 32)
        return refuse(tr("the frame lock draws on screens of 24 or 30 bits a pixel, and this "
                         "one has %1")
                          .arg(format->depth));
    return std::unique_ptr<XPresentPresenter>(new XPresentPresenter(window, connection, *format));
}

XPresentPresenter::XPresentPresenter(QWindow& window, xcb_connection_t* connection,
                                     const XcbPixelFormat& format)
    : window_(&window), windowId_(xcb_window_t(window.winId())), connection_(connection),
      format_(format) {
    if (const QScreen* screen = window.screen())
        reportedRate_ = screen->refreshRate();
    wake_ = new QTimer(this);
    wake_->setSingleShot(true);
    wake_->setTimerType(Qt::PreciseTimer);
    connect(wake_, &QTimer::timeout, this, &XPresentPresenter::wakeForNextSlot);
    countDeadline_ = new QTimer(this);
    countDeadline_->setSingleShot(true);
    connect(countDeadline_, &QTimer::timeout, this,
            [this] { fail(tr("the X server gave no refresh count within a second")); });
    reportWatch_ = new QTimer(this);
    reportWatch_->setSingleShot(true);
    connect(reportWatch_, &QTimer::timeout, this, &XPresentPresenter::watchReports);
}

XPresentPresenter::~XPresentPresenter() {
    release();
    xcb_disconnect(connection_);
}

bool XPresentPresenter::begin(int heldRefreshes) {
    release();
    if (xcb_connection_has_error(connection_))
        return false;
    schedule_.begin(heldRefreshes, refreshRate());
    gc_ = xcb_generate_id(connection_);
    // Rows copied within a pixmap need no exposure events.
    const std::uint32_t noExposures = 0;
    firstSequence_ =
        xcb_create_gc(connection_, gc_, windowId_, XCB_GC_GRAPHICS_EXPOSURES, &noExposures)
            .sequence;
    // A server pays for a pixmap's pages when it is first drawn: here, while the window maps,
    // rather than with the first steps.
    const QSize size = windowPixels();
    const xcb_rectangle_t whole{0, 0, std::uint16_t(size.width()), std::uint16_t(size.height())};
    for (std::size_t i = 0; i < RingSize; ++i)
        xcb_poly_fill_rectangle(connection_, idlePixmap(size, {}).id, gc_, 1, &whole);
    eventId_ = xcb_generate_id(connection_);
    events_ = xcb_register_for_special_xge(connection_, &xcb_present_id, eventId_, nullptr);
    xcb_present_select_input(connection_, eventId_, windowId_,
                             XCB_PRESENT_EVENT_MASK_COMPLETE_NOTIFY |
                                 XCB_PRESENT_EVENT_MASK_IDLE_NOTIFY);
    notifier_ =
        new QSocketNotifier(xcb_get_file_descriptor(connection_), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &XPresentPresenter::drain);
    // The counter's value comes as an event; the first picture waits for it, to be shown a few
    // refreshes on, when the server is done mapping the window.
    xcb_present_notify_msc(connection_, windowId_, nextSerial_++, 0, 0, 0);
    xcb_flush(connection_);
    countDeadline_->start(CountDeadlineMs);
    begun_ = true;
    return true;
}

void XPresentPresenter::end() {
    // What the server has told already still counts.
    drain();
    reportUnfinished();
    release();
}

void XPresentPresenter::fail(const QString& reason) {
    if (!begun_)
        return;
    reportUnfinished();
    release();
    emit failed(reason);
}

void XPresentPresenter::reportUnfinished() {
    const std::map<std::uint32_t, Flight> unfinished = std::exchange(inFlight_, {});
    for (const auto& [presentSerial, flight] : unfinished) {
        emit shown(flight.serial, StepSchedule::unconfirmed(flight.targetMsc, 0));
    }
}

void XPresentPresenter::release() {
    begun_ = false;
    checkSerial_ = 0;
    lastWait_ = false;
    if (wake_)
        wake_->stop();
    if (countDeadline_)
        countDeadline_->stop();
    if (reportWatch_)
        reportWatch_->stop();
    delete notifier_;
    notifier_ = nullptr;
    for (const Pixmap& pixmap : ring_)
        xcb_free_pixmap(connection_, pixmap.id);
    ring_.clear();
    if (gc_)
        xcb_free_gc(connection_, gc_);
    gc_ = 0;
    freeRowTile();
    if (events_) {
        xcb_present_select_input(connection_, eventId_, windowId_, 0);
        xcb_unregister_for_special_event(connection_, events_);
    }
    events_ = nullptr;
    inFlight_.clear();
    early_.clear();
    shownPicture_.reset();
    xcb_flush(connection_);
}

void XPresentPresenter::drain() {
    if (!events_)
        return;
    for (;;) {
        if (xcb_connection_has_error(connection_)) {
            fail(tr("the frame lock lost its connection to the X server"));
            return;
        }
        bool any = false;
        while (xcb_generic_event_t* event = xcb_poll_for_special_event(connection_, events_)) {
            any = true;
            handle(*reinterpret_cast<const xcb_present_generic_event_t*>(event));
            std::free(event);
            // A handler may have ended the presenter.
            if (!events_)
                return;
        }
        while (xcb_generic_event_t* other = xcb_poll_for_event(connection_)) {
            any = true;
            // A request refused leaves its step in flight for good: nothing is sound after it.
            const auto* error = reinterpret_cast<const xcb_generic_error_t*>(other);
            const bool fault =
                other->response_type == 0 && notBefore(error->full_sequence, firstSequence_);
            const QString name = fault ? errorName(error->error_code) : QString();
            std::free(other);
            if (fault) {
                fail(tr("the X server refused a request of the frame lock (%1)").arg(name));
                return;
            }
        }
        if (!any)
            return;
    }
}

void XPresentPresenter::handle(const xcb_present_generic_event_t& event) {
    if (event.evtype == XCB_PRESENT_COMPLETE_NOTIFY)
        completed(reinterpret_cast<const xcb_present_complete_notify_event_t&>(event));
    else if (event.evtype == XCB_PRESENT_EVENT_IDLE_NOTIFY)
        idle(reinterpret_cast<const xcb_present_idle_notify_event_t&>(event));
}

void XPresentPresenter::completed(const xcb_present_complete_notify_event_t& event) {
    if (event.kind == XCB_PRESENT_COMPLETE_KIND_NOTIFY_MSC) {
        if (countDeadline_->isActive()) {
            countDeadline_->stop();
            schedule_.start(event.msc, std::int64_t(event.ust));
            for (const auto& [picture, serial] : std::exchange(early_, {}))
                send(picture, serial);
        } else if (checkSerial_ != 0 && event.serial == checkSerial_) {
            checkSerial_ = 0;
            checked(event.msc, std::int64_t(event.ust));
        }
        return;
    }
    schedule_.counted(event.msc, std::int64_t(event.ust));
    const auto found = inFlight_.find(event.serial);
    if (found == inFlight_.end())
        return;
    const Flight flight = std::move(found->second);
    inFlight_.erase(found);
    lastWait_ = false;
    const StepShown when = schedule_.shownOn(flight.targetMsc, event.msc, std::int64_t(event.ust),
                                             event.mode == XCB_PRESENT_COMPLETE_MODE_SKIP);
    if (!when.skipped)
        shownPicture_ = flight.picture;
    emit shown(flight.serial, when);
    readyOrWake();
}

void XPresentPresenter::readyOrWake() {
    emit ready();
    // Room may be held back only by a slot still far off: then it comes by the timer.
    if (begun_ && schedule_.anchored() && !wake_->isActive())
        wakeForNextSlot();
}

void XPresentPresenter::idle(const xcb_present_idle_notify_event_t& event) {
    for (Pixmap& pixmap : ring_) {
        if (pixmap.id == event.pixmap)
            pixmap.busy = false;
    }
    readyOrWake();
}

XPresentPresenter::Pixmap& XPresentPresenter::idlePixmap(QSize size, const QByteArray& likeness) {
    Pixmap* alike = nullptr;
    Pixmap* oldest = nullptr;
    for (Pixmap& pixmap : ring_) {
        if (pixmap.busy)
            continue;
        if (pixmap.size == size && !likeness.isEmpty() && pixmap.likeness == likeness)
            alike = &pixmap;
        if (!oldest || pixmap.drawn < oldest->drawn)
            oldest = &pixmap;
    }
    if (alike)
        return *alike;
    // A picture keeps its pixmap while the ring has room for a cycle: the ring is filled with the
    // first steps, as a server pays for a new pixmap's pages with the step that first draws it.
    if (ring_.size() < RingSize)
        oldest = nullptr;
    // The longest unused, as the pictures of a cycle come back in the order they went.
    if (oldest && oldest->size == size) {
        oldest->likeness.clear();
        return *oldest;
    }
    Pixmap* spare = oldest;
    if (!spare) {
        // Every pixmap waits for its idle notice: one more rather than a wait.
        ring_.push_back({});
        spare = &ring_.back();
    } else {
        xcb_free_pixmap(connection_, spare->id);
    }
    spare->id = xcb_generate_id(connection_);
    spare->size = size;
    spare->likeness.clear();
    xcb_create_pixmap(connection_, format_.depth, spare->id, windowId_, std::uint16_t(size.width()),
                      std::uint16_t(size.height()));
    return *spare;
}

void XPresentPresenter::wakeForNextSlot() {
    if (!begun_ || !schedule_.anchored())
        return;
    const std::int64_t waitUs = schedule_.usUntilRoom(monotonicMicroseconds());
    if (waitUs == 0) {
        emit ready();
        return;
    }
    wake_->start(millisecondsFor(waitUs));
}

QSize XPresentPresenter::windowPixels() const {
    if (!window_)
        return {1, 1};
    const QSize pixels = devicePixelSizeOf(window_->size(), window_->devicePixelRatio());
    return pixels.expandedTo({1, 1});
}

void XPresentPresenter::present(const FlashPicture& picture, std::uint64_t serial) {
    if (!begun_)
        return;
    if (countDeadline_->isActive())
        early_.emplace_back(picture, serial);
    else
        send(picture, serial);
}

std::optional<std::uint64_t> XPresentPresenter::lastSlot() const {
    // A step waiting for the counter's first value has no slot yet.
    if (!begun_ || countDeadline_->isActive() || schedule_.lastSent() == 0)
        return std::nullopt;
    return schedule_.lastSent();
}

void XPresentPresenter::presentOn(const FlashPicture& picture, std::uint64_t serial,
                                  std::uint64_t slot) {
    if (!begun_ || countDeadline_->isActive())
        present(picture, serial);
    else
        send(picture, serial, slot);
}

void XPresentPresenter::send(const FlashPicture& picture, std::uint64_t serial,
                             std::optional<std::uint64_t> shared) {
    const QSize size = windowPixels();
    Pixmap& pixmap = idlePixmap(size, picture.likeness);
    if (picture.likeness.isEmpty() || pixmap.likeness != picture.likeness)
        draw(picture, pixmap.id, size);
    pixmap.likeness = picture.likeness;
    pixmap.busy = true;
    const std::uint32_t presentSerial = nextSerial_++;
    pixmap.drawn = presentSerial;
    const std::int64_t now = monotonicMicroseconds();
    const StepSchedule::Slot slot =
        shared ? schedule_.takeSlot(*shared, now) : schedule_.nextSlot(now);
    xcb_present_pixmap(connection_, windowId_, pixmap.id, presentSerial, 0, 0, 0, 0, 0, 0, 0,
                       XCB_PRESENT_OPTION_NONE, slot.sent, 0, 0, 0, nullptr);
    const std::int64_t waitUs = schedule_.usUntil(slot.sent, now);
    inFlight_[presentSerial] = {serial, slot.planned, slot.sent, picture, now + waitUs};
    xcb_flush(connection_);
    if (!reportWatch_->isActive())
        reportWatch_->start(millisecondsFor(waitUs + OverdueUs));
    if (!wake_->isActive() && schedule_.usUntilRoom(now) > 0)
        wakeForNextSlot();
    // Writing may have read events in, which the socket no longer announces.
    QMetaObject::invokeMethod(this, &XPresentPresenter::drain, Qt::QueuedConnection);
}

void XPresentPresenter::presentAgain() {
    if (!begun_ || !shownPicture_)
        return;
    // Straight onto the window, outside the schedule: the steps queued keep their refreshes.
    draw(*shownPicture_, windowId_, windowPixels());
    xcb_flush(connection_);
}

void XPresentPresenter::draw(const FlashPicture& picture, xcb_drawable_t drawable, QSize size) {
    XcbDrawableSurface surface(connection_, drawable, gc_, format_, size, rowTile(size.width()));
    if (picture.background)
        picture.background(surface, size);
    for (const FlashPicture::Overlay& overlay : picture.overlays)
        surface.putImage(overlay.at, overlay.image);
}

XcbRowTile XPresentPresenter::rowTile(int width) {
    if (rowTileWidth_ >= width)
        return rowTile_;
    freeRowTile();
    rowTile_.pixmap = xcb_generate_id(connection_);
    xcb_create_pixmap(connection_, format_.depth, rowTile_.pixmap, windowId_, std::uint16_t(width),
                      1);
    rowTile_.gc = xcb_generate_id(connection_);
    const std::uint32_t tiled[] = {XCB_FILL_STYLE_TILED, rowTile_.pixmap, 0};
    xcb_create_gc(connection_, rowTile_.gc, windowId_,
                  XCB_GC_FILL_STYLE | XCB_GC_TILE | XCB_GC_GRAPHICS_EXPOSURES, tiled);
    rowTileWidth_ = width;
    return rowTile_;
}

void XPresentPresenter::freeRowTile() {
    if (rowTile_.gc) {
        xcb_free_gc(connection_, rowTile_.gc);
        xcb_free_pixmap(connection_, rowTile_.pixmap);
    }
    rowTile_ = {};
    rowTileWidth_ = 0;
}

void XPresentPresenter::restart() {
    schedule_.restart();
}

bool XPresentPresenter::hasRoom() const {
    // A step queued far ahead of its slot would be what a pause stops on while the screen still
    // shows the one before.
    if (!begun_ || inFlight_.size() >= MaxInFlight || !schedule_.hasRoom(monotonicMicroseconds()))
        return false;
    return hasIdlePixmap();
}

bool XPresentPresenter::keepsUp() const {
    if (!begun_ || inFlight_.size() + early_.size() >= MaxInFlightFollowing)
        return false;
    if (!schedule_.keepsPace(monotonicMicroseconds()))
        return false;
    return hasIdlePixmap();
}

void XPresentPresenter::watchReports() {
    // What came while the program itself was held up counts first.
    drain();
    if (!begun_ || inFlight_.empty())
        return;
    std::int64_t due = INT64_MAX;
    for (const auto& [presentSerial, flight] : inFlight_)
        due = std::min(due, flight.dueUs);
    const std::int64_t now = monotonicMicroseconds();
    if (now > due + OverdueUs) {
        // The slots are judged by an estimate of the counter: the server says whether they came.
        if (checkSerial_ == 0 && !lastWait_) {
            checkSerial_ = nextSerial_++;
            xcb_present_notify_msc(connection_, windowId_, checkSerial_, 0, 0, 0);
            xcb_flush(connection_);
            reportWatch_->start(millisecondsFor(OverdueUs));
            return;
        }
        fail(tr("the X server stopped telling when steps are shown"));
        return;
    }
    reportWatch_->start(millisecondsFor(due + OverdueUs - now));
}

void XPresentPresenter::checked(std::uint64_t counter, std::int64_t us) {
    // A slot the counter has reached has one more wait for its report, which a loaded server may
    // still be sending.
    for (const auto& [presentSerial, flight] : inFlight_) {
        if (flight.sentMsc <= counter) {
            lastWait_ = true;
            reportWatch_->start(millisecondsFor(OverdueUs));
            return;
        }
    }
    schedule_.answered(counter, us);
    const std::int64_t now = monotonicMicroseconds();
    for (auto& [presentSerial, flight] : inFlight_)
        flight.dueUs = now + schedule_.usUntil(flight.sentMsc, now);
    watchReports();
}

bool XPresentPresenter::hasIdlePixmap() const {
    if (ring_.size() < RingSize)
        return true;
    return std::any_of(ring_.begin(), ring_.end(), [](const Pixmap& p) { return !p.busy; });
}

double XPresentPresenter::refreshRate() const {
    return reportedRate_ > 0 ? reportedRate_ : 60;
}
