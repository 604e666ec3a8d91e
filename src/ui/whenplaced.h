#pragma once

#include <functional>

class QWidget;

// Runs action once the shown window's screen is known. On Wayland Qt learns which output shows a
// window only when the compositor has placed it there, some time after the first frame; until
// then the window claims the first screen. Elsewhere, and with one screen, it runs at the next
// turn of the event loop.
void whenPlaced(QWidget& window, std::function<void()> action);
