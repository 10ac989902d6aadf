#include "Muiswiel.h"

#include <QApplication>
#include <QPointer>
#include <QWheelEvent>
#include <QWidget>

namespace tamberlo {

MuiswielToestand muiswiel;

namespace {

class MuiswielFilter : public QObject {
public:
    QPointer<QWidget> venster;
    std::function<void(int)> mouseWheel;

    bool eventFilter(QObject* obj, QEvent* e) override {
        if (e->type() != QEvent::Wheel || !venster || !obj->isWidgetType()) return false;
        auto* w = static_cast<QWidget*>(obj);
        if (w->window() != venster) return false;
        auto* we = static_cast<QWheelEvent*>(e);
        const int rotatie = we->angleDelta().y();
        if (rotatie == 0) return true;  // a sideways tilt does not scroll the ladder
        muiswiel.toetsen = int(we->buttons()) | (int(we->modifiers()) >> 16);
        muiswiel.rotatie = rotatie;
        const QPoint g = we->globalPosition().toPoint();
        muiswiel.x = g.x();
        muiswiel.y = g.y();
        if (MuisBovenVenster(venster, muiswiel.x, muiswiel.y) && mouseWheel) mouseWheel(rotatie);
        return true;  // the wheel is handled here only, so nothing scrolls twice
    }
};

MuiswielFilter* filter = nullptr;

}  // namespace

void MuiswielAanhaken(QWidget* venster, std::function<void(int)> mouseWheel) {
    if (!venster || !qApp) return;
    if (!filter) {
        filter = new MuiswielFilter;
        qApp->installEventFilter(filter);
    }
    filter->venster = venster;
    filter->mouseWheel = std::move(mouseWheel);
}

void MuiswielLoskoppelen(QWidget* venster) {
    if (!filter || filter->venster != venster) return;
    if (qApp) qApp->removeEventFilter(filter);
    delete filter;
    filter = nullptr;
}

bool MuiswielAangehaakt(const QWidget* venster) { return filter && venster && filter->venster == venster; }

bool MuisBovenVenster(const QWidget* venster, int x, int y) {
    if (!venster) return x == 0 && y == 0;
    const QRect r = venster->frameGeometry();
    return x >= r.left() && x <= r.left() + r.width() && y >= r.top() && y <= r.top() + r.height();
}

}  // namespace tamberlo
