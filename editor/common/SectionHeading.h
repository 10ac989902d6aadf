#pragma once
// The grey heading panel that opens each section of an editor panel.

#include <QString>
#include <QWidget>

#include "Panel3D.h"

namespace tamberlo {

inline Panel3D* sectionHeading(const QString& caption, QWidget* parent, int x, int y, int width) {
    auto* p = new Panel3D(caption, parent);
    p->setGeometry(x, y, width, 18);
    return p;
}

}  // namespace tamberlo
