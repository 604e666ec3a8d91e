#include "platform/appicon.h"

QIcon applicationIcon() {
    // Made once: every window that sets it shares its pixmaps, and so do Qt's cached copies of
    // them, which a new icon at every opening of the flash kept adding to.
    static const QIcon icon = [] {
        QIcon made;
        made.addFile(QStringLiteral(":/icons/chromaflick-48.png"), QSize(48, 48));
        made.addFile(QStringLiteral(":/icons/chromaflick-256.png"), QSize(256, 256));
        return made;
    }();
    return icon;
}
