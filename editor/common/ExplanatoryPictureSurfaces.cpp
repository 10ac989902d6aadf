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
        if (widget->property("hidesExplanatoryPicture").toBool() &&
            !widget->childAt(static_cast<QMouseEvent*>(event)->position().toPoint()))
            hideExplanatoryPicture();
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
    // A tab bar takes the moves over the tab headers for itself: it hides the
    // picture as a surface of its own.
    for (QTabBar* bar : surface->findChildren<QTabBar*>(Qt::FindDirectChildrenOnly)) hidesExplanatoryPicture(bar);
}

}  // namespace tamberlo
