// The action executor: rung colours, memories, variables with their bounds
// and one-shot rule, timer actions, sounds once per activation, the network
// hook and the activity gauge.
#include "ActionExecutor.h"
#include "PoweredDrawing.h"
#include "ScanLoop.h"

#include "RunFixture.h"

namespace tamberlo::test {
namespace {

class ActionTest : public RunTest {
protected:
    ActionTest() { VoedingAAN(); }  // every empty rung holds
    // One pass of evaluation and actions, as a cycle runs them.
    static void Pass() {
        EvaluateCells();
        LoopActies();
    }
    // Rung r holds while memory m is set.
    static void HoldsOnMemory(int r, int m) { SetCondition(3 * r - 2, {3, 1, m, 0}); }
};

TEST_F(ActionTest, HoldingRungTurnsItsActionCellPaleBlue) {
    HoldsOnMemory(2, 0);
    Pass();
    EXPECT_EQ(ladderView.action[1].frameColor, 0xFFDCDCu);  // empty action, rung holds
    EXPECT_EQ(ladderView.action[2].frameColor, 0xFFC0C0u);
    shared.GeheugenToestand[0] = true;
    Pass();
    EXPECT_EQ(ladderView.action[2].frameColor, 0xFFDCDCu);
}

TEST_F(ActionTest, IncreaseFiresOncePerActivation) {
    HoldsOnMemory(1, 0);
    SetAction(1, {3, 2, 1, 2, 5});  // A + 5
    shared.GeheugenToestand[0] = true;
    for (int i = 0; i < 10; ++i) Pass();
    EXPECT_EQ(shared.Variabelen[1], 5);
    EXPECT_EQ(ladderView.varCaption[1], "5");
    shared.GeheugenToestand[0] = false;
    Pass();
    shared.GeheugenToestand[0] = true;
    Pass();
    Pass();
    EXPECT_EQ(shared.Variabelen[1], 10);
}

TEST_F(ActionTest, IncreaseAndDecreaseStayWithinTheirBounds) {
    SetAction(1, {3, 2, 1, 2, 1});  // A + 1
    shared.Variabelen[1] = 1000;
    Pass();
    EXPECT_EQ(shared.Variabelen[1], 1001);
    shared.ActieUitgevoerd[1] = false;
    Pass();
    EXPECT_EQ(shared.Variabelen[1], 1001);
    EXPECT_FALSE(shared.ActieUitgevoerd[1]);  // skipped: tried again next pass

    SetAction(2, {3, 2, 2, 3, 5});  // B - 5
    shared.Variabelen[2] = 3;
    Pass();
    EXPECT_EQ(shared.Variabelen[2], 3);
    // Another rung moves B far enough: the waiting decrease then fires.
    SetAction(3, {3, 2, 2, 1, 9});  // B := 9 on every pass
    Pass();                         // rung 2 still sees 3, then rung 3 sets 9
    Pass();
    EXPECT_EQ(shared.Variabelen[2], 9);  // rung 2 took 5 off, rung 3 set 9 again
    EXPECT_TRUE(shared.ActieUitgevoerd[2]);

    // A damaged row: a negative step may not wrap the 16-bit variable.
    SetAction(4, {3, 2, 3, 3, -32000});
    shared.Variabelen[3] = 30000;
    Pass();
    EXPECT_EQ(shared.Variabelen[3], 30000);
}

TEST_F(ActionTest, DecreaseMayReachExactlyZero) {
    SetAction(1, {3, 2, 1, 3, 5});  // A - 5
    shared.Variabelen[1] = 5;
    Pass();
    EXPECT_EQ(shared.Variabelen[1], 0);
    EXPECT_EQ(ladderView.varCaption[1], "0");
}

TEST_F(ActionTest, LaterRungWinsOnTheSameMemory) {
    SetAction(5, {3, 1, 1, 3});  // set M3
    SetAction(6, {3, 1, 2, 3});  // reset M3
    Pass();
    EXPECT_FALSE(shared.GeheugenToestand[3]);
    EXPECT_EQ(ladderView.memoryColor[3], 0xFFFFC0u);
    SetAction(6, {0});
    Pass();
    EXPECT_TRUE(shared.GeheugenToestand[3]);
    EXPECT_EQ(ladderView.memoryColor[3], 0x8080FFu);
}

TEST_F(ActionTest, ActionNumbersOutOfRangeAreSkipped) {
    SetAction(1, {3, 1, 1, 8});     // memory 8
    SetAction(2, {3, 2, 4, 1, 5});  // variable D
    SetAction(3, {2, 2, 1, 9});     // timer 9
    SetAction(4, {9, 1, 1, 1});     // unknown kind
    Pass();
    for (bool m : shared.GeheugenToestand) EXPECT_FALSE(m);
    for (Integer v : shared.Variabelen) EXPECT_EQ(v, 0);
    EXPECT_FALSE(ladderTimers().TimerStopwatch->Enabled());
}

TEST_F(ActionTest, PresetWritesOnlyChangedIntervalsAndLeavesRunningTimersAlone) {
    SetAction(1, {2, 1, 100, 50, 0, 0, 0, 0, 0, 0});  // T0 1 s, T1 0.5 s
    SetAction(2, {2, 2, 1, 0});                       // start T0
    Pass();
    auto& t = ladderTimers();
    EXPECT_EQ(t.TimerT[0]->Interval(), 1000);
    EXPECT_EQ(t.TimerT[1]->Interval(), 500);
    EXPECT_EQ(shared.TimerResterend[1], 500);
    EXPECT_EQ(dashboardView.timeTimerCaption[0], "1");
    EXPECT_EQ(dashboardView.timeTimerCaption[1], "0.5");
    EXPECT_EQ(dashboardView.timeTimerColor[0], 0x8080FFu);
    EXPECT_TRUE(t.TimerT[0]->Enabled());
    EXPECT_TRUE(t.TimerStopwatch->Enabled());

    // The preset holds on every pass; the period of T0 is not restarted.
    time.Advance(600);
    Pass();
    time.Advance(400);
    EXPECT_TRUE(shared.TimerUitgang[0]);

    // Reset: stopped, output cleared, light blue.
    SetAction(3, {2, 2, 2, 0});
    Pass();
    EXPECT_FALSE(t.TimerT[0]->Enabled());
    EXPECT_FALSE(shared.TimerUitgang[0]);
    EXPECT_EQ(dashboardView.timeTimerColor[0], 0xFFC0C0u);
}

TEST_F(ActionTest, SoundPlaysOncePerActivation) {
    HoldsOnMemory(7, 1);
    SetAction(7, {4});
    shared.GeluidMappen[7] = SoundFolder();
    shared.GeluidBestanden[7] = "bel.wav";
    shared.GeheugenToestand[1] = true;
    for (int i = 0; i < 5; ++i) Pass();
    EXPECT_EQ(sound.played, QStringList{SoundFolder() + "/bel.wav"});
    shared.GeheugenToestand[1] = false;
    Pass();
    shared.GeheugenToestand[1] = true;
    Pass();
    EXPECT_EQ(sound.played.size(), 2);
}

TEST_F(ActionTest, ChangedNetworkOutputsAreHandedToTheLinkOnlyWhileConnected) {
    Pass();
    EXPECT_EQ(link.sends, 0);
    shared.Verbindingsstatus = 1;
    Pass();
    Pass();
    EXPECT_EQ(link.sends, 2);
}

TEST_F(ActionTest, ActivityGaugeSweepsUpAndDown) {
    for (int i = 0; i < 1000; ++i) LoopActies();
    EXPECT_EQ(shared.ActiviteitNiveau, 1000);
    EXPECT_DOUBLE_EQ(ladderView.floodPercent, 100.0);
    LoopActies();  // only turns
    EXPECT_EQ(shared.ActiviteitNiveau, 1000);
    EXPECT_EQ(ladderView.floodType, 2);
    LoopActies();
    EXPECT_EQ(shared.ActiviteitNiveau, 999);

    // After a stop during the downward sweep the first pass only turns.
    shared.ActiviteitNiveau = 0;
    LoopActies();
    EXPECT_EQ(shared.ActiviteitNiveau, 0);
    EXPECT_EQ(ladderView.floodType, 1);
    LoopActies();
    EXPECT_EQ(shared.ActiviteitNiveau, 1);
    EXPECT_DOUBLE_EQ(ladderView.floodPercent, 0.1);
}

}  // namespace
}  // namespace tamberlo::test
