#include "Detection.h"

#include "ComPortSearch.h"
#include "Controls.h"
#include "DashboardView.h"
#include "Dialogs.h"
#include "LadderView.h"
#include "LanguageText.h"
#include "ReentryGuard.h"
#include "SharedState.h"
#include "VellemanCards.h"

namespace tamberlo {

namespace {

// A second search of one kind is refused while the first still yields inside.
bool vellemanBusy = false;
bool kelvanorBusy = false;
bool icp12Busy = false;

void show() {
    ladderView.changed();
    dashboardView.changed();
}

// A found card has just had its outputs switched off: the program's images of
// them follow, so lamps tell the truth and the next action drives the card again.
void vellemanOutputsCleared(int card) {
    shared.VellemanUitByte[card] = 0;
    shared.AnaloogUitA1[card] = 0;
    shared.AnaloogUitA2[card] = 0;
    for (int n = 1; n <= 8; ++n) {
        shared.UitgangDigitaal[card][n] = false;
        SetLamp(dashboardView.digOutVelPar, 10 * card + n, false);
    }
    for (int ch = 1; ch <= 2; ++ch) {
        dashboardView.analogOutDecimal[2 * card + ch] = QStringLiteral("0");
        dashboardView.analogOut[2 * card + ch] = 0;
    }
}

// Connect closes the module's channels, which resets a module; the program's
// images of its outputs start again from off.
void moduleOutputsCleared() {
    shared.ModuleUitByte.fill(0);
    shared.ModuleUitByteVerzonden.fill(0);
    for (int n = 1; n <= 8; ++n) {
        shared.UitgangDigitaal[kGroupKelvanor][n] = false;
        SetLamp(dashboardView.digOutVelPar, 10 * kGroupKelvanor + n, false);
    }
    dashboardView.brask = QStringLiteral("0");
}

// A search starts the image of the Arduino's outputs again from off. What
// the board shows is the link's to know: unknown since its port opened, so
// the next pass drives the board to the image.
void arduinoOutputsCleared() {
    shared.ArduinoUitByte = 0;
    for (int n = 1; n <= 8; ++n) {
        shared.UitgangDigitaal[8][n] = false;
        SetLamp(dashboardView.digOutVelPar, 100 + n, false);
    }
    dashboardView.icp = QStringLiteral("0");
}

void splashAnimation(bool on) {
    if (splashSearchHooks().Timer_Zoek_Interface) splashSearchHooks().Timer_Zoek_Interface(on);
}

}  // namespace

void AangeslotenVelleman() {
    ReentryGuard guard(vellemanBusy);
    if (!guard.entered()) return;
    for (int i = 0; i <= 3; ++i) {
        ladderView.vellemanFound[i] = kSearchRed;
        dashboardView.vellemanFound[i] = kSearchRed;
    }
    velleman::CloseDevice();
    auto found = static_cast<Integer>(velleman::SearchDevices() & 0xFFFF);
    if (found <= 0) {
        ladderView.vellemanFoundLamp = kSearchRed;
        shared.VellemanKaartMasker = 0;
        show();
        return;
    }
    shared.VellemanKaartMasker = found;
    for (int i = 3; i >= 0; --i) {
        if (!(found & (1 << i))) continue;
        velleman::SetCurrentDevice(i);
        velleman::WriteAllDigital(0);
        velleman::OutputAllAnalog(0, 0);
        vellemanOutputsCleared(i);
        ladderView.vellemanFound[i] = kSearchGreen;
        dashboardView.vellemanFound[i] = kSearchGreen;
    }
    ladderView.vellemanFoundLamp = kSearchGreen;
    show();
}

void AangeslotenKelvanorEmber() {
    ReentryGuard guard(kelvanorBusy);
    if (!guard.entered()) return;
    try {
        shared.ModuleAanwezig = static_cast<Integer>(Kelvanor1().Connect());
        moduleOutputsCleared();
    } catch (...) {
        // A failing control leaves the previous result in place.
    }
    if (shared.ModuleAanwezig == 0) {
        ladderView.braskEmberFoundLamp = kSearchRed;
        dashboardView.braskFound = kSearchRed;
        show();
        return;
    }
    int type = 0;
    try {
        type = Kelvanor1().GetModuleType(0);
    } catch (...) {
        type = 0;  // the module was found; only its picture is unknown
    }
    if (splashSearchHooks().CMD_Brask) {
        if (type == 1) splashSearchHooks().CMD_Brask(QStringLiteral("Kelvanor Atlas.bmp"));
        if (type == 2) splashSearchHooks().CMD_Brask(QStringLiteral("Kelvanor Basil.bmp"));
    }
    ladderView.braskEmberFoundLamp = kSearchGreen;
    dashboardView.braskFound = kSearchGreen;
    show();
}

void AangeslotenICP12() {
    ReentryGuard guard(icp12Busy);
    if (!guard.entered()) return;
    splashAnimation(true);
    ladderView.icp12FoundLamp = kSearchRed;
    dashboardView.icp12Found = kSearchRed;
    show();
    ArduinoSearchHooks& arduino = arduinoSearchHooks();
    if (arduino.ZoekComPoorten) arduino.ZoekComPoorten();
    if (shared.ICP12Poort != 0) {
        if (arduino.ICP_Connect) arduino.ICP_Connect(shared.ICP12Poort);
        arduinoOutputsCleared();
    }
    show();
}

void CMDZoekVelleman_Click() { AangeslotenVelleman(); }
void CMDZoekBrask_Click() { AangeslotenKelvanorEmber(); }

void CMDZoekiCP12_Click() {
    AangeslotenICP12();
    splashAnimation(false);
}

VbTimer& TimerConnect() {
    static VbTimer* timer = [] {
        auto* t = new VbTimer(10000, false);  // lives as long as the program
        t->onTimer = TimerConnect_Timer;
        return t;
    }();
    return *timer;
}

void TimerConnect_Timer() {
    const PeriodicSearch& choice = periodicSearch();
    if (choice.CheckVelleman == 1 && (velleman::Connected() & 0xFFFF) == 0) AangeslotenVelleman();
    if (choice.CheckBrask == 1) AangeslotenKelvanorEmber();
    if (choice.CheckiCP12 == 1) AangeslotenICP12();
}

PeriodicSearch& periodicSearch() {
    static PeriodicSearch choice;
    return choice;
}

ArduinoSearchHooks& arduinoSearchHooks() {
    static ArduinoSearchHooks hooks{ZoekComPoorten, ICP_Connect};
    return hooks;
}

SplashSearchHooks& splashSearchHooks() {
    // Empty until the splash window exists; the window fills them when it is created.
    static SplashSearchHooks hooks;
    return hooks;
}

void VellemanCardsLost(int cards) {
    cards &= shared.VellemanKaartMasker & 0x0F;
    if (cards == 0) return;
    QString numbers;
    for (int i = 0; i <= 3; ++i) {
        if (!(cards & (1 << i))) continue;
        shared.VellemanKaartMasker = static_cast<Integer>(shared.VellemanKaartMasker & ~(1 << i));
        ladderView.vellemanFound[i] = kSearchRed;
        dashboardView.vellemanFound[i] = kSearchRed;
        numbers += (numbers.isEmpty() ? QString() : QStringLiteral(", ")) + QString::number(i);
    }
    if (shared.VellemanKaartMasker == 0) ladderView.vellemanFoundLamp = kSearchRed;
    show();
    // The state is settled before the message box yields, so handlers that run inside it see the card gone.
    dialogs().MsgBox(T("Velleman kaart %1 reageert niet meer.", "Velleman card %1 no longer responds.").arg(numbers),
                     MsgButtons::Ok);
}

}  // namespace tamberlo
