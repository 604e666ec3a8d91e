#include "ui/colorlistmenu.h"

#include "core/errortrap.h"
#include "ui/colorlistview.h"
#include "ui/contextmenukey.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

ColorListMenu::ColorListMenu(ColorListView& list, Dialogs& dialogs)
    : QObject(&list), list_(list), commands_(list, dialogs), menu_(new QMenu(&list)) {
    menu_->setObjectName(QStringLiteral("ColorListMenu"));
    // No exception may cross the event loop; a command that fails goes to stderr.
    menu_->addAction(tr("&Import Colors…"), this, [this] {
        runUnguarded("Import Colors", [this] { commands_.importColors(); });
    });
    menu_->addAction(tr("&Export Colors…"), this, [this] {
        runUnguarded("Export Colors", [this] { commands_.exportColors(); });
    });
    // A right click lands on the entries' viewport; the keys and a click on the header on the
    // list itself.
    list_.installEventFilter(this);
    list_.viewport()->installEventFilter(this);
}

bool ColorListMenu::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ContextMenu) {
        const auto* request = static_cast<QContextMenuEvent*>(event);
        menu_->popup(request->reason() == QContextMenuEvent::Mouse ? request->globalPos()
                                                                   : keyboardPosition());
        return true;
    }
    // Where the platform turns the Menu key into a menu request the menu is already up and takes
    // the key itself.
    if (event->type() == QEvent::KeyPress && watched == &list_ && !menu_->isVisible() &&
        opensContextMenu(*static_cast<QKeyEvent*>(event))) {
        menu_->popup(keyboardPosition());
        return true;
    }
    return QObject::eventFilter(watched, event);
}

QPoint ColorListMenu::keyboardPosition() const {
    QWidget* entries = list_.viewport();
    const QRect current = list_.visualRect(list_.currentIndex());
    if (current.isValid() && entries->rect().intersects(current))
        return entries->mapToGlobal(current.bottomLeft());
    return entries->mapToGlobal(QPoint(0, 0));
}
