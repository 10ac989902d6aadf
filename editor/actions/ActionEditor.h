#pragma once
// The action editor: the tab control `TabActies` with the output, timers,
// memory and variable, and sound panels, and the command panel with OK and
// Delete. It edits action row BewerkNummer in place in the main window.

#include "EditorFrame.h"

namespace tamberlo {

class MemoryVariablePanel;
class OutputPanel;
class SoundPanel;
class TimersPanel;

class ActionEditor : public EditorFrame {
    Q_OBJECT
public:
    ActionEditor();

    // The tab control over `area`, the command panel along its bottom.
    void place(const QRect& area) override;
    void caption();

    // The edit button on action cell r (0..90).
    void CommandPanelActie_Click(int r);
    // The user chose tab `tab`: the edited action becomes that kind.
    void TabActies_Click(int tab);
    void CommandOKActie_Click();
    void CommandVerwijderActie_Click();

    EditorTabs* const TabActies = tabs_;
    OutputPanel* PanelActieBewerkUitgang;
    TimersPanel* PanelActieBewerkTimers;
    MemoryVariablePanel* PanelActieBewerkGehVar;
    SoundPanel* PanelActieBewerkGeluid;
    Panel3D* const PanelTabActiesBewerkCommands = commands_;
    QPushButton* const CommandOKActie = ok_;
    QPushButton* const CommandVerwijderActie = remove_;
};

// The one action editor, made at the first reference.
ActionEditor& actionEditor();
// Whether it was made (the language switch need not make it).
bool actionEditorExists();

}  // namespace tamberlo
