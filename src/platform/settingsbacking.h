#pragma once

#include <QSettings>
#include <QString>
#include <memory>
#include <optional>

// Per-user text values under one application name and section, in an INI file of the user's
// configuration folder. Writes go to disk at once, atomically. What can be read of a damaged file
// carries on, and a copy of the damaged file is kept beside it.
class SettingsBacking {
public:
    SettingsBacking(const QString& application, const QString& section);

    std::optional<QString> read(const QString& key);
    // Throws Failure when the value could not be stored.
    void write(const QString& key, const QString& value);

    QString fileName() const { return settings_->fileName(); }

private:
    std::unique_ptr<QSettings> openFile() const;
    void keepCopyIfDamaged() const;

    QString application_;
    std::unique_ptr<QSettings> settings_;
    QString section_;
};
