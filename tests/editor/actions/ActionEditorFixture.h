#pragma once
// An action editor on a bare window (the main window's header and control
// panel stand in as plain widgets), a fresh ladder, scripted dialogs and a
// temporary program folder.

#include <gtest/gtest.h>

#include <QLocale>

#include <memory>
#include <string>
#include <vector>

#include "ActionEditor.h"
#include "EditorHooks.h"
#include "FakeDialogs.h"
#include "LadderView.h"
#include "MemoryVariablePanel.h"
#include "OutputPanel.h"
#include "SharedState.h"
#include "SoundPanel.h"
#include "TempHome.h"
#include "TimersPanel.h"

namespace tamberlo::test {

using Lines = std::vector<std::string>;

inline Lines captionsOf(int r) {
    Lines out;
    for (const auto& line : ladderView.action[std::size_t(r)].lines) out.push_back(line.caption.toStdString());
    return out;
}

class ActionEditorFixture : public ::testing::Test {
protected:
    void SetUp() override {
        shared = SharedState{};
        ladderView = LadderView{};
        openEditor = {};
        QLocale::setDefault(QLocale::c());
        window = std::make_unique<QWidget>();
        window->resize(185, 820);
        header = new Panel3D(QStringLiteral("Beheer"), window.get());
        header->setGeometry(0, 0, 185, 54);
        controlPanel = new QWidget(window.get());
        editor = &actionEditor();
        editor->placeIn(window.get(), QRect(0, 56, 185, 764), {header, controlPanel});
        output = editor->PanelActieBewerkUitgang;
        timers = editor->PanelActieBewerkTimers;
        memory = editor->PanelActieBewerkGehVar;
        sound = editor->PanelActieBewerkGeluid;
    }
    void TearDown() override {
        window.reset();
        QLocale::setDefault(QLocale::system());
    }

    void open(int r) { editor->CommandPanelActie_Click(r); }
    void ok() { editor->CommandOKActie_Click(); }
    void chooseTab(int tab) { editor->TabActies->select(tab, Handler::RunIfChanged); }
    void language(bool english) {
        shared.TaalVlag = english;
        editor->caption();
    }

    TempHome home;
    FakeDialogs dialogs;
    std::unique_ptr<QWidget> window;
    Panel3D* header = nullptr;
    QWidget* controlPanel = nullptr;
    ActionEditor* editor = nullptr;  // owned by the window, made anew for each test
    OutputPanel* output = nullptr;
    TimersPanel* timers = nullptr;
    MemoryVariablePanel* memory = nullptr;
    SoundPanel* sound = nullptr;
};

}  // namespace tamberlo::test
