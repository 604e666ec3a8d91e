#include "settingsstore.h"

#include "apptitle.h"

SettingsStore::SettingsStore() : backing_(QStringLiteral("Varnhollow"), ProductName) {}

QString SettingsStore::ReadSetting(const SettingKey& key) {
    return backing_.read(QLatin1String(key.name)).value_or(QLatin1String(key.absentValue));
}

void SettingsStore::WriteSetting(const SettingKey& key, const QString& value) {
    backing_.write(QLatin1String(key.name), value);
    emit settingWritten(QLatin1String(key.name), value);
}

void SettingsStore::WriteSetting(const SettingKey& key, bool value) {
    WriteSetting(key, value ? QStringLiteral("True") : QStringLiteral("False"));
}
