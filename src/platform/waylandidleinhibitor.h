#pragma once

#include "platform/waylandsurfaceextension.h"

struct zwp_idle_inhibit_manager_v1;

// Keeps the compositor from going idle while any held window shows, through the idle-inhibit
// protocol on its surface.
class WaylandIdleInhibitor : public WaylandSurfaceExtension {
    Q_OBJECT
public:
    explicit WaylandIdleInhibitor(QObject* parent = nullptr);
    ~WaylandIdleInhibitor() override;

    // Whether the compositor offers the protocol.
    bool available() const { return manager_ != nullptr; }

protected:
    void* attach(wl_surface* surface) override;
    void detach(void* object) override;

private:
    zwp_idle_inhibit_manager_v1* manager_ = nullptr;
};
