#include "refreshreader.h"

#include <chrono>
#include <cstdlib>
#include <poll.h>
#include <xcb/present.h>
#include <xcb/xcb.h>

namespace {

// Notices asked ahead, so that a reading taken late does not cost the next refresh its notice.
constexpr int NoticesAhead = 3;
// After a refresh's notice the server may still have the same refresh's presents to run: each
// waits on a timer of its own, of whole milliseconds.
constexpr auto ReadingDelay = std::chrono::microseconds(4000);

QImage areaOf(xcb_connection_t* connection, xcb_window_t root, const QRect& area,
              std::uint32_t& sequence) {
    const xcb_get_image_cookie_t cookie = xcb_get_image(
        connection, XCB_IMAGE_FORMAT_Z_PIXMAP, root, std::int16_t(area.x()), std::int16_t(area.y()),
        std::uint16_t(area.width()), std::uint16_t(area.height()), ~0u);
    sequence = cookie.sequence;
    xcb_get_image_reply_t* reply = xcb_get_image_reply(connection, cookie, nullptr);
    if (!reply)
        return {};
    // A 24-bit screen sends 32 bits a pixel, blue first: the layout of RGB32.
    const QImage pixels =
        QImage(xcb_get_image_data(reply), area.width(), area.height(), QImage::Format_RGB32).copy();
    std::free(reply);
    return pixels;
}

} // namespace

RefreshReader::RefreshReader(const QRect& area) : area_(area) {}

RefreshReader::~RefreshReader() {
    stop();
}

bool RefreshReader::start() {
    thread_ = std::thread([this] { run(); });
    while (state_ == 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return state_ > 0;
}

RefreshReadings RefreshReader::stop() {
    stopping_ = true;
    if (thread_.joinable())
        thread_.join();
    return std::exchange(readings_, {});
}

void RefreshReader::run() {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const xcb_query_extension_reply_t* present =
        xcb_get_extension_data(connection, &xcb_present_id);
    if (xcb_connection_has_error(connection) || !present || !present->present) {
        xcb_disconnect(connection);
        state_ = -1;
        return;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::uint32_t mapping = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mapping);
    xcb_present_select_input(connection, xcb_generate_id(connection), root,
                             XCB_PRESENT_EVENT_MASK_COMPLETE_NOTIFY);
    // The first notice tells the counter now; its serial 0 is no refresh asked for.
    xcb_present_notify_msc(connection, root, 0, 0, 0, 0);
    free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    state_ = 1;
    std::uint64_t asked = 0;
    pollfd socket{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (!stopping_ && !xcb_connection_has_error(connection)) {
        xcb_generic_event_t* event = xcb_poll_for_event(connection);
        if (!event) {
            poll(&socket, 1, 50);
            continue;
        }
        const std::uint8_t type = event->response_type & 0x7f;
        if (type == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
            xcb_present_select_input(connection, xcb_generate_id(connection), map->window,
                                     XCB_PRESENT_EVENT_MASK_COMPLETE_NOTIFY);
            xcb_flush(connection);
        } else if (type == XCB_UNMAP_NOTIFY) {
            const auto* unmap = reinterpret_cast<const xcb_unmap_notify_event_t*>(event);
            readings_.unmapped.append({unmap->window, event->full_sequence});
        } else if (type == XCB_GE_GENERIC) {
            const auto* complete =
                reinterpret_cast<const xcb_present_complete_notify_event_t*>(event);
            if (complete->extension == present->major_opcode &&
                complete->event_type == XCB_PRESENT_COMPLETE_NOTIFY) {
                if (complete->kind == XCB_PRESENT_COMPLETE_KIND_PIXMAP) {
                    readings_.presented.append({complete->window, complete->msc,
                                                complete->mode == XCB_PRESENT_COMPLETE_MODE_SKIP,
                                                complete->full_sequence});
                } else if (complete->window == root) {
                    readings_.refreshes.append(
                        {complete->msc, complete->full_sequence, complete->serial});
                    if (complete->serial == 0) {
                        asked = complete->msc;
                    } else if (complete->msc > complete->serial) {
                        ++readings_.lateNotices;
                    }
                    while (asked < complete->msc + NoticesAhead) {
                        ++asked;
                        xcb_present_notify_msc(connection, root, std::uint32_t(asked), asked, 0, 0);
                    }
                    if (complete->serial != 0 && !area_.isEmpty()) {
                        std::this_thread::sleep_for(ReadingDelay);
                        std::uint32_t sequence = 0;
                        QImage pixels = areaOf(connection, root, area_, sequence);
                        readings_.readings.append({complete->msc, sequence, std::move(pixels)});
                    }
                    xcb_flush(connection);
                }
            }
        }
        std::free(event);
    }
    xcb_disconnect(connection);
}
