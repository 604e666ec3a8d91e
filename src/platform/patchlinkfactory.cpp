#include "platform/patchlink.h"
#include "platform/resolvelink.h"
#include "platform/webdisplaylink.h"

std::unique_ptr<PatchLink> createPatchLink(const PatchAddress& address, QObject* parent) {
    if (address.protocol == PatchAddress::Protocol::Resolve)
        return std::make_unique<ResolveLink>(address, parent);
    return std::make_unique<WebDisplayLink>(address, parent);
}
