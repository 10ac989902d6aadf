#pragma once
// A spinner: two arrow buttons that step a value by one within its range,
// without wrapping at either end. A change of the value (by the arrows, or by
// code with RunIfChanged) runs the change handler.

#include <QToolButton>
#include <QWidget>

#include <functional>

#include "CodeSetting.h"

namespace tamberlo {

class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(int min, int max, QWidget* parent = nullptr);

    int value() const { return value_; }
    int minimum() const { return min_; }
    int maximum() const { return max_; }
    // A value outside the range is refused (false) and changes nothing.
    bool setValue(int value, Handler handler);
    // One step as the arrows take it; at the end of the range nothing happens.
    void stepUp();
    void stepDown();

    void onChange(std::function<void()> handler) { handler_ = std::move(handler); }
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

private:
    void step(int delta);

    int min_;
    int max_;
    int value_;
    QToolButton* up_;
    QToolButton* down_;
    std::function<void()> handler_;
};

}  // namespace tamberlo
