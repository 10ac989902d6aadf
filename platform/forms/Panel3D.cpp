#include "Panel3D.h"

#include <QMouseEvent>
#include <QPainter>

#include "VbColor.h"

namespace tamberlo {

Panel3D::Panel3D(QWidget* parent) : QWidget(parent) {}
Panel3D::Panel3D(const QString& caption, QWidget* parent) : QWidget(parent), caption_(caption) {}

void Panel3D::SetCaption(const QString& c) {
    if (c == caption_) return;
    caption_ = c;
    update();
}
void Panel3D::SetBackColor(std::uint32_t vb) {
    if (vb == back_) return;
    back_ = vb;
    update();
}
void Panel3D::SetForeColor(std::uint32_t vb) {
    if (vb == fore_) return;
    fore_ = vb;
    update();
}
void Panel3D::SetFloodType(Flood f) {
    floodType_ = f;
    update();
}
void Panel3D::SetFloodPercent(double pct) {
    if (!(pct > 0)) pct = 0;  // also catches NaN
    if (pct > 100) pct = 100;
    if (pct == floodPercent_) return;
    floodPercent_ = pct;
    if (floodType_ != Flood::None) update();
}

void Panel3D::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, VbToQColor(back_));
    const QRect inner = r.adjusted(kBevel, kBevel, -kBevel, -kBevel);
    if (floodType_ != Flood::None && floodPercent_ > 0) {
        const int w = int(inner.width() * floodPercent_ / 100.0 + 0.5);
        QRect bar = inner;
        if (floodType_ == Flood::LeftToRight) bar.setWidth(w);
        else bar.setLeft(inner.right() - w + 1);
        p.fillRect(bar, VbToQColor(kFloodColor));
    }
    for (int i = 0; i < kBevel; ++i) {
        const QRect b = r.adjusted(i, i, -i - 1, -i - 1);
        p.setPen(QColor(255, 255, 255));
        p.drawLine(b.topLeft(), b.topRight());
        p.drawLine(b.topLeft(), b.bottomLeft());
        p.setPen(QColor(128, 128, 128));
        p.drawLine(b.bottomLeft(), b.bottomRight());
        p.drawLine(b.topRight(), b.bottomRight());
    }
    if (!caption_.isEmpty()) {
        p.setPen(VbToQColor(fore_));
        p.setFont(font());
        p.drawText(inner.adjusted(1, 0, -1, 0), Qt::AlignCenter | Qt::TextWordWrap, caption_);
    }
}

void Panel3D::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clicked();
    QWidget::mouseReleaseEvent(e);
}

}  // namespace tamberlo
