// Any stored value: loading and storing it again gives a value that loads back to the same list.
// The one exception is in the format itself: an entry that ends with the first 16 or 17
// characters of the separator runs into the separator stored after it. The program never writes
// such an entry; only a hand-edited store holds one.
#include "core/storedlist.h"

#include <QString>
#include <algorithm>
#include <cstdlib>

namespace {

bool runsIntoTheSeparator(const QString& entry) {
    return entry.endsWith(ListSeparator.left(16)) || entry.endsWith(ListSeparator.left(17));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString stored =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList entries = splitStoredList(stored);
    for (const QString& entry : entries) {
        if (entry.isEmpty() || entry.contains(ListSeparator))
            std::abort();
    }
    const QString again = joinStoredList(entries);
    if (std::any_of(entries.begin(), entries.end(), runsIntoTheSeparator))
        return 0;
    if (splitStoredList(again) != entries)
        std::abort();
    if (entries.isEmpty() != again.isEmpty())
        std::abort();
    return 0;
}
