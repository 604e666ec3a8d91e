#include "platform/files.h"

#include <QCoreApplication>
#include <QFileInfo>

QString programFolder() {
    return QCoreApplication::applicationDirPath();
}

bool FileExists(const QString& path) {
    return !path.isEmpty() && QFileInfo::exists(path);
}

bool isVisibleFile(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && !info.isHidden();
}
