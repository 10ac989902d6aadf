#include "ConditionEditor.h"

#include "Dialogs.h"
#include "EditedCondition.h"
#include "EditorHooks.h"
#include "ExplanatoryPictureSurfaces.h"
#include "FontSize.h"
#include "InputConditionPanel.h"
#include "LadderPresence.h"
#include "MemoryKeyVariablePanel.h"
#include "RefusalTexts.h"
#include "ShrinkToFit.h"
#include "SoleWindow.h"
#include "TimeConditionPanel.h"

namespace tamberlo {

namespace {

SoleWindow<ConditionEditor> editor;

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

constexpr qreal kTablePoints = 7;

// The rung table's narrow cells show up to four digits in their small font; a
// wider number (five digits, or a sign: only a hand-edited file holds one)
// gets a font made smaller until it fits.
void showNumber(Panel3D* cell, int value) {
    const QString text = QString::number(value);
    QFont wanted = cell->font();
    wanted.setPointSizeF(kTablePoints);
    const int room = cell->width() - 2 * cell->BevelWidth() - 2;
    cell->setFont(ShrinkToFit(wanted, [&](const QFont& font) {
        return QFontMetrics(font).boundingRect(QRect(0, 0, room, 100), Qt::AlignCenter, text).width() <= room;
    }));
    cell->SetCaption(text);
}

}  // namespace

ConditionEditor& conditionEditor() { return editor.get(); }

bool conditionEditorExists() { return editor.exists(); }

ConditionEditor::ConditionEditor()
    : EditorFrame(OpenEditor::Condition,
                  {"TabCondities", "PanelTabConditiesBewerkCommands", "CommandOKConditie", "CommandVerwijderConditie"},
                  {"Conditie", "Condition", 0xC0FFC0}) {
    for (int t = 0; t < 3; ++t) TabCondities->addTab(QString());
    PanelConditieBewerkIngang = new InputConditionPanel;
    PanelConditieBewerkTijd = new TimeConditionPanel;
    PanelConditieBewerkGehToetsVar = new MemoryKeyVariablePanel(*PanelConditieBewerkTijd);
    for (QWidget* p :
         std::initializer_list<QWidget*>{PanelConditieBewerkIngang, PanelConditieBewerkTijd, PanelConditieBewerkGehToetsVar})
        TabCondities->addPanel(p);
    TabCondities->onClick([this](int tab) { TabCondities_Click(tab); });
    for (int k = 0; k <= 4; ++k) showsExplanatoryPicture(PanelConditieBewerkIngang->OptionWelkeInterfaceIn(k), 1, k);
    hidesExplanatoryPicture(PanelConditieBewerkIngang);
    hidesExplanatoryPicture(PanelConditieBewerkTijd);
    buildCommands();
    caption();
}

void ConditionEditor::buildCommands() {
    Panel3D* commands = PanelTabConditiesBewerkCommands;
    commands->resize(185, 200);
    CommandOKConditie->setGeometry(4, 4, 86, 32);
    CommandVerwijderConditie->setGeometry(95, 4, 86, 32);
    connect(CommandOKConditie, &QPushButton::clicked, this, [this] { CommandOKConditie_Click(); });
    connect(CommandVerwijderConditie, &QPushButton::clicked, this, [this] { CommandVerwijderConditie_Click(); });

    HScroll1 = new ValueScrollBar(0, 90, 10, commands);
    HScroll1->setGeometry(4, 44, 104, 18);
    PanelAktieveConditieActie = new Panel3D(QStringLiteral("0"), commands);
    PanelAktieveConditieActie->setGeometry(110, 42, 28, 22);
    CommandVervers = new QPushButton(QStringLiteral("R"), commands);
    CommandVervers->setObjectName("CommandVervers");
    CommandVervers->setGeometry(142, 42, 38, 22);
    // The table's narrow panels show their numbers in a small font (showNumber).
    auto cellPanel = [commands](int x, int y) {
        auto* p = new Panel3D(commands);
        p->setGeometry(x, y, 29, 18);
        p->SetBackColor(0xFFFFFF);
        SetFontPointSize(p, kTablePoints);
        return p;
    };
    for (int k = 1; k <= 18; ++k) PanelConditieIntegerITG.set(k, cellPanel(4 + 29 * ((k - 1) % 6), 68 + 19 * ((k - 1) / 6)));
    for (int k = 1; k <= 10; ++k) PanelActieIntegerITG.set(k, cellPanel(4 + 35 * ((k - 1) % 5), 130 + 19 * ((k - 1) / 5)));
    for (int k = 1; k <= 10; ++k) PanelActieIntegerITG(k)->resize(34, 18);
    connect(HScroll1, &QScrollBar::valueChanged, PanelAktieveConditieActie,
            [this](int v) { PanelAktieveConditieActie->SetCaption(QString::number(v)); });
    connect(CommandVervers, &QPushButton::clicked, this, [this] { CommandVervers_Click(); });
}

void ConditionEditor::place(const QRect& area) {
    const int tabHeight = 470;
    TabCondities->setGeometry(area.x(), area.y(), area.width(), tabHeight);
    PanelTabConditiesBewerkCommands->setGeometry(area.x(), area.y() + tabHeight + 2, area.width(), 176);
}

void ConditionEditor::caption() {
    const CaptionTable table = conditionEditorCaptions();
    captionFrame(table, "TabCondities", "CommandVerwijderConditie");
    PanelConditieBewerkIngang->caption();
    PanelConditieBewerkTijd->caption();
    PanelConditieBewerkGehToetsVar->caption();
}

void ConditionEditor::showKind(int tab, QWidget* panel) {
    edited::colourAs(tab + 1);
    showTab(tab, panel);
}

void ConditionEditor::CommandPanelConditie_Click(int index) {
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

    open(index);
    switch (kind) {
    case 0:
    case 1:
        if (kind == 0) PanelConditieBewerkIngang->ResetPanelConditieBewerkIngang();
        else fillKeepingRow([this] { PanelConditieBewerkIngang->SetPanelConditieBewerkIngang(); });
        showKind(0, PanelConditieBewerkIngang);
        shared.Condities[std::size_t(index)][0] = 1;
        break;
    case 2:
        fillKeepingRow([this] { PanelConditieBewerkTijd->SetPanelConditieBewerkTijd(); });
        showKind(1, PanelConditieBewerkTijd);
        break;
    case 3:
        fillKeepingRow([this] { PanelConditieBewerkGehToetsVar->SetPanelConditieBewerkGehToetsVar(); });
        showKind(2, PanelConditieBewerkGehToetsVar);
        break;
    }
}

void ConditionEditor::TabCondities_Click(int tab) {
    if (shared.TabVulBezig) return;
    const int i = edited::cell();
    if (i == 0 || tab < 0 || tab > 2) return;
    QWidget* panels[3] = {PanelConditieBewerkIngang, PanelConditieBewerkTijd, PanelConditieBewerkGehToetsVar};
    ConditionRow& r = edited::row();
    // The tab of the kind the cell already has: nothing to reset.
    if (r[0] != tab + 1) {
        edited::colourAs(tab + 1);
        if (tab == 0) {
            PanelConditieBewerkIngang->ResetPanelConditieBewerkIngang();
            r = ConditionRow{1, 10, 1, 0, 0, 0};
        } else if (tab == 1) {
            PanelConditieBewerkTijd->ResetPanelConditieBewerkTijd();
        } else {
            PanelConditieBewerkGehToetsVar->ResetPanelConditieBewerkGehToetsVar();
        }
    }
    TabCondities->bringToFront(panels[tab]);
}

void ConditionEditor::CommandOKConditie_Click() {
    if (!isOpen()) return;
    if (const int i = edited::cell()) {
        ladderView.cell[std::size_t(i)].frameColor = kColorCellGreen;
        ladderView.changed();
    }
    close();
}

void ConditionEditor::CommandVerwijderConditie_Click() {
    const int i = edited::cell();
    if (i == 0) return;
    ConditionCellView& cell = ladderView.cell[std::size_t(i)];
    cell.addButtonVisible = true;
    cell.frameVisible = false;
    for (auto& line : cell.lines) {
        line.caption.clear();
        line.backColor = kColorCellGrey;
    }
    cell.frameColor = kColorCellGreen;
    shared.Condities[std::size_t(i)] = ConditionRow{};
    ladderView.changed();
    close();
    IsErEenProgramma();
    if (!shared.ConditiesAanwezig && !shared.ActiesAanwezig) ladderView.clearPicture = QStringLiteral("BtnWissenLeeg.bmp");
}

void ConditionEditor::CommandVervers_Click() {
    const int r = HScroll1->value();
    if (r < 0 || r > kRungs) return;
    if (r != 0)
        for (int k = 1; k <= 6; ++k)
            for (int c = 0; c < 3; ++c)
                showNumber(PanelConditieIntegerITG(k + 6 * c), shared.Condities[std::size_t(3 * r - 2 + c)][std::size_t(k - 1)]);
    for (int k = 1; k <= 10; ++k) showNumber(PanelActieIntegerITG(k), shared.Acties[std::size_t(r)][std::size_t(k - 1)]);
}

}  // namespace tamberlo
