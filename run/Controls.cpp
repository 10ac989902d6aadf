#include "Controls.h"

namespace tamberlo {

WinsockControl& WinsockHost() {
    static WinsockControl* host = new WinsockControl;  // lives as long as the program
    return *host;
}

namespace {
NoKelvanor noKelvanor;
KelvanorClient* kelvanor = nullptr;
}  // namespace

KelvanorClient& Kelvanor1() { return kelvanor ? *kelvanor : static_cast<KelvanorClient&>(noKelvanor); }
void SetKelvanor1(KelvanorClient* client) { kelvanor = client; }

}  // namespace tamberlo
