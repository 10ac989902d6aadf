#pragma once
// Gives a control its own font size, the rest of its font as it was: for
// controls whose room is fixed and narrower than their texts at the window's
// font (number tables, option rows of addresses, lamps).

#include <QWidget>

namespace tamberlo {

inline void SetFontPointSize(QWidget* w, qreal points) {
    QFont f = w->font();
    f.setPointSizeF(points);
    w->setFont(f);
}

}  // namespace tamberlo
