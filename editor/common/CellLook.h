#pragma once
// What a ladder cell, condition or action, shows for its stored row: frame
// and the four caption lines with their colours. Each field says whether it
// changes the cell; an empty one leaves what the cell shows.

#include <array>
#include <optional>

#include "CaptionChange.h"
#include "LadderView.h"

namespace tamberlo {

struct CellLook {
    std::optional<bool> frameVisible;
    std::optional<VbColor> frameColor;
    std::array<CaptionChange, 4> lines;
    // Condition cells only: a vertical link. The cell's wire and add button
    // go; the last cell of the rung also draws the link line and the rung's OR wire.
    bool verticalLink = false;

    // Frame and lines onto a cell of the ladder view (ConditionCellView, ActionRowView).
    template <class CellView>
    void applyTo(CellView& cell) const {
        if (frameColor) cell.frameColor = *frameColor;
        if (frameVisible) cell.frameVisible = *frameVisible;
        for (std::size_t k = 0; k < lines.size(); ++k) lines[k].applyTo(cell.lines[k]);
    }
};

// An empty row: no frame, grey lines without text.
inline void emptyLook(CellLook& look, VbColor grey) {
    look.frameVisible = false;
    for (auto& line : look.lines) {
        line.backColor = grey;
        line.caption = QString();
    }
}

// A filled row: the frame shows and the lines take the row kind's colour.
inline void filledLook(CellLook& look, VbColor color) {
    look.frameVisible = true;
    for (auto& line : look.lines) line.backColor = color;
}

}  // namespace tamberlo
