#pragma once

#include <QSettings>
#include <QString>
#include <optional>

// Per-user text values under one application name and section, in an INI file of the user's
// configuration folder. Writes go to disk at once, atomically.
class SettingsBacking {
public:
    SettingsBacking(const QString& application, const QString& section);

    std::optional<QString> read(const QString& key);
    // Throws Failure when the value could not be stored.
    void write(const QString& key, const QString& value);

    QString fileName() const { return settings_.fileName(); }

private:
    QSettings settings_;
    QString section_;
};
