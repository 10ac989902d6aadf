#include "ExplanatoryPictureSurfaces.h"

#include <QEvent>
#include <QMouseEvent>
#include <QTabBar>
#include <QWidget>

#include "EditorHooks.h"

namespace tamberlo {

namespace {

class PictureFilter : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::MouseMove) return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget) return false;
        const QVariant item = widget->property("explanatoryPicture");
        if (item.isValid()) {
            const QPoint p = item.toPoint();
            showExplanatoryPicture(p.x(), p.y());
            return true;  // the panel below must not take it as a move over its background
        }
        if (widget->property("hidesExplanatoryPicture").toBool()) {
            const QWidget* under = widget->childAt(static_cast<QMouseEvent*>(event)->position().toPoint());
            bool onTabBar = false;
            for (const QWidget* w = under; w && w != widget; w = w->parentWidget())
                if (qobject_cast<const QTabBar*>(w)) onTabBar = true;
            if (!under || onTabBar) hideExplanatoryPicture();
        }
        return false;
    }
};

PictureFilter& filter() {
    static auto* f = new PictureFilter;
    return *f;
}

}  // namespace

void showsExplanatoryPicture(QWidget* control, int group, int item) {
    control->setProperty("explanatoryPicture", QPoint(group, item));
    control->setMouseTracking(true);
    control->installEventFilter(&filter());
}

void hidesExplanatoryPicture(QWidget* surface) {
    surface->setProperty("hidesExplanatoryPicture", true);
    surface->setMouseTracking(true);
    surface->installEventFilter(&filter());
}

}  // namespace tamberlo
