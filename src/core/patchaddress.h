#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// Which calibration program drives the patch window, and where it listens.
struct PatchAddress {
    enum class Protocol { WebDisplay, Resolve };
    Protocol protocol = Protocol::WebDisplay;
    QString host;
    std::uint16_t port = 0;
    // "host:port", as the waiting line names it.
    QString text() const;
};

struct PatchAddressReading {
    std::optional<PatchAddress> address;
    QString problem;
};

// "http://HOST[:PORT][/]", as ArgyllCMS prints it; the port is 8080 unless given.
PatchAddressReading readWebDisplayUrl(const QString& text);
// "[HOST][:PORT]": localhost and 20002 unless given.
PatchAddressReading readResolveAddress(const QString& text);
