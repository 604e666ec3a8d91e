#include "core/settingsstore.h"

#include "core/applicationtitle.h"
#include "core/settingsfile.h"

#include <QCoreApplication>
#include <cstdio>
#include <exception>
#include <utility>

namespace {

QString booleanText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace

SettingsStore::SettingsStore(std::unique_ptr<SettingsFile> file) : file_(std::move(file)) {}

QString SettingsStore::ReadSetting(const SettingKey& key) {
    if (!file_->unusableReason().isEmpty() && !std::exchange(readTroubleNoted_, true)) {
        tellTrouble(QCoreApplication::translate("SettingsStore",
                                                "%1. %2 starts with its default settings, and "
                                                "the changes made in this run will not be kept.")
                        .arg(file_->unusableReason(), ProductName));
    }
    return file_->read(QLatin1String(key.name)).value_or(QLatin1String(key.absentValue));
}

void SettingsStore::WriteSetting(const SettingKey& key, const QString& value) {
    file_->write(QLatin1String(key.name), value);
    emit settingWritten(QLatin1String(key.name), value);
}

void SettingsStore::WriteSetting(const SettingKey& key, bool value) {
    WriteSetting(key, booleanText(value));
}

void SettingsStore::writeTellingTrouble(const SettingKey& key, const QString& value) noexcept {
    writeTellingTrouble({{key, value}});
}

void SettingsStore::writeTellingTrouble(const SettingKey& first, bool firstValue,
                                        const SettingKey& second, bool secondValue) noexcept {
    writeTellingTrouble({{first, booleanText(firstValue)}, {second, booleanText(secondValue)}});
}

void SettingsStore::writeTellingTrouble(
    const QList<std::pair<SettingKey, QString>>& values) noexcept {
    try {
        QList<std::pair<QString, QString>> named;
        for (const auto& [key, value] : values)
            named.append({QLatin1String(key.name), value});
        file_->write(named);
        for (const auto& [key, value] : values)
            emit settingWritten(QLatin1String(key.name), value);
    } catch (const std::exception& failure) {
        tellTrouble(QCoreApplication::translate("SettingsStore",
                                                "%1. The changes made in this run will not be "
                                                "kept.")
                        .arg(QString::fromUtf8(failure.what())));
    }
}

void SettingsStore::setTroubleTeller(std::function<void(const QString&)> teller) {
    troubleTeller_ = std::move(teller);
}

void SettingsStore::tellTrouble(const QString& text) {
    std::fprintf(stderr, "chromaflick: %s\n", qPrintable(text));
    if (troubleTeller_ && !std::exchange(troubleTold_, true))
        troubleTeller_(text);
}
