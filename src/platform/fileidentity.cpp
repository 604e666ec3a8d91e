#include "platform/fileidentity.h"

#include <QFile>
#include <climits>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// As the kernel follows them before it gives up with ELOOP.
constexpr int MostLinksFollowed = 40;

QByteArray folderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return ".";
    return slash == 0 ? QByteArray("/") : path.left(slash);
}

} // namespace

std::optional<FileIdentity> fileIdentity(const QString& path) {
    QByteArray name = QFile::encodeName(path);
    for (int links = 0; links <= MostLinksFollowed; ++links) {
        struct stat status {};
        if (::stat(name.constData(), &status) == 0)
            return FileIdentity{status.st_dev, status.st_ino, {}};
        // A link that leads nowhere yet: the file made through it is made where it points.
        if (::lstat(name.constData(), &status) == 0 && S_ISLNK(status.st_mode)) {
            char target[PATH_MAX];
            const ssize_t length = ::readlink(name.constData(), target, sizeof target);
            if (length <= 0)
                return std::nullopt;
            const QByteArray pointed(target, length);
            name = pointed.startsWith('/') ? pointed : folderOf(name) + '/' + pointed;
            continue;
        }
        struct stat folder {};
        if (::stat(folderOf(name).constData(), &folder) != 0 || !S_ISDIR(folder.st_mode))
            return std::nullopt;
        return FileIdentity{folder.st_dev, folder.st_ino, name.mid(name.lastIndexOf('/') + 1)};
    }
    return std::nullopt;
}
