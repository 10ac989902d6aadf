// The settings button of the toolbar.
#include "InputReading.h"
#include "LadderProgrammeren.h"
#include "MainWindowCommands.h"
#include "SettingsWindow.h"
#include "Windows.h"

namespace tamberlo {

void CommandClipBoard_Click() {
    TimerLeesIngangen().SetEnabled(false);
    settingsWindow().ShowOver(&mainWindow());
}

}  // namespace tamberlo
