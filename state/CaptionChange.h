#pragma once
// A change to one caption panel of a ladder cell. Caption writers say per
// property what they set; an empty optional leaves that property as it was,
// which is how a code the program does not know keeps the cell's old look.

#include <optional>

#include "LadderView.h"

namespace tamberlo {

struct CaptionChange {
    std::optional<QString> caption;
    std::optional<VbColor> backColor;
    std::optional<VbColor> foreColor;

    void applyTo(CaptionPanel& panel) const {
        if (caption) panel.caption = *caption;
        if (backColor) panel.backColor = *backColor;
        if (foreColor) panel.foreColor = *foreColor;
    }
};

}  // namespace tamberlo
