#include "VbLabel.h"

#include <QMouseEvent>

namespace tamberlo {

VbLabel::VbLabel(QWidget* parent) : QLabel(parent) { setTextFormat(Qt::PlainText); }

void VbLabel::SetCaption(const QString& c) {
    caption_ = c;
    QString shown = c;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setText(shown);
}

void VbLabel::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clicked();
    QLabel::mouseReleaseEvent(e);
}

}  // namespace tamberlo
