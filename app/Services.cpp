#include "Services.h"

#include "CommandPrinten.h"
#include "Controls.h"
#include "Dialogs.h"
#include "MainWindowCommands.h"
#include "NetworkLink.h"
#include "ParallelPorts.h"
#include "ProgramEnd.h"
#include "RunClock.h"
#include "RunCommands.h"
#include "SoundPlayer.h"
#include "VellemanCards.h"
#include "Yielding.h"

namespace tamberlo {

void InstallServices(const Services& services) {
    SetDialogs(services.dialogs);
    velleman::SetBackend(services.cards);
    SetParallelPortBackend(services.parallelPorts);
    SetSoundPlayer(services.sound);
    SetRunClock(services.clock);
    SetNetworkLink(services.networkLink);
    SetKelvanor1(services.kelvanor);
    SetFontDialog(services.fontDialog);
    SetPrinterDialog(services.printerDialog);
    SetWaitHook(services.wait);
    SetProcessEnder(services.processEnd);
    InstallRunHooks();
}

}  // namespace tamberlo
