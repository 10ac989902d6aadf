// The main window keeps its design width: a resize in the normal state snaps
// it back, and a double-click on the drawing area restores it. Placement is
// best effort: a window manager may refuse a move.
#include <QGuiApplication>
#include <QScreen>

#include "LadderProgrammeren.h"
#include "LadderWidget.h"
#include "MainWindowCommands.h"
#include "ReentryGuard.h"
#include "SharedState.h"

namespace tamberlo {

namespace {

constexpr int kWindowWidth = 1207;  // 18105 twips
constexpr int kBeyondRight = 8;     // 120 twips past the screen's right edge

// Right edge 120 twips beyond the screen's right edge.
void moveToRightEdge(LadderProgrammeren& w) {
    const QScreen* screen = w.screen();
    if (!screen) return;
    w.move(screen->geometry().width() - w.width() + kBeyondRight, w.y());
}

}  // namespace

void WindowResized(LadderProgrammeren& w) {
    // A resize this handler caused itself, or the first one after the start-up
    // (which leaves the flag set): it only clears the flag.
    if (shared.ResizeBezig) {
        shared.ResizeBezig = false;
        return;
    }
    ReentryGuard guard(shared.ResizeBezig);
    const bool normal = !(w.windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
    if (normal && !(QGuiApplication::mouseButtons() & Qt::LeftButton) && w.width() != kWindowWidth) {
        w.resize(kWindowWidth, w.height());
        if (w.x() >= 1) moveToRightEdge(w);  // more than 1 twip from the left edge
    }
}

void DrawingAreaDoubleClicked(LadderProgrammeren& w) {
    if (w.windowState() & Qt::WindowMaximized) return;
    w.resize(kWindowWidth, w.height());
    if (w.x() != -7) moveToRightEdge(w);  // -105 twips stays
}

}  // namespace tamberlo
