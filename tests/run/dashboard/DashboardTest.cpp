// The dashboard window: its indicators follow the shared images, the peer's
// section toggles, and its input polling follows the run state.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "ArduinoLink.h"
#include "Dashboard.h"
#include "DashboardView.h"
#include "InputReading.h"
#include "LadderTimers.h"
#include "LadderView.h"
#include "NetworkPeer.h"
#include "OutputActions.h"
#include "RunCommands.h"
#include "SharedState.h"
#include "WaitUntil.h"

using namespace tamberlo;
using namespace tamberlo::test;

namespace {
class DashboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        shared = SharedState{};
        ladderView = LadderView{};
        dashboardView = DashboardView{};
        PeerLamps() = NetworkPeerLamps{};
        TimerLeesIngangen().SetEnabled(false);
        TimerSerialPort().SetEnabled(false);
    }
    void TearDown() override {
        dashboardWindow().hide();
        TimerLeesIngangen().SetEnabled(false);
        TimerSerialPort().SetEnabled(false);
    }
};
}  // namespace

TEST_F(DashboardTest, IndicatorsFollowTheImages) {
    DashboardWindow& d = dashboardWindow();
    shared.IngangDigitaal[0][3] = -1;
    shared.IngangDigitaal[7][8] = -1;
    shared.IngangDigitaal[kGroupArduinoLocal][5] = -1;  // lamp 105
    shared.UitgangDigitaal[8][2] = true;                // the Arduino, lamp 102
    shared.UitgangDigitaal[7][1] = true;
    shared.UitgangDigitaal[7][8] = true;
    shared.ArduinoUitByte = 2;
    shared.IngangDigitaalNetw[8][1] = -1;
    shared.NetwUitgangen[7] = 5;
    dashboardView.brask = "129";
    dashboardView.icp = "2";
    d.Refresh();
    EXPECT_EQ(d.DigInVelPar(3)->FillStyle(), 0);
    EXPECT_EQ(d.DigInVelPar(2)->FillStyle(), 1);
    EXPECT_EQ(d.DigInVelPar(78)->FillStyle(), 0);
    EXPECT_EQ(d.DigInVelPar(105)->FillStyle(), 0);
    EXPECT_EQ(d.DigUitVelPar(102)->FillStyle(), 0);
    EXPECT_EQ(d.DigUitVelPar(101)->FillStyle(), 1);
    EXPECT_EQ(d.DigUitVelPar(102)->FillColor(), 0xFFu);
    EXPECT_EQ(d.DigInVelParNetw(81)->FillStyle(), 0);
    EXPECT_EQ(d.DigUitVelParNetw(71)->FillStyle(), 0);
    EXPECT_EQ(d.DigUitVelParNetw(72)->FillStyle(), 1);
    EXPECT_EQ(d.DigUitVelParNetw(73)->FillStyle(), 0);
    EXPECT_EQ(d.iCP->text(), "2");
    EXPECT_EQ(d.Brask->text(), "129");

    shared.IngangAnaloogNetw[4 + 1] = 255;  // peer card 1, channel 2
    shared.IngangAnaloog[2] = 128;          // card 2, A1
    shared.AnaloogUitA2[3] = 51;
    dashboardView.analogOutDecimal[8] = "51";  // the value last written
    shared.NetwAnaUitgangen[0][1] = 200;
    d.Refresh();
    EXPECT_EQ(d.PanelAnaloogInNetw(4)->FloodPercent(), 100);
    EXPECT_EQ(d.PanelAnaInDecimaalNetw(4)->Caption(), "255");
    EXPECT_EQ(d.PanelAnaloogIn(5)->FloodPercent(), 50);
    EXPECT_EQ(d.PanelAnaInDecimaal(5)->Caption(), "128");
    EXPECT_EQ(d.PanelAnaUitDecimaal(8)->Caption(), "51");
    EXPECT_EQ(d.PanelAnaloogUit(8)->FloodPercent(), 20);
    EXPECT_EQ(d.PanelAnaUitDecimaalNetw(1)->Caption(), "200");

    // Timers, as the timer handlers and actions wrote them.
    dashboardView.timerFlood[2] = 50;
    dashboardView.timeTimerCaption[2] = "1.5";
    dashboardView.timeTimerColor[2] = 0x8080FF;
    dashboardView.timerCaption[5] = "2";
    d.Refresh();
    EXPECT_EQ(d.PanelTimer(2)->FloodPercent(), 50);
    EXPECT_EQ(d.PanelTijdTimer(2)->Caption(), "1.5");
    EXPECT_EQ(d.PanelTijdTimer(2)->BackColor(), 0x8080FFu);
    EXPECT_EQ(d.PanelTimer(5)->Caption(), "2");

    // Found lamps: the main window's, and the peer's from the network link.
    ladderView.icp12FoundLamp = 0x80FF80;
    dashboardView.braskFound = 0x80FF80;
    PeerLamps().vellemanFound[3] = 0x80FF80;
    PeerLamps().braskFound = 0x80FF80;
    d.Refresh();
    EXPECT_EQ(d.SSPaneliCP12USBstickGevonden->BackColor(), 0x80FF80u);
    EXPECT_EQ(d.PanelBraskGevonden(1)->BackColor(), 0x80FF80u);
    EXPECT_EQ(d.PanelVellemanGevondenNetw(3)->BackColor(), 0x80FF80u);
    EXPECT_EQ(d.PanelBraskGevondenNetw->BackColor(), 0x80FF80u);

    // Shown, it refreshes by itself.
    d.show();
    shared.IngangDigitaal[1][1] = -1;
    EXPECT_TRUE(WaitUntil([&] { return d.DigInVelPar(11)->FillStyle() == 0; }));
}

TEST_F(DashboardTest, ModuleAndArduinoLabelsShowTheBytesTheOutputActionsSent) {
    DashboardWindow& d = dashboardWindow();
    auto action = [](int r, int code, int op, int output) {
        shared.Acties[r] = {};
        shared.Acties[r][0] = 1;
        shared.Acties[r][1] = Integer(code);
        shared.Acties[r][2] = Integer(op);
        shared.Acties[r][3] = Integer(output);
    };
    // Module code 41 sets output 2, code 40 output 1: they share the row of
    // states (3), but the label shows the byte of the code that was sent.
    action(1, 41, 1, 2);
    OutputAction(1);
    FlushOutputs();
    action(2, 40, 1, 1);
    OutputAction(2);
    FlushOutputs();
    d.Refresh();
    EXPECT_EQ(d.Brask->text(), "1");
    // Stop clears the program's states, not what was sent.
    CommandStop();
    d.Refresh();
    EXPECT_EQ(d.Brask->text(), "1");
    EXPECT_EQ(d.iCP->text(), "0");
}

TEST_F(DashboardTest, NetworkSectionToggles) {
    DashboardWindow& d = dashboardWindow();
    d.SetHeightTwips(DashboardWindow::kHeightLocal);
    d.ApplyLanguage();
    EXPECT_EQ(d.CMDToonNetwerk->text(), "Toon de status van de netwerk pc.");
    d.CMDToonNetwerk->click();
    EXPECT_EQ(d.HeightTwips(), DashboardWindow::kHeightWithNetwork);
    EXPECT_EQ(d.CMDToonNetwerk->text(), "Verberg de status van de netwerk pc.");
    shared.TaalVlag = true;
    d.ApplyLanguage();
    EXPECT_EQ(d.CMDToonNetwerk->text(), "Hide the status of the network pc.");
    EXPECT_EQ(d.CMDDashboardSluiten->text(), "Close");
    EXPECT_EQ(d.FrameInUitNetwerk->title(), "In- and Outputs Network pc.");
    shared.TaalVlag = false;
    d.CMDToonNetwerk->click();
    EXPECT_EQ(d.HeightTwips(), DashboardWindow::kHeightLocal);
    EXPECT_EQ(d.CMDToonNetwerk->text(), "Toon de status van de netwerk pc.");
}

TEST_F(DashboardTest, CompactHeightFromStartUpOffersToShowThePeer) {
    // The start-up sets the compact height of a window made tall, with no
    // language pass in a Dutch start: the button must not say "Verberg".
    DashboardWindow& d = dashboardWindow();
    d.SetHeightTwips(DashboardWindow::kHeightWithNetwork);
    d.ApplyLanguage();
    ASSERT_EQ(d.CMDToonNetwerk->text(), "Verberg de status van de netwerk pc.");
    d.SetHeightTwips(DashboardWindow::kHeightLocal);
    EXPECT_EQ(d.CMDToonNetwerk->text(), "Toon de status van de netwerk pc.");
    d.CMDToonNetwerk->click();
    EXPECT_EQ(d.CMDToonNetwerk->text(), "Verberg de status van de netwerk pc.");
}

TEST_F(DashboardTest, InputPollingFollowsTheRunState) {
    DashboardWindow& d = dashboardWindow();
    shared.ProgrammaStatus = 1;
    d.show();
    d.Form_Activate();
    EXPECT_FALSE(TimerLeesIngangen().Enabled());  // the run reads the inputs itself

    shared.ProgrammaStatus = 0;
    d.Form_Activate();
    EXPECT_TRUE(TimerLeesIngangen().Enabled());
    TimerSerialPort().SetEnabled(true);
    d.CMDDashboardSluiten->click();
    EXPECT_FALSE(TimerLeesIngangen().Enabled());
    EXPECT_FALSE(TimerSerialPort().Enabled());
    EXPECT_FALSE(d.isVisible());

    shared.ProgrammaStatus = 2;  // paused: the Arduino poll keeps going
    d.show();
    EXPECT_FALSE(TimerLeesIngangen().Enabled());
    TimerSerialPort().SetEnabled(true);
    TimerLeesIngangen().SetEnabled(true);
    d.CMDDashboardSluiten->click();
    EXPECT_FALSE(TimerLeesIngangen().Enabled());
    EXPECT_TRUE(TimerSerialPort().Enabled());
}

TEST_F(DashboardTest, ActivationShowsTheCardsFound) {
    DashboardWindow& d = dashboardWindow();
    ladderView.vellemanFound = {0x8080FF, 0x123456, 0x8080FF, 0x654321};
    shared.VellemanKaartMasker = 5;
    d.Form_Activate();
    EXPECT_EQ(d.PanelVellemanGevonden(0)->BackColor(), 0x80FF80u);
    EXPECT_EQ(d.PanelVellemanGevonden(1)->BackColor(), 0x123456u);
    EXPECT_EQ(d.PanelVellemanGevonden(2)->BackColor(), 0x80FF80u);
    EXPECT_EQ(d.PanelVellemanGevonden(3)->BackColor(), 0x654321u);
}

TEST_F(DashboardTest, AlwaysOnTopAndCloseBox) {
    DashboardWindow* d = &dashboardWindow();
    d->show();
    d->CHKAltijdBoven->click();
    EXPECT_TRUE(d->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(d->isVisible());
    d->CHKAltijdBoven->click();
    EXPECT_FALSE(d->windowFlags() & Qt::WindowStaysOnTopHint);

    TimerLeesIngangen().SetEnabled(true);
    d->close();
    EXPECT_FALSE(TimerLeesIngangen().Enabled());
    ASSERT_TRUE(WaitUntil([] { return !dashboardWindowExists(); }));
    EXPECT_NE(&dashboardWindow(), nullptr);  // created afresh at the next reference
    EXPECT_TRUE(dashboardWindowExists());
}

TEST_F(DashboardTest, F11SearchesTheCardsAgain) {
    DashboardWindow& d = dashboardWindow();
    d.show();
    ladderView.vellemanFound[0] = 0x80FF80;
    QTest::keyClick(&d, Qt::Key_F10);
    EXPECT_EQ(ladderView.vellemanFound[0], 0x80FF80u);
    QTest::keyClick(&d, Qt::Key_F11);  // no card on this machine: the lamps turn red
    EXPECT_EQ(ladderView.vellemanFound[0], 0x8080FFu);
}
