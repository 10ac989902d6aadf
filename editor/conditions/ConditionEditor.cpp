#include "ConditionEditor.h"

#include "CaptionTable.h"
#include "Dialogs.h"
#include "EditedCondition.h"
#include "EditorHooks.h"
#include "ExplanatoryPictureSurfaces.h"
#include "FontSize.h"
#include "InputConditionPanel.h"
#include "LadderPresence.h"
#include "MemoryKeyVariablePanel.h"
#include "RefusalTexts.h"
#include "TimeConditionPanel.h"

namespace tamberlo {

namespace {

QPointer<ConditionEditor>& instance() {
    static QPointer<ConditionEditor> editor;
    return editor;
}

void header(const char* dutch, const char* english, VbColor colour) {
    ConditionEditor& e = conditionEditor();
    if (e.PanelKopInstellingen) {
        e.PanelKopInstellingen->SetCaption(edited::T(dutch, english));
        e.PanelKopInstellingen->SetBackColor(colour);
    }
}

void showControlPanel(bool show) {
    if (QWidget* p = conditionEditor().PanelBesturing) p->setVisible(show);
}

// A panel's fill must show the stored row, never change it: a row this editor
// cannot show (a hand-edited file) is given back as it was, with the lines a
// file read draws from it.
template <class Fill>
void fillKeepingRow(Fill fill) {
    const ConditionRow stored = edited::row();
    fill();
    if (edited::row() == stored) return;
    edited::row() = stored;
    edited::redrawFromRow();
}

void closeEditing() {
    ConditionEditor& e = conditionEditor();
    e.PanelTabConditiesBewerkCommands->hide();
    hideExplanatoryPicture();
    e.TabCondities->hide();
}

void endEditing() {
    shared.BewerkNummer = 0;
    openEditor = OpenEditor{};
    showControlPanel(true);
    header("Beheer", "Management", 0xE0E0E0);
}

}  // namespace

ConditionEditor& conditionEditor() {
    if (!instance()) instance() = new ConditionEditor;
    return *instance();
}

bool conditionEditorExists() { return !instance().isNull(); }

ConditionEditor::ConditionEditor() {
    TabCondities = new EditorTabs;
    TabCondities->setObjectName("TabCondities");
    for (int t = 0; t < 3; ++t) TabCondities->addTab(QString());
    PanelConditieBewerkIngang = new InputConditionPanel;
    PanelConditieBewerkTijd = new TimeConditionPanel;
    PanelConditieBewerkGehToetsVar = new MemoryKeyVariablePanel(*PanelConditieBewerkTijd);
    for (QWidget* p :
         std::initializer_list<QWidget*>{PanelConditieBewerkIngang, PanelConditieBewerkTijd, PanelConditieBewerkGehToetsVar})
        TabCondities->addPanel(p);
    TabCondities->onClick([](int tab) { TabCondities_Click(tab); });
    for (int k = 0; k <= 4; ++k) showsExplanatoryPicture(PanelConditieBewerkIngang->OptionWelkeInterfaceIn(k), 1, k);
    hidesExplanatoryPicture(PanelConditieBewerkIngang);
    hidesExplanatoryPicture(PanelConditieBewerkTijd);
    hidesExplanatoryPicture(TabCondities);
    TabCondities->hide();
    buildCommands();
    caption();
}

ConditionEditor::~ConditionEditor() {
    // Placed on a window, the widgets are the window's; otherwise the editor's own.
    if (placed_) return;
    delete TabCondities;
    delete PanelTabConditiesBewerkCommands;
}

void ConditionEditor::buildCommands() {
    PanelTabConditiesBewerkCommands = new Panel3D;
    PanelTabConditiesBewerkCommands->setObjectName("PanelTabConditiesBewerkCommands");
    PanelTabConditiesBewerkCommands->resize(185, 200);
    Panel3D* commands = PanelTabConditiesBewerkCommands;
    CommandOKConditie = new QPushButton(QStringLiteral("OK"), commands);
    CommandOKConditie->setObjectName("CommandOKConditie");
    CommandOKConditie->setGeometry(4, 4, 86, 32);
    CommandVerwijderConditie = new QPushButton(commands);
    CommandVerwijderConditie->setObjectName("CommandVerwijderConditie");
    CommandVerwijderConditie->setGeometry(95, 4, 86, 32);
    QObject::connect(CommandOKConditie, &QPushButton::clicked, [] { CommandOKConditie_Click(); });
    QObject::connect(CommandVerwijderConditie, &QPushButton::clicked, [] { CommandVerwijderConditie_Click(); });

    HScroll1 = new ValueScrollBar(0, 90, 10, commands);
    HScroll1->setGeometry(4, 44, 104, 18);
    PanelAktieveConditieActie = new Panel3D(QStringLiteral("0"), commands);
    PanelAktieveConditieActie->setGeometry(110, 42, 28, 22);
    CommandVervers = new QPushButton(QStringLiteral("R"), commands);
    CommandVervers->setObjectName("CommandVervers");
    CommandVervers->setGeometry(142, 42, 38, 22);
    // The table's narrow panels show four-digit values in a small font.
    auto cellPanel = [commands](int x, int y) {
        auto* p = new Panel3D(commands);
        p->setGeometry(x, y, 29, 18);
        p->SetBackColor(0xFFFFFF);
        SetFontPointSize(p, 7);
        return p;
    };
    for (int k = 1; k <= 18; ++k) PanelConditieIntegerITG.set(k, cellPanel(4 + 29 * ((k - 1) % 6), 68 + 19 * ((k - 1) / 6)));
    for (int k = 1; k <= 10; ++k) PanelActieIntegerITG.set(k, cellPanel(4 + 35 * ((k - 1) % 5), 130 + 19 * ((k - 1) / 5)));
    for (int k = 1; k <= 10; ++k) PanelActieIntegerITG(k)->resize(34, 18);
    QObject::connect(HScroll1, &QScrollBar::valueChanged, PanelAktieveConditieActie,
                     [this](int v) { PanelAktieveConditieActie->SetCaption(QString::number(v)); });
    QObject::connect(CommandVervers, &QPushButton::clicked, [] { CommandVervers_Click(); });
    commands->hide();
}

void ConditionEditor::placeIn(QWidget* window, const QRect& area, Panel3D* header, QWidget* controlPanel) {
    setParent(window);
    placed_ = window != nullptr;
    const int tabHeight = 470;
    TabCondities->setParent(window);
    TabCondities->setGeometry(area.x(), area.y(), area.width(), tabHeight);
    PanelTabConditiesBewerkCommands->setParent(window);
    PanelTabConditiesBewerkCommands->setGeometry(area.x(), area.y() + tabHeight + 2, area.width(), 176);
    TabCondities->setVisible(openEditor.kind == OpenEditor::Condition);
    PanelTabConditiesBewerkCommands->setVisible(openEditor.kind == OpenEditor::Condition);
    PanelKopInstellingen = header;
    PanelBesturing = controlPanel;
}

void ConditionEditor::caption() {
    const CaptionTable table = conditionEditorCaptions();
    for (int t = 0; t < 3; ++t) TabCondities->setTabCaption(t, captionOf(table, "TabCondities(" + std::to_string(t) + ")"));
    CommandVerwijderConditie->setText(captionOf(table, "CommandVerwijderConditie"));
    PanelConditieBewerkIngang->caption();
    PanelConditieBewerkTijd->caption();
    PanelConditieBewerkGehToetsVar->caption();
}

void CommandPanelConditie_Click(int index) {
    if (index < 1 || index > kConditions) return;
    if (shared.ProgrammaStatus == 1) {
        dialogs().MsgBox(runningRefusal(), MsgButtons::Ok);
        return;
    }
    // Any open editor counts, the start-only action row (number 0) included.
    if (openEditor.isOpen() || shared.BewerkNummer != 0) {
        dialogs().MsgBox(closeEditorFirst(), MsgButtons::Ok);
        return;
    }
    const int kind = shared.Condities[std::size_t(index)][0];
    // A link cell has no editor, and a kind no program writes opens none.
    if (kind < 0 || kind > 3) return;

    ConditionEditor& e = conditionEditor();
    shared.BewerkNummer = Integer(index);
    openEditor = OpenEditor{OpenEditor::Condition, index};
    showControlPanel(false);
    header("Conditie", "Condition", 0xC0FFC0);

    auto showTab = [&e](int tab, QWidget* panel) {
        {
            FillGuard guard(shared.TabVulBezig);
            e.TabCondities->select(tab, Handler::RunIfChanged);
            e.TabCondities->show();
        }
        e.TabCondities->bringToFront(panel);
        e.PanelTabConditiesBewerkCommands->show();
    };
    switch (kind) {
    case 0:
    case 1:
        if (kind == 0) e.PanelConditieBewerkIngang->ResetPanelConditieBewerkIngang();
        else fillKeepingRow([&e] { e.PanelConditieBewerkIngang->SetPanelConditieBewerkIngang(); });
        edited::colourAs(1);
        showTab(0, e.PanelConditieBewerkIngang);
        shared.Condities[std::size_t(index)][0] = 1;
        break;
    case 2:
        fillKeepingRow([&e] { e.PanelConditieBewerkTijd->SetPanelConditieBewerkTijd(); });
        edited::colourAs(2);
        showTab(1, e.PanelConditieBewerkTijd);
        break;
    case 3:
        fillKeepingRow([&e] { e.PanelConditieBewerkGehToetsVar->SetPanelConditieBewerkGehToetsVar(); });
        edited::colourAs(3);
        showTab(2, e.PanelConditieBewerkGehToetsVar);
        break;
    }
}

void TabCondities_Click(int tab) {
    if (shared.TabVulBezig) return;
    const int i = edited::cell();
    if (i == 0 || tab < 0 || tab > 2) return;
    ConditionEditor& e = conditionEditor();
    QWidget* panels[3] = {e.PanelConditieBewerkIngang, e.PanelConditieBewerkTijd, e.PanelConditieBewerkGehToetsVar};
    ConditionRow& r = edited::row();
    // The tab of the kind the cell already has: nothing to reset.
    if (r[0] != tab + 1) {
        edited::colourAs(tab + 1);
        if (tab == 0) {
            e.PanelConditieBewerkIngang->ResetPanelConditieBewerkIngang();
            r = ConditionRow{1, 10, 1, 0, 0, 0};
        } else if (tab == 1) {
            e.PanelConditieBewerkTijd->ResetPanelConditieBewerkTijd();
        } else {
            e.PanelConditieBewerkGehToetsVar->ResetPanelConditieBewerkGehToetsVar();
        }
    }
    e.TabCondities->bringToFront(panels[tab]);
}

void CommandOKConditie_Click() {
    if (!conditionEditorExists() || openEditor.kind != OpenEditor::Condition) return;
    closeEditing();
    if (const int i = edited::cell()) {
        ladderView.cell[std::size_t(i)].frameColor = kColorCellGreen;
        ladderView.changed();
    }
    endEditing();
}

void CommandVerwijderConditie_Click() {
    const int i = edited::cell();
    if (i == 0) return;
    ConditionCellView& cell = ladderView.cell[std::size_t(i)];
    cell.addButtonVisible = true;
    cell.frameVisible = false;
    closeEditing();
    for (auto& line : cell.lines) {
        line.caption.clear();
        line.backColor = kColorCellGrey;
    }
    cell.frameColor = kColorCellGreen;
    shared.Condities[std::size_t(i)] = ConditionRow{};
    ladderView.changed();
    endEditing();
    IsErEenProgramma();
    if (!shared.ConditiesAanwezig && !shared.ActiesAanwezig) ladderView.clearPicture = QStringLiteral("BtnWissenLeeg.bmp");
}

void CommandVervers_Click() {
    ConditionEditor& e = conditionEditor();
    const int r = e.HScroll1->value();
    if (r < 0 || r > kRungs) return;
    auto show = [](Panel3D* panel, int value) { panel->SetCaption(QString::number(value)); };
    if (r != 0)
        for (int k = 1; k <= 6; ++k)
            for (int c = 0; c < 3; ++c)
                show(e.PanelConditieIntegerITG(k + 6 * c), shared.Condities[std::size_t(3 * r - 2 + c)][std::size_t(k - 1)]);
    for (int k = 1; k <= 10; ++k) show(e.PanelActieIntegerITG(k), shared.Acties[std::size_t(r)][std::size_t(k - 1)]);
}

}  // namespace tamberlo
