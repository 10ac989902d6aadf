#pragma once
// The one way a caption is fitted to a control whose room is fixed: the font
// it wants while the caption fits, otherwise that font made smaller, half a
// point (or a pixel) at a time, until it does or a smallest legible size is
// reached.

#include <QFont>

#include <functional>

namespace tamberlo {

QFont ShrinkToFit(QFont wanted, const std::function<bool(const QFont&)>& fits);

}  // namespace tamberlo
