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
    VulVolleLadder();
    int cycli = 0;
    int holdendeRungs = 0;
    BijElkeEventPoint([&] {
        ++cycli;
        if (cycli == 50) {
            for (int r = 1; r <= kRungs; ++r) {
                const bool houdt = shared.ConditieResultaat[3 * r - 2] && shared.ConditieResultaat[3 * r - 1] &&
                                   shared.ConditieResultaat[3 * r];
                holdendeRungs += houdt;
                EXPECT_EQ(ladderView.actie[r].frameColor, houdt ? 0xFFDCDCu : 0xFFC0C0u) << r;
            }
        }
        if (cycli < 100) return true;
        CommandStop();
        return false;
    });
    CommandStart();
    EXPECT_EQ(cycli, 100);
    EXPECT_TRUE(dialogen.messages.isEmpty());
    EXPECT_GT(holdendeRungs, 20);
    EXPECT_LT(holdendeRungs, 90);
    // Each holding sound rung played once, however many cycles it held.
    EXPECT_GT(geluid.played.size(), 0);
    EXPECT_LE(geluid.played.size(), 6);
}

}  // namespace
}  // namespace tamberlo::test
