#include "Windows.h"

#include "Detection.h"
#include "LadderProgrammeren.h"
#include "SettingsWindow.h"
#include "SplashWindow.h"

namespace tamberlo {
namespace {
LadderProgrammeren* mainWindow = nullptr;
SplashWindow* splash = nullptr;
}  // namespace

LadderProgrammeren& LadderProgrammerenWindow() {
    if (!mainWindow) mainWindow = new LadderProgrammeren;
    return *mainWindow;
}

bool LadderProgrammerenExists() { return mainWindow != nullptr; }

SplashWindow& TheSplashWindow() {
    if (!splash) {
        splash = new SplashWindow;
        // The searches show their animation and the module's picture on the splash.
        SplashSearchHooks& hooks = splashSearchHooks();
        if (!hooks.Timer_Zoek_Interface)
            hooks.Timer_Zoek_Interface = [](bool on) { TheSplashWindow().Timer_Zoek_Interface->SetEnabled(on); };
        if (!hooks.CMD_Brask)
            hooks.CMD_Brask = [](const QString& name) { SplashWindow::SetButtonPicture(TheSplashWindow().CMD_Brask, name); };
    }
    return *splash;
}

void ForgetWindows() {
    ForgetInstellingen();
    delete splash;
    splash = nullptr;
    delete mainWindow;
    mainWindow = nullptr;
}

}  // namespace tamberlo
