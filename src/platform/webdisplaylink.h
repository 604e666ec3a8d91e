#pragma once

#include "platform/patchlink.h"

#include <QByteArray>

class PatchConnection;

// The display end of ArgyllCMS's web display: each request tells the color on the screen and is
// held by the server until it has the next. The next request goes out only once the patch is
// acknowledged as shown, since the server takes that request as the sign to start reading.
class WebDisplayLink final : public PatchLink {
    Q_OBJECT
public:
    explicit WebDisplayLink(const PatchAddress& address, QObject* parent = nullptr);

    void start() override;
    void acknowledge(std::int32_t shownColor) override;
    const PatchAddress& address() const override { return address_; }

private:
    void read(bool ended);
    void fault(const QString& problem);

    PatchAddress address_;
    PatchConnection* connection_ = nullptr;
    QByteArray answer_;
    std::int32_t shownColor_;
    bool connected_ = false;
};
