#include "settingsbacking.h"

#include "failure.h"

#include <QFile>
#include <QMap>
#include <QStringList>
#include <cstdio>

SettingsBacking::SettingsBacking(const QString& application, const QString& section)
    : application_(application), settings_(openFile()), section_(section) {
    // A reader that met a damaged file keeps saying so, and then no failed write would show.
    if (settings_->status() == QSettings::FormatError)
        replaceDamagedFile();
}

std::unique_ptr<QSettings> SettingsBacking::openFile() const {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, application_);
}

void SettingsBacking::replaceDamagedFile() {
    QMap<QString, QVariant> readable;
    for (const QString& key : settings_->allKeys())
        readable.insert(key, settings_->value(key));
    const QString file = settings_->fileName();
    const QString kept = file + QStringLiteral(".damaged");
    settings_.reset();
    QFile::remove(kept);
    const bool moved = QFile::rename(file, kept);
    std::fprintf(stderr, "chromaflick: the settings file %s is damaged; %s\n", qPrintable(file),
                 moved ? qPrintable(QStringLiteral("it was kept as %1 and what could be read of it "
                                                   "carries on")
                                        .arg(kept))
                       : "it could not be moved aside");
    settings_ = openFile();
    for (auto it = readable.cbegin(); it != readable.cend(); ++it)
        settings_->setValue(it.key(), it.value());
    settings_->sync();
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
