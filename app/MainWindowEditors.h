#pragma once
// The cell editors' place on the main window: they lie where the control
// panel lies, and the ladder's cell buttons lead to them.

namespace tamberlo {

class LadderProgrammeren;

// The edit area over the control panel's place, as high as the window allows.
void placeEditors(LadderProgrammeren& window);
// The start-up: the sound picker shows the program's folder.
void showProgramFolderInSoundPicker();

}  // namespace tamberlo
