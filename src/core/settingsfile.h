#pragma once

#include <QList>
#include <QString>
#include <optional>
#include <utility>

// The copies of the settings file kept beside it, named after it with these suffixes.
inline constexpr const char* DamagedCopySuffix = ".damaged";
inline constexpr const char* BeforeColorsCopySuffix = ".before-colors";
inline constexpr const char* UncutCopySuffix = ".uncut";

// Where the settings are kept: text values by key, each write stored at once.
class SettingsFile {
public:
    virtual ~SettingsFile() = default;

    virtual std::optional<QString> read(const QString& key) = 0;
    // Stores the values by one write of the file; throws Failure when they could not be stored.
    virtual void write(const QList<std::pair<QString, QString>>& values) = 0;
    void write(const QString& key, const QString& value) { write({{key, value}}); }

    virtual QString fileName() const = 0;
    // Why the file is left alone, or empty when it is in use.
    virtual QString unusableReason() const = 0;
    // Copies the file as it is now to its name plus the suffix; the copy's name, or empty.
    virtual QString keepCopy(const QString& suffix) const = 0;
};
