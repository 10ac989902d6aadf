#include "KelvanorHost.h"

#include <QString>

#include <memory>
#include <string>

#include "Controls.h"
#include "Dialogs.h"
#include "KelvanorDispatchClient.h"
#include "LanguageText.h"
#include "ProgramEnd.h"
#include "SharedState.h"

namespace tamberlo {
namespace {

// What hosting leaves behind in the process; ResetKelvanorHosting forgets it.
struct Hosting {
    std::unique_ptr<KelvanorDispatchClient> client;
    bool toldMissing = false;
    bool endStepRegistered = false;
};

Hosting& hosting() {
    static Hosting h;
    return h;
}

std::unique_ptr<KelvanorDispatchClient>& hosted() { return hosting().client; }

}  // namespace

bool HostKelvanorControl() {
    if (hosted()) return true;
    std::string why;
    hosted() = KelvanorDispatchClient::Create(&why);
    if (!hosted()) {
        if (!hosting().toldMissing) {
            hosting().toldMissing = true;
            const QString reason = QString::fromStdString(why);
            dialogs().MsgBox(T("De Kelvanor-besturing is niet beschikbaar (%1). Het programma werkt zonder Kelvanor-module.",
                               "The Kelvanor control is not available (%1). The program runs without a Kelvanor module.")
                                 .arg(reason),
                             MsgButtons::Ok);
        }
        return false;
    }
    SetKelvanor1(hosted().get());
    if (!hosting().endStepRegistered) {
        hosting().endStepRegistered = true;
        OnProgramEnd([] { DestroyKelvanorControl(); });
    }
    return true;
}

void DestroyKelvanorControl() {
    if (!hosted()) return;
    SetKelvanor1(nullptr);
    // The client's calls hold their own reference of the control and touch
    // the client no more after the control returns, so it can go now.
    hosted()->Shutdown();
    hosted().reset();
}

void ResetKelvanorHosting() {
    DestroyKelvanorControl();
    hosting() = Hosting{};
}

}  // namespace tamberlo
