#include "RunCommands.h"

#include <QCoreApplication>

#include <deque>

#include "ActionExecutor.h"
#include "ArduinoLink.h"
#include "ArduinoOutputs.h"
#include "ArduinoPort.h"
#include "Controls.h"
#include "DashboardView.h"
#include "Dialogs.h"
#include "InputReading.h"
#include "LadderPresence.h"
#include "LadderTimers.h"
#include "LadderView.h"
#include "LanguageText.h"
#include "NetworkLink.h"
#include "NetworkPeer.h"
#include "PoweredDrawing.h"
#include "ReentryGuard.h"
#include "RunColours.h"
#include "ScanLoop.h"
#include "SetIfChanged.h"
#include "SharedState.h"
#include "StartRow.h"
#include "VellemanCards.h"
#include "Yielding.h"

namespace tamberlo {

namespace {

constexpr int kWinsockConnecting = 6;
constexpr int kWinsockConnected = 7;

// True from the moment a start passes its first test until CommandStart
// returns (the run included): a start clicked at an event point meanwhile is
// ignored, so no second loop ever begins.
bool startBusy = false;
// True while a start waits for the network link to open.
bool waitingForConnection = false;
// Set by Pause or Stop while a start waits for the network link: that start
// then ends without running.
bool startAborted = false;

bool NetworkInput() {
    for (int i = 1; i <= kConditions; ++i)
        if (shared.Condities[i][0] == 1 && shared.Condities[i][4] != 0) return true;
    return false;
}

bool NetworkOutput() {
    for (int r = 1; r <= kRungs; ++r)
        if (shared.Acties[r][0] == 1 && shared.Acties[r][4] != 0) return true;
    return false;
}

// The peer's stop ends the run: the ladder is drawn unpowered, memories,
// ladder timers and variables are cleared, the dashboard polls the inputs
// again. Outputs keep their values.
void EndRunByPeer() {
    shared.ProgrammaStatus = 0;
    Yield();
    VoedingUIT();
    ClearHoldingActions();
    for (int i = 0; i <= 7; ++i) {
        shared.GeheugenToestand[i] = false;
        ladderView.memoryColor[i] = 0xFFFFC0;
        ladderTimers().TimerT[i]->SetEnabled(false);
        shared.TimerResterend[i] = 0;
        shared.TimerUitgang[i] = false;
    }
    for (int v = 1; v <= 3; ++v) {
        shared.Variabelen[v] = 0;
        ladderView.varCaption[v] = QStringLiteral("0");
    }
    TimerLeesIngangen().SetEnabled(true);
}

// A start clicked while another handler is inside a yield (the dashboard's
// input timer, a search's wait) waits until that handler has returned: run
// nested there, the loop would keep the handler on the stack, and with it
// its timer or its guard, for the whole run. Pause and Stop clicked while
// such a start waits follow it, in the order clicked.
enum class Deferred { Start, Pause, Stop };
std::deque<Deferred> deferred;

void StartNow();
void PauseNow();
void StopNow();
void RunNextDeferred();

void ScheduleNextDeferred() {
    if (deferred.empty()) return;
    if (deferred.front() == Deferred::Start) PostOutsideYields(&RunNextDeferred);
    else QMetaObject::invokeMethod(QCoreApplication::instance(), &RunNextDeferred, Qt::QueuedConnection);
}

void RunNextDeferred() {
    if (deferred.empty()) return;
    if (AppEnding()) {
        deferred.clear();
        return;
    }
    if (deferred.front() == Deferred::Start && YieldDepth() > 0) {
        PostOutsideYields(&RunNextDeferred);
        return;
    }
    const Deferred command = deferred.front();
    deferred.pop_front();
    // The next one is handed on first: a start runs the whole loop.
    ScheduleNextDeferred();
    switch (command) {
    case Deferred::Start: StartNow(); break;
    case Deferred::Pause: PauseNow(); break;
    case Deferred::Stop: StopNow(); break;
    }
}

void Defer(Deferred command) {
    deferred.push_back(command);
    if (deferred.size() == 1) ScheduleNextDeferred();
}

}  // namespace

void InstallRunHooks() { peerStopHooks().endRun = EndRunByPeer; }

void CommandStart() {
    if (shared.ProgrammaStatus == 1 || startBusy) return;
    if (!deferred.empty() || YieldDepth() > 0) {
        // A start right behind a waiting start would come during its run.
        if (deferred.empty() || deferred.back() != Deferred::Start) Defer(Deferred::Start);
        return;
    }
    StartNow();
}

void CommandPauze() {
    if (!deferred.empty()) Defer(Deferred::Pause);
    else PauseNow();
}

void CommandStop() {
    if (!deferred.empty()) Defer(Deferred::Stop);
    else StopNow();
}

namespace {

void StartNow() {
    if (shared.ProgrammaStatus == 1) return;
    ReentryGuard guard(startBusy);
    if (!guard.entered()) return;
    startAborted = false;

    TimerLeesIngangen().SetEnabled(false);  // the scan reads the inputs itself now
    TimerSerialPort().SetEnabled(true);

    VoedingAAN();
    IsErEenProgramma();
    if (!shared.ConditiesAanwezig) {
        dialogs().MsgBox(T("U moet nog wel Condities invoeren!.", "You'll have to introduce Conditions!."), MsgButtons::Ok);
        VoedingUIT();
        return;
    }
    if (!shared.ActiesAanwezig) {
        dialogs().MsgBox(T("U moet nog wel Acties invoeren!.", "You'll have to introduce Actions!."), MsgButtons::Ok);
        VoedingUIT();
        return;
    }

    const int state = networkLink().WinsockState();
    if (state == kWinsockConnecting || state == kWinsockConnected) return;

    {
        ReentryGuard waiting(waitingForConnection);
        // One attempt per start, for network inputs and outputs alike: a
        // second one straight after a failure could do no better and would
        // only show the failure's box (and wait for a silent peer) again.
        if (NetworkInput() || NetworkOutput()) MaakVerbinding();
    }
    if (startAborted) return;  // Pause or Stop came while the link was being opened

    InitialiseerStart();
    if (SetIfChanged(ladderView.startStopColor, kLampRunning)) ladderView.changed();
    shared.ProgrammaStatus = 1;
    LoopConditie();
}

void PauseNow() {
    if (shared.ProgrammaStatus == 1) {
        shared.ProgrammaStatus = 2;
        TimerLeesIngangen().SetEnabled(true);  // the dashboard keeps the inputs live
        VoedingUIT();
    } else if (waitingForConnection && !startAborted) {
        startAborted = true;
        VoedingUIT();
        if (shared.ProgrammaStatus == 2) TimerLeesIngangen().SetEnabled(true);
    }
    if (shared.Verbindingsstatus == 1) networkLink().QuitNetworkLink();
}

void StopNow() {
    shared.ProgrammaStatus = 0;
    if (waitingForConnection) startAborted = true;

    LadderTimers& timers = ladderTimers();
    timers.TimerStopwatch->SetEnabled(false);
    TimerSerialPort().SetEnabled(false);
    TimerLeesIngangen().SetEnabled(false);

    VoedingUIT();
    ClearHoldingActions();

    for (int i = 0; i < 8; ++i) {
        shared.GeheugenToestand[i] = false;
        ladderView.memoryColor[i] = kMemoryOff;
        timers.TimerT[i]->SetEnabled(false);
        shared.TimerUitgang[i] = false;
        dashboardView.timerFlood[i] = 0.0;
        shared.TimerResterend[i] = 0;
    }
    ladderView.cycleTime.clear();
    dashboardView.digOutVelPar.fill(false);
    for (auto& row : shared.UitgangDigitaal) row.fill(false);
    shared.VellemanUitByte.fill(0);
    for (int v = 1; v <= 3; ++v) {
        shared.Variabelen[v] = 0;
        ladderView.varCaption[v] = QStringLiteral("0");
    }
    ladderView.startStopColor = kLampStopped;
    ladderView.floodPercent = 0.0;
    shared.ActiviteitNiveau = 0;
    ladderView.changed();
    dashboardView.changed();

    if (shared.Verbindingsstatus == 1) networkLink().QuitNetworkLink();
    else if (shared.Verbindingsstatus == 3) networkLink().CloseConnectingLink();
}

}  // namespace

void CommandResetAll() {
    for (int card = 0; card <= 3; ++card)
        if (shared.VellemanKaartMasker & (1 << card)) {
            velleman::SetCurrentDevice(card);
            velleman::ClearAllDigital();
        }
    if (shared.ModuleAanwezig != 0) Kelvanor1().SetDigitalOutput0(0);
    ArduinoSetOutputsAndRemember(0);  // "1/0/" when the port is open; remembered as the board's state
}

}  // namespace tamberlo
