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
// and one hook: the splash's progress step of the port search
// (SetSplashProgressStep, ComPortSearch.h), set by the start-up around its
// Arduino search, app/StartUp.cpp.
// Tests replace a table's entries, or the hook, and put them back.

#include <functional>
#include <optional>

class QFont;
class QPrinter;

namespace tamberlo {

class Dialogs;
struct FontChoice;
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

    // The font button's dialog (nothing on Cancel): Qt's.
    std::function<std::optional<FontChoice>(const QFont& current)> fontDialog = nullptr;
    // The printer dialog, which sets up the printer (false on Cancel): Qt's.
    std::function<bool(QPrinter& printer)> printerDialog = nullptr;
    // Every WaitSeconds, given its seconds: a wait that handles events.
    std::function<void(double seconds)> wait = nullptr;
    // The end of the process once the end steps ran: quick_exit.
    std::function<void()> processEnd = nullptr;
};

// Installs every service of `services` (none owned) and fills the run's hooks.
void InstallServices(const Services& services);

}  // namespace tamberlo
