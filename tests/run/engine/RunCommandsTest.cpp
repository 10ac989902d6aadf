// The run commands' state table: start, refused start, pause and resume,
// stop from running and from paused, a second start, all outputs off, and a
// start cancelled while the network link is opened.
#include "RunCommands.h"

#include <vector>

#include "FakeVellemanCards.h"
#include "FunctionKeys.h"
#include "RunFixture.h"
#include "VellemanCards.h"

namespace tamberlo::test {
namespace {

class RunCommandsTest : public RunTest {
protected:
    // Rung 1: F1 held down increases A by 1; the start-only row adds 10 to B.
    void SmallProgram() {
        SetCondition(1, {3, 2, 1});
        SetAction(1, {3, 2, 1, 2, 1});
        SetAction(0, {3, 2, 2, 2, 10});
    }
};

TEST_F(RunCommandsTest, StartIsRefusedWithoutConditionsOrActions) {
    CommandStart();
    ASSERT_EQ(fakeDialogs.messages, QStringList{"U moet nog wel Condities invoeren!."});
    EXPECT_EQ(shared.ProgrammaStatus, 0);
    EXPECT_EQ(ladderView.leftRailColor, kColorBlack);  // drawn unpowered again

    // Conditions but only a start-only action: refused as having no action, in English.
    fakeDialogs.messages.clear();
    shared.TaalVlag = true;
    SetCondition(5, {3, 1, 0, 0});
    SetAction(0, {3, 1, 1, 2});
    CommandStart();
    EXPECT_EQ(fakeDialogs.messages, QStringList{"You'll have to introduce Actions!."});
    EXPECT_EQ(shared.ProgrammaStatus, 0);
    EXPECT_FALSE(shared.GeheugenToestand[2]);  // the start-only row did not run
    EXPECT_FALSE(shared.ConditieResultaat[4]);
}

TEST_F(RunCommandsTest, StartRunsUntilStopAndStopClearsTheLadderState) {
    SmallProgram();
    SetAction(2, {3, 1, 1, 4});       // rung 2 (all empty) sets M4
    functionKeys().SetHeld(1, true);  // F1 held down for the whole run
    int cycleCount = 0;
    AtEveryEventPoint([&] {
        ++cycleCount;
        if (cycleCount == 1) {  // before the first cycle the run is already on
            EXPECT_EQ(shared.ProgrammaStatus, 1);
            EXPECT_EQ(ladderView.startStopColor, 0x8080FFu);
            EXPECT_FALSE(TimerLeesIngangen().Enabled());
            EXPECT_TRUE(TimerSerialPort().Enabled());
        }
        if (cycleCount < 5) return true;
        EXPECT_EQ(shared.Variabelen[1], 1);  // once per activation
        EXPECT_TRUE(shared.GeheugenToestand[4]);
        CommandStop();
        return false;
    });
    CommandStart();  // returns when the run ends
    functionKeys().ReleaseAll();

    EXPECT_EQ(cycleCount, 5);
    EXPECT_TRUE(fakeDialogs.messages.isEmpty());
    EXPECT_EQ(shared.ProgrammaStatus, 0);
    EXPECT_EQ(shared.Variabelen[1], 0);
    EXPECT_EQ(shared.Variabelen[2], 0);
    EXPECT_EQ(ladderView.varCaption[1], "0");
    EXPECT_FALSE(shared.GeheugenToestand[4]);
    EXPECT_EQ(ladderView.memoryColor[4], 0xFFFFC0u);
    EXPECT_EQ(ladderView.startStopColor, 0xC0C0C0u);
    EXPECT_EQ(ladderView.leftRailColor, kColorBlack);
    EXPECT_FALSE(shared.ConditieResultaat[4]);
    EXPECT_TRUE(ladderView.cycleTime.isEmpty());
    EXPECT_EQ(shared.ActiviteitNiveau, 0);
    EXPECT_FALSE(TimerSerialPort().Enabled());
}

TEST_F(RunCommandsTest, PauseAndResumeSkipTheStartOnlyRowAndKeepTheState) {
    SmallProgram();
    SetAction(3, {2, 2, 1, 0});                     // rung 3 starts T0
    SetAction(4, {2, 1, 10, 0, 0, 0, 0, 0, 0, 0});  // rung 4: T0 preset 0.1 s
    AfterEventPoints(3, [] { CommandPauze(); });
    CommandStart();
    EXPECT_EQ(shared.ProgrammaStatus, 2);
    EXPECT_EQ(ladderView.startStopColor, 0xC0FFC0u);
    EXPECT_TRUE(TimerLeesIngangen().Enabled());
    EXPECT_EQ(ladderView.leftRailColor, kColorBlack);
    EXPECT_EQ(shared.Variabelen[2], 10);

    // Timers go on toggling while paused.
    ASSERT_TRUE(ladderTimers().TimerT[0]->Enabled());
    time.Advance(100);
    EXPECT_TRUE(shared.TimerUitgang[0]);

    // Resume: the start-only row does not run again; memories and variables stay.
    shared.Variabelen[1] = 7;
    AfterEventPoints(2, [] { CommandStop(); });
    AfterEventPoints(1, [] { EXPECT_EQ(shared.Variabelen[2], 10); });
    CommandStart();
    EXPECT_EQ(shared.ProgrammaStatus, 0);
}

TEST_F(RunCommandsTest, StopWhilePausedAndPauseWhileStopped) {
    SmallProgram();
    AfterEventPoints(2, [] { CommandPauze(); });
    CommandStart();
    ASSERT_EQ(shared.ProgrammaStatus, 2);
    shared.GeheugenToestand[1] = true;
    CommandStop();
    EXPECT_EQ(shared.ProgrammaStatus, 0);
    EXPECT_FALSE(shared.GeheugenToestand[1]);
    EXPECT_FALSE(TimerLeesIngangen().Enabled());

    // Pause while stopped changes nothing, but closes a link that is up.
    shared.Verbindingsstatus = 1;
    CommandPauze();
    EXPECT_EQ(shared.ProgrammaStatus, 0);
    EXPECT_EQ(link.quits, 1);
    EXPECT_EQ(ladderView.startStopColor, 0xC0C0C0u);
}

TEST_F(RunCommandsTest, AfterStopNoActionFrameShowsAHoldingRung) {
    SmallProgram();              // rung 1 holds while F1 is down
    SetAction(2, {3, 1, 1, 4});  // rung 2, all cells empty, always holds
    SetCondition(7, {3, 2, 2});  // rung 3 waits for F2, which stays up
    SetAction(3, {3, 1, 1, 5});
    functionKeys().SetHeld(1, true);
    auto frames = [] {
        std::vector<VbColor> f;
        for (int r = 1; r <= kRungs; ++r) f.push_back(ladderView.action[r].frameColor);
        return f;
    };
    const std::vector<VbColor> beforeTheRun = frames();
    auto stopWhileHolding = [] {
        EXPECT_EQ(ladderView.action[1].frameColor, 0xFFDCDCu);
        EXPECT_EQ(ladderView.action[2].frameColor, 0xFFDCDCu);
        CommandStop();
    };
    AfterEventPoints(3, stopWhileHolding);
    CommandStart();
    EXPECT_EQ(frames(), beforeTheRun);

    // Pause keeps the last cycle's look; the Stop that follows clears it.
    AfterEventPoints(3, [] { CommandPauze(); });
    CommandStart();
    ASSERT_EQ(shared.ProgrammaStatus, 2);
    EXPECT_EQ(ladderView.action[2].frameColor, 0xFFDCDCu);
    CommandStop();
    EXPECT_EQ(frames(), beforeTheRun);
    functionKeys().ReleaseAll();
}

TEST_F(RunCommandsTest, AStartAtTheEventPointStartsNoSecondLoop) {
    SmallProgram();
    int cycleCount = 0;
    bool nestedStartReturned = false;
    AtEveryEventPoint([&] {
        ++cycleCount;
        if (cycleCount == 2) {
            CommandStart();  // while running: nothing happens
            nestedStartReturned = true;
            EXPECT_EQ(shared.Variabelen[2], 10);  // start-only row not run again
        }
        if (cycleCount < 4) return true;
        CommandStop();
        return false;
    });
    CommandStart();
    EXPECT_TRUE(nestedStartReturned);
    EXPECT_EQ(cycleCount, 4);
}

TEST_F(RunCommandsTest, StartWhileTheLinkIsOpeningGoesNoFurther) {
    SmallProgram();
    link.state = 6;
    CommandStart();
    EXPECT_EQ(shared.ProgrammaStatus, 0);
    EXPECT_EQ(shared.Variabelen[2], 0);
    EXPECT_EQ(ladderView.leftRailColor, kColorRed);  // drawn powered, then left so
}

TEST_F(RunCommandsTest, NetworkInputOpensTheLinkOnceAndAFailedLinkStillRuns) {
    SmallProgram();
    SetCondition(4, {1, 10, 1, 0, 1});  // a network input
    SetAction(5, {1, 10, 1, 1, 1});     // and a network output
    bool wasRunning = false;
    AfterEventPoints(2, [&] {
        wasRunning = shared.ProgrammaStatus == 1 && shared.Variabelen[2] == 10;
        CommandStop();
    });
    CommandStart();
    EXPECT_EQ(link.connections, 1);  // one attempt, although it failed and outputs are networked too
    EXPECT_TRUE(wasRunning);

    // Only a network output: that opens the link too.
    shared.Condities[4] = {};
    link.connections = 0;
    AfterEventPoints(2, [] { CommandStop(); });
    CommandStart();
    EXPECT_EQ(link.connections, 1);

    link.connections = 0;
    link.result = 1;
    AfterEventPoints(2, [] { CommandStop(); });
    CommandStart();
    EXPECT_EQ(link.connections, 1);
    EXPECT_GT(link.sends, 0);  // every pass hands the changed outputs to the link
    EXPECT_EQ(link.quits, 1);  // Stop said goodbye
}

TEST_F(RunCommandsTest, StopOrPauseWhileTheLinkOpensCancelsThatStart) {
    SmallProgram();
    SetCondition(4, {1, 10, 1, 0, 1});
    link.result = 0;
    link.whileConnecting = [] {
        shared.Verbindingsstatus = 3;
        CommandStop();
    };
    CommandStart();
    EXPECT_EQ(shared.ProgrammaStatus, 0);
    EXPECT_EQ(shared.Variabelen[2], 0);  // no start-only row, no run
    EXPECT_EQ(link.closes, 1);

    link.whileConnecting = [] { CommandPauze(); };
    CommandStart();
    EXPECT_EQ(shared.ProgrammaStatus, 0);
    EXPECT_EQ(shared.Variabelen[2], 0);
    EXPECT_EQ(ladderView.leftRailColor, kColorBlack);

    // The next start runs normally.
    link.whileConnecting = nullptr;
    AfterEventPoints(2, [] { CommandStop(); });
    CommandStart();
    EXPECT_EQ(shared.ProgrammaStatus, 0);
    EXPECT_EQ(link.connections, 3);
}

TEST_F(RunCommandsTest, AllOutputsOffReachesOnlyWhatIsThere) {
    FakeKelvanor module;
    module.connectResult = 1;
    module.moduleType = 1;
    velleman::FakeVellemanCards cards;
    Services withDevices = InstalledServices::Current();
    withDevices.cards = &cards;
    withDevices.kelvanor = &module;
    InstalledServices installedDevices{withDevices};
    cards.attached = 0b1010;
    velleman::SearchDevices();
    cards.log.clear();
    CommandResetAll();
    EXPECT_TRUE(module.sent.empty());
    EXPECT_TRUE(cards.log.empty());

    shared.VellemanKaartMasker = 0b1010;
    cards.digitalOut = {0, 255, 0, 7};
    CommandResetAll();
    EXPECT_EQ(cards.digitalOut, (std::array<int, 4>{0, 0, 0, 0}));

    shared.ModuleAanwezig = 1;
    shared.UitgangDigitaal[7][3] = true;
    shared.VellemanUitByte[0] = 5;
    CommandResetAll();
    EXPECT_EQ(module.sent, std::vector<int>{0});
    // The remembered states stay, so the next change sends the whole byte again.
    EXPECT_TRUE(shared.UitgangDigitaal[7][3]);
    EXPECT_EQ(shared.VellemanUitByte[0], 5);
}

TEST_F(RunCommandsTest, StopClearsTimersOutputsAndGauges) {
    auto& t = ladderTimers();
    t.TimerT[3]->SetInterval(500);
    t.TimerT[3]->SetEnabled(true);
    t.TimerStopwatch->SetEnabled(true);
    shared.TimerUitgang[3] = true;
    shared.TimerResterend[3] = 300;
    dashboardView.timerFlood[3] = 60;
    dashboardView.digOutVelPar[12] = true;
    shared.UitgangDigitaal[0][2] = true;
    shared.VellemanUitByte[0] = 2;
    shared.Verbindingsstatus = 3;
    CommandStop();
    EXPECT_FALSE(t.TimerT[3]->Enabled());
    EXPECT_EQ(t.TimerT[3]->Interval(), 500);  // presets stay
    EXPECT_FALSE(t.TimerStopwatch->Enabled());
    EXPECT_FALSE(shared.TimerUitgang[3]);
    EXPECT_EQ(shared.TimerResterend[3], 0);
    EXPECT_EQ(dashboardView.timerFlood[3], 0.0);
    EXPECT_FALSE(dashboardView.digOutVelPar[12]);
    EXPECT_FALSE(shared.UitgangDigitaal[0][2]);
    EXPECT_EQ(shared.VellemanUitByte[0], 0);
    EXPECT_EQ(link.closes, 1);  // closed while connecting, no quit message
    EXPECT_EQ(link.quits, 0);
}

}  // namespace
}  // namespace tamberlo::test
