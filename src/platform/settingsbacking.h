#pragma once

#include "core/settingsfile.h"
#include "core/settingsstore.h"

#include <QSettings>
#include <QString>
#include <memory>
#include <optional>

// Per-user text values under one application name and section, in an INI file of the user's
// configuration folder. Writes go to disk at once, atomically. What can be read of a damaged file
// carries on, and a copy of the damaged file is kept beside it. A path that is no regular file,
// or a file that cannot be read, is left alone: nothing is read from it or written over it.
class SettingsBacking final : public SettingsFile {
public:
    SettingsBacking(const QString& application, const QString& section);

    std::optional<QString> read(const QString& key) override;
    using SettingsFile::write;
    void write(const QList<std::pair<QString, QString>>& values) override;
    QString fileName() const override { return fileName_; }
    QString unusableReason() const override { return unusableReason_; }
    QString keepCopy(const QString& suffix) const override;

private:
    std::unique_ptr<QSettings> openFile() const;
    void keepCopyIfDamaged() const;

    QString application_;
    QString fileName_;
    QString unusableReason_;
    std::unique_ptr<QSettings> settings_;
    QString section_;
};

// The settings store over this user's settings file.
class UserSettingsStore final : public SettingsStore {
public:
    UserSettingsStore();
};

// The file the settings of an application live in for this user.
QString userSettingsFile(const QString& application);

// That file first, then every file the program keeps beside it.
QStringList userSettingsFiles(const QString& application);

// Why the path cannot serve as a settings file: it is no regular file (a link to one is fine) or
// cannot be read. Empty when it can, or when nothing is there yet. Never opens anything but a
// regular file, so a FIFO cannot block it.
QString unusableSettingsFileReason(const QString& path);
