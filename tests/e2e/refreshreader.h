#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <atomic>
#include <cstdint>
#include <thread>

// What the X server told the reader, each with the sequence number of the last request of the
// reader's own the server had handled when it sent it: a reading of that number or later was
// taken after it, an earlier one before.
struct RefreshReadings {
    struct Reading {
        std::uint64_t msc;      // the refresh whose notice started the reading
        std::uint32_t sequence; // of the reading's own request
        QImage pixels;
    };
    // A refresh of the Present clock, told on the root window: the one its notice was asked
    // for, 0 for the first notice, and the one the server was at when it sent it.
    struct Refresh {
        std::uint64_t msc;
        std::uint32_t sequence;
        std::uint64_t asked = 0;
    };
    // A picture presented on a window mapped on the root window, or left out when skipped.
    struct Presented {
        std::uint32_t window;
        std::uint64_t msc;
        bool skipped;
        std::uint32_t sequence;
    };
    struct Gone {
        std::uint32_t window;
        std::uint32_t sequence;
    };
    QList<Reading> readings;
    QList<Refresh> refreshes;
    QList<Presented> presented;
    QList<Gone> unmapped;
    // Refreshes whose notice the server sent a refresh or more after the one asked for.
    int lateNotices = 0;
};

// Whether the server sent what carries this sequence number before it handled the request of
// the other, over the counter's wrap.
inline bool sentBefore(std::uint32_t sequence, std::uint32_t request) {
    return std::int32_t(sequence - request) < 0;
}

// Reads one area of the screen at every refresh of the X server's Present clock, a quarter of a
// refresh after its notice, in a thread and over a connection of its own; and watches the
// pictures presented on every window mapped from the start on, so that each reading can be
// told which of them the screen held. An empty area reads nothing: the notices alone tell when
// the server itself ran late.
class RefreshReader {
public:
    explicit RefreshReader(const QRect& area);
    ~RefreshReader();
    // Returns once the reader is watching, or false when the server offers no Present.
    bool start();
    RefreshReadings stop();

private:
    void run();

    QRect area_;
    std::thread thread_;
    std::atomic<bool> stopping_{false};
    std::atomic<int> state_{0}; // 0 starting, 1 watching, -1 failed
    RefreshReadings readings_;
};
