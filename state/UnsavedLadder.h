#pragma once
// Whether the ladder holds work that is in no file: the commands that throw
// the ladder away (closing, reading another file) ask before they do.
//
// The editors write the tables in many places, cell by cell; rather than
// marking each of those, the ladder is compared with a copy taken when it was
// last read, written or cleared. An edit that is undone again is no change.

namespace tamberlo {

// Takes the ladder as it stands as the one last read, written or cleared.
void RememberLadderAsSaved();

// True when the tables (and the sound names of the sound rows) differ from
// the ladder last read, written or cleared.
bool LadderHasUnsavedChanges();

}  // namespace tamberlo
