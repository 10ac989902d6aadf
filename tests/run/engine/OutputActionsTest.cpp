// Output actions against the fakes' call logs: every operation of every
// interface, locally and into the network image, with its one-shot rules.
#include "DeviceFixture.h"
#include "OutputActions.h"
#include "ParallelPorts.h"
#include "RunCommands.h"
#include "StartRow.h"
#include "VellemanCards.h"
#include "WaitUntil.h"

using namespace tamberlo;
using namespace tamberlo::test;

namespace {

class VellemanOutputs : public DeviceTest {
protected:
    VellemanOutputs() {
        cards.attached = 0b0010;
        velleman::SearchDevices();
        shared.VellemanKaartMasker = 0b0010;
        cards.log.clear();
    }
    // Runs row r as the action executor does on one pass and returns the library calls it made.
    Log pass(int r) {
        cards.log.clear();
        onePass({r});
        ExpectSelectedBeforeEveryCardCall(cards.log);
        return cards.log;
    }
};

TEST_F(VellemanOutputs, SetAndResetOneOutputDriveTheCardWhenItDiffers) {
    action(1, 11, 1, 3);
    EXPECT_EQ(pass(1), (Log{"SetCurrentDevice(1)", "SetDigitalChannel(3)@1"}));
    EXPECT_EQ(pass(1), Log{});
    EXPECT_TRUE(shared.UitgangDigitaal[1][3]);
    EXPECT_EQ(shared.VellemanUitByte[1], 4);
    EXPECT_EQ(dashboardView.digOutVelPar[13], true);

    action(2, 11, 2, 3);
    EXPECT_EQ(pass(2), (Log{"SetCurrentDevice(1)", "ClearAllDigital()@1"}));  // the card goes to all off
    EXPECT_FALSE(shared.UitgangDigitaal[1][3]);
    EXPECT_EQ(shared.VellemanUitByte[1], 0);
    EXPECT_EQ(dashboardView.digOutVelPar[13], false);
    EXPECT_EQ(cards.digitalOut[1], 0);
}

TEST_F(VellemanOutputs, CardNotFoundGetsNoCallButTheImagesChange) {
    action(1, 10, 1, 8);
    EXPECT_EQ(pass(1), Log{});
    EXPECT_EQ(shared.VellemanUitByte[0], 128);
    EXPECT_EQ(dashboardView.digOutVelPar[8], true);
}

TEST_F(VellemanOutputs, SetAllActsOnlyWhileTheByteIsNotAllOn) {
    action(1, 11, 1, 9);
    EXPECT_EQ(pass(1), (Log{"SetCurrentDevice(1)", "SetAllDigital()@1"}));
    EXPECT_EQ(shared.VellemanUitByte[1], 255);
    dashboardView.digOutVelPar[11] = false;  // a lamp it would light again if it acted
    EXPECT_EQ(pass(1), Log{});
    EXPECT_EQ(dashboardView.digOutVelPar[11], false);

    // A reset of output 3 leaves 251, so the next set all acts again.
    action(2, 11, 2, 3);
    pass(2);
    EXPECT_EQ(shared.VellemanUitByte[1], 251);
    EXPECT_EQ(pass(1), (Log{"SetCurrentDevice(1)", "SetAllDigital()@1"}));
    EXPECT_EQ(cards.digitalOut[1], 255);
}

TEST_F(VellemanOutputs, ResetAllActsOnlyWhileTheByteIsNotAllOff) {
    velleman::SetCurrentDevice(1);
    velleman::WriteAllDigital(0);  // as the search leaves a card
    action(1, 11, 2, 9);
    EXPECT_EQ(pass(1), Log{});
    shared.VellemanUitByte[1] = 6;
    velleman::WriteAllDigital(6);
    EXPECT_EQ(pass(1), (Log{"SetCurrentDevice(1)", "ClearAllDigital()@1"}));
    EXPECT_EQ(shared.VellemanUitByte[1], 0);
    EXPECT_EQ(pass(1), Log{});
}

TEST_F(VellemanOutputs, InvertOneActsOncePerActivation) {
    action(1, 11, 3, 2);
    EXPECT_EQ(pass(1), (Log{"SetCurrentDevice(1)", "SetDigitalChannel(2)@1"}));
    EXPECT_TRUE(shared.ActieUitgevoerd[1]);
    EXPECT_EQ(pass(1), Log{});
    shared.ActieUitgevoerd[1] = false;  // the rung stopped holding and holds again
    EXPECT_EQ(pass(1), (Log{"SetCurrentDevice(1)", "ClearAllDigital()@1"}));
    EXPECT_EQ(shared.VellemanUitByte[1], 0);
    EXPECT_EQ(dashboardView.digOutVelPar[12], false);
}

TEST_F(VellemanOutputs, InvertAllBuildsTheByteFromTheStatesAndTwoRungsCancelOut) {
    action(1, 11, 1, 1);
    pass(1);
    action(2, 11, 3, 9);
    action(3, 11, 3, 9);
    EXPECT_EQ(pass(2), (Log{"SetCurrentDevice(1)", "WriteAllDigital(254)@1"}));
    EXPECT_EQ(pass(3), (Log{"SetCurrentDevice(1)", "WriteAllDigital(1)@1"}));
    EXPECT_EQ(shared.VellemanUitByte[1], 1);
    EXPECT_TRUE(shared.ActieUitgevoerd[2] && shared.ActieUitgevoerd[3]);
    EXPECT_EQ(cards.digitalOut[1], 1);
}

TEST_F(VellemanOutputs, AfterAllOutputsOffTheNextSetAllDrivesTheCardAgain) {
    action(1, 11, 1, 9);
    pass(1);
    // All outputs off: the card is cleared, the images are left as they are.
    velleman::SetCurrentDevice(1);
    velleman::ClearAllDigital();
    EXPECT_EQ(pass(1), (Log{"SetCurrentDevice(1)", "SetAllDigital()@1"}));
    EXPECT_EQ(cards.digitalOut[1], 255);
}

TEST_F(VellemanOutputs, AfterStopTheNextResetAllClearsTheCardAgain) {
    action(1, 11, 1, 9);
    pass(1);
    // Stop: the states and bytes go to off, the card keeps its outputs.
    shared.UitgangDigitaal[1] = {};
    shared.VellemanUitByte[1] = 0;
    action(2, 11, 2, 9);
    EXPECT_EQ(pass(2), (Log{"SetCurrentDevice(1)", "ClearAllDigital()@1"}));
    EXPECT_EQ(cards.digitalOut[1], 0);
    EXPECT_EQ(pass(2), Log{});
}

TEST_F(VellemanOutputs, ValuesTheEditorNeverWritesAreNoOps) {
    for (auto [code, op, out, network] : {std::array{11, 1, 0, 0},
                                          {11, 1, 10, 0},
                                          {11, 1, -3, 0},
                                          {11, 0, 1, 0},
                                          {11, 4, 1, 0},
                                          {11, 1, 1, 2},
                                          {14, 1, 1, 0},
                                          {44, 1, 1, 0},
                                          {34, 1, 1, 0},
                                          {51, 1, 1, 0},
                                          {-1, 1, 1, 0},
                                          {11, 1, 1, -1}}) {
        action(1, code, op, out, network);
        EXPECT_EQ(pass(1), Log{}) << code << " " << op << " " << out << " " << network;
    }
    EXPECT_TRUE(ports.log.empty());
    EXPECT_TRUE(kelvanor.log.empty());
    EXPECT_TRUE(arduino.isEmpty());
    OutputAction(-1);
    OutputAction(91);
    EXPECT_EQ(shared.UitgangDigitaal, SharedState{}.UitgangDigitaal);
    EXPECT_EQ(shared.NetwUitgangen, SharedState{}.NetwUitgangen);
    EXPECT_FALSE(shared.ActieUitgevoerd[1]);
}

// ---- analog -----------------------------------------------------------------

class AnalogOutputs : public VellemanOutputs {};

TEST_F(AnalogOutputs, SetWritesOnlyWhenTheValueDiffersFromTheOneShown) {
    action(1, 21, 1, 100);
    EXPECT_EQ(pass(1), (Log{"SetCurrentDevice(1)", "OutputAnalogChannel(1,100)@1"}));
    EXPECT_EQ(pass(1), Log{});
    EXPECT_EQ(shared.AnaloogUitA1[1], 100);
    EXPECT_EQ(dashboardView.analogOutDecimal[3], "100");
    EXPECT_NEAR(dashboardView.analogOut[3], 100 / 2.55, 1e-9);
    action(2, 21, 2, 7);
    EXPECT_EQ(pass(2), (Log{"SetCurrentDevice(1)", "OutputAnalogChannel(2,7)@1"}));
    EXPECT_EQ(dashboardView.analogOutDecimal[4], "7");
    EXPECT_EQ(cards.analog2Out[1], 7);
}

TEST_F(AnalogOutputs, RaiseAndLowerStayWithinAByte) {
    auto run = [&](int start, int code) {
        shared.AnaloogUitA1[1] = Integer(start);
        action(1, 21, 1, code);
        pass(1);
        return shared.AnaloogUitA1[1];
    };
    EXPECT_EQ(run(250, 1010), 255);
    EXPECT_EQ(run(5, 2010), 0);
    EXPECT_EQ(run(0, 2000), 0);
    EXPECT_EQ(run(77, 500), 77);
    EXPECT_EQ(run(77, 1300), 77);
}

TEST_F(AnalogOutputs, RaiseByOneCountsUpOnEveryPassWithoutWaitForNot) {
    action(1, 21, 1, 1001);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(pass(1), (Log{"SetCurrentDevice(1)", "OutputAnalogChannel(1," + std::to_string(i) + ")@1"}));
    }
    EXPECT_EQ(shared.AnaloogUitA1[1], 3);
    EXPECT_FALSE(shared.ActieUitgevoerd[1]);
}

TEST_F(AnalogOutputs, WaitForNotActsOncePerActivation) {
    action(1, 21, 1, 1001, 0, 1);
    pass(1);
    pass(1);
    EXPECT_EQ(shared.AnaloogUitA1[1], 1);
    shared.ActieUitgevoerd[1] = false;
    pass(1);
    EXPECT_EQ(shared.AnaloogUitA1[1], 2);
    // A channel other than 1 or 2 changes nothing but still counts as done.
    shared.ActieUitgevoerd[1] = false;
    action(1, 21, 3, 50, 0, 1);
    EXPECT_EQ(pass(1), Log{});
    EXPECT_TRUE(shared.ActieUitgevoerd[1]);
}

TEST_F(AnalogOutputs, CardNotFoundShowsTheValueWithoutACall) {
    action(1, 20, 2, 30);
    EXPECT_EQ(pass(1), Log{});
    EXPECT_EQ(dashboardView.analogOutDecimal[2], "30");
    EXPECT_EQ(shared.AnaloogUitA2[0], 30);
}

TEST_F(AnalogOutputs, NetworkValuesGoIntoTheNetworkImageOnly) {
    shared.NetwAnaUitgangen[2][2] = 10;
    action(1, 22, 2, 1005, 1);
    EXPECT_EQ(pass(1), Log{});
    EXPECT_EQ(pass(1), Log{});
    EXPECT_EQ(shared.NetwAnaUitgangen[2][2], 20);
    EXPECT_EQ(dashboardView.analogOutDecimalNetwork[6], "20");
    EXPECT_NEAR(dashboardView.analogOutNetwork[6], 20 / 2.55, 1e-9);
    EXPECT_EQ(shared.AnaloogUitA2[2], 0);
}

TEST_F(AnalogOutputs, ACardWrittenElsewhereIsDrivenAgain) {
    action(1, 21, 1, 100);
    pass(1);
    velleman::SetCurrentDevice(1);
    velleman::OutputAllAnalog(0, 0);  // as a search does
    EXPECT_EQ(pass(1), (Log{"SetCurrentDevice(1)", "OutputAnalogChannel(1,100)@1"}));
}

// ---- parallel ports ---------------------------------------------------------

class PortOutputs : public DeviceTest {};

TEST_F(PortOutputs, EveryOperationWritesThePortWhenItsByteDiffers) {
    action(1, 31, 1, 3);
    onePass({1});
    onePass({1});
    EXPECT_EQ(ports.log, (Log{"Out32(0x378,4)"}));
    EXPECT_EQ(dashboardView.digOutVelPar[43], true);
    ports.log.clear();

    action(2, 32, 1, 9);
    action(3, 33, 2, 9);
    action(4, 31, 2, 3);
    onePass({2});
    onePass({3});
    onePass({3});
    onePass({4});
    EXPECT_EQ(ports.log, (Log{"Out32(0x278,255)", "Out32(0x3BC,0)", "Out32(0x378,0)"}));
    EXPECT_EQ(shared.PoortUitByte[2], 255);
    EXPECT_TRUE(shared.UitgangDigitaal[5][8]);
    EXPECT_EQ(dashboardView.digOutVelPar[58], true);
}

TEST_F(PortOutputs, InvertActsOncePerActivationAndInvertAllComplementsTheByte) {
    shared.ParallellePoortAdressen[0] = 0xC000;  // a high address passes as a negative 16-bit number
    action(1, 31, 1, 1);
    onePass({1});
    action(2, 31, 3, 9);
    onePass({2});
    onePass({2});
    EXPECT_EQ(ports.log, (Log{"Out32(0xC000,1)", "Out32(0xC000,254)"}));
    EXPECT_FALSE(shared.UitgangDigitaal[4][1]);
    EXPECT_TRUE(shared.UitgangDigitaal[4][2]);
    action(3, 31, 3, 2);
    onePass({3});
    EXPECT_EQ(ports.written[0xC000], 252);
}

TEST_F(PortOutputs, AfterStopInvertAllLightsTheLampsOfTheByteWritten) {
    action(1, 32, 1, 1);
    onePass({1});
    CommandStop();  // states and lamps off; the port keeps 1
    action(2, 32, 3, 9);
    onePass({2});
    EXPECT_EQ(ports.log.back(), "Out32(0x278,254)");
    for (int n = 1; n <= 8; ++n) {
        EXPECT_EQ(dashboardView.digOutVelPar[50 + n], n != 1) << "lamp " << n;
        EXPECT_EQ(shared.UitgangDigitaal[5][n], n != 1) << "output " << n;
    }
}

TEST_F(PortOutputs, TheStartOnlyRowDrivesAPortButNeitherTheModuleNorTheArduino) {
    shared.ModuleAanwezig = 1;
    action(0, 33, 1, 3);
    InitialiseerStart();
    EXPECT_EQ(ports.log, (Log{"Out32(0x3BC,4)"}));
    EXPECT_EQ(dashboardView.digOutVelPar[63], true);
    for (int code : {40, 41, 50}) {
        action(0, code, 1, 9);
        InitialiseerStart();
    }
    EXPECT_TRUE(kelvanor.log.empty());
    EXPECT_TRUE(arduino.isEmpty());
    EXPECT_EQ(shared.ModuleUitByte[0], 0);
    EXPECT_EQ(shared.ArduinoUitByte, 0);
}

// ---- the Kelvanor module ----------------------------------------------------

class ModuleOutputs : public DeviceTest {
protected:
    ModuleOutputs() { shared.ModuleAanwezig = 1; }
};

TEST_F(ModuleOutputs, AByteIsSentOnlyWhenItChanged) {
    action(1, 40, 1, 1);
    onePass({1});
    onePass({1});
    EXPECT_EQ(kelvanor.log, (Log{"SetDigitalOutput0(1)"}));
    EXPECT_EQ(dashboardView.brask, "1");
    EXPECT_EQ(dashboardView.digOutVelPar[71], true);
    action(2, 40, 1, 9);
    onePass({2});
    EXPECT_EQ(kelvanor.log.back(), "SetDigitalOutput0(255)");
}

TEST_F(ModuleOutputs, WithoutAModuleNothingIsSentUntilTheNextChange) {
    shared.ModuleAanwezig = 0;
    action(1, 40, 1, 2);
    onePass({1});
    EXPECT_TRUE(kelvanor.log.empty());
    EXPECT_EQ(dashboardView.brask, "2");
    EXPECT_EQ(shared.ModuleUitByteVerzonden[0], 2);
    shared.ModuleAanwezig = 1;
    onePass({1});
    EXPECT_TRUE(kelvanor.log.empty());
    action(2, 40, 1, 3);
    onePass({2});
    EXPECT_EQ(kelvanor.log, (Log{"SetDigitalOutput0(6)"}));
}

TEST_F(ModuleOutputs, ModuleCodesShareStatesAndLampsButKeepTheirOwnBytes) {
    action(1, 41, 1, 4);
    action(2, 43, 1, 5);
    onePass({1});
    onePass({2});
    EXPECT_EQ(shared.ModuleUitByte[1], 8);
    EXPECT_EQ(shared.ModuleUitByte[3], 16);
    EXPECT_TRUE(shared.UitgangDigitaal[7][4] && shared.UitgangDigitaal[7][5]);
    EXPECT_EQ(dashboardView.digOutVelPar[75], true);
    EXPECT_EQ(kelvanor.log, (Log{"SetDigitalOutput0(8)"}));  // code 43 is never sent
}

TEST_F(ModuleOutputs, InvertActsOncePerActivation) {
    action(1, 40, 3, 9);
    onePass({1});
    onePass({1});
    EXPECT_EQ(kelvanor.log, (Log{"SetDigitalOutput0(255)"}));
    EXPECT_TRUE(shared.ActieUitgevoerd[1]);
}

TEST_F(ModuleOutputs, AfterAllOutputsOffTheNextActionSendsTheByteAgain) {
    action(1, 40, 1, 1);
    onePass({1});
    Kelvanor1().SetDigitalOutput0(0);  // all outputs off
    kelvanor.log.clear();
    onePass({1});
    EXPECT_EQ(kelvanor.log, (Log{"SetDigitalOutput0(1)"}));
    onePass({1});
    EXPECT_EQ(kelvanor.log.size(), 1u);
}

TEST_F(ModuleOutputs, AfterAllOutputsOffAHeldInvertDrivesTheModuleAgain) {
    action(1, 40, 3, 9);
    onePass({1});  // the rung fired: 255
    CommandResetAll();
    EXPECT_EQ(kelvanor.log.back(), "SetDigitalOutput0(0)");
    kelvanor.log.clear();
    onePass({1});  // still held: the invert does not fire again, the byte goes out again
    EXPECT_EQ(kelvanor.log, (Log{"SetDigitalOutput0(255)"}));
    EXPECT_EQ(shared.ModuleUitByte[0], 255);
}

// ---- the Arduino ------------------------------------------------------------

class ArduinoOutputsTest : public DeviceTest {};

TEST_F(ArduinoOutputsTest, SetAndResetSendOnlyWhenTheStateChanges) {
    action(1, 50, 1, 3);
    onePass({1});
    onePass({1});
    action(2, 50, 2, 3);
    onePass({2});
    onePass({2});
    EXPECT_EQ(arduino, (QStringList{"1/4/", "1/0/"}));
    EXPECT_EQ(dashboardView.digOutVelPar[103], false);
    action(3, 50, 1, 9);
    onePass({3});
    onePass({3});
    action(4, 50, 2, 9);
    onePass({4});
    onePass({4});
    EXPECT_EQ(arduino, (QStringList{"1/4/", "1/0/", "1/255/", "1/0/"}));
    EXPECT_EQ(dashboardView.icp, "0");  // set and reset leave the labels
}

TEST_F(ArduinoOutputsTest, InvertSendsOnceAndRefreshesTheLabels) {
    shared.ModuleUitByte[0] = 9;
    action(1, 50, 3, 8);
    onePass({1});
    onePass({1});
    EXPECT_EQ(arduino, (QStringList{"1/128/"}));
    EXPECT_EQ(dashboardView.icp, "128");
    EXPECT_EQ(dashboardView.brask, "9");
    action(2, 50, 3, 9);
    onePass({2});
    EXPECT_EQ(arduino.last(), "1/127/");
}

TEST_F(ArduinoOutputsTest, AClosedPortGetsNothingButTheStateChanges) {
    arduinoOpen = false;
    action(1, 50, 1, 1);
    onePass({1});
    EXPECT_TRUE(arduino.isEmpty());
    EXPECT_TRUE(shared.UitgangDigitaal[8][1]);
    EXPECT_EQ(shared.ArduinoUitByte, 1);
    arduinoOpen = true;  // what the board shows is not known: the state goes out once
    onePass({1});
    onePass({1});
    EXPECT_EQ(arduino, QStringList{"1/1/"});
}

TEST_F(ArduinoOutputsTest, TheBoardIsDrivenAgainWhenItNoLongerShowsTheImage) {
    action(1, 50, 1, 1);
    onePass({1});
    ArduinoSetOutputsAndRemember(0);  // all outputs off
    onePass({1});
    EXPECT_EQ(arduino, (QStringList{"1/1/", "1/0/", "1/1/"}));
    onePass({1});
    EXPECT_EQ(arduino.size(), 3);

    // Stop clears the states but the board keeps output 1: a reset switches it off.
    shared.UitgangDigitaal[8] = {};
    action(2, 50, 2, 1);
    onePass({2});
    EXPECT_EQ(arduino.last(), "1/0/");
}

// ---- network outputs ----------------------------------------------------------

class NetworkOutputs : public DeviceTest {};

TEST_F(NetworkOutputs, SetAndResetOneChangeOnlyWhatDiffers) {
    action(1, 12, 1, 2, 1);
    onePass({1});
    onePass({1});
    EXPECT_EQ(shared.NetwUitgangen[2], 2);
    EXPECT_EQ(dashboardView.digOutVelParNetwork[22], true);
    action(2, 12, 2, 2, 1);
    onePass({2});
    onePass({2});
    EXPECT_EQ(shared.NetwUitgangen[2], 0);
    EXPECT_EQ(dashboardView.digOutVelParNetwork[22], false);
    EXPECT_TRUE(cards.log.empty());
    EXPECT_EQ(shared.UitgangDigitaal, SharedState{}.UitgangDigitaal);
}

TEST_F(NetworkOutputs, EveryInterfaceHasItsOwnIndex) {
    action(1, 32, 1, 9, 1);
    action(2, 42, 1, 9, 1);
    action(3, 50, 1, 9, 1);
    action(4, 13, 1, 1, 1);
    onePass({1, 2, 3, 4});
    EXPECT_EQ(shared.NetwUitgangen[5], 255);
    EXPECT_EQ(shared.NetwUitgangen[7], 255);
    EXPECT_EQ(shared.NetwUitgangen[8], 255);  // the Arduino too: all eight, as its lamps show
    EXPECT_EQ(shared.NetwUitgangen[3], 1);
    EXPECT_EQ(dashboardView.digOutVelParNetwork[88], true);
    EXPECT_TRUE(ports.log.empty());
    EXPECT_TRUE(kelvanor.log.empty());
    EXPECT_TRUE(arduino.isEmpty());
}

TEST_F(NetworkOutputs, ResetAllAndInvertsFollowTheirOneShotRules) {
    shared.NetwUitgangen[0] = 0b1010;
    action(1, 10, 3, 9, 1);
    onePass({1});
    onePass({1});
    EXPECT_EQ(shared.NetwUitgangen[0], 0b11110101);
    EXPECT_EQ(dashboardView.digOutVelParNetwork[1], true);
    EXPECT_EQ(dashboardView.digOutVelParNetwork[2], false);
    action(2, 10, 3, 1, 1);
    onePass({2});
    onePass({2});
    EXPECT_EQ(shared.NetwUitgangen[0], 0b11110100);
    action(3, 10, 2, 9, 1);
    onePass({3});
    EXPECT_EQ(shared.NetwUitgangen[0], 0);
    for (int n = 1; n <= 8; ++n) EXPECT_EQ(dashboardView.digOutVelParNetwork[n], false);
}

}  // namespace

namespace {

// The all-outputs-off command switches the hardware off and leaves the
// images: the next action that should switch an output on does so again.
TEST_F(VellemanOutputs, AfterTheAllOutputsOffCommandEveryInterfaceIsDrivenAgain) {
    shared.ModuleAanwezig = 1;
    action(1, 11, 1, 9);
    action(2, 40, 1, 1);
    action(3, 50, 1, 2);
    onePass({1, 2, 3});
    CommandResetAll();
    EXPECT_EQ(cards.digitalOut[1], 0);
    EXPECT_EQ(kelvanor.log.back(), "SetDigitalOutput0(0)");
    EXPECT_EQ(arduino.last(), "1/0/");

    cards.log.clear();
    kelvanor.log.clear();
    onePass({1, 2, 3});
    EXPECT_EQ(cards.log, (Log{"SetCurrentDevice(1)", "SetAllDigital()@1"}));
    EXPECT_EQ(kelvanor.log, (Log{"SetDigitalOutput0(1)"}));
    EXPECT_EQ(arduino.last(), "1/2/");
    // And only once: the hardware shows the images again.
    onePass({1, 2, 3});
    EXPECT_EQ(cards.log.size(), 2u);
    EXPECT_EQ(kelvanor.log.size(), 1u);
    EXPECT_EQ(arduino.size(), 3);
}

}  // namespace

namespace {

// "Set output 3" and "all outputs off" holding together on each interface:
// every pass ends with the outputs where it began, so no device is written
// however many passes run; a rung that does change them costs one write.
TEST_F(VellemanOutputs, RungsThatDisagreeWriteNothingAndAChangeOnce) {
    shared.ModuleAanwezig = 1;
    velleman::SetCurrentDevice(1);
    velleman::WriteAllDigital(0);  // as the search leaves a card
    Out32(0x378, 0);               // and the start-up a port
    ArduinoOutputReset(0);         // and the first pass after its port opened the Arduino
    cards.log.clear();
    ports.log.clear();
    const int codes[] = {11, 31, 40, 50};
    for (int i = 0; i < 4; ++i) {
        action(2 * i + 1, codes[i], 1, 3);
        action(2 * i + 2, codes[i], 2, 9);
    }
    for (int n = 0; n < 50; ++n) onePass({1, 2, 3, 4, 5, 6, 7, 8});
    EXPECT_EQ(cards.log, Log{});
    EXPECT_EQ(ports.log, Log{});
    EXPECT_EQ(kelvanor.log, Log{});
    EXPECT_TRUE(arduino.isEmpty());

    for (int i = 0; i < 4; ++i) action(9 + i, codes[i], 1, 5);
    for (int n = 0; n < 50; ++n) onePass({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    EXPECT_EQ(cards.log, (Log{"SetCurrentDevice(1)", "SetDigitalChannel(5)@1"}));
    EXPECT_EQ(ports.log, (Log{"Out32(0x378,16)"}));
    EXPECT_EQ(kelvanor.log, (Log{"SetDigitalOutput0(16)"}));
    EXPECT_EQ(arduino, (QStringList{"1/16/"}));
}

// While the port has not sent the last command, only the newest byte waits;
// it goes out once the port is empty.
TEST_F(ArduinoOutputsTest, WhileThePortIsBusyOnlyTheNewestByteWaits) {
    ArduinoOutputReset(0);
    ArduinoSetOutputsAndRemember(1);
    arduinoUnsent = 5;  // "1/1/" is still on its way
    for (int byte : {2, 3, 4}) EXPECT_TRUE(ArduinoSetOutputsAndRemember(byte));
    EXPECT_EQ(arduino, QStringList{"1/1/"});
    EXPECT_EQ(ArduinoOutputWritten(), 4);
    ArduinoSetOutputsAndRemember(1);  // what the port is sending: nothing needs to wait
    EXPECT_EQ(ArduinoOutputWritten(), 1);
    ArduinoSetOutputsAndRemember(6);
    ArduinoSendWaitingOutputs();  // still busy
    EXPECT_EQ(arduino, QStringList{"1/1/"});

    arduinoUnsent = 0;
    ASSERT_TRUE(WaitUntil([&] { return arduino.size() == 2; }));
    ArduinoSetOutputsAndRemember(7);  // after it, nothing else went out
    EXPECT_EQ(arduino, (QStringList{"1/1/", "1/6/", "1/7/"}));
}

// A real line stays busy longer than one retry: the waiting byte is tried
// again and again until the port has emptied.
TEST_F(ArduinoOutputsTest, TheWaitingByteIsTriedAgainWhileThePortStaysBusy) {
    ArduinoOutputReset(0);
    ArduinoSetOutputsAndRemember(1);
    int asked = 0;  // busy for the set and its first three retries
    arduinoPortHooks().OutBufferCount = [&asked] { return ++asked <= 4 ? 5 : 0; };
    ArduinoSetOutputsAndRemember(2);
    ASSERT_TRUE(WaitUntil([&] { return arduino.size() == 2; }));
    EXPECT_EQ(arduino, (QStringList{"1/1/", "1/2/"}));
    EXPECT_EQ(asked, 5);
}

// A ladder that wants the byte the board shows again before the waiting one
// went out sends nothing: the board shows it already.
TEST_F(ArduinoOutputsTest, BackAtWhatTheBoardShowsBeforeTheWaitingByteWentOutSendsNothing) {
    ArduinoOutputReset(0);
    ArduinoSetOutputsAndRemember(1);
    arduinoUnsent = 5;
    ArduinoSetOutputsAndRemember(6);  // waits
    arduinoUnsent = 0;
    ArduinoSetOutputsAndRemember(1);
    EXPECT_EQ(ArduinoOutputWritten(), 1);
    ArduinoSetOutputsAndRemember(7);
    EXPECT_EQ(arduino, (QStringList{"1/1/", "1/7/"}));
}

}  // namespace
