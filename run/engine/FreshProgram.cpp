#include "FreshProgram.h"

#include "Controls.h"
#include "InputReading.h"
#include "KelvanorHost.h"
#include "ProgramEnd.h"
#include "SharedState.h"
#include "Yielding.h"

namespace tamberlo {

void StartFreshProgram() {
    ResetKelvanorHosting();
    SetKelvanor1(nullptr);
    ForgetModuleInputWords();
    ClearProgramEndSteps();
    SetAppEnding(false);
    shared = SharedState{};
}

}  // namespace tamberlo
