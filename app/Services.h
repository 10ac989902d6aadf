#pragma once
// The services the program runs on, installed in one place: main installs
// them once before the splash loads, a test fixture installs its fakes once
// (and an empty Services when it ends). A member left empty is the real
// service, made at its first use.
//
// The Kelvanor control is a library of its own with its own copies of the
// USB services: its FTDI and Silicon Labs libraries and USB bridges are
// installed with kelvanor::InstallControlServices (ControlServices.h).
//
// The hook tables, and where each is filled:
//   explanatoryPicture (EditorHooks.h)     the main window, app/ExplanatoryPictures.cpp
//   ladderButtons (LadderButtons.h)        the main window, app/MainWindowEditors.cpp
//   startUpServices() (StartUpServices.h)  the program's functions, app/StartUpServices.cpp
//   splashSearchHooks() (Detection.h)      the splash window when it is created, app/Windows.cpp
//   arduinoSearchHooks() (Detection.h)     the port search, run/search/Detection.cpp
//   arduinoPortHooks() (ArduinoOutputs.h)  the serial link, run/links/ArduinoOutputs.cpp
//   peerStopHooks() (NetworkPeer.h)        the run engine, InstallRunHooks in run/engine/RunCommands.cpp,
//                                          called by InstallServices
// Tests replace a table's entries and put them back.

namespace tamberlo {

class Dialogs;
class KelvanorClient;
class NetworkLink;
class ParallelPortBackend;
class RunClock;
class SoundPlayer;
namespace velleman {
class VellemanBackend;
}

struct Services {
    Dialogs* dialogs = nullptr;                    // message boxes and file dialogs: Qt's
    velleman::VellemanBackend* cards = nullptr;    // Velleman cards: hidapi
    ParallelPortBackend* parallelPorts = nullptr;  // parallel ports: ppdev
    SoundPlayer* sound = nullptr;                  // sound: QSoundEffect
    RunClock* clock = nullptr;                     // the run's clock: the system clock
    NetworkLink* networkLink = nullptr;            // the peer: TCP
    // The Kelvanor control: none until the start-up hosts it (KelvanorHost.cpp).
    KelvanorClient* kelvanor = nullptr;
};

// Installs every service of `services` (none owned) and fills the run's hooks.
void InstallServices(const Services& services);

}  // namespace tamberlo
