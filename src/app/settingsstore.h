#pragma once

#include "platform/settingsbacking.h"

#include <QObject>
#include <QString>
#include <array>

// One stored value: its key and the text that stands for it while it is absent.
struct SettingKey {
    const char* name;
    const char* absentValue;
};

namespace Keys {
inline constexpr SettingKey Text1{"Text1", "500"};
inline constexpr SettingKey Option1{"Option1", "1"};
inline constexpr SettingKey Option2{"Option2", "0"};
inline constexpr SettingKey Colors{"Colors", ""};
inline constexpr SettingKey Option3{"Option3", "1"};
inline constexpr SettingKey Option4{"Option4", "0"};
inline constexpr SettingKey Option5{"Option5", "1"};
inline constexpr SettingKey Option6{"Option6", "0"};
// Option1 .. Option6 by their number less one.
inline constexpr std::array<SettingKey, 6> Options{Option1, Option2, Option3,
                                                   Option4, Option5, Option6};
} // namespace Keys

// Everything the program remembers between runs, under "Varnhollow", section "Chromaflick".
class SettingsStore : public QObject {
    Q_OBJECT
public:
    SettingsStore();

    QString ReadSetting(const SettingKey& key);
    // Both throw Failure when the value could not be stored.
    void WriteSetting(const SettingKey& key, const QString& value);
    void WriteSetting(const SettingKey& key, bool value);

    QString fileName() const { return backing_.fileName(); }

signals:
    // Every value that reached the store, in the order written.
    void settingWritten(const QString& key, const QString& value);

private:
    SettingsBacking backing_;
};
