// A ladder that fills every rung runs cycle after cycle: results, colours and
// actions stay consistent, and the one-shot actions fire once per activation.
#include "PoweredDrawing.h"
#include "RunCommands.h"
#include "ScanLoop.h"

#include "BenchmarkLadder.h"
#include "RunFixture.h"

namespace tamberlo::test {
namespace {

using FullLadderTest = RunTest;

TEST_F(FullLadderTest, EveryRungRunsAndOneShotsFireOncePerActivation) {
    FillFullLadder(SoundFolder());
    int cycleCount = 0;
    int holdingRungs = 0;
    AtEveryEventPoint([&] {
        ++cycleCount;
        if (cycleCount == 50) {
            for (int r = 1; r <= kRungs; ++r) {
                const bool holds =
                    shared.ConditieResultaat[3 * r - 2] && shared.ConditieResultaat[3 * r - 1] && shared.ConditieResultaat[3 * r];
                holdingRungs += holds;
                EXPECT_EQ(ladderView.action[r].frameColor, holds ? 0xFFDCDCu : 0xFFC0C0u) << r;
            }
        }
        if (cycleCount < 100) return true;
        CommandStop();
        return false;
    });
    CommandStart();
    EXPECT_EQ(cycleCount, 100);
    EXPECT_TRUE(fakeDialogs.messages.isEmpty());
    EXPECT_GT(holdingRungs, 20);
    EXPECT_LT(holdingRungs, 90);
    // Each holding sound rung played once, however many cycles it held.
    EXPECT_GT(sound.played.size(), 0);
    EXPECT_LE(sound.played.size(), 6);
}

}  // namespace
}  // namespace tamberlo::test
