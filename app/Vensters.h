#pragma once
// The program's windows: each exists once and is created the first time it
// is referred to.

namespace tamberlo {

class LadderProgrammeren;
class SplashWindow;

LadderProgrammeren& LadderProgrammerenVenster();
bool LadderProgrammerenBestaat();
SplashWindow& SplashVenster();

// Tests: destroys both windows so the next reference creates them anew.
void VergeetVensters();

}  // namespace tamberlo
