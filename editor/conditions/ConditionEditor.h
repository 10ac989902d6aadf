#pragma once
// The condition editor: the tab control `TabCondities` over the three edit
// panels, and the command panel `PanelTabConditiesBewerkCommands` with OK,
// delete and the rung table that shows the raw rows. It edits condition cell
// BewerkNummer in place in the main window.

#include "ControlArray.h"
#include "EditorFrame.h"
#include "ValueScrollBar.h"

namespace tamberlo {

class InputConditionPanel;
class TimeConditionPanel;
class MemoryKeyVariablePanel;

class ConditionEditor : public EditorFrame {
    Q_OBJECT
public:
    ConditionEditor();

    // The tab control at the top of `area`, the command panel below it.
    void place(const QRect& area) override;
    // Re-captions every fixed text of the editor in the current language.
    void caption();

    // The edit button on condition cell i (1..270).
    void CommandPanelConditie_Click(int index);
    // The user chose tab `tab`: the edited condition becomes that kind.
    void TabCondities_Click(int tab);
    void CommandOKConditie_Click();
    void CommandVerwijderConditie_Click();
    // The rung table shows the rows of the rung its scroll bar chose.
    void CommandVervers_Click();

    EditorTabs* const TabCondities = tabs_;
    InputConditionPanel* PanelConditieBewerkIngang;
    TimeConditionPanel* PanelConditieBewerkTijd;
    MemoryKeyVariablePanel* PanelConditieBewerkGehToetsVar;
    Panel3D* const PanelTabConditiesBewerkCommands = commands_;
    QPushButton* const CommandOKConditie = ok_;
    QPushButton* const CommandVerwijderConditie = remove_;
    // The rung table: the raw integers of one rung's conditions and action.
    ValueScrollBar* HScroll1;
    Panel3D* PanelAktieveConditieActie;
    QPushButton* CommandVervers;
    ControlArray<Panel3D> PanelConditieIntegerITG{1, 18};
    ControlArray<Panel3D> PanelActieIntegerITG{1, 10};

private:
    void buildCommands();
    // Shows the panel of the tab `tab` for the edited cell.
    void showKind(int tab, QWidget* panel);
};

// The one condition editor, made at the first reference.
ConditionEditor& conditionEditor();
// Whether it was made (the language switch need not make it).
bool conditionEditorExists();

}  // namespace tamberlo
