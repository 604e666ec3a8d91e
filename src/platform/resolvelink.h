#pragma once

#include "core/resolvemessage.h"
#include "platform/patchlink.h"

class PatchConnection;

// The patch generator of the Resolve protocol: it connects to the calibration program, which
// sends one message a patch and wants no answer.
class ResolveLink final : public PatchLink {
    Q_OBJECT
public:
    explicit ResolveLink(const PatchAddress& address, QObject* parent = nullptr);

    void start() override;
    void acknowledge(std::int32_t) override {}
    const PatchAddress& address() const override { return address_; }

private:
    void readMessages();
    void fault(const QString& problem);

    PatchAddress address_;
    PatchConnection* connection_ = nullptr;
    ResolveFramer framer_;
    bool connected_ = false;
};
