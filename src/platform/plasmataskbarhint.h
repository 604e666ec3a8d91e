#pragma once

#include "platform/waylandsurfaceextension.h"

struct org_kde_plasma_shell;

// Keeps the held windows out of the task bar and the window switcher where the compositor
// offers KDE's plasma-shell surfaces; elsewhere it does nothing.
class PlasmaTaskbarHint : public WaylandSurfaceExtension {
    Q_OBJECT
public:
    explicit PlasmaTaskbarHint(QObject* parent = nullptr);
    ~PlasmaTaskbarHint() override;

protected:
    void* attach(wl_surface* surface) override;
    void detach(void* object) override;

private:
    org_kde_plasma_shell* shell_ = nullptr;
};
