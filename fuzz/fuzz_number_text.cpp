// Any text through the numeric check, the 16-bit conversion and the boolean read: they agree
// with each other and fail only with a Failure.
#include "core/failure.h"
#include "core/numbertext.h"

#include <QString>
#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto number = textToNumber(text);
    if (number.has_value() != isNumericText(text))
        std::abort();
    if (number && !std::isfinite(*number))
        std::abort();
    try {
        const std::int16_t value = textToInt16(text);
        if (!number || value != roundHalfEven(*number))
            std::abort();
    } catch (const Failure&) {
        if (number && std::fabs(roundHalfEven(*number)) <= 32767)
            std::abort();
    }
    try {
        textToBoolean(text);
    } catch (const Failure&) {
        if (number)
            std::abort();
    }
    return 0;
}
