#include "Vensters.h"

#include "LadderProgrammeren.h"
#include "Detection.h"
#include "SettingsWindow.h"
#include "SplashWindow.h"

namespace tamberlo {
namespace {
LadderProgrammeren* hoofd = nullptr;
SplashWindow* splash = nullptr;
}  // namespace

LadderProgrammeren& LadderProgrammerenVenster() {
    if (!hoofd) hoofd = new LadderProgrammeren;
    return *hoofd;
}

bool LadderProgrammerenBestaat() { return hoofd != nullptr; }

SplashWindow& SplashVenster() {
    if (!splash) {
        splash = new SplashWindow;
        // The searches show their animation and the module's picture on the splash.
        SplashZoekHooks& hooks = splashZoekHooks();
        if (!hooks.Timer_Zoek_Interface)
            hooks.Timer_Zoek_Interface = [](bool aan) { SplashVenster().Timer_Zoek_Interface->SetEnabled(aan); };
        if (!hooks.CMD_Brask)
            hooks.CMD_Brask = [](const QString& naam) { SplashWindow::ZetKnopAfbeelding(SplashVenster().CMD_Brask, naam); };
    }
    return *splash;
}

void VergeetVensters() {
    ForgetInstellingen();
    delete splash;
    splash = nullptr;
    delete hoofd;
    hoofd = nullptr;
}

}  // namespace tamberlo
