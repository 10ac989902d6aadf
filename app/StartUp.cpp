// The main window's load handler: the program's start-up.
#include <QApplication>

#include "ComPortSearch.h"
#include "Controls.h"
#include "Dashboard.h"
#include "LadderProgrammeren.h"
#include "LadderView.h"
#include "MainWindowEditors.h"
#include "MouseWheel.h"
#include "SettingsWindow.h"
#include "SharedState.h"
#include "SplashWindow.h"
#include "StartUpServices.h"
#include "StartUpTexts.h"
#include "Windows.h"
#include "Yielding.h"

namespace tamberlo {

namespace {
constexpr std::uint32_t kSearching = 0xC0E0FF;  // light orange: searching
}  // namespace

void LadderProgrammeren::Load(bool withoutArguments) {
    SplashWindow& s = splashWindow();
    StartUpServices& d = startUpServices();

    // Kelvanor1 comes with the window's controls; the settings are read by
    // now, so a message about a missing control speaks the user's language.
    d.HostKelvanor();

    // 1. Mouse-wheel scrolling only for a program started without arguments.
    if (withoutArguments) MuiswielAanhaken(this, [this](int r) { MouseWheel(r); });
    s.ProgressBar->setValue(2);
    shared.SchaalX = 1;
    shared.SchaalY = 1;

    // 4-5. The start-only row's note, the splash's captions.
    ladderView.startNote = TextStartRow();
    ladderView.rungNumbers = true;
    ladderView.changed();
    s.SetActivationTexts();
    s.Label_Starten->SetCaption(T("Voorbereiden Acties.", "Prepare Actions."));

    // 7. The action rows, one by one, with a yield and a progress step each.
    for (int r = 1; r <= kRungs; ++r) {
        Yield();
        if (AppEnding()) return;
        s.ProgressStep();
        PictureProgrammeerVenster->MakeActionRow(r);
    }
    // 8. The vertical links.
    PictureProgrammeerVenster->TekenVertikaleLijnen();

    // 9-10. The condition cells.
    s.Label_Starten->SetCaption(T("Voorbereiden Condities.", "Preparing Conditions."));
    for (int i = 1; i <= kConditions; ++i) {
        Yield();
        if (AppEnding()) return;
        s.ProgressStep();
        PictureProgrammeerVenster->MakeConditionCell(i);
    }
    // 11.
    s.ProgressStep();
    PictureProgrammeerVenster->RailsFull();
    shared.BewerkNummer = 0;

    // 12. Parallel ports: their addresses, then 0 on each data register.
    d.ReadPortSettings();
    for (Long adres : shared.ParallellePoortAdressen) d.Out32(std::int16_t(adres), 0);
    s.ProgressStep();

    // 14. Velleman cards.
    SplashWindow::SetButtonColor(s.CMD_K8055, kSearching);
    s.Label_Starten->SetCaption(T("Zoeken naar Velleman.", "Looking for Velleman."));
    d.AangeslotenVelleman();
    WaitSeconds(0.5);
    if (shared.VellemanKaartMasker == 0) {
        SplashWindow::SetButtonColor(s.CMD_K8055, kLampRed);
        s.Label_K8055->SetCaption(TextVellemanNotFound());
    } else {
        SplashWindow::SetButtonColor(s.CMD_K8055, kLampGreen);
        s.Label_K8055->SetCaption(TextVellemanFound());
    }

    // 15. The Kelvanor module.
    SplashWindow::SetButtonColor(s.CMD_Brask, kSearching);
    s.Label_Starten->SetCaption(T("Zoeken naar een Kelvanor.", "Looking for an Kelvanor."));
    d.AangeslotenKelvanorEmber();
    WaitSeconds(0.5);
    if (shared.ModuleAanwezig == 0) {
        SplashWindow::SetButtonColor(s.CMD_Brask, kLampRed);
        s.Label_Brask->SetCaption(TextKelvanorNotFound());
    } else {
        SplashWindow::SetButtonColor(s.CMD_Brask, kLampGreen);
        s.Label_Brask->SetCaption(TextKelvanorFound(Kelvanor1().GetModuleType(0)));
        for (int b = 2; b >= 0; --b)
            if (shared.ModuleAanwezig & (1 << b)) ladderView.braskFound[std::size_t(b + 1)] = kLampGreen;
        ladderView.changed();
    }

    // 16. The Arduino.
    SplashWindow::SetButtonColor(s.CMD_Arduino_Nano, kSearching);
    s.Label_Starten->SetCaption(T("Zoeken naar Arduino.", "Looking for Arduino."));
    WaitSeconds(0.5);
    s.Label_Arduino_Nano->SetCaption(TextArduinoChecking());
    // The port scan moves the progress bar and fills the splash's port list.
    SetSplashProgressStep([&s] { s.ProgressStep(); });
    d.AangeslotenICP12();
    SetSplashProgressStep(nullptr);
    s.FillComPorts();
    s.Timer_Zoek_Interface->SetEnabled(false);

    // 17. Its report.
    if (shared.ICP12Poort == 0) {
        SplashWindow::SetButtonColor(s.CMD_Arduino_Nano, kLampRed);
        s.Label_Arduino_Nano->SetCaption(TextArduinoNoInterface());
    } else {
        SplashWindow::SetButtonColor(s.CMD_Arduino_Nano, kLampGreen);
        const QString& type = shared.ICP12Type;
        if (type == QLatin1String("AT")) SplashWindow::SetButtonPicture(s.CMD_Arduino_Nano, "AdaFruit RGB.bmp");
        if (type == QLatin1String("TM")) SplashWindow::SetButtonPicture(s.CMD_Arduino_Nano, "TM1638.bmp");
        s.Label_Arduino_Nano->SetCaption(TextArduinoType(type));
        if (type != QLatin1String("AT") && type != QLatin1String("TM") && type != QLatin1String("ET"))
            SplashWindow::SetButtonColor(s.CMD_Arduino_Nano, kLampRed);
    }

    // 18-20. Full bar, "Klik OK.", and wait for the user.
    s.ProgressBar->setValue(s.ProgressBar->maximum());
    s.Label_Starten->SetCaption(T("Klik OK.", "Click OK."));
    s.Label_Starten->SetTag(QStringLiteral("1"));
    s.CMDOk->setVisible(true);
    s.CMDOk->setFocus();
    WaitWhile([&s] { return s.isVisible(); });
    if (AppEnding()) return;

    // 21. The sound picker shows the program's folder.
    showProgramFolderInSoundPicker();

    // 22. The network peer.
    WinsockHost().SetRemoteHost(shared.NetwerkAdres);
    WinsockHost().SetRemotePort(shared.NetwerkPoort);
    ladderView.panelIpAddress = WinsockHost().RemoteHost();
    ladderView.panelPort = QString::number(WinsockHost().RemotePort());
    settingsWindow();  // created here, so the language pass finds it

    // 23. Not connected.
    ladderView.status.caption = T("Niet verbonden.", "Not Connected.");
    ladderView.status.backColor = 0xD7D7D7;
    ladderView.changed();

    // 24. The dashboard, loaded hidden at its compact height.
    dashboardWindow().SetHeightTwips(5895);

    // 25-26. The language (the windows are made in Dutch) and the caption.
    if (shared.TaalVlag) TaalAanpassenConActBeh();
    CaptionFormAanpassen();
    shared.ResizeBezig = true;
    RefreshFromLadderView();
}

}  // namespace tamberlo
