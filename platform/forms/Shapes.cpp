#include "Shapes.h"

#include <QPainter>

#include <algorithm>

#include "VbColor.h"

namespace tamberlo {

LampShape::LampShape(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LampShape::SetFillStyle(int style) {
    if (style == fillStyle_) return;
    fillStyle_ = style;
    update();
}

void LampShape::SetFillColor(std::uint32_t vb) {
    if (vb == fillColor_) return;
    fillColor_ = vb;
    update();
}

void LampShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, kind_ == Kind::Circle);
    p.setPen(Qt::black);
    if (fillStyle_ == 0) p.setBrush(VbToQColor(fillColor_));
    else p.setBrush(Qt::NoBrush);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    if (kind_ == Kind::Circle) {
        const int d = std::min(r.width(), r.height());
        p.drawEllipse(QRect(r.x() + (r.width() - d) / 2, r.y() + (r.height() - d) / 2, d, d));
    } else {
        p.drawRect(r);
    }
}

}  // namespace tamberlo
