#pragma once
// A horizontal scroll bar for an edit panel's value. The user's changes (a
// click, a step, every step of a drag) run the change handler; a value set by
// code runs it only with RunIfChanged. Displays that follow every change,
// whoever made it, connect to valueChanged.

#include <QScrollBar>

#include <functional>

#include "CodeSetting.h"

namespace tamberlo {

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

}  // namespace tamberlo
