#include "ActionCaptions.h"

#include "ActionCellLook.h"
#include "LadderView.h"
#include "SharedState.h"

namespace tamberlo {

namespace {

void applyLook(int r, const CellLook& look) { look.applyTo(ladderView.action[static_cast<std::size_t>(r)]); }

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
