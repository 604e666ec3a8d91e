#pragma once

#include <QSettings>
#include <QString>
#include <memory>
#include <optional>

// Per-user text values under one application name and section, in an INI file of the user's
// configuration folder. Writes go to disk at once, atomically. A damaged file is kept aside and
// what could be read of it carries on in a fresh one.
class SettingsBacking {
public:
    SettingsBacking(const QString& application, const QString& section);

    std::optional<QString> read(const QString& key);
    // Throws Failure when the value could not be stored.
    void write(const QString& key, const QString& value);

    QString fileName() const { return settings_->fileName(); }

private:
    std::unique_ptr<QSettings> openFile() const;
    void replaceDamagedFile();

    QString application_;
    std::unique_ptr<QSettings> settings_;
    QString section_;
};
