#include "Services.h"

#include "Controls.h"
#include "Dialogs.h"
#include "NetworkLink.h"
#include "ParallelPorts.h"
#include "RunClock.h"
#include "RunCommands.h"
#include "SoundPlayer.h"
#include "VellemanCards.h"

namespace tamberlo {

void InstallServices(const Services& services) {
    SetDialogs(services.dialogs);
    velleman::SetBackend(services.cards);
    SetParallelPortBackend(services.parallelPorts);
    SetSoundPlayer(services.sound);
    SetRunClock(services.clock);
    SetNetworkLink(services.networkLink);
    SetKelvanor1(services.kelvanor);
    InstallRunHooks();
}

}  // namespace tamberlo
