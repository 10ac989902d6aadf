#pragma once
// The program's windows: each exists once and is created the first time it
// is referred to.

namespace tamberlo {

class LadderProgrammeren;
class SplashWindow;

LadderProgrammeren& LadderProgrammerenWindow();
bool LadderProgrammerenExists();
SplashWindow& TheSplashWindow();

// Tests: destroys both windows so the next reference creates them anew.
void ForgetWindows();

}  // namespace tamberlo
