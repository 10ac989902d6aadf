#include "ActionRows.h"

#include "ActionEditCell.h"
#include "ActionEditor.h"
#include "Dialogs.h"
#include "EditorHooks.h"
#include "LadderPresence.h"
#include "LanguageText.h"

namespace tamberlo {

void CommandVoegActieToe_Click(int r) {
    if (r < 1 || r > kRungs) return;
    if (shared.ProgrammaStatus != 0) {
        dialogs().MsgBox(T("Het programma 'loopt' op dit moment, u moet het eerst stoppen.",
                           "The program is currently 'running', you'll have to stop it first."),
                         MsgButtons::Ok);
        return;
    }
    ActionRowView& cell = ladderView.action[std::size_t(r)];
    cell.addButtonVisible = false;
    cell.frameVisible = true;
    if (!shared.ConditiesAanwezig && !shared.ActiesAanwezig) ladderView.clearPicture = QStringLiteral("BtnWissen.bmp");
    ladderView.changed();
}

void CommandInitialiseer_Click() {
    ActionRowView& cell = ladderView.action[0];
    cell.addButtonVisible = false;
    cell.frameVisible = true;
    ladderView.changed();
}

void ActionEditor::CommandVerwijderActie_Click() {
    const auto edited = editedRow();
    if (!edited) return;
    const int r = *edited;
    ActionRowView& cell = editedCell();
    cell.frameVisible = false;
    if (r != 0) cell.addButtonVisible = true;  // row 0 comes back through CommandInitialiseer
    cell.frameColor = kColorActionBlue;
    for (CaptionPanel& line : cell.lines) {
        line.caption.clear();
        line.backColor = kColorActionGrey;
    }
    cell.lines[kActionInterface].foreColor = kColorButtonText;
    // The sound names stay: making the row a sound again clears them.
    shared.Acties[std::size_t(r)].fill(0);
    ladderView.changed();
    close();
    IsErEenProgramma();
    if (!shared.ConditiesAanwezig && !shared.ActiesAanwezig) {
        ladderView.clearPicture = QStringLiteral("BtnWissenLeeg.bmp");
        ladderView.changed();
    }
}

}  // namespace tamberlo
