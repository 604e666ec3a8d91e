#include "ui/listcommands.h"

#include "core/colorentry.h"
#include "core/dialogs.h"
#include "core/errortrap.h"
#include "core/failure.h"
#include "core/storedlist.h"
#include "ui/colorlistview.h"
#include "ui/listfulltext.h"

#include <QCoreApplication>
#include <optional>

namespace {

// The context translators see for the texts of this file.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ColorListCommands)
};

} // namespace

void appendDefaultColors(ErrorTrap& trap, ColorListView& list, int firstLine) {
    int line = firstLine;
    for (const QString& entry : DefaultColorList()) {
        trap.step(line, [&] { list.append({entry}); });
        line += 2;
    }
}

ColorListCommands::ColorListCommands(ColorListView& list, Dialogs& dialogs)
    : list_(list), dialogs_(dialogs) {}

void ColorListCommands::PushButton1_Click() {
    ErrorTrap trap(dialogs_, QStringLiteral("Form1.PushButton1_Click"));
    std::optional<std::int32_t> picked;
    trap.step(102, [&] {
        if (list_.count() >= MaxListEntries) {
            dialogs_.inform(listFullText(Texts::tr("Delete a color to make room for a new one.")));
            return;
        }
        picked = dialogs_.pickColor();
    });
    ColorComponents components{};
    trap.step(104, [&] {
        if (picked)
            components = ColorToComponents(*picked);
    });
    trap.step(106, [&] {
        if (picked)
            list_.append({FormatColorEntry(components.red, components.green, components.blue)});
    });
}

void ColorListCommands::PushButton3_Click() {
    ErrorTrap trap(dialogs_, QStringLiteral("Form1.PushButton3_Click"));
    if (!trap.test(102, [&] { return list_.count() > 0; }))
        return;
    trap.step(104, [&] {
        const int selected = list_.selectedRow();
        if (selected < 0)
            throw Failure(Texts::tr("No color is selected"));
        list_.removeAt(selected);
    });
}

void ColorListCommands::PushButton4_Click() {
    ErrorTrap trap(dialogs_, QStringLiteral("Form1.PushButton4_Click"));
    if (!trap.test(100, [&] {
            return dialogs_.askYesNo(Texts::tr("Are you sure you want to clear the list?"));
        }))
        return;
    trap.step(102, [&] { list_.clear(); });
}

void ColorListCommands::PushButton5_Click() {
    ErrorTrap trap(dialogs_, QStringLiteral("Form1.PushButton5_Click"));
    if (!trap.test(100, [&] {
            return dialogs_.askYesNo(
                Texts::tr("Are you sure you want to clear the list and load the default colors?"));
        }))
        return;
    trap.step(102, [&] { list_.clear(); });
    appendDefaultColors(trap, list_, 104);
}
