#include "core/patchaddress.h"

#include "core/failure.h"
#include "core/plainnumber.h"

#include <QCoreApplication>
#include <QUrl>
#include <algorithm>

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PatchAddress)
};

constexpr std::uint16_t DefaultWebDisplayPort = 8080;
constexpr std::uint16_t DefaultResolvePort = 20002;

std::optional<std::uint16_t> portNumber(const QString& text) {
    const std::optional<qint64> port = readPlainNumber(text, 65536);
    if (!port || *port < 1 || *port > 65535)
        return std::nullopt;
    return std::uint16_t(*port);
}

PatchAddressReading refused(const QString& problem) {
    return {std::nullopt, problem};
}

} // namespace

QString PatchAddress::text() const {
    return host.contains(u':') ? QStringLiteral("[%1]:%2").arg(host).arg(port)
                               : QStringLiteral("%1:%2").arg(host).arg(port);
}

PatchAddressReading readWebDisplayUrl(const QString& text) {
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || url.scheme() != u"http" || url.host().isEmpty())
        return refused(Texts::tr("%1 is no http://HOST:PORT address").arg(quotedForMessage(text)));
    if (!url.userInfo().isEmpty() || url.hasQuery() || url.hasFragment() ||
        !(url.path().isEmpty() || url.path() == u"/"))
        return refused(Texts::tr("%1 is to be the server alone, http://HOST:PORT")
                           .arg(quotedForMessage(text)));
    const int port = url.port(DefaultWebDisplayPort);
    if (port < 1 || port > 65535)
        return refused(Texts::tr("%1 has no port from 1 to 65535").arg(quotedForMessage(text)));
    PatchAddress address;
    address.protocol = PatchAddress::Protocol::WebDisplay;
    address.host = url.host();
    address.port = std::uint16_t(port);
    return {address, QString()};
}

PatchAddressReading readResolveAddress(const QString& text) {
    PatchAddress address;
    address.protocol = PatchAddress::Protocol::Resolve;
    address.host = QStringLiteral("localhost");
    address.port = DefaultResolvePort;
    QString host = text;
    const qsizetype colon = text.lastIndexOf(u':');
    // A bare IPv6 address is all colons; one in brackets may have a port after it.
    const bool bareIpv6 = text.count(u':') > 1 && !text.startsWith(u'[');
    if (colon >= 0 && !bareIpv6 && (colon == 0 || text[colon - 1] != u':')) {
        const std::optional<std::uint16_t> port = portNumber(text.mid(colon + 1));
        if (!port)
            return refused(Texts::tr("%1 has no port from 1 to 65535").arg(quotedForMessage(text)));
        address.port = *port;
        host = text.left(colon);
    }
    if (host.startsWith(u'[') && host.endsWith(u']'))
        host = host.mid(1, host.size() - 2);
    if (!host.isEmpty()) {
        // An IPv6 address is no name to look up: hex digits, colons, and dots for a v4 tail.
        const bool ipv6 = host.contains(u':') && std::all_of(host.begin(), host.end(), [](QChar c) {
                              return isHexDigit(c) || c == u':' || c == u'.';
                          });
        const QString ace = QUrl::fromAce(QUrl::toAce(host));
        if (!ipv6 && (ace.isEmpty() || host.contains(u'/') || host.contains(u' ') ||
                      host.contains(u'@') || host.contains(u':')))
            return refused(Texts::tr("%1 is no host name").arg(quotedForMessage(host)));
        address.host = host;
    }
    return {address, QString()};
}
