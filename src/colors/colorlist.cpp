#include "colorlist.h"

#include "app/errortrap.h"
#include "app/settingsstore.h"
#include "colorlistview.h"
#include "platform/failure.h"
#include "storedlist.h"

void appendDefaultColors(ErrorTrap& trap, ColorListView& list, int firstLine) {
    int line = firstLine;
    for (const QString& entry : DefaultColorList()) {
        trap.step(line, [&] { list.append({entry}); });
        line += 2;
    }
}

void LoadColorList(ErrorTrap& trap, SettingsStore& store, ColorListView& list) {
    QString stored;
    trap.step(138, [&] { stored = store.ReadSetting(Keys::Colors); });
    if (trap.test(140, [&] { return stored.isEmpty(); })) {
        appendDefaultColors(trap, list, 142);
        return;
    }
    QStringList entries;
    trap.step(156, [&] { entries = splitStoredList(stored); });
    QStringList kept = entries.mid(0, MaxListEntries);
    trap.step(162, [&] { list.append(kept); });
    trap.step(164, [&] {
        if (entries.size() > MaxListEntries)
            throw Failure(QStringLiteral("The stored list holds %1 colors; only the first %2 "
                                         "were loaded")
                              .arg(entries.size())
                              .arg(MaxListEntries));
    });
}

void SaveColorList(ErrorTrap& trap, SettingsStore& store, const ColorListView& list) {
    QString stored;
    QStringList entries;
    trap.step(102, [&] { entries = list.entries(); });
    trap.step(104, [&] { stored = joinStoredList(entries); });
    trap.step(108, [&] { store.WriteSetting(Keys::Colors, stored); });
}
