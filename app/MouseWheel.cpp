#include "MouseWheel.h"

#include <QApplication>
#include <QPointer>
#include <QWheelEvent>
#include <QWidget>

namespace tamberlo {

MouseWheelState wheelState;

namespace {

class MouseWheelFilter : public QObject {
public:
    QPointer<QWidget> window;
    std::function<void(int)> mouseWheel;

    bool eventFilter(QObject* obj, QEvent* e) override {
        if (e->type() != QEvent::Wheel || !window || !obj->isWidgetType()) return false;
        auto* w = static_cast<QWidget*>(obj);
        if (w->window() != window) return false;
        auto* we = static_cast<QWheelEvent*>(e);
        const int rotation = we->angleDelta().y();
        if (rotation == 0) return true;  // a sideways tilt does not scroll the ladder
        wheelState.keys = int(we->buttons()) | (int(we->modifiers()) >> 16);
        wheelState.rotation = rotation;
        const QPoint g = we->globalPosition().toPoint();
        wheelState.x = g.x();
        wheelState.y = g.y();
        if (MuisBovenVenster(window, wheelState.x, wheelState.y) && mouseWheel) mouseWheel(rotation);
        return true;  // the wheel is handled here only, so nothing scrolls twice
    }
};

MouseWheelFilter* filter = nullptr;

}  // namespace

void MuiswielAanhaken(QWidget* window, std::function<void(int)> mouseWheel) {
    if (!window || !qApp) return;
    if (!filter) {
        filter = new MouseWheelFilter;
        qApp->installEventFilter(filter);
    }
    filter->window = window;
    filter->mouseWheel = std::move(mouseWheel);
}

void MuiswielLoskoppelen(QWidget* window) {
    if (!filter || filter->window != window) return;
    if (qApp) qApp->removeEventFilter(filter);
    delete filter;
    filter = nullptr;
}

bool MouseWheelHooked(const QWidget* window) { return filter && window && filter->window == window; }

bool MuisBovenVenster(const QWidget* window, int x, int y) {
    if (!window) return x == 0 && y == 0;
    const QRect r = window->frameGeometry();
    return x >= r.left() && x <= r.left() + r.width() && y >= r.top() && y <= r.top() + r.height();
}

}  // namespace tamberlo
