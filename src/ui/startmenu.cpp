#include "ui/startmenu.h"

#include "platform/devicepixelsize.h"
#include "ui/contextmenukey.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

StartMenu::StartMenu(QPushButton& button) : QMenu(&button), button_(button) {
    setObjectName(QStringLiteral("StartMenu"));
    button_.installEventFilter(this);
}

QString screenEntryText(const QScreen& screen) {
    const QSize pixels = devicePixelSizeOf(screen.size(), screen.devicePixelRatio());
    return QCoreApplication::translate("StartMenu", "%1 (%2×%3)")
        .arg(screen.name())
        .arg(pixels.width())
        .arg(pixels.height());
}

void StartMenu::list() {
    clear();
    addAction(tr("Start on This Screen"), this,
              [this] { emit startRequested(ScreenChoice::Kind::MainWindowScreen, nullptr); });
    addAction(tr("Start on All Screens"), this,
              [this] { emit startRequested(ScreenChoice::Kind::All, nullptr); });
    addSeparator();
    for (QScreen* screen : QGuiApplication::screens()) {
        // A screen unplugged while the menu is open starts nothing.
        const QPointer<QScreen> target(screen);
        addAction(screenEntryText(*screen), this, [this, target] {
            if (target)
                emit startRequested(ScreenChoice::Kind::One, target);
        });
    }
    addSeparator();
    addAction(tr("Flash a Box"), this, &StartMenu::boxRequested)
        ->setObjectName(QStringLiteral("FlashBox"));
    QAction* lock = addAction(tr("Lock to Display Refresh"));
    lock->setObjectName(QStringLiteral("FrameLock"));
    lock->setCheckable(true);
    lock->setChecked(frameLock_);
    connect(lock, &QAction::toggled, this, [this](bool locked) {
        frameLock_ = locked;
        emit frameLockToggled(locked);
    });
}

void StartMenu::openAt(const QPoint& globalPosition) {
    list();
    popup(globalPosition);
}

bool StartMenu::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &button_)
        return QMenu::eventFilter(watched, event);
    const QPoint belowButton = button_.mapToGlobal(QPoint(0, button_.height()));
    if (event->type() == QEvent::ContextMenu) {
        const auto* request = static_cast<QContextMenuEvent*>(event);
        // From the keyboard the menu drops from the button, not from wherever the pointer is.
        openAt(request->reason() == QContextMenuEvent::Mouse ? request->globalPos() : belowButton);
        return true;
    }
    // Not every platform turns the Menu key into a context menu request.
    if (event->type() == QEvent::KeyPress && opensContextMenu(*static_cast<QKeyEvent*>(event))) {
        openAt(belowButton);
        return true;
    }
    return QMenu::eventFilter(watched, event);
}
