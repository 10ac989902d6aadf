#pragma once
// The action editor: the tab control `TabActies` with the output, timers,
// memory and variable, and sound panels, and the command panel with OK and
// Delete. It edits action row BewerkNummer in place in the main window,
// whose control panel gives way while a row is open. One instance, made by
// the main window.

#include <QObject>
#include <QPushButton>
#include <QRect>

#include "EditorTabs.h"
#include "Panel3D.h"

namespace tamberlo {

class MemoryVariablePanel;
class OutputPanel;
class SoundPanel;
class TimersPanel;

// The main window's parts around the edit area: the header over it and the
// control panel it replaces.
struct EditArea {
    Panel3D* header = nullptr;        // PanelKopInstellingen
    QWidget* controlPanel = nullptr;  // PanelBesturing
};

class ActionEditor : public QObject {
    Q_OBJECT
public:
    // The editor's controls are made on `parent`, hidden until a row is opened.
    ActionEditor(QWidget* parent, EditArea area);
    ~ActionEditor() override;
    static ActionEditor* instance();

    // The tab control over `area`, the command panel along its bottom.
    void place(const QRect& area);

    // The edit button on action cell r (0..90).
    void CommandPanelActie_Click(int r);
    // The user chose tab `tab`: the edited action becomes that kind.
    void TabActies_Click(int tab);
    void CommandOKActie_Click();
    void CommandVerwijderActie_Click();

    void caption();

    EditorTabs* TabActies;
    OutputPanel* PanelActieBewerkUitgang;
    TimersPanel* PanelActieBewerkTimers;
    MemoryVariablePanel* PanelActieBewerkGehVar;
    SoundPanel* PanelActieBewerkGeluid;
    Panel3D* PanelTabActiesBewerkCommands;
    QPushButton* CommandOKActie;
    QPushButton* CommandVerwijderActie;

private:
    void showTab(int tab, QWidget* panel);
    void setHeader(bool editing);
    void close();

    EditArea area_;
};

}  // namespace tamberlo
