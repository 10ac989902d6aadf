// Closing: the one way the program ends.
#include "Controls.h"
#include "Dialogs.h"
#include "LadderProgrammeren.h"
#include "MouseWheel.h"
#include "ProgramEnd.h"
#include "ReentryGuard.h"
#include "SharedState.h"
#include "StartUpServices.h"
#include "StartUpTexts.h"
#include "UnsavedLadder.h"
#include "Yielding.h"

namespace tamberlo {

void LadderProgrammeren::Afsluiten() {
    if (AppEnding()) return;
    MsgResult reply = MsgResult::Cancel;
    {
        static bool asking = false;  // a second close request while the question is open is refused
        ReentryGuard guard(asking);
        if (!guard.entered()) return;
        // With work that is in no file, the one question says so: Yes closes.
        if (LadderHasUnsavedChanges())
            reply = dialogs().MsgBox(T("Het ladderprogramma is gewijzigd en niet opgeslagen.\nTamberlo toch afsluiten?",
                                       "The ladder program has changed and has not been saved.\nClose Tamberlo anyway?"),
                                     MsgButtons::YesNo, T("Stoppen...", "Stop..."));
        else
            reply =
                dialogs().MsgBox(T("Tamberlo afsluiten?", "Close Tamberlo?"), MsgButtons::OkCancel, T("Stoppen...", "Stop..."));
    }
    if (reply != MsgResult::Ok) {
        show();
        return;
    }
    if (MouseWheelHooked(this)) MuiswielLoskoppelen(this);
    if (shared.ProgrammaStatus != 0) {
        // A run (or a pause): its loop ends at its next test.
        shared.ProgrammaStatus = 0;
        Yield();
        Kelvanor1().SetDigitalOutput0(0);
        Kelvanor1().Disconnect();
    } else {
        Kelvanor1().SetDigitalOutput0(0);
        Kelvanor1().Disconnect();
        if (!shared.ICP12Type.isEmpty()) startUpServices().ArduinoOutput(QStringLiteral("1/0/"));
    }
    EndProgram();
}

}  // namespace tamberlo
