#include "ActionCaptions.h"

#include "ActionCellLook.h"
#include "LadderView.h"
#include "SharedState.h"

namespace tamberlo {

namespace {

void applyLook(int r, const ActionCellLook& look) {
    ActionRowView& cell = ladderView.action[static_cast<std::size_t>(r)];
    if (look.frameColor) cell.frameColor = *look.frameColor;
    if (look.frameVisible) cell.frameVisible = *look.frameVisible;
    for (std::size_t k = 0; k < look.lines.size(); ++k) look.lines[k].applyTo(cell.lines[k]);
}

}  // namespace

void SetPanelActieBijLezen(int r) {
    if (r < 0 || r > kRungs) return;
    const auto row = static_cast<std::size_t>(r);
    applyLook(r, actionLookOnRead(shared.Acties[row], {shared.GeluidMappen[row], shared.GeluidBestanden[row]}, shared.TaalVlag,
                                  shared.ParallellePoortAdressen));
    ladderView.changed();
}

void SetPanelActieBijAndereTaal(int r) {
    // The start-only row 0 is re-captioned like every other row.
    if (r < 0 || r > kRungs) return;
    applyLook(r, actionLookOnLanguage(shared.Acties[static_cast<std::size_t>(r)], shared.TaalVlag));
    ladderView.changed();
}

}  // namespace tamberlo
