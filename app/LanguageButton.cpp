// The language button: Dutch to English and back, kept in Tamberlo.ini.
#include "Dialogs.h"
#include "LadderProgrammeren.h"
#include "MainWindowCommands.h"
#include "QtTranslations.h"
#include "SettingsFile.h"
#include "SharedState.h"
#include "Windows.h"

namespace tamberlo {

void CommandTaal_Click() {
    shared.TaalVlag = !shared.TaalVlag;
    ApplyQtLanguage();
    mainWindow().TaalAanpassenConActBeh();
    // The peer's address and port as WinsockHost holds them now: one taken
    // from a ladder file or typed in the settings window is kept too.
    if (SettingsWriteFailure why; !WriteSettingsFromWinsock(&why))
        dialogs().MsgBox(TextSettingsNotWritten(TextLanguageForSession(), why), MsgButtons::Ok);
}

}  // namespace tamberlo
