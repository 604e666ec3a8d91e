#pragma once

#include "core/patch.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The longest answer a web display server gives: a status line, two headers and a color.
inline constexpr qsizetype LargestWebDisplayReply = 16 * 1024;

// The request that tells the server which color is on the screen now and asks for the next.
QByteArray webDisplayRequest(const QString& host, std::int32_t shownColor);

struct WebDisplayReading {
    enum class State {
        Incomplete, // more is to come
        Color,
        Bad,
    };
    State state = State::Incomplete;
    std::optional<Patch> patch;
    QString problem;
};

// The server's answer so far; ended tells that the server has closed the connection, so that
// nothing more comes. The color is the body's "#RRGGBB" after any blank lines.
WebDisplayReading readWebDisplayReply(const QByteArray& bytes, bool ended);
