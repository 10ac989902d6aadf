#include "MainWindowActionEditor.h"

#include "ActionEditor.h"
#include "ActionRows.h"
#include "LadderButtons.h"
#include "LadderProgrammeren.h"
#include "SoundPanel.h"

namespace tamberlo {

void LadderProgrammeren::buildActionEditor() {
    actionEditor = new ActionEditor(this, EditArea{PanelKopInstellingen, PanelBesturing});
    placeActionEditor(*this);
    ladderButtons.CommandPanelActie = [this](int r) { actionEditor->CommandPanelActie_Click(r); };
    ladderButtons.CommandVoegActieToe = [](int r) { CommandVoegActieToe_Click(r); };

    // Beside the start-only row's cell, under its note: the one way to that row.
    CommandInitialiseer->setParent(PictureProgrammeerVenster);
    CommandInitialiseer->setGeometry(630, 40, 110, 26);
    CommandInitialiseer->setVisible(true);
    connect(CommandInitialiseer, &QPushButton::clicked, this, [] { CommandInitialiseer_Click(); });
}

void placeActionEditor(LadderProgrammeren& window) {
    if (window.actionEditor) window.actionEditor->place(window.PanelBesturing->geometry());
}

void showProgramFolderInSoundPicker(LadderProgrammeren& window) {
    window.actionEditor->PanelActieBewerkGeluid->showProgramFolder();
}

}  // namespace tamberlo
