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
    settings_->setValue(section_ + QLatin1Char('/') + key, value);
    settings_->sync();
    if (settings_->status() == QSettings::NoError)
        return;
    const QString file = settings_->fileName();
    // A reader keeps its first error for good; a fresh one judges the next write on its own.
    settings_ = openFile();
    throw Failure(QStringLiteral("The settings file %1 could not be written").arg(file));
}
