#include "colorlist.h"

#include "app/errortrap.h"
#include "app/settingsstore.h"
#include "platform/failure.h"
#include "storedlist.h"

#include <QTreeWidget>

QStringList colorEntries(const QTreeWidget& list) {
    QStringList texts;
    const int count = list.topLevelItemCount();
    texts.reserve(count);
    for (int i = 0; i < count; ++i)
        texts.append(list.topLevelItem(i)->text(0));
    return texts;
}

void appendColorEntries(QTreeWidget& list, const QStringList& texts) {
    QList<QTreeWidgetItem*> items;
    items.reserve(texts.size());
    for (const QString& text : texts)
        items.append(new QTreeWidgetItem(QStringList{text}));
    list.addTopLevelItems(items);
}

void appendDefaultColors(ErrorTrap& trap, QTreeWidget& list, int firstLine) {
    int line = firstLine;
    for (const QString& entry : DefaultColorList()) {
        trap.step(line, [&] { appendColorEntries(list, {entry}); });
        line += 2;
    }
}

void LoadColorList(ErrorTrap& trap, SettingsStore& store, QTreeWidget& list) {
    QString stored;
    trap.step(138, [&] { stored = store.ReadSetting(Keys::Colors); });
    if (trap.test(140, [&] { return stored.isEmpty(); })) {
        appendDefaultColors(trap, list, 142);
        return;
    }
    QStringList entries;
    trap.step(156, [&] { entries = splitStoredList(stored); });
    QStringList kept = entries.mid(0, MaxListEntries);
    trap.step(162, [&] { appendColorEntries(list, kept); });
    trap.step(164, [&] {
        if (entries.size() > MaxListEntries)
            throw Failure(QStringLiteral("The stored list holds %1 colors; only the first %2 "
                                         "were loaded")
                              .arg(entries.size())
                              .arg(MaxListEntries));
    });
}

void SaveColorList(ErrorTrap& trap, SettingsStore& store, const QTreeWidget& list) {
    QString stored;
    QStringList entries;
    trap.step(102, [&] { entries = colorEntries(list); });
    trap.step(104, [&] { stored = joinStoredList(entries); });
    trap.step(108, [&] { store.WriteSetting(Keys::Colors, stored); });
}
