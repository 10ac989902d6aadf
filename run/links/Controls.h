#pragma once
// The main window's non-visual controls, created the first time they are
// referred to. Tests may swap the Kelvanor client for a fake.

#include <cstdint>
#include <optional>

#include "KelvanorClient.h"
#include "WinsockControl.h"

namespace tamberlo {

WinsockControl& WinsockHost();
KelvanorClient& Kelvanor1();
// Installs `client` (not owned) as Kelvanor1; nullptr restores the module-less client.
void SetKelvanor1(KelvanorClient* client);
// The output byte last sent to the module through Kelvanor1, by any part of
// the program; nothing since the last Connect or Disconnect.
std::optional<int> Kelvanor1Output();

// Kelvanor1's InputWordChanged: keeps the digital input word (word 0) of the
// module the program uses (the lowest in ModuleAanwezig) for the next
// InitialiseerIngangen; other words and modules do not reach the inputs.
void Kelvanor1_InputWordChanged(std::int16_t module, std::int16_t wordIndex, std::int32_t value);
// Around a module search: the words reported before it no longer count, and
// the word that the module in use (the lowest in `modulesFound`, the
// search's result) reported during it is taken over after it.
void ForgetModuleInputWords();
void TakeModuleInputWord(int modulesFound);

}  // namespace tamberlo
