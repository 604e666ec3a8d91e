#include "testsupport.h"

#include "platform/inicodec.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

namespace {

QSettings& testStore() {
    static QSettings settings(settingsFileFormat(), QSettings::UserScope,
                              QStringLiteral("Varnhollow"));
    return settings;
}

} // namespace

void useOwnSettingsFolder() {
    static QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/chromaflick-test-XXXXXX"));
    qputenv("XDG_CONFIG_HOME", folder.path().toUtf8());
}

void resetStore(const QMap<QString, QString>& values) {
    QSettings& settings = testStore();
    settings.clear();
    for (auto it = values.begin(); it != values.end(); ++it)
        settings.setValue(QStringLiteral("Chromaflick/") + it.key(), it.value());
    settings.sync();
}

void storeSolidCycle(const QStringList& entries, int delayMs) {
    const QString& separator = StoredSeparator;
    resetStore({{QStringLiteral("Colors"), entries.join(separator) + separator},
                {QStringLiteral("Option1"), QStringLiteral("False")},
                {QStringLiteral("Option2"), QStringLiteral("True")},
                {QStringLiteral("Text1"), QString::number(delayMs)}});
}

void storeGradientCycle(const QStringList& entries, int delayMs, bool upAndDown) {
    const QString& separator = StoredSeparator;
    const auto flag = [](bool on) { return on ? QStringLiteral("True") : QStringLiteral("False"); };
    resetStore({{QStringLiteral("Colors"), entries.join(separator) + separator},
                {QStringLiteral("Option1"), flag(false)},
                {QStringLiteral("Option2"), flag(true)},
                {QStringLiteral("Option3"), flag(false)},
                {QStringLiteral("Option4"), flag(true)},
                {QStringLiteral("Option5"), flag(!upAndDown)},
                {QStringLiteral("Option6"), flag(upAndDown)},
                {QStringLiteral("Text1"), QString::number(delayMs)}});
}

QString storedValue(const QString& key) {
    QSettings& settings = testStore();
    settings.sync();
    const QVariant value = settings.value(QStringLiteral("Chromaflick/") + key);
    return value.isValid() ? value.toString() : QString();
}
