#pragma once
// What the program sets up for its whole process before its first window.

namespace tamberlo {

// Under a file-size limit (ulimit -f) a write past the limit would end the
// process with SIGXFSZ, taking the unsaved ladder with it. The signal is
// ignored, so such a write fails like one on a full disk and the save and
// print commands report it.
void SetUpProcess();

}  // namespace tamberlo
