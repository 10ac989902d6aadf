// The ladder timers on fake time: square-wave outputs, the stopwatch gauge,
// and the timer control's own rules (interval 0, enabling a running timer,
// a new interval).
#include "LadderTimers.h"
#include "RunCommands.h"

#include "RunFixture.h"

namespace tamberlo::test {
namespace {

using LadderTimersTest = RunTest;

TEST_F(LadderTimersTest, RunningTimerTogglesItsOutputEveryPreset) {
    VbTimer& t0 = *ladderTimers().TimerT[0];
    t0.SetInterval(1000);
    t0.SetEnabled(true);
    time.Advance(999);
    EXPECT_FALSE(shared.TimerUitgang[0]);
    time.Advance(1);
    EXPECT_TRUE(shared.TimerUitgang[0]);
    EXPECT_EQ(shared.TimerResterend[0], 1000);
    EXPECT_EQ(dashboardView.timerFlood[0], 100.0);
    time.Advance(1000);
    EXPECT_FALSE(shared.TimerUitgang[0]);
    time.Advance(3000);
    EXPECT_TRUE(shared.TimerUitgang[0]);
}

TEST_F(LadderTimersTest, StopwatchGaugeFallsAndIsRefilledByTheTick) {
    auto& t = ladderTimers();
    t.TimerT[2]->SetInterval(1000);
    t.TimerT[2]->SetEnabled(true);
    t.TimerT[5]->SetInterval(50);  // below 100 ms
    t.TimerT[5]->SetEnabled(true);
    shared.TimerResterend[2] = 1000;
    t.TimerStopwatch->SetEnabled(true);
    time.Advance(100);
    EXPECT_DOUBLE_EQ(dashboardView.timerFlood[2], 90.0);
    EXPECT_DOUBLE_EQ(dashboardView.timerFlood[5], 100.0);
    time.Advance(300);
    EXPECT_DOUBLE_EQ(dashboardView.timerFlood[2], 60.0);
    EXPECT_DOUBLE_EQ(dashboardView.timerFlood[5], 100.0);
    time.Advance(600);  // T2 ticks at 1000 ms, just before the stopwatch's tick
    EXPECT_TRUE(shared.TimerUitgang[2]);
    EXPECT_DOUBLE_EQ(dashboardView.timerFlood[2], 90.0);

    // A reset timer keeps its gauge; Stop empties every gauge.
    t.TimerT[2]->SetEnabled(false);
    time.Advance(300);
    EXPECT_DOUBLE_EQ(dashboardView.timerFlood[2], 90.0);
    CommandStop();
    for (double f : dashboardView.timerFlood) EXPECT_EQ(f, 0.0);
}

TEST_F(LadderTimersTest, StopwatchNeverDividesByAZeroPreset) {
    auto& t = ladderTimers();
    t.TimerT[1]->SetEnabled(true);  // started without a preset: never ticks
    shared.TimerResterend[1] = 500;
    t.TimerStopwatch->SetEnabled(true);
    time.Advance(1000);
    EXPECT_FALSE(shared.TimerUitgang[1]);
    EXPECT_DOUBLE_EQ(dashboardView.timerFlood[1], 100.0);
    EXPECT_EQ(shared.TimerResterend[1], 0);
}

TEST(VbTimerManualTime, KeepsTheProgramsTimerRules) {
    VbTimer::SetManualTime(true);
    int ticks = 0;
    {
        VbTimer t(0, true);
        t.onTimer = [&] { ++ticks; };
        VbTimer::AdvanceManualTime(10000);
        EXPECT_EQ(ticks, 0);  // interval 0 never ticks

        t.SetInterval(100);
        VbTimer::AdvanceManualTime(250);
        EXPECT_EQ(ticks, 2);
        t.SetEnabled(true);  // already running: the period goes on
        VbTimer::AdvanceManualTime(50);
        EXPECT_EQ(ticks, 3);
        VbTimer::AdvanceManualTime(30);
        t.SetInterval(100);  // a new interval restarts the period
        VbTimer::AdvanceManualTime(90);
        EXPECT_EQ(ticks, 3);
        VbTimer::AdvanceManualTime(10);
        EXPECT_EQ(ticks, 4);
        t.SetEnabled(false);
        VbTimer::AdvanceManualTime(1000);
        EXPECT_EQ(ticks, 4);
    }
    // Timers that fall due in one step fire in time order, and a handler may
    // change another timer.
    std::vector<int> order;
    VbTimer a(300, true), b(200, true);
    a.onTimer = [&] { order.push_back(1); };
    b.onTimer = [&] {
        order.push_back(2);
        a.SetEnabled(false);
    };
    VbTimer::AdvanceManualTime(1000);
    EXPECT_EQ(order, (std::vector<int>{2, 2, 2, 2, 2}));
    VbTimer::SetManualTime(false);
}

}  // namespace
}  // namespace tamberlo::test
