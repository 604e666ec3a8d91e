#pragma once

#include "core/patch.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The largest message a Resolve sender may announce; a longer one is no patch.
inline constexpr std::uint32_t LargestResolveMessage = 1024 * 1024;

struct ResolveReading {
    std::optional<Patch> patch;
    QString problem; // why there is none, in one line
};

// One message's XML: <calibration> with <color>, <background> and <geometry>, or with
// <shapes><rectangle><color/><geometry/></rectangle></shapes>. Levels are 8 bits unless the
// element says bits="10".
ResolveReading readResolveMessage(const QByteArray& xml);

// Cuts the stream into messages: a 4-byte big-endian length, then that many bytes.
class ResolveFramer {
public:
    void append(const QByteArray& bytes) { buffer_.append(bytes); }
    // The next whole message, if one has come; a problem ends the stream.
    std::optional<QByteArray> next(QString& problem);
    // Whether part of a message has come and the rest not yet.
    bool isMidMessage() const { return !buffer_.isEmpty(); }
    void clear() { buffer_.clear(); }

private:
    QByteArray buffer_;
};
