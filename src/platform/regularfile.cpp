#include "platform/regularfile.h"

#include "core/failure.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// The context translators see for the texts of this file.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(RegularFile)
};

QString openProblem(const QString& path, int error) {
    const QString name = shownFileName(path);
    if (nameWasNotUtf8(path))
        return Texts::tr("the name of %1 is not UTF-8 text, so the file cannot be opened; "
                         "rename it")
            .arg(name);
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return Texts::tr("%1 does not exist").arg(name);
    case ELOOP:
        return Texts::tr("%1 is a loop of links that leads to no file").arg(name);
    case ENXIO: // a socket, or a device without its driver: opening is refused for what it is
        if (struct stat status{};
            ::stat(QFile::encodeName(path).constData(), &status) == 0 && !S_ISREG(status.st_mode))
            return Texts::tr("%1 is %2, not a file").arg(name, kindOfNonFile(status.st_mode));
        return Texts::tr("%1 cannot be read: %2").arg(name, systemReason(error));
    default:
        return Texts::tr("%1 cannot be read: %2").arg(name, systemReason(error));
    }
}

} // namespace

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QString cannotWriteReason(const QString& path, int error) {
    return Texts::tr("%1 cannot be written: %2").arg(shownFileName(path), systemReason(error));
}

// No such file exists; saying "does not exist" would send the user looking for the wrong thing.
bool nameWasNotUtf8(const QString& path) {
    return path.contains(QChar::ReplacementCharacter);
}

QString kindOfNonFile(unsigned mode) {
    if (S_ISDIR(mode))
        return Texts::tr("a folder");
    if (S_ISFIFO(mode))
        return Texts::tr("a FIFO");
    if (S_ISSOCK(mode))
        return Texts::tr("a socket");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return Texts::tr("a device");
    return Texts::tr("not a regular file");
}

namespace {

QString notAFile(const QString& path, mode_t mode) {
    return Texts::tr("%1 is %2, not a file").arg(shownFileName(path), kindOfNonFile(mode));
}

QString tooLarge(const QString& path, qint64 largest) {
    return Texts::tr("%1 is larger than %2 MB").arg(shownFileName(path)).arg(largest >> 20);
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

} // namespace

QString shownFileName(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    return quotedForMessage(name.isEmpty() ? path : name);
}

FileReading readRegularFile(const QString& path, qint64 largest) {
    FileReading reading;
    // O_NONBLOCK: a FIFO opens at once instead of waiting for a writer; fstat then refuses it.
    const Descriptor file(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0) {
        reading.problem = openProblem(path, errno);
        return reading;
    }
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) {
        reading.problem = openProblem(path, errno);
        return reading;
    }
    if (!S_ISREG(status.st_mode)) {
        reading.problem = notAFile(path, status.st_mode);
        return reading;
    }
    if (status.st_size > largest) {
        reading.problem = tooLarge(path, largest);
        return reading;
    }
    // One byte past the limit tells a file that grew since it was measured.
    reading.bytes.resize(qsizetype(status.st_size) + 1);
    qsizetype filled = 0;
    for (;;) {
        if (filled == reading.bytes.size()) {
            if (filled > largest) {
                reading.problem = tooLarge(path, largest);
                reading.bytes.clear();
                return reading;
            }
            reading.bytes.resize(std::min<qint64>(largest + 1, filled * 2 + 4096));
        }
        const ssize_t got = ::read(file.get(), reading.bytes.data() + filled,
                                   size_t(reading.bytes.size() - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            reading.problem =
                Texts::tr("%1 cannot be read: %2").arg(shownFileName(path), systemReason(errno));
            reading.bytes.clear();
            return reading;
        }
        if (got == 0)
            break;
        filled += got;
    }
    reading.bytes.truncate(filled);
    return reading;
}

QString unreplaceableFileReason(const QString& path) {
    struct stat status {};
    // stat follows links: what would be replaced is what the link leads to.
    if (::stat(QFile::encodeName(path).constData(), &status) == 0)
        return S_ISREG(status.st_mode) ? QString() : notAFile(path, status.st_mode);
    if (errno == ENOENT)
        return {};
    if (errno == ELOOP)
        return Texts::tr("%1 is a loop of links that leads to no file").arg(shownFileName(path));
    return cannotWriteReason(path, errno);
}

QString replaceFile(const QString& path, const QByteArray& bytes) {
    if (const QString reason = unreplaceableFileReason(path); !reason.isEmpty())
        return reason;
    const auto cannotWrite = [&path](int error) { return cannotWriteReason(path, error); };
    // A link stays a link; the file it leads to is the one replaced.
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.canonicalFilePath() : path;
    QByteArray temporary = QFile::encodeName(target + QStringLiteral(".XXXXXX"));
    Descriptor file(::mkostemp(temporary.data(), O_CLOEXEC));
    if (file.get() < 0)
        return cannotWrite(errno);
    const auto fail = [&](int error) {
        ::unlink(temporary.constData());
        return cannotWrite(error);
    };
    struct stat old {};
    const mode_t umaskNow = ::umask(0);
    ::umask(umaskNow);
    const mode_t mode = ::stat(QFile::encodeName(target).constData(), &old) == 0
                            ? (old.st_mode & 07777)
                            : (0666 & ~umaskNow);
    if (::fchmod(file.get(), mode) != 0)
        return fail(errno);
    for (qsizetype written = 0; written < bytes.size();) {
        const ssize_t put =
            ::write(file.get(), bytes.constData() + written, size_t(bytes.size() - written));
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0)
            return fail(errno);
        written += put;
    }
    // A full disk may only show itself when the data reaches it.
    if (::fsync(file.get()) != 0)
        return fail(errno);
    if (::close(file.release()) != 0)
        return fail(errno);
    if (::rename(temporary.constData(), QFile::encodeName(target).constData()) != 0)
        return fail(errno);
    return {};
}
