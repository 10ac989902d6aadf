// The toolbar: the hover highlight and its reset surfaces, the close
// button's right press, the font choice by control type and marker, the
// explanatory pictures and the language button's flag.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QMouseEvent>
#include <QRadioButton>
#include <QtTest/QTest>

#include <array>

#include <gtest/gtest.h>

#include "ActionEditor.h"
#include "ConditionEditor.h"
#include "Controls.h"
#include "EditorHooks.h"
#include "FakeDialogs.h"
#include "InputConditionPanel.h"
#include "LadderProgrammeren.h"
#include "LadderView.h"
#include "MainWindowCommands.h"
#include "OutputPanel.h"
#include "SharedState.h"
#include "StartUpFixture.h"
#include "TempHome.h"
#include "Windows.h"

namespace tamberlo::test {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kGrey = 0xD7D7D7;

// Counts the restyles (repaints in another colour) of the buttons it watches.
class RestyleCounter : public QObject {
public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::StyleChange) ++count;
        return false;
    }
};

class ToolbarTest : public ::testing::Test {
protected:
    TempHome home;
    FakeDialogs dialogs;
    std::vector<std::string> log;
    FakeKelvanor kelvanor{log};
    // What the font dialog answers: a font and a colour, or nothing (Cancel).
    std::optional<FontChoice> fontAnswer;
    InstalledServices installed{
        {.dialogs = &dialogs, .kelvanor = &kelvanor, .fontDialog = [this](const QFont&) { return fontAnswer; }}};

    void SetUp() override {
        shared = SharedState{};
        ladderView = LadderView{};
        // The program's pictures beside the program.
        QDir source(TAMBERLO_SOURCE_DIR "/assets/Afbeeldingen");
        QDir(home.path()).mkdir("Afbeeldingen");
        for (const QString& f : source.entryList(QDir::Files)) QFile::copy(source.filePath(f), home.file("Afbeeldingen/" + f));
    }
    void TearDown() override { forgetWindows(); }

    static void move(QWidget* w) {
        QMouseEvent e(QEvent::MouseMove, QPointF(3, 3), w->mapToGlobal(QPointF(3, 3)), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    static void press(QWidget* w, Qt::MouseButton b) {
        QMouseEvent e(QEvent::MouseButtonPress, QPointF(3, 3), w->mapToGlobal(QPointF(3, 3)), b, b, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    static std::uint32_t colour(const QPushButton* b) { return LadderProgrammeren::ButtonColor(b); }
};

TEST_F(ToolbarTest, HoverPaintsOncePerButtonAndSurfacesResetTheirLists) {
    LadderProgrammeren& w = mainWindow();
    w.show();
    RestyleCounter restyles;
    for (QPushButton* b : ToolbarButtons(w)) b->installEventFilter(&restyles);

    move(w.CommandStart);
    EXPECT_TRUE(shared.KnopAccent);
    EXPECT_EQ(colour(w.CommandStart), kWhite);
    const int onEntry = restyles.count;
    EXPECT_GE(onEntry, 1);
    move(w.CommandStart);  // moving within the button paints nothing
    move(w.CommandStart);
    EXPECT_EQ(restyles.count, onEntry);
    move(w.CommandTaal);  // the next button: white, the first grey again
    EXPECT_EQ(colour(w.CommandTaal), kWhite);
    EXPECT_EQ(colour(w.CommandStart), kGrey);

    // The run panel's list lacks the language button: it stays white, and
    // further resets do nothing until another button is hovered.
    move(w.PanelStartStop);
    EXPECT_FALSE(shared.KnopAccent);
    EXPECT_EQ(colour(w.CommandTaal), kWhite);
    move(w.PictureProgrammeerVenster);
    EXPECT_EQ(colour(w.CommandTaal), kWhite);
    move(w.CommandAbout);
    EXPECT_EQ(colour(w.CommandTaal), kGrey);
    move(w.PanelBesturing);  // the background's list lacks the About button
    EXPECT_EQ(colour(w.CommandAbout), kWhite);
    move(w.CommandDashboard);
    move(w.SSPanel70);  // all thirteen
    for (QPushButton* b : ToolbarButtons(w)) EXPECT_EQ(colour(b), kGrey) << b->objectName().toStdString();
}

TEST_F(ToolbarTest, RightPressOnCloseShowsTheVersionBox) {
    LadderProgrammeren& w = mainWindow();
    press(w.CommandAfsluiten, Qt::LeftButton);
    EXPECT_TRUE(dialogs.messages.isEmpty());
    press(w.CommandAfsluiten, Qt::RightButton);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith("Versie 1.0.0\r\rCopyright")) << dialogs.messages[0].toStdString();
}

TEST_F(ToolbarTest, FontGoesByControlTypeAndMarkerAndCancelChangesNothing) {
    LadderProgrammeren& w = mainWindow();
    Panel3D* panel = w.SSPanel80;  // unmarked
    const qreal panelSize = panel->font().pointSizeF();
    const QFont buttonBefore = w.CommandResetAll->font();

    fontAnswer = std::nullopt;  // cancel
    move(w.CommandFont);
    CommandFont_Click();
    EXPECT_EQ(w.CommandResetAll->font(), buttonBefore);
    EXPECT_FALSE(shared.KnopAccent);
    EXPECT_EQ(colour(w.CommandFont), kGrey);

    QFont chosen("DejaVu Serif");
    chosen.setPointSize(10);
    fontAnswer = FontChoice{chosen, QColor(Qt::red)};
    move(w.CommandFont);
    CommandFont_Click();
    EXPECT_EQ(colour(w.CommandFont), kGrey);
    // A plain button takes the font as chosen; a marked one two points more and bold.
    EXPECT_EQ(w.CommandResetAll->font().family(), "DejaVu Serif");
    EXPECT_EQ(w.CommandResetAll->font().pointSize(), 10);
    EXPECT_FALSE(w.CommandResetAll->font().bold());
    EXPECT_EQ(w.CommandStart->font().pointSize(), 12);
    EXPECT_TRUE(w.CommandStart->font().bold());
    // A panel keeps its size, takes name and colour, and is auto-sized.
    EXPECT_EQ(panel->font().family(), "DejaVu Serif");
    EXPECT_EQ(panel->font().pointSizeF(), panelSize);
    EXPECT_EQ(panel->ForeColor(), 0x0000FFu);
    EXPECT_EQ(panel->property("AutoSize").toInt(), 3);
    EXPECT_TRUE(w.PanelKopActie->font().bold());  // a marked panel is bold
    // The ladder's caption panels take the colour too.
    EXPECT_EQ(ladderView.cell[1].lines[0].foreColor, 0x0000FFu);
    // An option's caption takes it while the option is enabled; a disabled one stays greyed.
    const QPalette option = w.findChild<QRadioButton*>()->palette();
    EXPECT_EQ(option.color(QPalette::Active, QPalette::WindowText), QColor(Qt::red));
    EXPECT_NE(option.color(QPalette::Disabled, QPalette::WindowText), QColor(Qt::red));
}

TEST_F(ToolbarTest, ExplanatoryPictureByInterfaceAndHeading) {
    LadderProgrammeren& w = mainWindow();
    auto shown = [&] { return w.Image_Show_Interface->property("vbPicture").toString(); };
    for (int item = 0; item <= 4; ++item) {
        showExplanatoryPicture(1, item);
        EXPECT_EQ(w.Picture_Holder_Show_Interface->y(), 194 + 24 * item);
    }
    EXPECT_TRUE(w.Picture_Holder_Show_Interface->isVisibleTo(&w));
    const QScrollBar* bar = w.VScrollProgrammeerVenster;
    EXPECT_EQ(w.Picture_Holder_Show_Interface->geometry().right(), bar->geometry().right());
    EXPECT_EQ(w.Picture_Holder_Show_Interface->width(), w.Image_Show_Interface->width() + 20);

    const std::pair<int, QString> modules[] = {
        {1, "Kelvanor Atlas.bmp"}, {2, "Kelvanor Basil.bmp"}, {3, "Kelvanor Ember.bmp"}, {0, "Kelvanor Ember.bmp"}};
    for (const auto& [type, file] : modules) {
        kelvanor.moduleType = std::int16_t(type);
        showExplanatoryPicture(1, 3);
        EXPECT_EQ(shown(), file);
    }
    const std::pair<QString, QString> boards[] = {{"", "Arduino Nano.bmp"},
                                                  {"AT", "AdaFruit RGB.bmp"},
                                                  {"TM", "TM1638.bmp"},
                                                  {"ET", "Arduino Nano.bmp"},
                                                  {"tm", "Arduino Nano.bmp"}};
    for (const auto& [type, file] : boards) {
        shared.ICP12Type = type;
        showExplanatoryPicture(1, 4);
        EXPECT_EQ(shown(), file);
    }
    showExplanatoryPicture(5, 1);
    EXPECT_EQ(shown(), "Set Reset Timer.bmp");
    EXPECT_EQ(w.Picture_Holder_Show_Interface->y(), 128);
    showExplanatoryPicture(9, 9);  // a pair the table lacks keeps picture and height
    EXPECT_EQ(shown(), "Set Reset Timer.bmp");
    EXPECT_EQ(w.Picture_Holder_Show_Interface->y(), 128);
    hideExplanatoryPicture();
    EXPECT_FALSE(w.Picture_Holder_Show_Interface->isVisibleTo(&w));

    QFile::remove(home.file("Afbeeldingen/Geluid.bmp"));  // a missing picture shows nothing
    showExplanatoryPicture(6, 1);
    EXPECT_FALSE(w.Picture_Holder_Show_Interface->isVisibleTo(&w));
}

// The editors as a user reaches them with the pointer: the picture never lies
// over an open editor, and the tab headers hide it as the panels do.
TEST_F(ToolbarTest, TheExplanatoryPictureLeavesTheOpenEditorsToTheirUser) {
    LadderProgrammeren& w = mainWindow();
    w.show();
    QWindow* window = w.windowHandle();
    const QWidget* frame = w.Picture_Holder_Show_Interface;
    auto pointAt = [&w](QWidget* control, QPoint local) { return control->mapTo(&w, local); };
    auto moveOver = [&](QWidget* control) { QTest::mouseMove(window, pointAt(control, control->rect().center())); };

    // From the first interface option straight to the network box's left edge:
    // the click ticks the box.
    conditionEditor().CommandPanelConditie_Click(1);
    InputConditionPanel& in = *conditionEditor().PanelConditieBewerkIngang;
    moveOver(in.OptionWelkeInterfaceIn(0));
    ASSERT_TRUE(frame->isVisible());
    QTest::mouseClick(window, Qt::LeftButton, {}, pointAt(in.CheckNetwerkIN, QPoint(3, in.CheckNetwerkIN->height() / 2)));
    EXPECT_EQ(shared.Condities[1][4], 1);
    EXPECT_TRUE(in.CheckNetwerkIN->isChecked());

    // The tab headers hide the picture, in both editors.
    auto moveOverSecondTab = [&](QTabBar* bar) { QTest::mouseMove(window, pointAt(bar, bar->tabRect(1).center())); };
    moveOver(in.OptionWelkeInterfaceIn(2));
    ASSERT_TRUE(frame->isVisible());
    moveOverSecondTab(conditionEditor().TabCondities->bar());
    EXPECT_FALSE(frame->isVisible());
    conditionEditor().CommandOKConditie_Click();
    actionEditor().CommandPanelActie_Click(1);
    moveOver(actionEditor().PanelActieBewerkUitgang->OptionWelkeInterfaceUit(2));
    ASSERT_TRUE(frame->isVisible());
    moveOverSecondTab(actionEditor().TabActies->bar());
    EXPECT_FALSE(frame->isVisible());
    actionEditor().CommandOKActie_Click();

    // No picture reaches into the edit area.
    const QRect editArea = w.PanelBesturing->geometry();
    for (QPoint pair :
         {QPoint(1, 0), QPoint(1, 1), QPoint(1, 2), QPoint(1, 3), QPoint(1, 4), QPoint(2, 1), QPoint(2, 2), QPoint(3, 1),
          QPoint(3, 2), QPoint(3, 3), QPoint(4, 1), QPoint(4, 2), QPoint(5, 1), QPoint(5, 2), QPoint(6, 1)}) {
        showExplanatoryPicture(pair.x(), pair.y());
        EXPECT_TRUE(frame->isVisible());
        EXPECT_FALSE(frame->geometry().intersects(editArea)) << pair.x() << "," << pair.y();
    }
}

// The language button shows the flag of its language: a picture in each
// language, and not the same one.
TEST_F(ToolbarTest, TheLanguageButtonShowsTheFlagOfItsLanguage) {
    LadderProgrammeren& w = mainWindow();
    std::array<QImage, 2> flag;
    for (bool english : {false, true}) {
        shared.TaalVlag = english;
        w.TaalAanpassenConActBeh();
        flag[english] = w.CommandTaal->icon().pixmap(w.CommandTaal->iconSize()).toImage();
        EXPECT_FALSE(flag[english].isNull()) << (english ? "English" : "Dutch");
    }
    EXPECT_TRUE(flag[0] != flag[1]) << "both languages show the same flag";
}

}  // namespace
}  // namespace tamberlo::test
