#include "Vensters.h"

#include "LadderProgrammeren.h"
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
    if (!splash) splash = new SplashWindow;
    return *splash;
}

void VergeetVensters() {
    delete splash;
    splash = nullptr;
    delete hoofd;
    hoofd = nullptr;
}

}  // namespace tamberlo
