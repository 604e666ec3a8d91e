#pragma once

#include "core/colorvalue.h"
#include "core/patch.h"
#include "core/patchaddress.h"

#include <QObject>
#include <QString>
#include <memory>

// Mid grey: what the patch window shows while no program drives it.
inline constexpr std::int32_t WaitingColor = ColorFromComponents(128, 128, 128);

// The connection to a calibration program that sends the patches: it keeps trying while there
// is no server, and drops and tries again a connection that sends something it cannot read.
class PatchLink : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual void start() = 0;
    // The patch last told is on the screen now, showing this color.
    virtual void acknowledge(std::int32_t shownColor) = 0;
    virtual const PatchAddress& address() const = 0;

signals:
    void patchArrived(const Patch& patch);
    // Whether a server is there; the window shows grey while none is.
    void connectedChanged(bool connected);
    // Something the server sent, or failed to send, in one line; the link tries again.
    void trouble(const QString& problem);
};

// The link for the address's protocol.
std::unique_ptr<PatchLink> createPatchLink(const PatchAddress& address, QObject* parent = nullptr);
