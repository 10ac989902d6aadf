#include "Windows.h"

#include "Detection.h"
#include "LadderProgrammeren.h"
#include "SettingsWindow.h"
#include "SoleWindow.h"
#include "SplashWindow.h"

namespace tamberlo {
namespace {
SoleWindow<LadderProgrammeren> ladder;
SoleWindow<SplashWindow> splash;
}  // namespace

LadderProgrammeren& mainWindow() { return ladder.get(); }

bool mainWindowExists() { return ladder.exists(); }

SplashWindow& splashWindow() {
    const bool made = !splash.exists();
    SplashWindow& window = splash.get();
    if (made) {
        // The searches show their animation and the module's picture on the splash.
        SplashSearchHooks& hooks = splashSearchHooks();
        if (!hooks.Timer_Zoek_Interface)
            hooks.Timer_Zoek_Interface = [](bool on) { splashWindow().Timer_Zoek_Interface->SetEnabled(on); };
        if (!hooks.CMD_Brask)
            hooks.CMD_Brask = [](const QString& name) { SplashWindow::SetButtonPicture(splashWindow().CMD_Brask, name); };
    }
    return window;
}

void forgetWindows() {
    forgetSettingsWindow();
    splash.forget();
    ladder.forget();
}

}  // namespace tamberlo
