// The toolbar's Start, Pause, Stop and All-outputs-off buttons of the main
// window drive the run, and the window shows the run state from the views.
#include <QPushButton>

#include "FakeVellemanCards.h"
#include "LadderProgrammeren.h"
#include "RunFixture.h"
#include "VellemanCards.h"

namespace tamberlo::test {
namespace {

using MainWindowRunTest = RunTest;

TEST_F(MainWindowRunTest, ToolbarButtonsStartPauseAndStopTheRun) {
    auto window = std::make_unique<LadderProgrammeren>();
    window->show();
    SetCondition(1, {3, 1, 0, 1});  // not M0
    SetAction(1, {3, 1, 1, 5});     // sets M5
    int cycleCount = 0;
    AtEveryEventPoint([&] {
        if (++cycleCount < 4) return true;
        window->CommandPauze->click();
        return false;
    });
    window->CommandStart->click();  // returns when the run pauses
    EXPECT_EQ(cycleCount, 4);
    EXPECT_EQ(shared.ProgrammaStatus, 2);
    EXPECT_TRUE(shared.GeheugenToestand[5]);

    AfterEventPoints(2, [&] { window->CommandStop->click(); });
    window->CommandStart->click();
    EXPECT_EQ(shared.ProgrammaStatus, 0);
    EXPECT_FALSE(shared.GeheugenToestand[5]);

    velleman::FakeVellemanCards cards;
    Services withCards = InstalledServices::Current();
    withCards.cards = &cards;
    InstalledServices installedCards{withCards};
    cards.attached = 1;
    velleman::SearchDevices();
    shared.VellemanKaartMasker = 1;
    cards.digitalOut[0] = 9;
    window->CommandResetAll->click();
    EXPECT_EQ(cards.digitalOut[0], 0);
}

}  // namespace
}  // namespace tamberlo::test
