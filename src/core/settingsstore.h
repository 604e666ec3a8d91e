#pragma once

#include "core/flashoption.h"
#include "core/flashsettings.h"
#include "core/settingsfile.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

// One stored value: its key and the text that stands for it while it is absent.
struct SettingKey {
    const char* name;
    const char* absentValue;
};

namespace Keys {
// The stored names are those the program has always written; existing files must still read.
inline constexpr SettingKey DelayText{"Text1", DefaultDelayText};
inline constexpr SettingKey RandomOrder{"Option1", "1"};
inline constexpr SettingKey CycleOrder{"Option2", "0"};
inline constexpr SettingKey Colors{"Colors", ""};
inline constexpr SettingKey SolidColors{"Option3", "1"};
inline constexpr SettingKey GradientColors{"Option4", "0"};
inline constexpr SettingKey LeftToRight{"Option5", "1"};
inline constexpr SettingKey UpAndDown{"Option6", "0"};
inline constexpr PerFlashOption<SettingKey> Options{
    {RandomOrder, CycleOrder, SolidColors, GradientColors, LeftToRight, UpAndDown}};
// Whether flashes are held to whole refreshes of the display.
inline constexpr SettingKey FrameLock{"FrameLock", "False"};
// The last flashing box placed or sized, as WxH+X+Y in desktop pixels.
inline constexpr SettingKey Box{"Box", ""};
} // namespace Keys

// The application name the settings file is kept under; the section is the product's name.
inline constexpr const char* SettingsApplication = "Varnhollow";

// Everything the program remembers between runs, under "Varnhollow", section "Chromaflick".
class SettingsStore : public QObject {
    Q_OBJECT
public:
    explicit SettingsStore(std::unique_ptr<SettingsFile> file);

    // A store that cannot be read reads as empty; the trouble is told at the first read.
    QString ReadSetting(const SettingKey& key);
    // Both throw Failure when the value could not be stored; the caller reports it.
    void WriteSetting(const SettingKey& key, const QString& value);
    void WriteSetting(const SettingKey& key, bool value);
    // For writes that no handler reports: a failure is told as trouble with the store.
    void writeTellingTrouble(const SettingKey& key, const QString& value) noexcept;
    void writeTellingTrouble(const SettingKey& key, bool value) noexcept;
    // The two keys of an option group by one write of the file.
    void writeTellingTrouble(const SettingKey& first, bool firstValue, const SettingKey& second,
                             bool secondValue) noexcept;

    // Who tells the user of trouble with the store: once per run, when it is first found. Every
    // trouble also goes to stderr.
    void setTroubleTeller(std::function<void(const QString&)> teller);

    QString fileName() const { return file_->fileName(); }
    // Copies the file as it is now beside it, with the suffix; the copy's name, or empty.
    QString keepCopy(const QString& suffix) const { return file_->keepCopy(suffix); }

signals:
    // Every value that reached the store, in the order written.
    void settingWritten(const QString& key, const QString& value);

private:
    void tellTrouble(const QString& text);
    void writeTellingTrouble(const QList<std::pair<SettingKey, QString>>& values) noexcept;

    std::unique_ptr<SettingsFile> file_;
    std::function<void(const QString&)> troubleTeller_;
    bool troubleTold_ = false;
    bool readTroubleNoted_ = false;
};
