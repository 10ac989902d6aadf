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
    auto venster = std::make_unique<LadderProgrammeren>();
    venster->show();
    Conditie(1, {3, 1, 0, 1});   // not M0
    Actie(1, {3, 1, 1, 5});      // sets M5
    int cycli = 0;
    BijElkeEventPoint([&] {
        if (++cycli < 4) return true;
        venster->CommandPauze->click();
        return false;
    });
    venster->CommandStart->click();  // returns when the run pauses
    EXPECT_EQ(cycli, 4);
    EXPECT_EQ(shared.ProgrammaStatus, 2);
    EXPECT_TRUE(shared.GeheugenToestand[5]);

    NaEventPoints(2, [&] { venster->CommandStop->click(); });
    venster->CommandStart->click();
    EXPECT_EQ(shared.ProgrammaStatus, 0);
    EXPECT_FALSE(shared.GeheugenToestand[5]);

    velleman::FakeVellemanCards kaarten;
    kaarten.attached = 1;
    velleman::SearchDevices();
    shared.VellemanKaartMasker = 1;
    kaarten.digitalOut[0] = 9;
    venster->CommandResetAll->click();
    EXPECT_EQ(kaarten.digitalOut[0], 0);
}

}  // namespace
}  // namespace tamberlo::test
