#include "ConditionLinks.h"

#include "ConditionCellLook.h"
#include "Dialogs.h"
#include "EditorHooks.h"
#include "LadderView.h"
#include "RefusalTexts.h"
#include "SharedState.h"

namespace tamberlo {

void CommandVoegConditieToe_Click(int index) {
    if (index < 1 || index > kConditions) return;
    if (shared.ProgrammaStatus != 0) {
        dialogs().MsgBox(runningRefusal(), MsgButtons::Ok);
        return;
    }
    ConditionCellView& cell = ladderView.cell[std::size_t(index)];
    cell.addButtonVisible = false;
    cell.frameVisible = true;
    if (!shared.ConditiesAanwezig && !shared.ActiesAanwezig) ladderView.clearPicture = QStringLiteral("BtnWissen.bmp");
    ladderView.changed();
}

void CommandVoegConditieToeVertikaal_Click(int index) {
    if (index % 3 != 0 || index < 3 || index > kConditions - 3) return;
    const int rungBelow = index / 3 + 1;
    // The cell in edit would otherwise be emptied under the editor's hands.
    if (openEditor.kind == OpenEditor::Condition && (openEditor.number - 1) / 3 + 1 == rungBelow) {
        dialogs().MsgBox(closeEditorFirst(), MsgButtons::Ok);
        return;
    }
    const bool unlink = ladderView.cell[std::size_t(index)].linkLineVisible;
    ladderView.cell[std::size_t(index)].linkLineVisible = !unlink;
    for (int k = index + 1; k <= index + 3; ++k) {
        ConditionCellView& cell = ladderView.cell[std::size_t(k)];
        cell.wireVisible = unlink;
        cell.addButtonVisible = unlink;
        if (!unlink) {
            cell.frameVisible = false;
            cell.frameColor = kColorCellGreen;
            for (auto& line : cell.lines) {
                line.caption.clear();
                line.backColor = kColorCellGrey;
            }
        }
        shared.Condities[std::size_t(k)] = ConditionRow{Integer(unlink ? 0 : 4), 0, 0, 0, 0, 0};
    }
    ActionRowView& rung = ladderView.action[std::size_t(rungBelow)];
    rung.supplyVisible = unlink;
    rung.orWireVisible = !unlink;
    ladderView.changed();
}

}  // namespace tamberlo
