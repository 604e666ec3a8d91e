#include "ui/desktoppixels.h"

#include "platform/devicepixelsize.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace {

QRect nativeGeometry(const QScreen& screen) {
    return {screen.geometry().topLeft(),
            devicePixelSizeOf(screen.size(), screen.devicePixelRatio())};
}

} // namespace

QList<QRect> screensInDesktopPixels() {
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens << nativeGeometry(*screen);
    return screens;
}

QScreen* screenOfBox(const QRect& box) {
    for (QScreen* screen : QGuiApplication::screens()) {
        if (nativeGeometry(*screen).contains(box.center()))
            return screen;
    }
    return QGuiApplication::primaryScreen();
}

QRect windowGeometryOf(const QRect& box) {
    const QScreen* screen = screenOfBox(box);
    if (!screen)
        return box;
    const qreal ratio = screen->devicePixelRatio();
    const QPoint origin = screen->geometry().topLeft();
    const QPointF offset = QPointF(box.topLeft() - origin) / ratio;
    return {origin + QPoint(int(std::lround(offset.x())), int(std::lround(offset.y()))),
            (QSizeF(box.size()) / ratio).toSize()};
}

QRect desktopPixelsOf(const QRect& windowGeometry, const QScreen* screen) {
    if (!screen)
        return windowGeometry;
    const qreal ratio = screen->devicePixelRatio();
    const QPoint origin = screen->geometry().topLeft();
    const QPointF offset = QPointF(windowGeometry.topLeft() - origin) * ratio;
    return {origin + QPoint(int(std::lround(offset.x())), int(std::lround(offset.y()))),
            devicePixelSizeOf(windowGeometry.size(), ratio)};
}
