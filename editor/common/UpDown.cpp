#include "UpDown.h"

#include <QVBoxLayout>

namespace tamberlo {

UpDown::UpDown(int min, int max, QWidget* parent)
    : QWidget(parent), min_(min), max_(max), value_(min), up_(new QToolButton(this)), down_(new QToolButton(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton* b : {up_, down_}) {
        b->setAutoRepeat(true);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        layout->addWidget(b);
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    connect(up_, &QToolButton::clicked, this, &UpDown::stepUp);
    connect(down_, &QToolButton::clicked, this, &UpDown::stepDown);
}

bool UpDown::setValue(int value, Handler handler) {
    if (value < min_ || value > max_) return false;
    if (value == value_) return true;
    value_ = value;
    if (handler == Handler::RunIfChanged && handler_) handler_();
    return true;
}

void UpDown::step(int delta) {
    if (!isEnabled()) return;
    setValue(value_ + delta, Handler::RunIfChanged);
}

void UpDown::stepUp() { step(1); }
void UpDown::stepDown() { step(-1); }

}  // namespace tamberlo
