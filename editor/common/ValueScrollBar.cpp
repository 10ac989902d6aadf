#include "ValueScrollBar.h"

#include "Panel3D.h"

namespace tamberlo {

ValueScrollBar::ValueScrollBar(int min, int max, int largeStep, QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
    setRange(min, max);
    setSingleStep(1);
    setPageStep(largeStep);
    connect(this, &QScrollBar::valueChanged, this, [this] {
        showValue();
        if (!fromCode_ && handler_) handler_();
    });
}

bool ValueScrollBar::setValueFromCode(int value, Handler handler) {
    if (value < minimum() || value > maximum()) return false;
    const bool changed = value != this->value();
    fromCode_ = true;
    setValue(value);
    fromCode_ = false;
    // An unchanged value does not signal, and the box may still be empty.
    showValue();
    if (changed && handler == Handler::RunIfChanged && handler_) handler_();
    return true;
}

void ValueScrollBar::showValueIn(Panel3D* box, std::function<QString(int)> text) {
    box_ = box;
    text_ = std::move(text);
    showValue();
}

void ValueScrollBar::showValue() {
    if (box_) box_->SetCaption(text_ ? text_(value()) : QString::number(value()));
}

void ValueScrollBar::showNoValue() {
    setValueFromCode(minimum(), Handler::Skip);
    if (!box_) return;
    box_->SetCaption(QString());
}

}  // namespace tamberlo
