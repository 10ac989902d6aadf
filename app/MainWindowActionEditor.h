#pragma once
// The action editor's place on the main window: it lies where the control
// panel lies, and the ladder's action buttons lead to it.

namespace tamberlo {

class LadderProgrammeren;

// The edit area over the control panel's place, as high as the window allows.
void placeActionEditor(LadderProgrammeren& window);
// The start-up: the sound picker shows the program's folder.
void showProgramFolderInSoundPicker(LadderProgrammeren& window);

}  // namespace tamberlo
