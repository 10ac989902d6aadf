#pragma once
// Where every item of the ladder lies in the drawing area (pixels of the
// drawing area). Rung r (1..90) has its reference height Y(r) = 80 r + 44;
// condition cell i has its anchor X(i) = 120 + 208 × column and
// Yc(i) = 104 + 80 × (rung - 1).

#include <QLine>
#include <QRect>
#include <QRegion>

#include "SharedState.h"

namespace tamberlo::ladder {

constexpr int kHeight = 9000;     // the drawing area's height
constexpr int kWidth = 1000;      // its width
constexpr int kRailLeftX = 34;    // LineLadderLinks
constexpr int kRailRightX = 990;  // LineLadderRechts
constexpr int kActionLeft = 751;  // PanelActie left edge: where the third wire ends
constexpr int kActionWidth = 215;
constexpr int kCellWidth = 196;   // PanelConditie width
constexpr int kCellHeight = 66;   // PanelConditie / PanelActie height
constexpr int kButtonWidth = 44;  // CommandPanelConditie / CommandPanelActie width

constexpr int Y(int r) { return 80 * r + 44; }
constexpr int X(int i) { return 120 + 208 * ColumnOfCell(i); }
constexpr int Yc(int i) { return 104 + 80 * (RungOfCell(i) - 1); }

// PanelConditie(i): left X - 70, top Yc - 13.
inline QRect ConditionFrame(int i) { return {X(i) - 70, Yc(i) - 13, kCellWidth, kCellHeight}; }
// Caption line 0..3 of a cell frame, left of its edit button.
inline QRect LineInFrame(const QRect& f, int line) {
    return {f.left() + 3, f.top() + 3 + 15 * line, f.width() - kButtonWidth - 8, 15};
}
// The edit button on the right of a cell frame.
inline QRect ChangeButtonInFrame(const QRect& f) {
    return {f.right() - kButtonWidth - 2, f.top() + 3, kButtonWidth, f.height() - 6};
}
// PanelConditieA..D(i), line 0..3, inside the frame (drawing-area coordinates).
inline QRect ConditionTextLine(int i, int line) { return LineInFrame(ConditionFrame(i), line); }
// CommandPanelConditie(i): the edit button on the frame.
inline QRect ConditionChangeButton(int i) { return ChangeButtonInFrame(ConditionFrame(i)); }
// CommandVoegConditieToe(i): left X, top Yc; it sits on the cell's wire.
inline QRect ConditionAddButton(int i) { return {X(i), Yc(i), 22, 40}; }
// LineConditie(i): from X + a to X + b at height Yc + 20.
inline QLine ConditionWire(int i) {
    static constexpr int a[3] = {-72, -70, -68};
    static constexpr int b[3] = {138, 140, 215};
    const int k = ColumnOfCell(i);
    return {X(i) + a[k], Yc(i) + 20, X(i) + b[k], Yc(i) + 20};
}
// CommandVoegConditieToeVertikaal(i) and LijnConditieVertikaal(i), i = 1..267:
// column k at x = 240, 448, 666; rung j (from 0) at y = 152 + 80 j.
inline int VerticalX(int i) {
    static constexpr int x[3] = {240, 448, 666};
    return x[ColumnOfCell(i)];
}
inline int VerticalY(int i) { return 152 + 80 * (RungOfCell(i) - 1); }
inline QRect VerticalButton(int i) { return {VerticalX(i), VerticalY(i), 14, 14}; }
inline QLine VerticalLine(int i) { return {VerticalX(i) + 7, VerticalY(i) - 28, VerticalX(i) + 7, VerticalY(i) + 51}; }

// PanelActie(r): top Y(r) - 33 (row 0 is the start-only row at the top).
inline QRect ActionFrame(int r) { return {kActionLeft, Y(r) - 33, kActionWidth, kCellHeight}; }
inline QRect ActionTextLine(int r, int line) { return LineInFrame(ActionFrame(r), line); }
inline QRect ActionChangeButton(int r) { return ChangeButtonInFrame(ActionFrame(r)); }
// CommandVoegActieToe(r): top Y(r) - 14.
inline QRect ActionAddButton(int r) { return {kActionLeft + 40, Y(r) - 14, 120, 28}; }
// LineVoeding(r): from the left rail to the first cell's wire.
inline QLine Supply(int r) { return {kRailLeftX, Y(r), 48, Y(r)}; }
// LineVoedingMin(r): from the third wire through the action to the right rail.
inline QLine SupplyMinus(int r) { return {kActionLeft, Y(r), kRailRightX, Y(r)}; }
// LineHorOr(r): the wire from the third column's link line to the action.
inline QLine HorOr(int r) { return {673, Y(r), 751, Y(r)}; }

// The rectangle a line of pen width 2 covers, square ends included.
inline QRect LineBounds(const QLine& l) { return QRect(l.p1(), l.p2()).normalized().adjusted(-2, -2, 2, 2); }

// The start-only row's note.
inline QRect StartNote() { return {150, 20, 600, 16}; }
// The rung number printed left of rung r.
inline QRect RungNumber(int r) { return {0, 80 * r + 33, 24, 16}; }

// Everything condition cell i paints: frame, buttons, wire and link line.
inline QRegion CellRegion(int i) {
    QRegion region = QRegion(ConditionFrame(i)) + ConditionAddButton(i) + LineBounds(ConditionWire(i));
    if (i <= 267) region += QRegion(VerticalButton(i)) + LineBounds(VerticalLine(i));
    return region;
}
// Everything row r paints besides its cells: the action with its buttons,
// the wires to the rails and to the third column, the rung number.
inline QRegion RowRegion(int r) {
    return QRegion(ActionFrame(r)) + ActionAddButton(r) + LineBounds(Supply(r)) + LineBounds(SupplyMinus(r)) +
           LineBounds(HorOr(r)) + RungNumber(r);
}

}  // namespace tamberlo::ladder
