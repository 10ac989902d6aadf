#pragma once
// The main window's non-visual controls, created the first time they are
// referred to. Tests may swap the Kelvanor client for a fake.

#include "KelvanorClient.h"
#include "WinsockControl.h"

namespace tamberlo {

WinsockControl& WinsockHost();
KelvanorClient& Kelvanor1();
// Installs `client` (not owned) as Kelvanor1; nullptr restores the module-less client.
void SetKelvanor1(KelvanorClient* client);

}  // namespace tamberlo
