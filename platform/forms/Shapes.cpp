#include "Shapes.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

#include "VbColor.h"

namespace tamberlo {

LineControl::LineControl(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

void LineControl::SetPoints(int x1, int y1, int x2, int y2) {
    p1_ = {x1, y1};
    p2_ = {x2, y2};
    place();
}

void LineControl::SetBorderColor(std::uint32_t vb) {
    if (vb == color_) return;
    color_ = vb;
    update();
}

void LineControl::place() {
    const int path = kWidth;
    setGeometry(std::min(p1_.x(), p2_.x()) - path, std::min(p1_.y(), p2_.y()) - path, std::abs(p2_.x() - p1_.x()) + 2 * path + 1,
                std::abs(p2_.y() - p1_.y()) + 2 * path + 1);
    update();
}

void LineControl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QPen(VbToQColor(color_), kWidth));
    p.drawLine(p1_ - pos(), p2_ - pos());
}

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
