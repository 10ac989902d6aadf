#pragma once
// The start of a run: the ladder drawn powered and, at a fresh start (not
// when a paused run resumes), the start-only action row 0 carried out once.

namespace tamberlo {

void InitialiseerStart();

}  // namespace tamberlo
