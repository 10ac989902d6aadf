// End to end: the program hosts the registered control library, finds an
// emulated module on a pseudo-terminal, and a ladder rung whose condition is
// a module input sets a module output.

#include "ComRegistry.h"
#include "Controls.h"
#include "Detection.h"
#include "FakeDialogs.h"
#include "HostTest.h"
#include "InstalledServices.h"
#include "KelvanorHost.h"
#include "ScanLoop.h"
#include "SharedState.h"

namespace kelvanor::test {
namespace {

using tamberlo::shared;

using LadderEndToEndTest = HostTest;

TEST_F(LadderEndToEndTest, ARungOnAModuleInputSetsAModuleOutput) {
    tamberlo::test::FakeDialogs dialogs;
    tamberlo::test::InstalledServices installed{{.dialogs = &dialogs}};
    ModuleEmulator& atlas = AddModule(2, {});
    ASSERT_EQ(library.Register(), tamberlo::com::S_Ok);
    ASSERT_TRUE(tamberlo::HostKelvanorControl());

    tamberlo::AangeslotenKelvanorEmber();  // the start-up's search
    ASSERT_EQ(shared.ModuleAanwezig, 1);

    // Rung 1: module input 1 (the other two cells empty) -> set module output 1.
    shared.Condities[1] = {1, 40, 1, 0, 0, 0};
    shared.ConditieResultaat[2] = shared.ConditieResultaat[3] = true;
    shared.Acties[1] = {1, 40, 1, 1, 0, 0, 0, 0, 0, 0};
    shared.ProgrammaStatus = 1;

    tamberlo::ScanCycle();
    EXPECT_EQ(atlas.Count("MAW1.0=0001"), 0);  // the input is off

    atlas.ReportInputWord0(1, 0x0001);
    ASSERT_TRUE(WaitUntil([&] {
        tamberlo::ScanCycle();
        return atlas.OutputWord(1, 0) == 1;
    }));
    EXPECT_EQ(shared.ModuleIngangWoord, 1);
    EXPECT_EQ(atlas.Count("MAW1.0=0001"), 1);

    shared.ProgrammaStatus = 0;
    tamberlo::Kelvanor1().SetDigitalOutput0(0);
    tamberlo::Kelvanor1().Disconnect();
    EXPECT_EQ(atlas.OutputWord(1, 0), 0);
    EXPECT_EQ(atlas.Lines().back(), "setup0");
    tamberlo::DestroyKelvanorControl();
    EXPECT_FALSE(library.HasLiveObjects());
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

}  // namespace
}  // namespace kelvanor::test
