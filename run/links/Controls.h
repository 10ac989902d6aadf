#pragma once
// The main window's non-visual controls, created the first time they are
// referred to. Tests may swap the Kelvanor client for a fake.

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

}  // namespace tamberlo
