#pragma once
// The ladder's drawing area `PictureProgrammeerVenster`: a tall picture that
// shows the ladder as `ladderView` holds it. Cells, wires and buttons are
// painted, not separate widgets: the start-up "creates" them one by one (they
// show from then on), and clicks are found by position and passed to the
// hooks of `ladderButtons`.
//
// It repaints only what changed: it keeps a copy of what it last painted
// and, when the view moved on, invalidates just the cells and rows that
// differ. A run that recolours a rung off screen paints nothing, and one
// that recolours a visible cell paints that cell, which matters on a real
// display, where every painted pixel goes to the X server.

#include <QWidget>

#include <array>
#include <cstdint>

#include "LadderView.h"

namespace tamberlo {

class LadderWidget : public QWidget {
    Q_OBJECT
public:
    enum class Button { None, PanelConditie, AddCondition, AddConditionVertical, PanelActie, AddAction };
    struct Hit {
        Button button = Button::None;
        int index = 0;
        bool operator==(const Hit&) const = default;
    };

    explicit LadderWidget(QWidget* parent = nullptr);

    // Creation by the start-up, in the program's order.
    void MakeActionRow(int r);      // row r (1..90) with its wires and buttons
    void MakeConditionCell(int i);  // cell i (1..270)
    void TekenVertikaleLijnen();    // the link buttons and lines 1..267
    void RailsFull();               // the rails reach down to the area's height
    int ActionRows() const { return rows_; }
    int ConditionCells() const { return cells_; }
    bool VerticalLines() const { return vertical_; }

    // The button at a point of the drawing area (only visible ones count).
    Hit ButtonAt(QPoint p) const;
    // Whether a point lies on a button or on a cell's frame (its caption lines
    // included), the items that are controls of their own; wires, link lines
    // and printed texts belong to the bare area.
    bool OnItem(QPoint p) const;
    // Runs the button's hook, as a click does.
    static void Click(Hit t);

    // Repaints what differs from the last paint when the ladder view moved on.
    void RefreshIfNeeded();

signals:
    // A double-click on the area itself, not on one of its buttons or frames.
    void backgroundDoubleClicked();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    // What the last refresh asked to be painted, item by item.
    struct Shown {
        std::array<ConditionCellView, kConditions + 1> cell;
        std::array<ActionRowView, kRungs + 1> action;
        VbColor leftRailColor = kColorBlack;
        QString startNote;
        bool rungNumbers = false;
        QString changeCaption;
        QString addActionCaption;
    };
    static QRegion RegionOf(Hit t);

    int rows_ = 0;
    int cells_ = 0;
    bool vertical_ = false;
    bool rails_ = false;
    std::uint64_t drawn_ = ~std::uint64_t(0);
    Shown shown_;
    Hit pressed_;
    // Whether the last press went to an item, kept past its release: a
    // double-click's second press arrives as the double-click alone, so this
    // tells where its first press went.
    bool firstPressOnItem_ = false;
};

}  // namespace tamberlo
