#pragma once
// The main window and the splash window: each exists once and is created the
// first time it is referred to.

namespace tamberlo {

class LadderProgrammeren;
class SplashWindow;

// The main window `LadderProgrammeren`.
LadderProgrammeren& mainWindow();
bool mainWindowExists();
// The window `Splash`.
SplashWindow& splashWindow();

// Tests: destroys the program's windows so the next reference creates them anew.
void forgetWindows();

}  // namespace tamberlo
