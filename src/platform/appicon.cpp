#include "platform/appicon.h"

QIcon applicationIcon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/chromaflick-48.png"), QSize(48, 48));
    icon.addFile(QStringLiteral(":/icons/chromaflick-256.png"), QSize(256, 256));
    return icon;
}
