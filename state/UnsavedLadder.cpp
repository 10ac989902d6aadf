#include "UnsavedLadder.h"

#include "SharedState.h"

namespace tamberlo {

void RememberLadderAsSaved() {
    SharedState::SavedLadder& saved = shared.savedLadder;
    saved.conditions = shared.Condities;
    saved.actions = shared.Acties;
    saved.soundFolders = shared.GeluidMappen;
    saved.soundFiles = shared.GeluidBestanden;
}

bool LadderHasUnsavedChanges() {
    const SharedState::SavedLadder& saved = shared.savedLadder;
    if (saved.conditions != shared.Condities || saved.actions != shared.Acties) return true;
    // Only a sound row keeps its names in the file; other rows' names are leftovers.
    for (int r = 0; r <= kRungs; ++r)
        if (shared.Acties[r][0] == 4 &&
            (saved.soundFolders[r] != shared.GeluidMappen[r] || saved.soundFiles[r] != shared.GeluidBestanden[r]))
            return true;
    return false;
}

}  // namespace tamberlo
