#pragma once
// The condition editor's frame on the main window: the tab control
// `TabCondities` over the three edit panels, and the command panel
// `PanelTabConditiesBewerkCommands` with OK, delete and the rung table that
// shows the raw rows. It exists once, made the first time it is referred to;
// the main window places it and hands it its header and control panel.

#include <QPointer>
#include <QPushButton>
#include <QWidget>

#include "ControlArray.h"
#include "EditorTabs.h"
#include "Panel3D.h"
#include "ValueScrollBar.h"

namespace tamberlo {

class InputConditionPanel;
class TimeConditionPanel;
class MemoryKeyVariablePanel;

class ConditionEditor : public QObject {
    Q_OBJECT
public:
    ConditionEditor();
    ~ConditionEditor() override;

    // Puts the tab area and the command panel on `window` within `area`
    // (the place of the control panel) and remembers the header the editor
    // re-captions and the control panel it hides while a cell is edited.
    void placeIn(QWidget* window, const QRect& area, Panel3D* header, QWidget* controlPanel);
    // Re-captions every fixed text of the editor in the current language.
    void caption();

    EditorTabs* TabCondities;
    InputConditionPanel* PanelConditieBewerkIngang;
    TimeConditionPanel* PanelConditieBewerkTijd;
    MemoryKeyVariablePanel* PanelConditieBewerkGehToetsVar;
    Panel3D* PanelTabConditiesBewerkCommands;
    QPushButton* CommandOKConditie;
    QPushButton* CommandVerwijderConditie;
    // The rung table: the raw integers of one rung's conditions and action.
    ValueScrollBar* HScroll1;
    Panel3D* PanelAktieveConditieActie;
    QPushButton* CommandVervers;
    ControlArray<Panel3D> PanelConditieIntegerITG{1, 18};
    ControlArray<Panel3D> PanelActieIntegerITG{1, 10};

    QPointer<Panel3D> PanelKopInstellingen;
    QPointer<QWidget> PanelBesturing;

private:
    void buildCommands();

    bool placed_ = false;
};

// The one editor, made on first reference.
ConditionEditor& conditionEditor();
// Whether it was made (the language switch need not make it).
bool conditionEditorExists();

// Handlers of the frame.
void CommandPanelConditie_Click(int index);
void TabCondities_Click(int tab);
void CommandOKConditie_Click();
void CommandVerwijderConditie_Click();
void CommandVervers_Click();

}  // namespace tamberlo
