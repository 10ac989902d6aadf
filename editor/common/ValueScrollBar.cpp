#include "ValueScrollBar.h"

#include "Panel3D.h"

namespace tamberlo {

ValueScrollBar::ValueScrollBar(int min, int max, int largeStep, QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
    setRange(min, max);
    setSingleStep(1);
    setPageStep(largeStep);
    connect(this, &QScrollBar::valueChanged, this, [this] {
        if (!fromCode_ && handler_) handler_();
    });
}

bool ValueScrollBar::setValueFromCode(int value, Handler handler) {
    if (value < minimum() || value > maximum()) return false;
    const bool changed = value != this->value();
    fromCode_ = true;
    setValue(value);
    fromCode_ = false;
    if (changed && handler == Handler::RunIfChanged && handler_) handler_();
    return true;
}

void showNoValue(ValueScrollBar& bar, Panel3D& shown) {
    bar.setValueFromCode(bar.minimum(), Handler::Skip);
    shown.SetCaption(QString());
}

}  // namespace tamberlo
