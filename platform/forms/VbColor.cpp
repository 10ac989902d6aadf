#include "VbColor.h"

#include <QApplication>
#include <QPalette>

namespace tamberlo {

QColor VbToQColor(std::uint32_t vb) {
    if (vb & 0x80000000u) {
        // System colours: only the few the windows use, mapped onto the palette.
        const QPalette pal = QApplication::palette();
        switch (vb & 0xFFu) {
        case 0x05: return pal.color(QPalette::Base);        // window background
        case 0x08: return pal.color(QPalette::Text);        // window text
        case 0x0F: return pal.color(QPalette::Button);      // button face
        case 0x12: return pal.color(QPalette::ButtonText);  // button text
        default: return pal.color(QPalette::WindowText);
        }
    }
    return QColor(int(vb & 0xFFu), int((vb >> 8) & 0xFFu), int((vb >> 16) & 0xFFu));
}

std::uint32_t QColorToVb(const QColor& c) {
    return std::uint32_t(c.red()) | (std::uint32_t(c.green()) << 8) | (std::uint32_t(c.blue()) << 16);
}

}  // namespace tamberlo
