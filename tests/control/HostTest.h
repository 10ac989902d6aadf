#pragma once
// HostTest: the program's side hosting the built control library, as a fresh
// program for every test (and nothing of it left behind afterwards).

#include "ControlFixture.h"
#include "FreshProgram.h"
#include "HostedLibrary.h"

namespace kelvanor::test {

class HostTest : public EmulatedModulesTest {
protected:
    HostTest() { tamberlo::StartFreshProgram(); }
    // Before the emulated modules go: the control must not outlive its ports' peers.
    ~HostTest() override { tamberlo::StartFreshProgram(); }

    HostedLibrary library;
};

}  // namespace kelvanor::test
