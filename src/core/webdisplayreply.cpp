#include "core/webdisplayreply.h"

#include "core/colorvalue.h"

#include <QCoreApplication>

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(WebDisplayReply)
};

WebDisplayReading bad(const QString& problem) {
    return {WebDisplayReading::State::Bad, std::nullopt, problem};
}

// Bytes as a line of a message: printable ASCII only, and short.
QString shown(const QByteArray& bytes) {
    QString text;
    for (const char c : bytes.left(40))
        text += c >= 0x20 && c < 0x7f ? QChar(c) : QChar(u'?');
    return text;
}

std::optional<int> hexByte(const QByteArray& two) {
    bool ok = false;
    const int value = two.toInt(&ok, 16);
    if (!ok || two.size() != 2 || two.startsWith('+') || two.startsWith('-'))
        return std::nullopt;
    return value;
}

} // namespace

QByteArray webDisplayRequest(const QString& host, std::int32_t shownColor) {
    const ColorComponents c = ColorToComponents(shownColor);
    const QString hex = QStringLiteral("%1%2%3")
                            .arg(c.red, 2, 16, QChar(u'0'))
                            .arg(c.green, 2, 16, QChar(u'0'))
                            .arg(c.blue, 2, 16, QChar(u'0'))
                            .toUpper();
    return QStringLiteral("GET /ajax/messages?%23%1 HTTP/1.1\r\nHost: %2\r\n"
                          "Connection: close\r\n\r\n")
        .arg(hex, host)
        .toLatin1();
}

WebDisplayReading readWebDisplayReply(const QByteArray& bytes, bool ended) {
    if (bytes.size() > LargestWebDisplayReply)
        return bad(Texts::tr("the answer runs past %1 bytes").arg(LargestWebDisplayReply));
    if (!bytes.isEmpty() && !QByteArray("HTTP/").startsWith(bytes.left(5)))
        return bad(Texts::tr("the answer is no HTTP: it begins \"%1\"").arg(shown(bytes)));
    const qsizetype headerEnd = bytes.indexOf("\r\n\r\n");
    if (headerEnd < 0) {
        if (ended)
            return bad(Texts::tr("the server closed the connection in the middle of its answer"));
        return {};
    }
    const QByteArray statusLine = bytes.left(bytes.indexOf("\r\n"));
    const QList<QByteArray> status = statusLine.split(' ');
    if (status.size() < 2 || !status[0].startsWith("HTTP/1."))
        return bad(Texts::tr("the answer is no HTTP: it begins \"%1\"").arg(shown(statusLine)));
    if (status[1] != "200")
        return bad(Texts::tr("the server answered \"%1\"").arg(shown(statusLine)));
    // The server closes the connection after the color, and sends no length.
    if (!ended)
        return {};
    const QByteArray body = bytes.mid(headerEnd + 4).trimmed();
    if (body.size() != 7 || body[0] != '#')
        return bad(Texts::tr("the answer \"%1\" is no #RRGGBB color").arg(shown(body)));
    const std::optional<int> red = hexByte(body.mid(1, 2));
    const std::optional<int> green = hexByte(body.mid(3, 2));
    const std::optional<int> blue = hexByte(body.mid(5, 2));
    if (!red || !green || !blue)
        return bad(Texts::tr("the answer \"%1\" is no #RRGGBB color").arg(shown(body)));
    WebDisplayReading reading;
    reading.state = WebDisplayReading::State::Color;
    reading.patch = Patch{PatchLevels{*red, *green, *blue, 8}, std::nullopt, std::nullopt};
    return reading;
}
