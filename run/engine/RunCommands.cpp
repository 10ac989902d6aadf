#include "RunCommands.h"

#include "ArduinoOutputs.h"
#include "ArduinoPort.h"
#include "Controls.h"
#include "DashboardView.h"
#include "Dialogs.h"
#include "LadderPresence.h"
#include "LadderTimers.h"
#include "LadderView.h"
#include "NetworkLink.h"
#include "PollTimers.h"
#include "PoweredDrawing.h"
#include "RunColours.h"
#include "ScanLoop.h"
#include "SetIfChanged.h"
#include "SharedState.h"
#include "StartRow.h"
#include "LanguageText.h"
#include "VellemanCards.h"

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

struct StartFlag {
    StartFlag() { startBusy = true; startAborted = false; }
    ~StartFlag() { startBusy = false; waitingForConnection = false; }
};

}  // namespace

void CommandStart() {
    if (shared.ProgrammaStatus == 1 || startBusy) return;
    StartFlag flag;

    TimerLeesIngangen().SetEnabled(false);  // the scan reads the inputs itself now
    TimerSerialPort().SetEnabled(true);

    VoedingAAN();
    IsErEenProgramma();
    if (!shared.ConditiesAanwezig) {
        dialogs().MsgBox(T("U moet nog wel Condities invoeren!.", "You'll have to introduce Conditions!."),
                         MsgButtons::Ok);
        VoedingUIT();
        return;
    }
    if (!shared.ActiesAanwezig) {
        dialogs().MsgBox(T("U moet nog wel Acties invoeren!.", "You'll have to introduce Actions!."),
                         MsgButtons::Ok);
        VoedingUIT();
        return;
    }

    const int state = networkLink().WinsockState();
    if (state == kWinsockConnecting || state == kWinsockConnected) return;

    waitingForConnection = true;
    if (NetworkInput()) MaakVerbinding();
    if (!startAborted && shared.Verbindingsstatus == 0 && NetworkOutput()) MaakVerbinding();
    waitingForConnection = false;
    if (startAborted) return;  // Pause or Stop came while the link was being opened

    InitialiseerStart();
    if (SetIfChanged(ladderView.startStopColor, kLampRunning)) ladderView.changed();
    shared.ProgrammaStatus = 1;
    LoopConditie();
}

void CommandPauze() {
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

void CommandStop() {
    shared.ProgrammaStatus = 0;
    if (waitingForConnection) startAborted = true;

    LadderTimers& timers = ladderTimers();
    timers.TimerStopwatch->SetEnabled(false);
    TimerSerialPort().SetEnabled(false);
    TimerLeesIngangen().SetEnabled(false);

    VoedingUIT();

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
