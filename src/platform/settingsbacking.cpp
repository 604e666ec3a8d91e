#include "platform/settingsbacking.h"

#include "core/applicationtitle.h"
#include "core/failure.h"
#include "platform/inicodec.h"
#include "platform/regularfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The context translators see for the texts of this file.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(SettingsBacking)
};

// The system's own words for why the file cannot be replaced, found by trying without replacing.
QString whyNotWritable(const QString& path) {
    QSaveFile probe(path);
    if (!probe.open(QIODevice::WriteOnly))
        return probe.errorString();
    probe.cancelWriting();
    return Texts::tr("the disk may be full or read-only");
}

} // namespace

QString userSettingsFile(const QString& application) {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + application + QStringLiteral(".ini");
}

QStringList userSettingsFiles(const QString& application) {
    const QString settings = userSettingsFile(application);
    QStringList files{settings};
    for (const char* suffix : {DamagedCopySuffix, BeforeColorsCopySuffix, UncutCopySuffix})
        files << settings + QLatin1StringView(suffix);
    // Qt's writer takes this lock beside the file while it writes it.
    files << settings + QStringLiteral(".lock");
    return files;
}

QString unusableSettingsFileReason(const QString& path) {
    // Opening never waits (a FIFO opens at once), and the opened file is what is judged, so a
    // link to a regular file counts as that file and nothing swapped in meanwhile slips by.
    const int descriptor =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0) {
        // Nothing there yet is fine; a folder that may not be looked into is not.
        if (errno == ENOENT || errno == ENOTDIR)
            return {};
        if (errno == ELOOP)
            return Texts::tr("%1 is a loop of links, not a file").arg(path);
        // A socket cannot be opened at all; what it is tells more than why.
        if (struct stat status{};
            errno == ENXIO && ::stat(QFile::encodeName(path).constData(), &status) == 0)
            return Texts::tr("%1 is %2, not a file").arg(path, kindOfNonFile(status.st_mode));
        return Texts::tr("%1 could not be read: %2")
            .arg(path, QString::fromLocal8Bit(strerror(errno)));
    }
    struct stat status {};
    const int statResult = ::fstat(descriptor, &status);
    const int statError = errno;
    ::close(descriptor);
    if (statResult != 0)
        return Texts::tr("%1 could not be read: %2")
            .arg(path, QString::fromLocal8Bit(strerror(statError)));
    if (!S_ISREG(status.st_mode))
        return Texts::tr("%1 is %2, not a file").arg(path, kindOfNonFile(status.st_mode));
    return {};
}

SettingsBacking::SettingsBacking(const QString& application, const QString& section)
    : application_(application), fileName_(userSettingsFile(application)),
      unusableReason_(unusableSettingsFileReason(fileName_)), section_(section) {
    if (!unusableReason_.isEmpty())
        return;
    settings_ = openFile();
    keepCopyIfDamaged();
}

std::unique_ptr<QSettings> SettingsBacking::openFile() const {
    return std::make_unique<QSettings>(settingsFileFormat(), QSettings::UserScope, application_);
}

QString SettingsBacking::keepCopy(const QString& suffix) const {
    const QString kept = fileName_ + suffix;
    QFile::remove(kept);
    return QFile::copy(fileName_, kept) ? kept : QString();
}

void SettingsBacking::keepCopyIfDamaged() const {
    if (!takeDamageNotice(fileName_))
        return;
    // The next write leaves out the lines that made no sense; keep them for whoever wants them.
    const QString kept = keepCopy(QLatin1StringView(DamagedCopySuffix));
    std::fprintf(stderr, "chromaflick: the settings file %s is damaged; %s\n",
                 qPrintable(fileName_),
                 !kept.isEmpty() ? qPrintable(QStringLiteral("a copy was kept as %1").arg(kept))
                                 : "no copy could be kept");
}

std::optional<QString> SettingsBacking::read(const QString& key) {
    if (!settings_)
        return std::nullopt;
    const QVariant value = settings_->value(section_ + QLatin1Char('/') + key);
    if (!value.isValid())
        return std::nullopt;
    // A hand-edited file may hold an unquoted value with commas, which the INI reader splits.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1String(", "));
    return value.toString();
}

void SettingsBacking::write(const QList<std::pair<QString, QString>>& values) {
    if (!settings_)
        throw Failure(Texts::tr("The settings are not kept: %1").arg(unusableReason_));
    for (const auto& [key, value] : values)
        settings_->setValue(section_ + QLatin1Char('/') + key, value);
    settings_->sync();
    if (settings_->status() == QSettings::NoError)
        return;
    // A reader keeps its first error for good; a fresh one judges the next write on its own.
    settings_ = openFile();
    throw Failure(Texts::tr("The settings file %1 could not be written: %2")
                      .arg(fileName_, whyNotWritable(fileName_)));
}

UserSettingsStore::UserSettingsStore()
    : SettingsStore(
          std::make_unique<SettingsBacking>(QLatin1String(SettingsApplication), ProductName)) {}
