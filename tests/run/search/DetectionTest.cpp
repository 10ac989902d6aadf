// Interface searches: lamps, masks and calls of the Velleman, Kelvanor and
// Arduino searches, the buttons and keys, and the periodic search.
#include <QTest>
#include <QWidget>

#include "Dashboard.h"
#include "Detection.h"
#include "DeviceFixture.h"
#include "FunctionKeys.h"
#include "OutputActions.h"
#include "SplashWindow.h"
#include "VellemanCards.h"
#include "Windows.h"

using namespace tamberlo;
using namespace tamberlo::test;

namespace {

class Detection : public DeviceTest {
protected:
    Detection() {
        arduinoSearchHooks().ZoekComPoorten = [this] {
            calls << "ZoekComPoorten";
            shared.ICP12Poort = Integer(comPort);
        };
        arduinoSearchHooks().ICP_Connect = [this](int port) { calls << QStringLiteral("ICP_Connect(%1)").arg(port); };
        splashSearchHooks().Timer_Zoek_Interface = [this](bool on) { calls << (on ? "animatie aan" : "animatie uit"); };
        splashSearchHooks().CMD_Brask = [this](const QString& file) { calls << "CMD_Brask " + file; };
        periodicSearch() = {};
    }
    ~Detection() override { splashSearchHooks() = saved; }
    SplashSearchHooks saved = splashSearchHooks();

    int comPort = 0;
    QStringList calls;
};

TEST_F(Detection, CardsFoundAreSwitchedOffHighestFirstAndLitGreen) {
    cards.attached = 0b0101;
    AangeslotenVelleman();
    EXPECT_EQ(cards.log,
              (Log{"CloseDevice()", "SearchDevices()", "SetCurrentDevice(2)", "WriteAllDigital(0)@2", "OutputAllAnalog(0,0)@2",
                   "SetCurrentDevice(0)", "WriteAllDigital(0)@0", "OutputAllAnalog(0,0)@0"}));
    EXPECT_EQ(shared.VellemanKaartMasker, 5);
    EXPECT_EQ(cards.current, 0);
    for (int i : {0, 2}) {
        EXPECT_EQ(ladderView.vellemanFound[i], kSearchGreen);
        EXPECT_EQ(dashboardView.vellemanFound[i], kSearchGreen);
    }
    for (int i : {1, 3}) {
        EXPECT_EQ(ladderView.vellemanFound[i], kSearchRed);
        EXPECT_EQ(dashboardView.vellemanFound[i], kSearchRed);
    }
    EXPECT_EQ(ladderView.vellemanFoundLamp, kSearchGreen);
}

TEST_F(Detection, NoCardFoundTurnsEveryVellemanLampRed) {
    shared.VellemanKaartMasker = 3;
    ladderView.vellemanFound.fill(kSearchGreen);
    AangeslotenVelleman();
    EXPECT_EQ(shared.VellemanKaartMasker, 0);
    for (int i = 0; i <= 3; ++i) EXPECT_EQ(ladderView.vellemanFound[i], kSearchRed);
    EXPECT_EQ(ladderView.vellemanFoundLamp, kSearchRed);
}

TEST_F(Detection, ACardSearchResetsTheImagesOfTheCardsItSwitchedOff) {
    cards.attached = 0b0010;
    AangeslotenVelleman();
    action(1, 11, 1, 9);
    action(2, 21, 1, 80);
    onePass({1, 2});
    AangeslotenVelleman();
    EXPECT_EQ(shared.VellemanUitByte[1], 0);
    EXPECT_FALSE(shared.UitgangDigitaal[1][4]);
    EXPECT_EQ(dashboardView.digOutVelPar[14], false);
    EXPECT_EQ(shared.AnaloogUitA1[1], 0);
    EXPECT_EQ(dashboardView.analogOutDecimal[3], "0");
    // So the next actions drive the card again.
    cards.log.clear();
    onePass({1, 2});
    EXPECT_EQ(cards.log, (Log{"SetCurrentDevice(1)", "SetAllDigital()@1", "SetCurrentDevice(1)", "OutputAnalogChannel(1,80)@1"}));
}

TEST_F(Detection, ModuleFoundLightsGreenAndShowsItsPicture) {
    kelvanor.connectResult = 5;
    kelvanor.moduleType = 1;
    AangeslotenKelvanorEmber();
    EXPECT_EQ(kelvanor.log, (Log{"Connect()", "GetModuleType(0)"}));
    EXPECT_EQ(shared.ModuleAanwezig, 5);
    EXPECT_EQ(ladderView.braskEmberFoundLamp, kSearchGreen);
    EXPECT_EQ(dashboardView.braskFound, kSearchGreen);
    EXPECT_EQ(calls, QStringList{"CMD_Brask Kelvanor Atlas.bmp"});
    kelvanor.moduleType = 2;
    AangeslotenKelvanorEmber();
    EXPECT_EQ(calls.last(), "CMD_Brask Kelvanor Basil.bmp");
    // Other types light the lamps and leave the picture.
    calls.clear();
    kelvanor.moduleType = 3;
    AangeslotenKelvanorEmber();
    EXPECT_TRUE(calls.isEmpty());
    EXPECT_EQ(ladderView.braskEmberFoundLamp, kSearchGreen);
}

TEST_F(Detection, NoModuleTurnsTheLampsRedAndAFailingConnectKeepsTheOldResult) {
    AangeslotenKelvanorEmber();
    EXPECT_EQ(kelvanor.log, (Log{"Connect()"}));
    EXPECT_EQ(ladderView.braskEmberFoundLamp, kSearchRed);
    EXPECT_EQ(dashboardView.braskFound, kSearchRed);

    shared.ModuleAanwezig = 2;
    kelvanor.connectThrows = true;
    AangeslotenKelvanorEmber();
    EXPECT_EQ(shared.ModuleAanwezig, 2);
    EXPECT_EQ(ladderView.braskEmberFoundLamp, kSearchGreen);
}

TEST_F(Detection, TheDashboardsModuleLampFollowsTheModuleSearch) {
    DashboardWindow& d = dashboardWindow();
    AangeslotenKelvanorEmber();
    d.Refresh();
    EXPECT_EQ(d.PanelBraskGevonden(1)->BackColor(), kSearchRed);
    // Found as module 2 only: the dashboard's lamp turns green, while the
    // main window's per-module lamps stay the start-up's report.
    kelvanor.connectResult = 2;
    AangeslotenKelvanorEmber();
    d.Refresh();
    EXPECT_EQ(d.PanelBraskGevonden(1)->BackColor(), kSearchGreen);
    EXPECT_EQ(ladderView.braskFound[1], 0xD7D7D7u);
}

TEST_F(Detection, AModuleSearchMakesTheNextActionSendItsByteAgain) {
    kelvanor.connectResult = 1;
    AangeslotenKelvanorEmber();
    action(1, 40, 1, 2);
    onePass({1});
    AangeslotenKelvanorEmber();
    EXPECT_EQ(shared.ModuleUitByte[0], 0);
    EXPECT_EQ(dashboardView.digOutVelPar[72], false);
    kelvanor.log.clear();
    onePass({1});
    EXPECT_EQ(kelvanor.log, (Log{"SetDigitalOutput0(2)"}));
}

TEST_F(Detection, ASecondSearchOfOneKindWhileTheFirstYieldsIsRefused) {
    int nested = 0;
    kelvanor.duringConnect = [&] {
        if (nested++ == 0) AangeslotenKelvanorEmber();
    };
    AangeslotenKelvanorEmber();
    EXPECT_EQ(std::count(kelvanor.log.begin(), kelvanor.log.end(), "Connect()"), 1);
    // Another kind may run inside it, and the kind is free again afterwards.
    kelvanor.duringConnect = [&] { AangeslotenVelleman(); };
    AangeslotenKelvanorEmber();
    EXPECT_EQ(cards.log.front(), "CloseDevice()");
    EXPECT_EQ(std::count(kelvanor.log.begin(), kelvanor.log.end(), "Connect()"), 2);
}

TEST_F(Detection, ArduinoSearchWithoutPortsLeavesTheLampsRedAndSendsNoHello) {
    ladderView.icp12FoundLamp = kSearchGreen;
    CMDZoekiCP12_Click();
    EXPECT_EQ(calls, (QStringList{"animatie aan", "ZoekComPoorten", "animatie uit"}));
    EXPECT_EQ(ladderView.icp12FoundLamp, kSearchRed);
    EXPECT_EQ(dashboardView.icp12Found, kSearchRed);
    EXPECT_EQ(shared.ICP12Poort, 0);
}

TEST_F(Detection, ArduinoSearchWithAPortSaysHelloAndForgetsTheBoardsOutputs) {
    comPort = 4;
    shared.ICP12Type = "ET";
    shared.ArduinoUitByte = 9;
    shared.UitgangDigitaal[8][1] = true;
    AangeslotenICP12();
    EXPECT_EQ(calls, (QStringList{"animatie aan", "ZoekComPoorten", "ICP_Connect(4)"}));
    EXPECT_EQ(shared.ICP12Type, "ET");
    EXPECT_EQ(shared.ArduinoUitByte, 0);
    EXPECT_FALSE(shared.UitgangDigitaal[8][1]);
    EXPECT_EQ(ArduinoOutputWritten(), std::nullopt);  // the board may have kept its outputs
}

TEST_F(Detection, ButtonsAndKeysStartTheirSearches) {
    CMDZoekVelleman_Click();
    EXPECT_EQ(cards.log, (Log{"CloseDevice()", "SearchDevices()"}));
    CMDZoekBrask_Click();
    EXPECT_EQ(kelvanor.log, (Log{"Connect()"}));

    functionKeys();
    QWidget main;
    main.setProperty(kSearchKeysProperty, true);
    QWidget other;
    cards.log.clear();
    kelvanor.log.clear();
    QTest::keyPress(&other, Qt::Key_F11);
    EXPECT_TRUE(cards.log.empty());
    QTest::keyPress(&main, Qt::Key_F11);
    EXPECT_EQ(cards.log, (Log{"CloseDevice()", "SearchDevices()"}));
    QTest::keyPress(&main, Qt::Key_F12);
    EXPECT_EQ(kelvanor.log, (Log{"Connect()"}));
}

TEST_F(Detection, ThePeriodicSearchCoversOnlyTheTickedKinds) {
    cards.attached = 1;
    AangeslotenVelleman();
    cards.log.clear();
    TimerConnect_Timer();
    EXPECT_TRUE(cards.log.empty());
    EXPECT_TRUE(kelvanor.log.empty());
    EXPECT_TRUE(calls.isEmpty());

    // Velleman ticked: a card still connected is not searched again.
    periodicSearch().CheckVelleman = 1;
    TimerConnect_Timer();
    EXPECT_EQ(cards.log, (Log{"Connected()"}));
    cards.failing = 1;
    cards.log.clear();
    TimerConnect_Timer();
    EXPECT_EQ(cards.log, (Log{"Connected()", "CloseDevice()", "SearchDevices()"}));

    periodicSearch() = {0, 1, 1};
    TimerConnect_Timer();
    TimerConnect_Timer();
    EXPECT_EQ(kelvanor.log, (Log{"Connect()", "Connect()"}));
    EXPECT_EQ(calls.count("ZoekComPoorten"), 2);
    EXPECT_FALSE(calls.contains("animatie uit"));  // the tick leaves the splash animation on
}

TEST_F(Detection, TimerConnectStartsDisabledWithTenSeconds) {
    EXPECT_FALSE(TimerConnect().Enabled());
    EXPECT_EQ(TimerConnect().Interval(), 10000);
}

}  // namespace

namespace {

TEST_F(DeviceTest, TheArduinoSearchRunsTheSplashWindowsAnimation) {
    splashWindow();  // the splash, once it exists, gives the searches their hooks
    SplashSearchHooks& hooks = splashSearchHooks();
    ASSERT_TRUE(hooks.Timer_Zoek_Interface && hooks.CMD_Brask);
    AangeslotenICP12();
    EXPECT_TRUE(splashWindow().Timer_Zoek_Interface->Enabled());
    CMDZoekiCP12_Click();
    EXPECT_FALSE(splashWindow().Timer_Zoek_Interface->Enabled());
    hooks.CMD_Brask(QStringLiteral("Kelvanor Atlas.bmp"));
    EXPECT_EQ(splashWindow().CMD_Brask->property("vbPicture").toString(), "Kelvanor Atlas.bmp");
}

}  // namespace

namespace {

TEST_F(DeviceTest, F11OnTheDashboardSearchesTheCards) {
    functionKeys();
    QTest::keyPress(&dashboardWindow(), Qt::Key_F11);
    EXPECT_EQ(cards.log, (Log{"CloseDevice()", "SearchDevices()"}));
    // Auto-repeat does not search again.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_F11, Qt::NoModifier, QString(), true);
    QCoreApplication::sendEvent(&dashboardWindow(), &repeat);
    EXPECT_EQ(cards.log.size(), 2u);
}

}  // namespace
