// The scan loop: one event point per cycle, no nested cycle or loop from a
// handler at the event point, the cycle time shown at a readable rate, and
// the run lamp when the loop ends on a pause.
#include "FunctionKeys.h"
#include "PoweredDrawing.h"
#include "RunCommands.h"
#include "ScanLoop.h"

#include "RunFixture.h"

namespace tamberlo::test {
namespace {

using ScanLoopTest = RunTest;

TEST_F(ScanLoopTest, OneCycleYieldsOnceAndANestedCycleReturnsAtOnce) {
    VoedingAAN();
    int nested = 0;
    QMetaObject::invokeMethod(
        qApp,
        [&] {
            ++nested;
            ScanCycle();
        },
        Qt::QueuedConnection);
    ScanCycle();
    EXPECT_EQ(nested, 1);
    EXPECT_EQ(shared.ActiviteitNiveau, 1);  // one action pass only
}

TEST_F(ScanLoopTest, LoopEndsOnPauseWithAGreenLamp) {
    shared.ProgrammaStatus = 1;
    int cycleCount = 0;
    AtEveryEventPoint([&] {
        ++cycleCount;
        LoopConditie();  // nested: returns at once
        if (cycleCount < 3) return true;
        shared.ProgrammaStatus = 2;
        return false;
    });
    LoopConditie();
    EXPECT_EQ(cycleCount, 3);
    EXPECT_EQ(shared.ActiviteitNiveau, 2);  // two full cycles ran
    EXPECT_EQ(ladderView.startStopColor, 0xC0FFC0u);

    // Anything but running or paused: the loop returns at once.
    shared.ProgrammaStatus = 0;
    ladderView.startStopColor = 0;
    LoopConditie();
    EXPECT_EQ(ladderView.startStopColor, 0u);
}

TEST_F(ScanLoopTest, CycleTimeIsMeasuredAndShownAtAReadableRate) {
    shared.ProgrammaStatus = 1;
    time.stepPerRead = 0.0125;  // each reading of the clock 12.5 ms later
    int cycleCount = 0;
    // The caption of a cycle is written after its event point.
    AtEveryEventPoint([&] {
        ++cycleCount;
        if (cycleCount == 2) time.stepPerRead = 0.002;
        if (cycleCount == 3) {
            EXPECT_EQ(ladderView.cycleTime, "0.013");
        }
        if (cycleCount == 4) {
            EXPECT_EQ(ladderView.cycleTime, "0.013");  // too soon to show the next one
            time.seconds += 1.0;                       // a slow cycle, shown
        }
        if (cycleCount < 5) return true;
        EXPECT_EQ(ladderView.cycleTime, "1.002");
        shared.ProgrammaStatus = 0;
        return false;
    });
    LoopConditie();
    EXPECT_EQ(cycleCount, 5);
}

TEST_F(ScanLoopTest, HandlersAtTheEventPointSeeAndChangeTheLadderState) {
    // Rung 1: F2 held sets M0; rung 2: M0 increases A.
    SetCondition(1, {3, 2, 2, 0});
    SetAction(1, {3, 1, 1, 0});
    SetCondition(4, {3, 1, 0, 0});
    SetAction(2, {3, 2, 1, 2, 1});
    AfterEventPoints(2, [] { functionKeys().SetHeld(2, true); });
    AfterEventPoints(5, [] {
        EXPECT_EQ(ladderView.action[2].frameColor, 0xFFDCDCu);  // it holds
        CommandStop();
    });
    CommandStart();
    functionKeys().ReleaseAll();
    EXPECT_EQ(shared.ProgrammaStatus, 0);
    EXPECT_EQ(shared.Variabelen[1], 0);  // cleared by Stop
}

}  // namespace
}  // namespace tamberlo::test
