// The dashboard window: its indicators follow the shared images, the peer's
// section toggles, and its input polling follows the run state.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "Dashboard.h"
#include "DashboardView.h"
#include "LadderTimers.h"
#include "LadderView.h"
#include "NetworkPeer.h"
#include "PollTimers.h"
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
        PeerLampen() = NetwerkPeerLampen{};
        TimerLeesIngangen().SetEnabled(false);
        TimerSerialPort().SetEnabled(false);
    }
    void TearDown() override {
        Dashboard().hide();
        TimerLeesIngangen().SetEnabled(false);
        TimerSerialPort().SetEnabled(false);
    }
};
}  // namespace

TEST_F(DashboardTest, IndicatorsFollowTheView) {
    DashboardWindow& d = Dashboard();
    DashboardView& v = dashboardView;
    v.digInVelPar[3] = true;
    v.digInVelPar[105] = true;   // the Arduino's input 5
    v.digUitVelPar[102] = true;  // the Arduino's output 2
    v.digInVelParNetw[81] = true;
    v.digUitVelParNetw[73] = true;
    v.icp = "2";
    v.brask = "129";
    v.changed();
    d.Refresh();
    EXPECT_EQ(d.DigInVelPar(3)->FillStyle(), 0);
    EXPECT_EQ(d.DigInVelPar(2)->FillStyle(), 1);
    EXPECT_EQ(d.DigInVelPar(105)->FillStyle(), 0);
    EXPECT_EQ(d.DigUitVelPar(102)->FillStyle(), 0);
    EXPECT_EQ(d.DigUitVelPar(101)->FillStyle(), 1);
    EXPECT_EQ(d.DigUitVelPar(102)->FillColor(), 0xFFu);
    EXPECT_EQ(d.DigInVelParNetw(81)->FillStyle(), 0);
    EXPECT_EQ(d.DigUitVelParNetw(73)->FillStyle(), 0);
    EXPECT_EQ(d.DigUitVelParNetw(72)->FillStyle(), 1);
    EXPECT_EQ(d.iCP->text(), "2");
    EXPECT_EQ(d.Brask->text(), "129");

    v.anaInDecimaal[5] = "128";
    v.analoogIn[5] = 128 / 2.55;
    v.anaUitDecimaalNetw[1] = "200";
    v.analoogUitNetw[1] = 200 / 2.55;
    v.timerFlood[2] = 50;
    v.tijdTimerCaption[2] = "1.5";
    v.tijdTimerColor[2] = 0x8080FF;
    v.timerCaption[5] = "2";
    v.icp12Gevonden = 0x80FF80;
    v.vellemanGevonden[1] = 0x80FF80;
    v.changed();
    d.Refresh();
    EXPECT_EQ(d.PanelAnaInDecimaal(5)->Caption(), "128");
    EXPECT_NEAR(d.PanelAnaloogIn(5)->FloodPercent(), 50.2, 0.1);
    EXPECT_EQ(d.PanelAnaUitDecimaalNetw(1)->Caption(), "200");
    EXPECT_EQ(d.PanelTimer(2)->FloodPercent(), 50);
    EXPECT_EQ(d.PanelTijdTimer(2)->Caption(), "1.5");
    EXPECT_EQ(d.PanelTijdTimer(2)->BackColor(), 0x8080FFu);
    EXPECT_EQ(d.PanelTimer(5)->Caption(), "2");
    EXPECT_EQ(d.SSPaneliCP12USBstickGevonden->BackColor(), 0x80FF80u);
    EXPECT_EQ(d.PanelVellemanGevonden(1)->BackColor(), 0x80FF80u);

    // The peer's search lamps come from the network link.
    PeerLampen().vellemanGevonden[3] = 0x80FF80;
    PeerLampen().braskGevonden = 0x80FF80;
    ++PeerLampen().revision;
    d.Refresh();
    EXPECT_EQ(d.PanelVellemanGevondenNetw(3)->BackColor(), 0x80FF80u);
    EXPECT_EQ(d.PanelBraskGevondenNetw->BackColor(), 0x80FF80u);

    // Shown, it refreshes by itself.
    d.show();
    v.digInVelPar[11] = true;
    v.changed();
    EXPECT_TRUE(WaitUntil([&] { return d.DigInVelPar(11)->FillStyle() == 0; }));
}

TEST_F(DashboardTest, ActivationShowsThePeersAnalogBars) {
    DashboardWindow& d = Dashboard();
    shared.IngangAnaloogNetw[4 + 1] = 255;  // card 1, channel 2
    shared.IngangAnaloogNetw[2] = 128;      // card 2, channel 1
    d.Form_Activate();
    EXPECT_EQ(d.PanelAnaloogInNetw(4)->FloodPercent(), 100);
    EXPECT_EQ(d.PanelAnaloogInNetw(5)->FloodPercent(), 50);
}

TEST_F(DashboardTest, NetworkSectionToggles) {
    DashboardWindow& d = Dashboard();
    d.SetHeightTwips(DashboardWindow::kHoogteLokaal);
    d.TaalAanpassen();
    EXPECT_EQ(d.CMDToonNetwerk->text(), "Toon de status van de netwerk pc.");
    d.CMDToonNetwerk->click();
    EXPECT_EQ(d.HeightTwips(), DashboardWindow::kHoogteMetNetwerk);
    EXPECT_EQ(d.CMDToonNetwerk->text(), "Verberg de status van de netwerk pc.");
    shared.TaalVlag = true;
    d.TaalAanpassen();
    EXPECT_EQ(d.CMDToonNetwerk->text(), "Hide the status of the network pc.");
    EXPECT_EQ(d.CMDDashboardSluiten->text(), "Close");
    EXPECT_EQ(d.FrameInUitNetwerk->title(), "In- and Outputs Network pc.");
    shared.TaalVlag = false;
    d.CMDToonNetwerk->click();
    EXPECT_EQ(d.HeightTwips(), DashboardWindow::kHoogteLokaal);
    EXPECT_EQ(d.CMDToonNetwerk->text(), "Toon de status van de netwerk pc.");
}

TEST_F(DashboardTest, InputPollingFollowsTheRunState) {
    DashboardWindow& d = Dashboard();
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
    DashboardWindow& d = Dashboard();
    dashboardView.vellemanGevonden = {0x8080FF, 0x123456, 0x8080FF, 0x654321};
    shared.VellemanKaartMasker = 5;
    d.Form_Activate();
    EXPECT_EQ(d.PanelVellemanGevonden(0)->BackColor(), 0x80FF80u);
    EXPECT_EQ(d.PanelVellemanGevonden(1)->BackColor(), 0x123456u);
    EXPECT_EQ(d.PanelVellemanGevonden(2)->BackColor(), 0x80FF80u);
    EXPECT_EQ(d.PanelVellemanGevonden(3)->BackColor(), 0x654321u);
}

TEST_F(DashboardTest, AlwaysOnTopAndCloseBox) {
    DashboardWindow* d = &Dashboard();
    d->show();
    d->CHKAltijdBoven->click();
    EXPECT_TRUE(d->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(d->isVisible());
    d->CHKAltijdBoven->click();
    EXPECT_FALSE(d->windowFlags() & Qt::WindowStaysOnTopHint);

    TimerLeesIngangen().SetEnabled(true);
    d->close();
    EXPECT_FALSE(TimerLeesIngangen().Enabled());
    ASSERT_TRUE(WaitUntil([] { return !DashboardBestaat(); }));
    EXPECT_NE(&Dashboard(), nullptr);  // created afresh at the next reference
    EXPECT_TRUE(DashboardBestaat());
}

TEST_F(DashboardTest, F11SearchesTheCardsAgain) {
    DashboardWindow& d = Dashboard();
    d.show();
    dashboardView.vellemanGevonden[0] = 0x80FF80;
    QTest::keyClick(&d, Qt::Key_F10);
    EXPECT_EQ(dashboardView.vellemanGevonden[0], 0x80FF80u);
    QTest::keyClick(&d, Qt::Key_F11);  // no card on this machine: the lamps turn red
    EXPECT_EQ(dashboardView.vellemanGevonden[0], 0x8080FFu);
}
