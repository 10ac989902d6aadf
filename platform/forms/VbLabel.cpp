#include "VbLabel.h"

#include <QMouseEvent>

#include "LineEnds.h"

namespace tamberlo {

VbLabel::VbLabel(QWidget* parent) : QLabel(parent) { setTextFormat(Qt::PlainText); }

void VbLabel::SetCaption(const QString& c) {
    caption_ = c;
    setText(WithQtLineEnds(c));
}

void VbLabel::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clicked();
    QLabel::mouseReleaseEvent(e);
}

}  // namespace tamberlo
