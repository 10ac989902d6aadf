#pragma once
// Mouse-wheel scrolling of the main window: an application-wide event filter
// stands in for the window-procedure hook. It is installed only when the
// program was started without arguments; it catches every wheel event meant
// for the hooked window, keeps the wheel state and, when the pointer lies
// within that window, calls the window's MouseWheel.

#include <QPoint>

#include <functional>

class QWidget;

namespace tamberlo {

// The last wheel message: key flags, rotation (120 per notch, positive away
// from the user) and the pointer's screen position.
struct MouseWheelState {
    int keys = 0;
    int rotation = 0;
    int x = 0;
    int y = 0;
};
extern MouseWheelState wheelState;

// Hooks `window`; `mouseWheel` is its MouseWheel method. Failures are ignored.
void MuiswielAanhaken(QWidget* window, std::function<void(int)> mouseWheel);
void MuiswielLoskoppelen(QWidget* window);
bool MouseWheelHooked(const QWidget* window);

// True when the screen point lies within the window's frame, edges included.
bool MuisBovenVenster(const QWidget* window, int x, int y);

}  // namespace tamberlo
