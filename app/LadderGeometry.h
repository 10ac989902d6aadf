#pragma once
// Where every item of the ladder lies in the drawing area (pixels of the
// drawing area). Rung r (1..90) has its reference height Y(r) = 80 r + 44;
// condition cell i has its anchor X(i) = 120 + 208 × column and
// Yc(i) = 104 + 80 × (rung - 1).

#include <QLine>
#include <QRect>

#include "SharedState.h"

namespace tamberlo::ladder {

constexpr int kHoogte = 9000;         // the drawing area's height
constexpr int kBreedte = 1000;        // its width
constexpr int kRailLinksX = 34;       // LineLadderLinks
constexpr int kRailRechtsX = 990;     // LineLadderRechts
constexpr int kActieLinks = 751;      // PanelActie left edge: where the third wire ends
constexpr int kActieBreedte = 215;
constexpr int kCelBreedte = 196;      // PanelConditie width
constexpr int kCelHoogte = 66;        // PanelConditie / PanelActie height
constexpr int kKnopBreedte = 44;      // CommandPanelConditie / CommandPanelActie width

constexpr int Y(int r) { return 80 * r + 44; }
constexpr int X(int i) { return 120 + 208 * KolomVanCel(i); }
constexpr int Yc(int i) { return 104 + 80 * (RungVanCel(i) - 1); }

// PanelConditie(i): left X - 70, top Yc - 13.
inline QRect ConditieFrame(int i) { return {X(i) - 70, Yc(i) - 13, kCelBreedte, kCelHoogte}; }
// Caption line 0..3 of a cell frame, left of its edit button.
inline QRect RegelInFrame(const QRect& f, int line) {
    return {f.left() + 3, f.top() + 3 + 15 * line, f.width() - kKnopBreedte - 8, 15};
}
// The edit button on the right of a cell frame.
inline QRect WijzigKnopInFrame(const QRect& f) {
    return {f.right() - kKnopBreedte - 2, f.top() + 3, kKnopBreedte, f.height() - 6};
}
// PanelConditieA..D(i), line 0..3, inside the frame (drawing-area coordinates).
inline QRect ConditieRegel(int i, int line) { return RegelInFrame(ConditieFrame(i), line); }
// CommandPanelConditie(i): the edit button on the frame.
inline QRect ConditieWijzigKnop(int i) { return WijzigKnopInFrame(ConditieFrame(i)); }
// CommandVoegConditieToe(i): left X, top Yc; it sits on the cell's wire.
inline QRect ConditieToevoegKnop(int i) { return {X(i), Yc(i), 22, 40}; }
// LineConditie(i): from X + a to X + b at height Yc + 20.
inline QLine ConditieDraad(int i) {
    static constexpr int a[3] = {-72, -70, -68};
    static constexpr int b[3] = {138, 140, 215};
    const int k = KolomVanCel(i);
    return {X(i) + a[k], Yc(i) + 20, X(i) + b[k], Yc(i) + 20};
}
// CommandVoegConditieToeVertikaal(i) and LijnConditieVertikaal(i), i = 1..267:
// column k at x = 240, 448, 666; rung j (from 0) at y = 152 + 80 j.
inline int VertikaalX(int i) {
    static constexpr int x[3] = {240, 448, 666};
    return x[KolomVanCel(i)];
}
inline int VertikaalY(int i) { return 152 + 80 * (RungVanCel(i) - 1); }
inline QRect VertikaalKnop(int i) { return {VertikaalX(i), VertikaalY(i), 14, 14}; }
inline QLine VertikaalLijn(int i) {
    return {VertikaalX(i) + 7, VertikaalY(i) - 28, VertikaalX(i) + 7, VertikaalY(i) + 51};
}

// PanelActie(r): top Y(r) - 33 (row 0 is the start-only row at the top).
inline QRect ActieFrame(int r) { return {kActieLinks, Y(r) - 33, kActieBreedte, kCelHoogte}; }
inline QRect ActieRegel(int r, int line) { return RegelInFrame(ActieFrame(r), line); }
inline QRect ActieWijzigKnop(int r) { return WijzigKnopInFrame(ActieFrame(r)); }
// CommandVoegActieToe(r): top Y(r) - 14.
inline QRect ActieToevoegKnop(int r) { return {kActieLinks + 40, Y(r) - 14, 120, 28}; }
// LineVoeding(r): from the left rail to the first cell's wire.
inline QLine Voeding(int r) { return {kRailLinksX, Y(r), 48, Y(r)}; }
// LineVoedingMin(r): from the third wire through the action to the right rail.
inline QLine VoedingMin(int r) { return {kActieLinks, Y(r), kRailRechtsX, Y(r)}; }
// LineHorOr(r): the wire from the third column's link line to the action.
inline QLine HorOr(int r) { return {673, Y(r), 751, Y(r)}; }

}  // namespace tamberlo::ladder
