#include "ui/whenplaced.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <memory>

namespace {

// Longest wait for the compositor's word; a window that stays on the first screen sends none.
constexpr int placementWaitMs = 1000;

} // namespace

void whenPlaced(QWidget& window, std::function<void()> action) {
    QWindow* handle = window.windowHandle();
    const bool waits = QGuiApplication::platformName().startsWith(QLatin1String("wayland")) &&
                       QGuiApplication::screens().size() > 1 && handle;
    if (!waits) {
        QTimer::singleShot(0, &window, std::move(action));
        return;
    }
    // Whichever comes first runs it; the other finds it gone.
    auto pending = std::make_shared<std::function<void()>>(std::move(action));
    const auto runOnce = [pending] {
        if (!*pending)
            return;
        const std::function<void()> run = std::exchange(*pending, nullptr);
        run();
    };
    QObject::connect(handle, &QWindow::screenChanged, &window, runOnce, Qt::SingleShotConnection);
    QTimer::singleShot(placementWaitMs, &window, runOnce);
}
