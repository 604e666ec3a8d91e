#pragma once

#include "ui/palettecommands.h"

#include <QObject>

class ColorListView;
class Dialogs;
class QMenu;
class QPoint;

// The context menu of the color list, with the palette commands. A right click opens it where
// the pointer is; the Menu key or Shift+F10 under the current entry, so that the keyboard alone
// reaches it.
class ColorListMenu final : public QObject {
    Q_OBJECT
public:
    // Belongs to the list and lives as long as it does.
    ColorListMenu(ColorListView& list, Dialogs& dialogs);

    QMenu& menu() const { return *menu_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Below the current entry when it is in sight, else the top left of the entries.
    QPoint keyboardPosition() const;

    ColorListView& list_;
    PaletteCommands commands_;
    QMenu* menu_;
};
