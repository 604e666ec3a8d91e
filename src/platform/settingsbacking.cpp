#include "settingsbacking.h"

#include "failure.h"
#include "inicodec.h"

#include <QFile>
#include <QStringList>
#include <cstdio>

SettingsBacking::SettingsBacking(const QString& application, const QString& section)
    : application_(application), settings_(openFile()), section_(section) {
    keepCopyIfDamaged();
}

std::unique_ptr<QSettings> SettingsBacking::openFile() const {
    return std::make_unique<QSettings>(settingsFileFormat(), QSettings::UserScope, application_);
}

void SettingsBacking::keepCopyIfDamaged() const {
    QFile file(settings_->fileName());
    if (!takeDamageNotice(file.fileName()))
        return;
    // The next write leaves out the lines that made no sense; keep them for whoever wants them.
    const QString kept = file.fileName() + QStringLiteral(".damaged");
    QFile::remove(kept);
    const bool copied = file.copy(kept);
    std::fprintf(stderr, "chromaflick: the settings file %s is damaged; %s\n",
                 qPrintable(file.fileName()),
                 copied ? qPrintable(QStringLiteral("a copy was kept as %1").arg(kept))
                        : "no copy could be kept");
}

std::optional<QString> SettingsBacking::read(const QString& key) {
    const QVariant value = settings_->value(section_ + QLatin1Char('/') + key);
    if (!value.isValid())
        return std::nullopt;
    // A hand-edited file may hold an unquoted value with commas, which the INI reader splits.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1String(", "));
    return value.toString();
}

void SettingsBacking::write(const QString& key, const QString& value) {
    const QString path = section_ + QLatin1Char('/') + key;
    settings_->setValue(path, value);
    settings_->sync();
    if (settings_->status() == QSettings::AccessError)
        throw Failure(
            QStringLiteral("The settings file %1 could not be written").arg(settings_->fileName()));
    if (settings_->status() == QSettings::FormatError) {
        // Met while merging with a damaged file on disk, and it sticks to this reader even when
        // the new file was written well: look at what the file holds now.
        auto fresh = openFile();
        if (fresh->status() != QSettings::NoError || fresh->value(path).toString() != value)
            throw Failure(QStringLiteral("The settings file %1 could not be written in a form "
                                         "that reads back")
                              .arg(settings_->fileName()));
        settings_ = std::move(fresh);
    }
}
