// A ladder written to a .vpp file and read back runs: cells and wires colour,
// memories, variables, timers and sounds act, and Pause keeps what the run did.
#include "LadderFile.h"
#include "RunCommands.h"
#include "TempHome.h"

#include "RunFixture.h"

namespace tamberlo::test {
namespace {

using LadderFileRunTest = RunTest;

TEST_F(LadderFileRunTest, ALadderReadFromAFileRuns) {
    TempHome home;
    SetCondition(1, {3, 1, 0, 1});  // rung 1: not M0 -> set M1
    SetAction(1, {3, 1, 1, 1});
    SetCondition(4, {3, 1, 1, 0});  // rung 2: M1 -> A + 1
    SetAction(2, {3, 2, 1, 2, 1});
    SetCondition(7, {2, 2, 1, 0});  // rung 3: T0's output -> set M2
    SetAction(3, {3, 1, 1, 2});
    SetAction(4, {2, 2, 1, 0});         // rung 4 (always): start T0
    SetCondition(13, {3, 3, 1, 2001});  // rung 5: A = 1 -> sound
    SetAction(5, {4});
    shared.GeluidMappen[5] = SoundFolder();
    shared.GeluidBestanden[5] = "bel.wav";
    SetAction(0, {2, 1, 10});  // start-only row: T0 preset 0.1 s
    const QString path = home.file("proef.vpp");
    ASSERT_TRUE(SchrijfLadderOpDisk(path));

    shared = SharedState{};
    ASSERT_TRUE(LeesLadderVanDisk(path));
    ASSERT_EQ(shared.Acties[5][0], 4);

    AfterEventPoints(3, [this] { time.Advance(100); });  // T0 ticks once
    AfterEventPoints(6, [] { CommandPauze(); });
    CommandStart();

    EXPECT_TRUE(fakeDialogs.messages.isEmpty()) << fakeDialogs.messages.join("|").toStdString();
    EXPECT_EQ(shared.ProgrammaStatus, 2);
    EXPECT_TRUE(shared.GeheugenToestand[1]);
    EXPECT_TRUE(shared.GeheugenToestand[2]);
    EXPECT_EQ(shared.Variabelen[1], 1);
    EXPECT_EQ(ladderView.varCaption[1], "1");
    EXPECT_EQ(ladderView.memoryColor[2], 0x8080FFu);
    EXPECT_EQ(sound.played, QStringList{SoundFolder() + "/bel.wav"});
    EXPECT_EQ(ladderView.cell[1].frameColor, 0xE6FFE6u);
    EXPECT_EQ(ladderView.action[2].frameColor, 0xFFDCDCu);
    EXPECT_EQ(ladderTimers().TimerT[0]->Interval(), 100);
    // Paused: drawn unpowered, the lamp light green.
    EXPECT_EQ(ladderView.cell[1].wireColor, kColorBlack);
    EXPECT_EQ(ladderView.startStopColor, 0xC0FFC0u);
}

}  // namespace
}  // namespace tamberlo::test
