// Any text as a color entry: a value in 0..0xFFFFFF or a Failure, never anything else.
#include "core/colorentry.h"
#include "core/failure.h"

#include <QString>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const std::int32_t color = ParseColorEntry(text);
        if (color < 0 || color > 0xFFFFFF)
            std::abort();
    } catch (const Failure&) {
    }
    return 0;
}
