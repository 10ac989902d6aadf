#pragma once
// A horizontal scroll bar for an edit panel's value. The user's changes (a
// click, a step, every step of a drag) run the change handler; a value set by
// code runs it only with RunIfChanged. Displays that follow every change,
// whoever made it, connect to valueChanged.

#include <QScrollBar>

#include <functional>

#include "CodeSetting.h"

namespace tamberlo {

class Panel3D;

class ValueScrollBar : public QScrollBar {
    Q_OBJECT
public:
    ValueScrollBar(int min, int max, int largeStep, QWidget* parent = nullptr);

    // A value outside the range is refused (false) and changes nothing.
    bool setValueFromCode(int value, Handler handler);
    void onChange(std::function<void()> handler) { handler_ = std::move(handler); }

private:
    bool fromCode_ = false;
    std::function<void()> handler_;
};

// A stored value outside the bar's range (a hand-edited file): the bar goes to
// its minimum without its handler and the number panel beside it is emptied,
// so no earlier row's value seems to be this row's.
void showNoValue(ValueScrollBar& bar, Panel3D& shown);

}  // namespace tamberlo
