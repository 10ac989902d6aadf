#include "FunctionKeys.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWidget>

#include "Detection.h"

namespace tamberlo {

namespace {

bool searchKeysWanted(QObject* watched) {
    if (!watched->isWidgetType()) return false;
    QWidget* w = static_cast<QWidget*>(watched)->window();
    // Looked up by name, so a key never creates the dashboard.
    return w->property(kSearchKeysProperty).toBool() || w->objectName() == QLatin1String("LadderProgrammeren") ||
           w->inherits("tamberlo::DashboardWindow");
}

}  // namespace

FunctionKeys::FunctionKeys() {
    QCoreApplication::instance()->installEventFilter(this);
    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(gui, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
            if (s != Qt::ApplicationActive) ReleaseAll();
        });
    }
}

FunctionKeys::~FunctionKeys() {
    if (auto* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

bool FunctionKeys::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool down = event->type() == QEvent::KeyPress;
        const int k = key->key();
        if (down && (k == Qt::Key_F11 || k == Qt::Key_F12) && searchKeysWanted(watched)) {
            // One search per key stroke; the event ends here, so neither the
            // window's own handler nor its parents search again.
            if (!key->isAutoRepeat()) SearchKey(k);
            return true;
        }
        if (!key->isAutoRepeat() && k >= Qt::Key_F1 && k <= Qt::Key_F8) held_[k - Qt::Key_F1] = down;
        break;
    }
    case QEvent::ApplicationDeactivate: ReleaseAll(); break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

FunctionKeys& functionKeys() {
    static FunctionKeys* keys = new FunctionKeys;  // lives as long as the program
    return *keys;
}

bool SearchKey(int qtKey) {
    if (qtKey == Qt::Key_F11) {
        AangeslotenVelleman();
        return true;
    }
    if (qtKey == Qt::Key_F12) {
        AangeslotenKelvanorEmber();
        return true;
    }
    return false;
}

}  // namespace tamberlo
