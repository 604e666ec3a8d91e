#pragma once

#include "core/settingsstore.h"
#include "platform/settingsbacking.h"
#include "scripteddialogs.h"
#include "testsupport.h"
#include "ui/colorlistview.h"
#include "ui/form1.h"

#include <QGroupBox>
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

// Where a frame, shown, is not filled with this color inside: every pixel that is neither its
// border, its title nor a control, and the option buttons' own background around their indicator
// and caption. Empty when all of them are.
inline QString frameInsideFault(QGroupBox& box, const QColor& expected) {
    const QImage image = box.grab().toImage();
    const QRect inside = box.contentsRect().adjusted(3, 3, -3, -3);
    QList<QRect> controls;
    for (QWidget* control : box.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        controls << control->geometry();
    const auto wrong = [&](const QColor& color, const QString& where) {
        return color == expected
                   ? QString()
                   : QStringLiteral("%1 at %2 of %3").arg(color.name(), where, box.objectName());
    };
    int checked = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QPoint at(x, y);
            if (std::any_of(controls.begin(), controls.end(),
                            [&](const QRect& r) { return r.contains(at); }))
                continue;
            ++checked;
            const QString fault = wrong(image.pixelColor(at * image.devicePixelRatio()),
                                        QStringLiteral("%1,%2").arg(x).arg(y));
            if (!fault.isEmpty())
                return fault;
        }
    }
    if (checked < 1000)
        return QStringLiteral("only %1 pixels inside %2").arg(checked).arg(box.objectName());
    for (QRadioButton* option : box.findChildren<QRadioButton*>()) {
        const QImage shown = option->grab().toImage();
        const QPoint corner(option->width() - 2, option->height() / 2);
        const QString fault =
            wrong(shown.pixelColor(corner * shown.devicePixelRatio()), option->objectName());
        if (!fault.isEmpty())
            return fault;
    }
    return {};
}
