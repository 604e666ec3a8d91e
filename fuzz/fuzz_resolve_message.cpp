// Any bytes as a Resolve stream: cut in two pieces anywhere, the framer gives the same messages;
// every patch read keeps its levels within its bits, and its rectangle within the screen.
#include "core/patch.h"
#include "core/resolvemessage.h"

#include <QByteArray>
#include <QList>
#include <cstdlib>

namespace {

struct Stream {
    QList<QByteArray> messages;
    QString problem;
};

Stream cut(const QByteArray& bytes, qsizetype at) {
    ResolveFramer framer;
    Stream stream;
    for (const QByteArray& piece : {bytes.left(at), bytes.mid(at)}) {
        framer.append(piece);
        while (const std::optional<QByteArray> message = framer.next(stream.problem))
            stream.messages << *message;
        if (!stream.problem.isEmpty())
            break;
    }
    return stream;
}

bool levelsFit(const PatchLevels& levels) {
    const int top = (1 << levels.bits) - 1;
    return (levels.bits == 8 || levels.bits == 10) && levels.red >= 0 && levels.red <= top &&
           levels.green >= 0 && levels.green <= top && levels.blue >= 0 && levels.blue <= top;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const Stream whole = cut(bytes, bytes.size());
    const Stream halves = cut(bytes, bytes.size() / 2);
    // A problem found before the whole stream is in may leave fewer messages; none differ.
    if (halves.problem.isEmpty() && whole.problem.isEmpty() && halves.messages != whole.messages)
        std::abort();
    for (const QByteArray& message : QList<QByteArray>{bytes} + whole.messages) {
        const ResolveReading reading = readResolveMessage(message);
        if (reading.patch.has_value() == !reading.problem.isEmpty())
            std::abort();
        if (!reading.patch)
            continue;
        if (!levelsFit(reading.patch->color) ||
            (reading.patch->background && !levelsFit(*reading.patch->background)))
            std::abort();
        const PixelRect r = patchRectangle(reading.patch->geometry, 1920, 1080);
        if (r.left < 0 || r.top < 0 || r.right > 1920 || r.bottom > 1080)
            std::abort();
    }
    return 0;
}
