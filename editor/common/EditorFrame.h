#pragma once
// The frame both cell editors share on the main window: a tab control over
// the edit panels and a command panel with OK and Delete. Opening a cell
// makes it the edited one (BewerkNummer, openEditor), hides the main window's
// control panel and turns the header over it into the editor's; closing puts
// both back. Each editor exists once, made at its first reference, and is
// placed on the main window, which then owns it.

#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <QRect>

#include "CaptionTable.h"
#include "EditorHooks.h"
#include "EditorTabs.h"
#include "LadderView.h"
#include "Panel3D.h"

namespace tamberlo {

// The main window's parts around the edit area: the header over it and the
// control panel it replaces.
struct EditArea {
    Panel3D* header = nullptr;        // PanelKopInstellingen
    QWidget* controlPanel = nullptr;  // PanelBesturing
};

class EditorFrame : public QObject {
    Q_OBJECT
public:
    // The names of the frame's controls.
    struct Names {
        const char* tabs;
        const char* commands;
        const char* ok;
        const char* remove;
    };
    // The header's caption and colour while a cell of this editor is open.
    struct Heading {
        const char* dutch;
        const char* english;
        VbColor colour;
    };

    ~EditorFrame() override;

    // Puts the frame on `window` within `area` (the control panel's place);
    // the window then owns the editor and its controls.
    void placeIn(QWidget* window, const QRect& area, EditArea around);
    // Lays the frame out within `area`, again after the window was resized.
    virtual void place(const QRect& area) = 0;
    // Whether a cell of this editor is open.
    bool isOpen() const { return openEditor.kind == kind_; }

protected:
    EditorFrame(OpenEditor::Kind kind, Names names, Heading heading);

    // Makes `number` the edited cell and gives the editor the header.
    void open(int number);
    // Shows tab `tab` with `panel` in front, without running the tab's
    // handler, and the command panel.
    void showTab(int tab, QWidget* panel);
    // Hides the frame and the explanatory picture and ends editing.
    void close();
    // The tabs' and the Delete button's captions from `table`; a tab the
    // table does not list keeps its caption.
    void captionFrame(CaptionTable table, const char* tabsName, const char* removeName);

    EditorTabs* tabs_;
    Panel3D* commands_;
    QPushButton* ok_;
    QPushButton* remove_;

private:
    void setHeader(bool editing);
    // Every value box on the panels shows its bar's value again: one emptied
    // for a row that could not be shown (ValueScrollBar::showNoValue) counts
    // only until the user chooses something or another row opens.
    void showEveryValue();

    OpenEditor::Kind kind_;
    Heading heading_;
    QPointer<Panel3D> header_;
    QPointer<QWidget> controlPanel_;
    bool placed_ = false;
};

}  // namespace tamberlo
