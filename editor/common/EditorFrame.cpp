#include "EditorFrame.h"

#include <string>

#include "CodeSetting.h"
#include "ExplanatoryPictureSurfaces.h"
#include "LanguageText.h"
#include "SharedState.h"
#include "ValueScrollBar.h"
#include "WholeCaption.h"

namespace tamberlo {

EditorFrame::EditorFrame(OpenEditor::Kind kind, Names names, Heading heading) : kind_(kind), heading_(heading) {
    tabs_ = new EditorTabs;
    tabs_->setObjectName(names.tabs);
    hidesExplanatoryPicture(tabs_);
    tabs_->hide();
    connect(tabs_, &EditorTabs::choiceMade, this, &EditorFrame::showEveryValue);
    commands_ = new Panel3D;
    commands_->setObjectName(names.commands);
    ok_ = new QPushButton(QStringLiteral("OK"), commands_);
    ok_->setObjectName(names.ok);
    remove_ = new QPushButton(commands_);
    remove_->setObjectName(names.remove);
    commands_->hide();
}

EditorFrame::~EditorFrame() {
    // Placed on a window, the controls are the window's; otherwise the editor's own.
    if (placed_) return;
    delete tabs_;
    delete commands_;
}

void EditorFrame::placeIn(QWidget* window, const QRect& area, EditArea around) {
    setParent(window);
    placed_ = window != nullptr;
    header_ = around.header;
    controlPanel_ = around.controlPanel;
    tabs_->setParent(window);
    commands_->setParent(window);
    place(area);
    // A new parent hides a control: an open editor stays shown.
    tabs_->setVisible(isOpen());
    commands_->setVisible(isOpen());
}

void EditorFrame::open(int number) {
    // A value box emptied for the row shown before shows its bar's value again; this row's fill may empty it anew.
    showEveryValue();
    shared.BewerkNummer = Integer(number);
    openEditor = OpenEditor{kind_, number};
    if (controlPanel_) controlPanel_->hide();
    setHeader(true);
}

void EditorFrame::showTab(int tab, QWidget* panel) {
    {
        FillGuard guard(shared.TabVulBezig);
        tabs_->select(tab, Handler::Skip);
        tabs_->show();
    }
    tabs_->bringToFront(panel);
    commands_->show();
}

void EditorFrame::close() {
    commands_->hide();
    hideExplanatoryPicture();
    tabs_->hide();
    shared.BewerkNummer = 0;
    openEditor = OpenEditor{};
    if (controlPanel_) controlPanel_->show();
    setHeader(false);
}

void EditorFrame::showEveryValue() {
    // A box shows its bar's value unless showNoValue emptied it: showing them all refills just those.
    for (ValueScrollBar* bar : tabs_->findChildren<ValueScrollBar*>()) bar->showValue();
}

void EditorFrame::setHeader(bool editing) {
    if (!header_) return;
    header_->SetCaption(editing ? T(heading_.dutch, heading_.english) : T("Beheer", "Management"));
    header_->SetBackColor(editing ? heading_.colour : 0xE0E0E0);
}

void EditorFrame::captionFrame(CaptionTable table, const char* tabsName, const char* removeName) {
    for (int t = 0; t < tabs_->count(); ++t) {
        const std::string tab = std::string(tabsName) + "(" + std::to_string(t) + ")";
        if (findCaption(table, tab)) tabs_->setTabCaption(t, captionOf(table, tab));
    }
    SetButtonCaption(remove_, captionOf(table, removeName));
}

}  // namespace tamberlo
