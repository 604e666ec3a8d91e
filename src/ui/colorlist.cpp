#include "ui/colorlist.h"

#include "core/errortrap.h"
#include "core/failure.h"
#include "core/settingsstore.h"
#include "core/storedlist.h"
#include "ui/colorlistview.h"

#include <QCoreApplication>

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
        if (entries.size() <= MaxListEntries)
            return;
        // The close stores only what was loaded; the rest must survive somewhere.
        const QString kept = store.keepCopy(QStringLiteral(".uncut"));
        const QString cut =
            QCoreApplication::translate("ColorList", "The stored list holds %1 colors; only "
                                                     "the first %2 were loaded")
                .arg(entries.size())
                .arg(MaxListEntries);
        throw Failure(
            kept.isEmpty()
                ? QCoreApplication::translate("ColorList", "%1, and no copy of the whole list "
                                                           "could be kept")
                      .arg(cut)
                : QCoreApplication::translate("ColorList", "%1; the whole list was kept in %2")
                      .arg(cut, kept));
    });
}

bool SaveColorList(ErrorTrap& trap, SettingsStore& store, const ColorListView& list) {
    QString stored;
    QStringList entries;
    trap.step(102, [&] { entries = list.entries(); });
    trap.step(104, [&] { stored = joinStoredList(entries); });
    return trap.step(108, [&] { store.WriteSetting(Keys::Colors, stored); });
}
