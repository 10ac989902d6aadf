#pragma once
// A horizontal scroll bar for an edit panel's value. The user's changes (a
// click, a step, every step of a drag) run the change handler; a value set by
// code runs it only with RunIfChanged. The value box beside the bar, when the
// bar is given one, shows the bar's value after every change, whoever made it,
// and after every value set by code, also an unchanged one.

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

    // The box that shows the bar's value, written by `text` (the plain number
    // when none is given).
    void showValueIn(Panel3D* box, std::function<QString(int)> text = {});
    // A stored value outside the bar's range (a hand-edited file): the bar
    // goes to its minimum without its handler and its box is emptied, so no
    // earlier row's value seems to be this row's. An empty box belongs to
    // the row being opened only: the editor frame shows every value again
    // when the user chooses an option or a tab and when it opens a row.
    void showNoValue();
    // The box shows the bar's value again.
    void showValue();

private:
    bool fromCode_ = false;
    std::function<void()> handler_;
    Panel3D* box_ = nullptr;
    std::function<QString(int)> text_;
};

}  // namespace tamberlo
