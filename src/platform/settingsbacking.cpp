#include "settingsbacking.h"

#include "failure.h"

#include <QStringList>

SettingsBacking::SettingsBacking(const QString& application, const QString& section)
    : settings_(QSettings::IniFormat, QSettings::UserScope, application), section_(section) {}

std::optional<QString> SettingsBacking::read(const QString& key) {
    const QVariant value = settings_.value(section_ + QLatin1Char('/') + key);
    if (!value.isValid())
        return std::nullopt;
    // A hand-edited file may hold an unquoted value with commas, which the INI reader splits.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1String(", "));
    return value.toString();
}

void SettingsBacking::write(const QString& key, const QString& value) {
    settings_.setValue(section_ + QLatin1Char('/') + key, value);
    settings_.sync();
    switch (settings_.status()) {
    case QSettings::NoError:
        return;
    case QSettings::AccessError:
        throw Failure(
            QStringLiteral("The settings file %1 could not be written").arg(settings_.fileName()));
    case QSettings::FormatError:
        throw Failure(QStringLiteral("The settings file %1 is damaged and was not overwritten")
                          .arg(settings_.fileName()));
    }
}
