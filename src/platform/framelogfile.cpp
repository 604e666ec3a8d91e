#include "platform/framelogfile.h"

#include "core/framelog.h"
#include "platform/regularfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(FrameLogFile)
};

QString notALogFile(const QString& path, unsigned mode) {
    return Texts::tr("%1 is %2, not a file to write a log to")
        .arg(shownFileName(path), kindOfNonFile(mode));
}

void tell(const QString& text) {
    std::fprintf(stderr, "chromaflick: %s\n", qPrintable(text));
}

// A regular file, opened for writing and locked for this run alone; -1 with the problem if not.
// A pipe or a device named by mistake must neither block the start nor be written over.
int openLocked(const QString& path, int flags, QString& problem) {
    const int descriptor = ::open(QFile::encodeName(path).constData(),
                                  O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | flags, 0644);
    if (descriptor < 0) {
        problem = errno == EISDIR ? notALogFile(path, S_IFDIR) : cannotWriteReason(path, errno);
        return -1;
    }
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        problem = notALogFile(path, status.st_mode);
        return -1;
    }
    if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(descriptor);
        problem = error == EWOULDBLOCK ? Texts::tr("%1 is locked by another program that writes it")
                                             .arg(shownFileName(path))
                                       : cannotWriteReason(path, error);
        return -1;
    }
    return descriptor;
}

} // namespace

FrameLogFile::~FrameLogFile() {
    if (descriptor_ >= 0)
        ::close(descriptor_);
}

QString FrameLogFile::claim(const QString& path) {
    QString problem;
    descriptor_ = openLocked(path, 0, problem);
    if (descriptor_ < 0) {
        if (::access(QFile::encodeName(path).constData(), F_OK) == 0 || errno != ENOENT)
            return problem;
        // Not there yet: it is made at the first flash, in a folder that must let it be.
        if (::access(QFile::encodeName(QFileInfo(path).path()).constData(), W_OK | X_OK) != 0)
            return cannotWriteReason(path, errno);
    }
    path_ = path;
    return {};
}

QString FrameLogFile::begin() {
    if (begun_)
        return {};
    // A file removed since the start would take the rows out of sight.
    if (struct stat status{};
        descriptor_ >= 0 && ::fstat(descriptor_, &status) == 0 && status.st_nlink == 0) {
        ::close(descriptor_);
        descriptor_ = -1;
    }
    if (descriptor_ < 0) {
        QString problem;
        descriptor_ = openLocked(path_, O_CREAT, problem);
        if (descriptor_ < 0)
            return problem;
    }
    if (::ftruncate(descriptor_, 0) != 0)
        return cannotWriteReason(path_, errno);
    begun_ = true;
    end_ = 0;
    headerWritten_ = writeLine(QLatin1String(FrameLogHeader));
    if (!headerWritten_)
        leaveOut(nullptr, errno);
    return {};
}

QString FrameLogFile::open(const QString& path) {
    if (QString problem = claim(path); !problem.isEmpty())
        return problem;
    return begin();
}

void FrameLogFile::write(const StepShown& shown) {
    if (!begun_)
        return;
    if (!headerWritten_ && !(headerWritten_ = writeLine(QLatin1String(FrameLogHeader))))
        return leaveOut(&shown, errno);
    if (leavingOut_) {
        // The count and the row go in one write: a count that fits where its row does not would
        // only start the next count.
        const QString row = frameLogRow(shown);
        if (!writeLine(lostRows_ > 0
                           ? frameLogLostRow(firstLostStep_, firstLostScreen_, lostRows_) + u'\n' +
                                 row
                           : row))
            return leaveOut(&shown, errno);
        tell(Texts::tr("the log %1 is written again; rows left out: %2")
                 .arg(shownFileName(path_))
                 .arg(lostRows_));
        leavingOut_ = false;
        lostRows_ = 0;
        return;
    }
    if (!writeLine(frameLogRow(shown)))
        leaveOut(&shown, errno);
}

void FrameLogFile::finish() {
    if (!leavingOut_)
        return;
    if (headerWritten_ && lostRows_ > 0 &&
        writeLine(frameLogLostRow(firstLostStep_, firstLostScreen_, lostRows_))) {
        tell(Texts::tr("the log %1 is written again; rows left out: %2")
                 .arg(shownFileName(path_))
                 .arg(lostRows_));
    } else {
        tell(Texts::tr("the log %1 could not be written to the end; rows left out: %2")
                 .arg(shownFileName(path_))
                 .arg(lostRows_));
    }
    leavingOut_ = false;
}

void FrameLogFile::leaveOut(const StepShown* shown, int error) {
    if (!std::exchange(leavingOut_, true))
        tell(Texts::tr("the log %1 could not be written: %2; rows are left out until it can be, "
                       "then a line counts them")
                 .arg(shownFileName(path_), systemReason(error)));
    if (!shown)
        return;
    if (lostRows_++ == 0) {
        firstLostStep_ = shown->step;
        firstLostScreen_ = shown->screen;
    }
}

bool FrameLogFile::writeLine(const QString& line) {
    const QByteArray bytes = (line + u'\n').toUtf8();
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::pwrite(descriptor_, bytes.constData() + done,
                                         std::size_t(bytes.size() - done), off_t(end_ + done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            const int error = written < 0 ? errno : ENOSPC;
            // No half line may stay: the file ends with its last whole line. Should this fail
            // too, the next line is written over the half.
            if (done > 0) {
                [[maybe_unused]] const int cut = ::ftruncate(descriptor_, off_t(end_));
            }
            errno = error;
            return false;
        }
        done += written;
    }
    end_ += done;
    return true;
}
