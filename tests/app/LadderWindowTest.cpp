// The main window after start-up: scrolling by bar and wheel, the cells'
// buttons, closing, and a screenshot for a person to look at.
#include <QDir>
#include <QPaintEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtTest/QTest>

#include <utility>

#include "ArduinoLink.h"
#include "Dashboard.h"
#include "InputReading.h"
#include "LadderButtons.h"
#include "LadderFile.h"
#include "LadderGeometry.h"
#include "LadderStore.h"
#include "MouseWheel.h"
#include "StartUpFixture.h"
#include "VbColor.h"
#include "WaitUntil.h"

namespace tamberlo::test {
namespace {

// One wheel notch (120 away from the user, -120 towards) at a point of `w`.
void TurnWheel(QWidget* w, QPoint local, int rotation) {
    const QPointF g = w->mapToGlobal(QPointF(local));
    QWheelEvent e(QPointF(local), g, QPoint(), QPoint(0, rotation), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}

// Every cell button's hook writes its name and index into `clicks`.
void RecordButtonClicks(std::vector<std::string>& clicks) {
    auto record = [&clicks](const char* name) {
        return [&clicks, name](int index) { clicks.push_back(name + std::to_string(index)); };
    };
    ladderButtons.CommandVoegConditieToe = record("VoegConditieToe ");
    ladderButtons.CommandPanelConditie = record("PanelConditie ");
    ladderButtons.CommandVoegActieToe = record("VoegActieToe ");
    ladderButtons.CommandPanelActie = record("PanelActie ");
    ladderButtons.CommandVoegConditieToeVertikaal = record("Vertikaal ");
}

using LadderWindowTest = StartUpTest;

// The region a widget painted, over all its paints.
class PaintRecorder : public QObject {
public:
    QRegion painted;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(e)->region();
        return false;
    }
};

TEST_F(LadderWindowTest, ARefreshRepaintsOnlyTheCellsAndRowsThatChanged) {
    LadderProgrammeren& h = Start();
    LadderWidget* area = h.PictureProgrammeerVenster;
    h.RefreshFromLadderView();
    QApplication::processEvents();
    PaintRecorder recorder;
    area->installEventFilter(&recorder);

    // A cell far below the visible part and a panel beside the ladder.
    ladderView.cell[200].frameColor = 0xE6FFE6;
    ladderView.cycleTime = QStringLiteral("0.123");
    ladderView.changed();
    h.RefreshFromLadderView();
    // Then a visible cell and a row's supply wire: only they are painted.
    ladderView.cell[4].frameVisible = true;
    ladderView.action[1].supplyColor = kColorRed;
    ladderView.changed();
    h.RefreshFromLadderView();
    ASSERT_TRUE(WaitUntil([&] { return !recorder.painted.isEmpty(); }));
    EXPECT_TRUE((QRegion(ladder::ConditionFrame(4)) - recorder.painted).isEmpty());
    EXPECT_TRUE((QRegion(ladder::LineBounds(ladder::Supply(1))) - recorder.painted).isEmpty());
    EXPECT_TRUE((recorder.painted - ladder::CellRegion(4) - ladder::RowRegion(1)).isEmpty());

    // The start-only row: its frame shown, then one of its captions changed.
    auto onlyRowZeroRepaints = [&] {
        recorder.painted = {};
        ladderView.changed();
        h.RefreshFromLadderView();
        ASSERT_TRUE(WaitUntil([&] { return !recorder.painted.isEmpty(); }));
        EXPECT_TRUE((QRegion(ladder::ActionFrame(0)) - recorder.painted).isEmpty());
        EXPECT_TRUE((recorder.painted - ladder::RowRegion(0)).isEmpty());
    };
    ladderView.action[0].frameVisible = true;
    ladderView.action[0].frameColor = kColorRed;
    onlyRowZeroRepaints();
    ladderView.action[0].lines[1].caption = QStringLiteral("M3");
    onlyRowZeroRepaints();
    area->removeEventFilter(&recorder);
}

TEST_F(LadderWindowTest, TheDashboardButtonShowsAndHidesTheDashboard) {
    LadderProgrammeren& h = Start();
    TimerSerialPort().SetEnabled(false);
    h.CommandDashboard->click();
    EXPECT_TRUE(dashboardWindow().isVisible());
    EXPECT_TRUE(TimerSerialPort().Enabled());
    EXPECT_TRUE(TimerLeesIngangen().Enabled());  // no run: the dashboard polls the inputs
    h.CommandDashboard->click();
    EXPECT_FALSE(dashboardWindow().isVisible());
    EXPECT_FALSE(TimerLeesIngangen().Enabled());
}

TEST_F(LadderWindowTest, TheScrollBarMovesTheDrawingArea) {
    LadderProgrammeren& h = Start();
    QScrollBar* sb = h.VScrollProgrammeerVenster;
    EXPECT_EQ(sb->minimum(), 0);
    EXPECT_EQ(sb->maximum(), 450);
    EXPECT_EQ(sb->pageStep(), 100);
    EXPECT_EQ(h.DrawingAreaTop(), 56);
    sb->setValue(10);
    EXPECT_EQ(h.DrawingAreaTop(), 56 - 150);
    sb->setValue(450);
    EXPECT_EQ(h.DrawingAreaTop(), 56 - 6750);
    sb->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(sb->value(), 350);
    EXPECT_EQ(h.DrawingAreaTop(), 56 - 15 * 350);
}

TEST_F(LadderWindowTest, TheWheelScrollsTheLadderATenthOfALargeChange) {
    LadderProgrammeren& h = Start();
    QScrollBar* sb = h.VScrollProgrammeerVenster;
    LadderWidget* area = h.PictureProgrammeerVenster;
    const QPoint op = area->mapFrom(&h, QPoint(300, 300));

    TurnWheel(area, op, -120);  // towards the user
    EXPECT_EQ(sb->value(), 10);
    EXPECT_EQ(h.DrawingAreaTop(), 56 - 150);
    sb->setValue(445);
    TurnWheel(area, area->mapFrom(&h, QPoint(300, 300)), -120);
    EXPECT_EQ(sb->value(), 450);
    sb->setValue(5);
    TurnWheel(area, area->mapFrom(&h, QPoint(300, 300)), 120);
    EXPECT_EQ(sb->value(), 0);
    EXPECT_EQ(wheelState.rotation, 120);

    // Over the ladder's own scroll bar, or the control panel: nothing.
    sb->setValue(20);
    TurnWheel(sb, QPoint(5, 50), -120);
    TurnWheel(h.PanelBesturing, QPoint(5, 5), -120);
    EXPECT_EQ(sb->value(), 20);
}

TEST_F(LadderWindowTest, TheWheelMovesAHorizontalScrollBarByItsLargeChange) {
    LadderProgrammeren& h = Start();
    auto* bar = new QScrollBar(Qt::Horizontal, h.PanelBesturing);
    bar->setGeometry(3, 600, 150, 16);
    bar->setRange(0, 255);
    bar->setPageStep(10);
    bar->setValue(250);
    bar->show();
    TurnWheel(bar, QPoint(20, 8), -120);
    EXPECT_EQ(bar->value(), 255);
    TurnWheel(bar, QPoint(20, 8), 120);
    EXPECT_EQ(bar->value(), 245);
    EXPECT_EQ(h.VScrollProgrammeerVenster->value(), 0);
}

TEST_F(LadderWindowTest, StartedWithAnArgumentTheWheelDoesNotScroll) {
    LadderProgrammeren& h = Start(false);
    LadderWidget* area = h.PictureProgrammeerVenster;
    TurnWheel(area, area->mapFrom(&h, QPoint(300, 300)), -120);
    EXPECT_EQ(h.VScrollProgrammeerVenster->value(), 0);
}

TEST_F(LadderWindowTest, CellButtonsCallTheirHooksWithTheirIndex) {
    LadderProgrammeren& h = Start();
    std::vector<std::string> clicks;
    RecordButtonClicks(clicks);
    LadderWidget* area = h.PictureProgrammeerVenster;
    auto click = [&](QPoint p) { QTest::mouseClick(area, Qt::LeftButton, Qt::NoModifier, p); };
    click(ladder::ConditionAddButton(5).center());
    click(ladder::ActionAddButton(7).center());
    click(ladder::VerticalButton(267).center());
    click(ladder::VerticalButton(265).center());  // hidden: no click
    click(QPoint(5, 5000));                       // nothing there
    // A filled cell: its frame with the edit button covers the add button.
    ladderView.cell[4].frameVisible = true;
    ladderView.cell[4].addButtonVisible = false;
    ladderView.action[0].frameVisible = true;
    ladderView.changed();
    click(ladder::ConditionChangeButton(4).center());
    click(ladder::ActionChangeButton(0).center());
    EXPECT_EQ(clicks, (std::vector<std::string>{"VoegConditieToe 5", "VoegActieToe 7", "Vertikaal 267", "PanelConditie 4",
                                                "PanelActie 0"}));
    ladderButtons = {};
}

// A double-click on a drawn button is that button's one click, and one on a
// cell's frame or caption does nothing; only the bare drawing area restores
// the window's width and moves it to the screen's edge.
TEST_F(LadderWindowTest, ADoubleClickOnACellLeavesTheWindowInPlace) {
    LadderProgrammeren& h = Start();
    std::vector<std::string> clicks;
    RecordButtonClicks(clicks);
    for (int i : {4, 6}) {
        ladderView.cell[std::size_t(i)].frameVisible = true;
        ladderView.cell[std::size_t(i)].addButtonVisible = false;
    }
    ladderView.action[3].frameVisible = true;
    ladderView.action[3].addButtonVisible = false;
    ladderView.changed();
    h.RefreshFromLadderView();
    // As the program does, the add button's click puts the cell's frame under the pointer.
    ladderButtons.CommandVoegConditieToe = [&clicks](int i) {
        clicks.push_back("VoegConditieToe " + std::to_string(i));
        ladderView.cell[std::size_t(i)].frameVisible = true;
        ladderView.cell[std::size_t(i)].addButtonVisible = false;
        ladderView.changed();
    };
    h.move(100, 0);
    LadderWidget* area = h.PictureProgrammeerVenster;
    auto doubleClick = [&](QPoint p) { QTest::mouseDClick(h.windowHandle(), Qt::LeftButton, {}, area->mapTo(&h, p)); };
    doubleClick(ladder::ConditionChangeButton(4).center());
    doubleClick(ladder::ConditionAddButton(5).center());
    doubleClick(ladder::VerticalButton(3).center());
    doubleClick(ladder::ActionAddButton(2).center());
    EXPECT_EQ(clicks, (std::vector<std::string>{"PanelConditie 4", "VoegConditieToe 5", "Vertikaal 3", "VoegActieToe 2"}));
    // Every column of rung 2 (cell 5 filled by the click above) and an action.
    for (int i = 4; i <= 6; ++i) {
        doubleClick(ladder::ConditionTextLine(i, 1).center());
        doubleClick(ladder::ConditionFrame(i).topLeft() + QPoint(1, 30));  // the frame's edge, beside the captions
    }
    doubleClick(ladder::ActionTextLine(3, 2).center());
    EXPECT_EQ(clicks.size(), 4u);
    EXPECT_EQ(h.x(), 100);
    doubleClick(QPoint(300, 10));  // the bare drawing area
    EXPECT_NE(h.x(), 100);         // towards the screen's right edge
    ladderButtons = {};
}

TEST_F(LadderWindowTest, AResizeSnapsBackToTheWindowsWidthButTheFirstAfterStartUp) {
    LadderProgrammeren& w = Start();
    const int height = w.height();
    w.resize(800, height);  // the start-up left the guard set: this one only clears it
    EXPECT_EQ(w.width(), 800);
    w.resize(900, height);
    EXPECT_EQ(w.width(), 1207);
    w.resize(1207, height - 10);  // nothing to snap back
    EXPECT_FALSE(shared.ResizeBezig);
    w.resize(700, height);
    EXPECT_EQ(w.width(), 1207);
}

TEST_F(LadderWindowTest, CancelKeepsEverythingAsItWas) {
    LadderProgrammeren& h = Start();
    log.clear();
    dialogs.msgAnswers = {MsgResult::Cancel};
    h.CommandAfsluiten->click();
    EXPECT_EQ(dialogs.messages.back(), "Tamberlo afsluiten?");
    EXPECT_EQ(dialogs.titles.back(), "Stoppen...");
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(h.isVisible());
    EXPECT_TRUE(MouseWheelHooked(&h));
    EXPECT_FALSE(AppEnding());

    // The close box asks the same; Cancel keeps the window. A second request
    // while the question is open asks nothing.
    dialogs.msgAnswers = {MsgResult::Cancel};
    dialogs.whileMessageShown = [&h, first = true]() mutable {
        if (std::exchange(first, false)) h.CommandAfsluiten->click();
    };
    h.close();
    dialogs.whileMessageShown = nullptr;
    EXPECT_EQ(dialogs.messages.size(), 2);
    EXPECT_TRUE(h.isVisible());
    EXPECT_TRUE(log.empty());
}

TEST_F(LadderWindowTest, WithAnUnsavedLadderTheCloseQuestionSaysSo) {
    LadderProgrammeren& h = Start();
    log.clear();
    shared.Acties[3] = {3, 1, 1, 2};           // a changed cell
    dialogs.msgAnswers = {MsgResult::Cancel};  // No
    h.CommandAfsluiten->click();
    EXPECT_EQ(dialogs.messages, QStringList{"Het ladderprogramma is gewijzigd en niet opgeslagen.\nTamberlo toch afsluiten?"});
    EXPECT_EQ(dialogs.titles, QStringList{"Stoppen..."});
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(h.isVisible());
    EXPECT_EQ(shared.Acties[3][0], 3);

    // A change undone is no change: the usual question.
    shared.Acties[3] = {};
    dialogs.msgAnswers = {MsgResult::Cancel};
    h.CommandAfsluiten->click();
    EXPECT_EQ(dialogs.messages.back(), "Tamberlo afsluiten?");

    // Yes closes, and the close box asks the same, in English too.
    shared.TaalVlag = true;
    shared.Condities[7] = {3, 1, 2};
    h.close();
    EXPECT_EQ(dialogs.messages.size(), 3);
    EXPECT_EQ(dialogs.messages.back(), "The ladder program has changed and has not been saved.\nClose Tamberlo anyway?");
    EXPECT_EQ(dialogs.titles.back(), "Stop...");
    EXPECT_TRUE(AppEnding());
}

TEST_F(LadderWindowTest, OkWhileIdleSwitchesOffAndEnds) {
    LadderProgrammeren& h = Start();
    shared.ICP12Type = "ET";
    OnProgramEnd([this] { log.push_back("Kelvanor1 destroyed"); });
    log.clear();
    h.CommandAfsluiten->click();
    EXPECT_EQ(log,
              (std::vector<std::string>{"SetDigitalOutput0(0)", "Disconnect()", "Arduino 1/0/", "Kelvanor1 destroyed", "End"}));
    EXPECT_FALSE(MouseWheelHooked(&h));
    EXPECT_TRUE(AppEnding());
}

TEST_F(LadderWindowTest, OkWhileIdleWithoutABoardSendsNothingToTheArduino) {
    LadderProgrammeren& h = Start(false);
    log.clear();
    h.close();
    EXPECT_EQ(log, (std::vector<std::string>{"SetDigitalOutput0(0)", "Disconnect()", "End"}));
}

TEST_F(LadderWindowTest, OkFromInsideARunEndsTheRunAndTheProgram) {
    startUpServices().LeesInstellingen = [] { shared.TaalVlag = true; };
    LadderProgrammeren& h = Start();
    shared.ICP12Type = "AT";
    shared.ProgrammaStatus = 1;
    log.clear();
    // The run: a loop that yields once per cycle, as the scan does.
    QTimer::singleShot(0, h.CommandAfsluiten, &QPushButton::click);
    int cycleCount = 0;
    while (shared.ProgrammaStatus == 1 && !AppEnding() && cycleCount < 1000000) {
        ++cycleCount;
        Yield();
    }
    log.push_back("run loop left");
    EXPECT_EQ(dialogs.messages.back(), "Close Tamberlo?");
    EXPECT_EQ(dialogs.titles.back(), "Stop...");
    EXPECT_EQ(shared.ProgrammaStatus, 0);
    // The Arduino hears nothing when a run was on.
    EXPECT_EQ(log, (std::vector<std::string>{"SetDigitalOutput0(0)", "Disconnect()", "End", "run loop left"}));
}

TEST_F(LadderWindowTest, OkWhilePausedIsLikeWhileRunning) {
    LadderProgrammeren& h = Start();
    shared.ICP12Type = "TM";
    shared.ProgrammaStatus = 2;
    log.clear();
    h.CommandAfsluiten->click();
    EXPECT_EQ(shared.ProgrammaStatus, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"SetDigitalOutput0(0)", "Disconnect()", "End"}));
}

TEST_F(LadderWindowTest, ScreenshotOfTheMainWindow) {
    LadderProgrammeren& h = Start();
    // A few cells captioned as the caption writers would.
    auto cell = [](int i, QStringList lines, std::uint32_t color) {
        ladderView.cell[i].frameVisible = true;
        ladderView.cell[i].addButtonVisible = false;
        for (int l = 0; l < 4; ++l) {
            ladderView.cell[i].lines[std::size_t(l)].caption = lines.value(l);
            ladderView.cell[i].lines[std::size_t(l)].backColor = color;
        }
    };
    cell(1, {"Velleman. Kaart Nr.", "0", "Digitaal IN", "1 = Waar"}, 0x80FFFF);
    cell(2, {"Tijd", "12:00:00", "Ma Di Wo", ""}, 0x80C0FF);
    cell(4, {"Geheugen", "M3", "", "Waar"}, 0xFF80FF);
    for (int r : {1, 2}) {
        ladderView.action[r].frameVisible = true;
        ladderView.action[r].addButtonVisible = false;
        ladderView.action[r].lines = {CaptionPanel{"Velleman. Kaart Nr.", 0xFFFF80, kColorButtonText},
                                      CaptionPanel{"0", 0xFFFF80, kColorButtonText},
                                      CaptionPanel{"Digitaal UIT", 0xFFFF80, kColorButtonText},
                                      CaptionPanel{QStringLiteral("Set uitgang %1").arg(r), 0xFFFF80, kColorButtonText}};
    }
    ladderView.cell[6].linkLineVisible = true;
    ladderView.action[1].supplyColor = kColorRed;
    ladderView.leftRailColor = kColorRed;
    ladderView.floodPercent = 40;
    ladderView.changed();
    h.RefreshFromLadderView();
    const QImage image = h.grab().toImage();
    const QString path = QDir(QStringLiteral(TAMBERLO_TEST_OUTPUT)).filePath("main-window.png");
    ASSERT_TRUE(image.save(path));
    EXPECT_EQ(image.width(), 1207);
    // The drawing area is white where nothing is; a shown frame takes its colour.
    const QPoint frame = ladder::ConditionFrame(1).topLeft() + QPoint(1 + 2, 56 + 40);
    EXPECT_NE(image.pixelColor(frame), QColor(Qt::white));
    splashWindow().grab().save(QDir(QStringLiteral(TAMBERLO_TEST_OUTPUT)).filePath("splash.png"));
}

}  // namespace
}  // namespace tamberlo::test

namespace tamberlo::test {
namespace {

TEST_F(LadderWindowTest, ReadingALadderFileCaptionsTheDrawnCells) {
    LadderProgrammeren& h = Start();
    // A ladder written to disk, then cleared, then read back by the toolbar's Open.
    shared.Condities[1] = {1, 10, 3, 0, 0, 0};
    shared.Condities[2] = {2, 1, 7, 5, 0, 127};
    shared.Condities[270] = {1, 12, 13, 0, 1, 0};
    shared.Acties[1] = {1, 10, 1, 3, 0, 0, 0, 0, 0, 0};
    shared.Acties[90] = {1, 31, 1, 1, 0, 0, 0, 0, 0, 0};
    const QString path = home.file("proef.vpp");
    ASSERT_TRUE(SchrijfLadderOpDisk(path));
    WisLadderProgramma();
    dialogs.fileAnswers = {path};
    h.CommandLezen->click();

    EXPECT_TRUE(ladderView.cell[1].frameVisible);
    EXPECT_EQ(ladderView.cell[1].lines[0].caption, "Velleman. Kaart Nr.");
    EXPECT_EQ(ladderView.cell[2].lines[0].caption, "ZoMaDiWoDoVrZa");
    EXPECT_EQ(ladderView.cell[270].lines[0].caption, "Netw. Vell. Kaart Nr.");
    EXPECT_FALSE(ladderView.cell[3].frameVisible);
    EXPECT_TRUE(ladderView.action[1].frameVisible);
    EXPECT_EQ(ladderView.action[90].lines[1].caption, "378");
    EXPECT_EQ(ladderView.clearPicture, "BtnWissen.bmp");
    h.RefreshFromLadderView();
    EXPECT_TRUE(h.windowTitle().endsWith(path));

    // The drawing shows the cells: rung 90 scrolled into view and grabbed.
    h.VScrollProgrammeerVenster->setValue(450);
    const QImage image = h.grab().toImage();
    image.save(QDir(QStringLiteral(TAMBERLO_TEST_OUTPUT)).filePath("main-window-read.png"));
    const QPoint frame90 = ladder::ActionFrame(90).topLeft() + QPoint(2, h.DrawingAreaTop() + 2);
    EXPECT_EQ(image.pixelColor(frame90), VbToQColor(kColorActionBlue));
}

}  // namespace
}  // namespace tamberlo::test
