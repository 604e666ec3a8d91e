#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// The pictures sent to a display that reports each showing afterwards, until it does. Some
// displays never report some: a picture is given up once the display has asked for the one after
// next, or a few refreshes after the refresh that carried it, whichever comes first.
class ShowingWatch {
public:
    struct Unreported {
        std::uint64_t key;
        // When the display asked for the picture after it: the refresh that carried it. When it
        // was sent, where no refresh asked.
        std::int64_t carriedUs;
    };

    void begin(int heldRefreshes, std::int64_t periodUs);
    void sent(std::uint64_t key, std::int64_t nowUs);
    // The display asks for the next picture.
    void frame(std::int64_t nowUs);
    void reported(std::uint64_t key);
    // Those given up by now, in the order sent; they are no longer watched.
    std::vector<Unreported> overdue(std::int64_t nowUs);
    // Every one still watched, in the order sent: at the end.
    std::vector<Unreported> takeAll();

private:
    struct Awaited {
        std::uint64_t key;
        std::int64_t sentUs;
        std::optional<std::int64_t> carriedUs;
        int frames = 0;
    };
    static Unreported unreported(const Awaited& awaited);

    std::vector<Awaited> awaited_;
    int framesAllowed_ = 2;
    std::int64_t timeAllowedUs_ = 0;
};
