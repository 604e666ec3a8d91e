#include "platform/framelogfile.h"

#include "core/framelog.h"
#include "platform/regularfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(FrameLogFile)
};

QString cannotWrite(const QString& path, int error) {
    return Texts::tr("%1 cannot be written: %2")
        .arg(shownFileName(path), QString::fromLocal8Bit(std::strerror(error)));
}

QString notALogFile(const QString& path, unsigned mode) {
    return Texts::tr("%1 is %2, not a file to write a log to")
        .arg(shownFileName(path), kindOfNonFile(mode));
}

} // namespace

FrameLogFile::~FrameLogFile() {
    if (descriptor_ >= 0)
        ::close(descriptor_);
}

QString FrameLogFile::problemBeforeOpening(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::stat(name.constData(), &status) == 0) {
        if (!S_ISREG(status.st_mode))
            return notALogFile(path, status.st_mode);
        return ::access(name.constData(), W_OK) == 0 ? QString() : cannotWrite(path, errno);
    }
    if (errno != ENOENT)
        return cannotWrite(path, errno);
    // Nothing there yet: the folder has to take a new file.
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    return ::access(folder.constData(), W_OK | X_OK) == 0 ? QString() : cannotWrite(path, errno);
}

QString FrameLogFile::open(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    // A pipe or a device named by mistake must neither block the start nor be written over.
    const int descriptor =
        ::open(name.constData(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0644);
    if (descriptor < 0)
        return cannotWrite(path, errno);
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return notALogFile(path, status.st_mode);
    }
    if (::ftruncate(descriptor, 0) != 0) {
        const int error = errno;
        ::close(descriptor);
        return cannotWrite(path, error);
    }
    descriptor_ = descriptor;
    path_ = path;
    writeLine(QLatin1String(FrameLogHeader));
    return {};
}

void FrameLogFile::write(const StepShown& shown) {
    if (descriptor_ >= 0)
        writeLine(frameLogRow(shown));
}

void FrameLogFile::writeLine(const QString& line) {
    const QByteArray bytes = (line + u'\n').toUtf8();
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(descriptor_, bytes.constData() + done,
                                        static_cast<std::size_t>(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (!troubleTold_) {
                troubleTold_ = true;
                std::fprintf(stderr, "chromaflick: %s\n",
                             qPrintable(Texts::tr("the log %1 could not be written: %2")
                                            .arg(shownFileName(path_),
                                                 QString::fromLocal8Bit(std::strerror(errno)))));
            }
            return;
        }
        done += written;
    }
}
