#pragma once

#include "core/settingsstore.h"
#include "platform/settingsbacking.h"
#include "scripteddialogs.h"
#include "testsupport.h"
#include "ui/colorlistview.h"
#include "ui/form1.h"

#include <QMap>
#include <QRadioButton>
#include <QSignalSpy>
#include <memory>

// A main window over a store reset to the given values, loaded as at start-up, with every
// write to the store recorded.
struct Loaded {
    ScriptedDialogs dialogs;
    UserSettingsStore store;
    std::unique_ptr<Form1> form;
    std::unique_ptr<QSignalSpy> writes;

    explicit Loaded(const QMap<QString, QString>& stored, bool load = true) {
        resetStore(stored);
        form = std::make_unique<Form1>(dialogs, store);
        writes = std::make_unique<QSignalSpy>(&store, &SettingsStore::settingWritten);
        if (load)
            form->load();
    }
    template <typename T> T* child(const char* name) const {
        return form->findChild<T*>(QLatin1String(name));
    }
    bool selected(const char* option) const { return child<QRadioButton>(option)->isChecked(); }
    QStringList entries() const { return form->ListView1().entries(); }
    QStringList written() const {
        QStringList pairs;
        for (const QList<QVariant>& write : *writes)
            pairs << write[0].toString() + "=" + write[1].toString();
        return pairs;
    }
};
