#pragma once
// Colour values as the program writes them: 24-bit &HBBGGRR (red in the low
// byte), or a system colour (&H800000xx) that follows the desktop palette.
// Every conversion to a toolkit colour goes through here.

#include <QColor>

#include <cstdint>

namespace tamberlo {

QColor VbToQColor(std::uint32_t vb);
std::uint32_t QColorToVb(const QColor& c);

}  // namespace tamberlo
