// The start of a run: the start-only row once per fresh start, not on resume,
// and the one-shot flags cleared at a fresh start.
#include "PoweredDrawing.h"
#include "RunCommands.h"
#include "StartRow.h"

#include "RunFixture.h"

namespace tamberlo::test {
namespace {

using StartRowTest = RunTest;

TEST_F(StartRowTest, VariablesAndMemoriesOfTheStartOnlyRow) {
    SetAction(0, {3, 2, 1, 1, 5});  // A := 5
    InitialiseerStart();
    EXPECT_EQ(shared.Variabelen[1], 5);
    EXPECT_EQ(ladderView.varCaption[1], "5");
    EXPECT_EQ(ladderView.leftRailColor, kColorRed);

    SetAction(0, {3, 2, 1, 2, 1});  // A + 1 stops at 1000 here
    shared.Variabelen[1] = 1000;
    InitialiseerStart();
    EXPECT_EQ(shared.Variabelen[1], 1000);
    shared.Variabelen[1] = 999;
    InitialiseerStart();
    EXPECT_EQ(shared.Variabelen[1], 1000);

    SetAction(0, {3, 1, 2, 6});  // reset M6: grey, where a rung's reset is light cyan
    shared.GeheugenToestand[6] = true;
    InitialiseerStart();
    EXPECT_FALSE(shared.GeheugenToestand[6]);
    EXPECT_EQ(ladderView.memoryColor[6], 0xD7D7D7u);
}

TEST_F(StartRowTest, ResumeRedrawsPoweredButSkipsTheRow) {
    SetAction(0, {3, 1, 1, 2});  // set M2
    shared.ProgrammaStatus = 2;
    InitialiseerStart();
    EXPECT_FALSE(shared.GeheugenToestand[2]);
    EXPECT_EQ(ladderView.leftRailColor, kColorRed);
}

TEST_F(StartRowTest, PresetIsWrittenAtEveryStartAndStartAndReset) {
    auto& t = ladderTimers();
    SetAction(0, {2, 1, 100, 0, 0, 0, 0, 0, 0, 250});
    t.TimerT[0]->SetInterval(1000);
    t.TimerT[0]->SetEnabled(true);
    time.Advance(600);
    InitialiseerStart();  // same preset: written again, so the period restarts
    time.Advance(600);
    EXPECT_FALSE(shared.TimerUitgang[0]);
    time.Advance(400);
    EXPECT_TRUE(shared.TimerUitgang[0]);
    EXPECT_EQ(t.TimerT[7]->Interval(), 2500);
    EXPECT_EQ(dashboardView.timerCaption[7], "2.5");
    EXPECT_EQ(shared.TimerResterend[7], 0);  // not touched by the start-only row

    SetAction(0, {2, 2, 1, 7});
    InitialiseerStart();
    EXPECT_TRUE(t.TimerT[7]->Enabled());
    EXPECT_FALSE(t.TimerStopwatch->Enabled());
    SetAction(0, {2, 2, 2, 0});
    InitialiseerStart();
    EXPECT_FALSE(t.TimerT[0]->Enabled());
    EXPECT_FALSE(shared.TimerUitgang[0]);
}

TEST_F(StartRowTest, SoundPlaysAtEveryFreshStart) {
    SetAction(0, {4});
    shared.GeluidMappen[0] = SoundFolder();
    shared.GeluidBestanden[0] = "start.wav";
    InitialiseerStart();
    InitialiseerStart();
    EXPECT_EQ(sound.played, (QStringList{SoundFolder() + "/start.wav", SoundFolder() + "/start.wav"}));
}

TEST_F(StartRowTest, FreshStartLetsAOneShotRungThatHoldsFromTheStartFireAgain) {
    // Rung 1 is empty, so it holds from the first cycle and never breaks.
    SetAction(1, {4});
    shared.GeluidMappen[1] = SoundFolder();
    shared.GeluidBestanden[1] = "bel.wav";
    SetCondition(4, {3, 1, 0, 0});  // a condition elsewhere, so the start is not refused
    for (int run = 0; run < 2; ++run) {
        AfterEventPoints(3, [] { CommandStop(); });
        CommandStart();
    }
    EXPECT_EQ(sound.played.size(), 2);

    // A resumed run goes on with the flags it had.
    AfterEventPoints(3, [] { CommandPauze(); });
    CommandStart();
    AfterEventPoints(3, [] { CommandStop(); });
    CommandStart();
    EXPECT_EQ(sound.played.size(), 3);
}

}  // namespace
}  // namespace tamberlo::test
