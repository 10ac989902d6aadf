#include "Detection.h"

#include "ArduinoOutputs.h"
#include "Controls.h"
#include "DashboardView.h"
#include "Dialogs.h"
#include "LadderView.h"
#include "SharedState.h"
#include "VellemanCards.h"

namespace tamberlo {

namespace {

// Refuses a second search of one kind while the first still yields inside.
class ZoekSlot {
public:
    explicit ZoekSlot(bool& bezig) : bezig_(bezig), gekregen_(!bezig) { bezig_ = true; }
    ~ZoekSlot() {
        if (gekregen_) bezig_ = false;
    }
    bool gekregen() const { return gekregen_; }

private:
    bool& bezig_;
    bool gekregen_;
};

bool vellemanBezig = false;
bool kelvanorBezig = false;
bool icp12Bezig = false;

void toon() {
    ladderView.changed();
    dashboardView.changed();
}

// A found card has just had its outputs switched off: the program's images of
// them follow, so lamps tell the truth and the next action drives the card again.
void vellemanUitgangenGewist(int card) {
    shared.VellemanUitByte[card] = 0;
    shared.AnaloogUitA1[card] = 0;
    shared.AnaloogUitA2[card] = 0;
    for (int n = 1; n <= 8; ++n) {
        shared.UitgangDigitaal[card][n] = false;
        ZetLamp(dashboardView.digUitVelPar, 10 * card + n, false);
    }
    for (int ch = 1; ch <= 2; ++ch) {
        dashboardView.anaUitDecimaal[2 * card + ch] = QStringLiteral("0");
        dashboardView.analoogUit[2 * card + ch] = 0;
    }
}

// Connect closes the module's channels, which resets a module; the program's
// images of its outputs start again from off.
void moduleUitgangenGewist() {
    shared.ModuleUitByte.fill(0);
    shared.ModuleUitByteVerzonden.fill(0);
    for (int n = 1; n <= 8; ++n) {
        shared.UitgangDigitaal[kGroepKelvanor][n] = false;
        ZetLamp(dashboardView.digUitVelPar, 10 * kGroepKelvanor + n, false);
    }
    dashboardView.brask = QStringLiteral("0");
}

// Opening the Arduino's port resets the board: its outputs are off afterwards.
void arduinoUitgangenGewist() {
    shared.ArduinoUitByte = 0;
    for (int n = 1; n <= 8; ++n) {
        shared.UitgangDigitaal[8][n] = false;
        ZetLamp(dashboardView.digUitVelPar, 100 + n, false);
    }
    dashboardView.icp = QStringLiteral("0");
    ArduinoUitgangGewist(0);
}

void splashAnimatie(bool aan) {
    if (splashZoekHooks().Timer_Zoek_Interface) splashZoekHooks().Timer_Zoek_Interface(aan);
}

}  // namespace

void AangeslotenVelleman() {
    ZoekSlot slot(vellemanBezig);
    if (!slot.gekregen()) return;
    for (int i = 0; i <= 3; ++i) {
        ladderView.vellemanGevonden[i] = kZoekRood;
        dashboardView.vellemanGevonden[i] = kZoekRood;
    }
    velleman::CloseDevice();
    auto gevonden = static_cast<Integer>(velleman::SearchDevices() & 0xFFFF);
    if (gevonden <= 0) {
        ladderView.vellemanGevondenLamp = kZoekRood;
        shared.VellemanKaartMasker = 0;
        toon();
        return;
    }
    shared.VellemanKaartMasker = gevonden;
    for (int i = 3; i >= 0; --i) {
        if (!(gevonden & (1 << i))) continue;
        velleman::SetCurrentDevice(i);
        velleman::WriteAllDigital(0);
        velleman::OutputAllAnalog(0, 0);
        vellemanUitgangenGewist(i);
        ladderView.vellemanGevonden[i] = kZoekGroen;
        dashboardView.vellemanGevonden[i] = kZoekGroen;
    }
    ladderView.vellemanGevondenLamp = kZoekGroen;
    toon();
}

void AangeslotenKelvanorEmber() {
    ZoekSlot slot(kelvanorBezig);
    if (!slot.gekregen()) return;
    try {
        shared.ModuleAanwezig = static_cast<Integer>(Kelvanor1().Connect());
        moduleUitgangenGewist();
    } catch (...) {
        // A failing control leaves the previous result in place.
    }
    if (shared.ModuleAanwezig == 0) {
        ladderView.braskEmberGevondenLamp = kZoekRood;
        dashboardView.braskGevonden = kZoekRood;
        toon();
        return;
    }
    int type = 0;
    try {
        type = Kelvanor1().GetModuleType(0);
    } catch (...) {
        type = 0;  // the module was found; only its picture is unknown
    }
    if (splashZoekHooks().CMD_Brask) {
        if (type == 1) splashZoekHooks().CMD_Brask(QStringLiteral("Kelvanor Atlas.bmp"));
        if (type == 2) splashZoekHooks().CMD_Brask(QStringLiteral("Kelvanor Basil.bmp"));
    }
    ladderView.braskEmberGevondenLamp = kZoekGroen;
    dashboardView.braskGevonden = kZoekGroen;
    toon();
}

void AangeslotenICP12() {
    ZoekSlot slot(icp12Bezig);
    if (!slot.gekregen()) return;
    splashAnimatie(true);
    ladderView.icp12GevondenLamp = kZoekRood;
    dashboardView.icp12Gevonden = kZoekRood;
    toon();
    ArduinoZoekHooks& arduino = arduinoZoekHooks();
    if (arduino.ZoekComPoorten) arduino.ZoekComPoorten();
    if (shared.ICP12Poort != 0) {
        if (arduino.ICP_Connect) arduino.ICP_Connect(shared.ICP12Poort);
        arduinoUitgangenGewist();
    }
    toon();
}

void CMDZoekVelleman_Click() { AangeslotenVelleman(); }
void CMDZoekBrask_Click() { AangeslotenKelvanorEmber(); }

void CMDZoekiCP12_Click() {
    AangeslotenICP12();
    splashAnimatie(false);
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
    const PeriodiekZoeken& keuze = periodiekZoeken();
    if (keuze.CheckVelleman == 1 && (velleman::Connected() & 0xFFFF) == 0) AangeslotenVelleman();
    if (keuze.CheckBrask == 1) AangeslotenKelvanorEmber();
    if (keuze.CheckiCP12 == 1) AangeslotenICP12();
}

PeriodiekZoeken& periodiekZoeken() {
    static PeriodiekZoeken keuze;
    return keuze;
}

SplashZoekHooks& splashZoekHooks() {
    // Empty until the splash window exists; the window fills them when it is created.
    static SplashZoekHooks hooks;
    return hooks;
}

void VellemanKaartenVerloren(int kaarten) {
    kaarten &= shared.VellemanKaartMasker & 0x0F;
    if (kaarten == 0) return;
    QString nummers;
    for (int i = 0; i <= 3; ++i) {
        if (!(kaarten & (1 << i))) continue;
        shared.VellemanKaartMasker = static_cast<Integer>(shared.VellemanKaartMasker & ~(1 << i));
        ladderView.vellemanGevonden[i] = kZoekRood;
        dashboardView.vellemanGevonden[i] = kZoekRood;
        nummers += (nummers.isEmpty() ? QString() : QStringLiteral(", ")) + QString::number(i);
    }
    if (shared.VellemanKaartMasker == 0) ladderView.vellemanGevondenLamp = kZoekRood;
    toon();
    // The state is settled before the message box yields, so handlers that run inside it see the card gone.
    dialogs().MsgBox(shared.TaalVlag ? QStringLiteral("Velleman card %1 no longer responds.").arg(nummers)
                                     : QStringLiteral("Velleman kaart %1 reageert niet meer.").arg(nummers),
                     MsgButtons::Ok);
}

}  // namespace tamberlo
