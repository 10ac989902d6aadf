#include "KelvanorHost.h"

#include <QString>

#include <memory>
#include <string>

#include "Controls.h"
#include "Dialogs.h"
#include "KelvanorDispatchClient.h"
#include "ProgramEnd.h"
#include "SharedState.h"

namespace tamberlo {
namespace {

std::unique_ptr<KelvanorDispatchClient>& hosted() {
    static std::unique_ptr<KelvanorDispatchClient> client;
    return client;
}

bool toldMissing = false;

}  // namespace

bool HostKelvanorControl() {
    if (hosted()) return true;
    std::string why;
    hosted() = KelvanorDispatchClient::Create(&why);
    if (!hosted()) {
        if (!toldMissing) {
            toldMissing = true;
            const QString reason = QString::fromStdString(why);
            dialogs().MsgBox(shared.TaalVlag
                                 ? QStringLiteral("The Kelvanor control is not available (%1). The program runs without a Kelvanor module.").arg(reason)
                                 : QStringLiteral("De Kelvanor-besturing is niet beschikbaar (%1). Het programma werkt zonder Kelvanor-module.").arg(reason),
                             MsgButtons::Ok);
        }
        return false;
    }
    SetKelvanor1(hosted().get());
    static bool endStep = false;
    if (!endStep) {
        endStep = true;
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

}  // namespace tamberlo
