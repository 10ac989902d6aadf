// Closing: the one way the program ends.
#include "Controls.h"
#include "Dialogs.h"
#include "LadderProgrammeren.h"
#include "Muiswiel.h"
#include "OpstartDiensten.h"
#include "OpstartTeksten.h"
#include "ProgramEnd.h"
#include "SharedState.h"
#include "Yielding.h"

namespace tamberlo {

void LadderProgrammeren::Afsluiten() {
    static bool bezig = false;  // a second close request while the question is open
    if (bezig || AppEnding()) return;
    bezig = true;
    const MsgResult antwoord =
        dialogs().MsgBox(T("Tamberlo afsluiten?", "Close Tamberlo?"), MsgButtons::OkCancel, T("Stoppen...", "Stop..."));
    bezig = false;
    if (antwoord != MsgResult::Ok) {
        show();
        return;
    }
    if (MuiswielAangehaakt(this)) MuiswielLoskoppelen(this);
    if (shared.ProgrammaStatus != 0) {
        // A run (or a pause): its loop ends at its next test.
        shared.ProgrammaStatus = 0;
        Yield();
        Kelvanor1().SetDigitalOutput0(0);
        Kelvanor1().Disconnect();
    } else {
        Kelvanor1().SetDigitalOutput0(0);
        Kelvanor1().Disconnect();
        if (!shared.ICP12Type.isEmpty()) opstartDiensten().ArduinoOutput(QStringLiteral("1/0/"));
    }
    EndProgram();
}

}  // namespace tamberlo
