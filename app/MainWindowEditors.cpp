#include "MainWindowEditors.h"

#include "ActionEditor.h"
#include "ActionRows.h"
#include "ConditionEditor.h"
#include "ConditionLinks.h"
#include "LadderButtons.h"
#include "LadderProgrammeren.h"
#include "SoundPanel.h"

namespace tamberlo {

void LadderProgrammeren::buildEditors() {
    // The editors take the control panel's place while a cell is edited.
    const EditArea around{PanelKopInstellingen, PanelBesturing};
    conditionEditor().placeIn(this, PanelBesturing->geometry(), around);
    actionEditor().placeIn(this, PanelBesturing->geometry(), around);
    ladderButtons.CommandPanelConditie = [](int i) { conditionEditor().CommandPanelConditie_Click(i); };
    ladderButtons.CommandVoegConditieToe = [](int i) { CommandVoegConditieToe_Click(i); };
    ladderButtons.CommandVoegConditieToeVertikaal = [](int i) { CommandVoegConditieToeVertikaal_Click(i); };
    ladderButtons.CommandPanelActie = [](int r) { actionEditor().CommandPanelActie_Click(r); };
    ladderButtons.CommandVoegActieToe = [](int r) { CommandVoegActieToe_Click(r); };

    // Beside the start-only row's cell, under its note: the one way to that row.
    CommandInitialiseer->setParent(PictureProgrammeerVenster);
    CommandInitialiseer->setGeometry(630, 40, 110, 26);
    CommandInitialiseer->setVisible(true);
    connect(CommandInitialiseer, &QPushButton::clicked, this, [] { CommandInitialiseer_Click(); });
}

void placeEditors(LadderProgrammeren& window) {
    const QRect area = window.PanelBesturing->geometry();
    if (conditionEditorExists()) conditionEditor().place(area);
    if (actionEditorExists()) actionEditor().place(area);
}

void showProgramFolderInSoundPicker() { actionEditor().PanelActieBewerkGeluid->showProgramFolder(); }

}  // namespace tamberlo
