#include "platform/plasmataskbarhint.h"

#include "plasma-shell-client-protocol.h"
#include "platform/waylandglobals.h"

namespace {

// The first version that can leave the window switcher as well.
constexpr uint32_t switcherVersion = ORG_KDE_PLASMA_SURFACE_SET_SKIP_SWITCHER_SINCE_VERSION;

} // namespace

PlasmaTaskbarHint::PlasmaTaskbarHint(QObject* parent) : WaylandSurfaceExtension(parent) {
    shell_ = static_cast<org_kde_plasma_shell*>(
        globals().bind(&org_kde_plasma_shell_interface, switcherVersion));
}

PlasmaTaskbarHint::~PlasmaTaskbarHint() {
    release();
    if (shell_)
        org_kde_plasma_shell_destroy(shell_);
}

void* PlasmaTaskbarHint::attach(wl_surface* surface) {
    if (!shell_)
        return nullptr;
    org_kde_plasma_surface* plasma = org_kde_plasma_shell_get_surface(shell_, surface);
    const uint32_t version = org_kde_plasma_surface_get_version(plasma);
    if (version >= ORG_KDE_PLASMA_SURFACE_SET_SKIP_TASKBAR_SINCE_VERSION)
        org_kde_plasma_surface_set_skip_taskbar(plasma, 1);
    if (version >= switcherVersion)
        org_kde_plasma_surface_set_skip_switcher(plasma, 1);
    return plasma;
}

void PlasmaTaskbarHint::detach(void* object) {
    org_kde_plasma_surface_destroy(static_cast<org_kde_plasma_surface*>(object));
}
