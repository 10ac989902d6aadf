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
struct MuiswielToestand {
    int toetsen = 0;
    int rotatie = 0;
    int x = 0;
    int y = 0;
};
extern MuiswielToestand muiswiel;

// Hooks `venster`; `mouseWheel` is its MouseWheel method. Failures are ignored.
void MuiswielAanhaken(QWidget* venster, std::function<void(int)> mouseWheel);
void MuiswielLoskoppelen(QWidget* venster);
bool MuiswielAangehaakt(const QWidget* venster);

// True when the screen point lies within the window's frame, edges included.
bool MuisBovenVenster(const QWidget* venster, int x, int y);

}  // namespace tamberlo
