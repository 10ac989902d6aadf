// The main window after start-up: scrolling by bar and wheel, the cells'
// buttons, closing, and a screenshot for a person to look at.
#include <QDir>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtTest/QTest>

#include "Dashboard.h"
#include "LadderGeometry.h"
#include "LadderKnoppen.h"
#include "Muiswiel.h"
#include "OpstartFixture.h"
#include "PollTimers.h"
#include "LadderFile.h"
#include "LadderStore.h"
#include "VbColor.h"

namespace tamberlo::test {
namespace {

// One wheel notch (120 away from the user, -120 towards) at a point of `w`.
void Wiel(QWidget* w, QPoint lokaal, int rotatie) {
    const QPointF g = w->mapToGlobal(QPointF(lokaal));
    QWheelEvent e(QPointF(lokaal), g, QPoint(), QPoint(0, rotatie), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}

using LadderVensterTest = OpstartTest;

TEST_F(LadderVensterTest, TheDashboardButtonShowsAndHidesTheDashboard) {
    LadderProgrammeren& h = Start();
    TimerSerialPort().SetEnabled(false);
    h.CommandDashboard->click();
    EXPECT_TRUE(Dashboard().isVisible());
    EXPECT_TRUE(TimerSerialPort().Enabled());
    EXPECT_TRUE(TimerLeesIngangen().Enabled());  // no run: the dashboard polls the inputs
    h.CommandDashboard->click();
    EXPECT_FALSE(Dashboard().isVisible());
    EXPECT_FALSE(TimerLeesIngangen().Enabled());
}

TEST_F(LadderVensterTest, TheScrollBarMovesTheDrawingArea) {
    LadderProgrammeren& h = Start();
    QScrollBar* sb = h.VScrollProgrammeerVenster;
    EXPECT_EQ(sb->minimum(), 0);
    EXPECT_EQ(sb->maximum(), 450);
    EXPECT_EQ(sb->pageStep(), 100);
    EXPECT_EQ(h.BovenkantTekenvlak(), 56);
    sb->setValue(10);
    EXPECT_EQ(h.BovenkantTekenvlak(), 56 - 150);
    sb->setValue(450);
    EXPECT_EQ(h.BovenkantTekenvlak(), 56 - 6750);
    sb->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(sb->value(), 350);
    EXPECT_EQ(h.BovenkantTekenvlak(), 56 - 15 * 350);
}

TEST_F(LadderVensterTest, TheWheelScrollsTheLadderATenthOfALargeChange) {
    LadderProgrammeren& h = Start();
    QScrollBar* sb = h.VScrollProgrammeerVenster;
    LadderWidget* vlak = h.PictureProgrammeerVenster;
    const QPoint op = vlak->mapFrom(&h, QPoint(300, 300));

    Wiel(vlak, op, -120);  // towards the user
    EXPECT_EQ(sb->value(), 10);
    EXPECT_EQ(h.BovenkantTekenvlak(), 56 - 150);
    sb->setValue(445);
    Wiel(vlak, vlak->mapFrom(&h, QPoint(300, 300)), -120);
    EXPECT_EQ(sb->value(), 450);
    sb->setValue(5);
    Wiel(vlak, vlak->mapFrom(&h, QPoint(300, 300)), 120);
    EXPECT_EQ(sb->value(), 0);
    EXPECT_EQ(muiswiel.rotatie, 120);

    // Over the ladder's own scroll bar, or the control panel: nothing.
    sb->setValue(20);
    Wiel(sb, QPoint(5, 50), -120);
    Wiel(h.PanelBesturing, QPoint(5, 5), -120);
    EXPECT_EQ(sb->value(), 20);
}

TEST_F(LadderVensterTest, TheWheelMovesAHorizontalScrollBarByItsLargeChange) {
    LadderProgrammeren& h = Start();
    auto* balk = new QScrollBar(Qt::Horizontal, h.PanelBesturing);
    balk->setGeometry(3, 600, 150, 16);
    balk->setRange(0, 255);
    balk->setPageStep(10);
    balk->setValue(250);
    balk->show();
    Wiel(balk, QPoint(20, 8), -120);
    EXPECT_EQ(balk->value(), 255);
    Wiel(balk, QPoint(20, 8), 120);
    EXPECT_EQ(balk->value(), 245);
    EXPECT_EQ(h.VScrollProgrammeerVenster->value(), 0);
}

TEST_F(LadderVensterTest, StartedWithAnArgumentTheWheelDoesNotScroll) {
    LadderProgrammeren& h = Start(false);
    LadderWidget* vlak = h.PictureProgrammeerVenster;
    Wiel(vlak, vlak->mapFrom(&h, QPoint(300, 300)), -120);
    EXPECT_EQ(h.VScrollProgrammeerVenster->value(), 0);
}

TEST_F(LadderVensterTest, CellButtonsCallTheirHooksWithTheirIndex) {
    LadderProgrammeren& h = Start();
    std::vector<std::string> klikken;
    ladderKnoppen.CommandVoegConditieToe = [&](int i) { klikken.push_back("VoegConditieToe " + std::to_string(i)); };
    ladderKnoppen.CommandPanelConditie = [&](int i) { klikken.push_back("PanelConditie " + std::to_string(i)); };
    ladderKnoppen.CommandVoegActieToe = [&](int r) { klikken.push_back("VoegActieToe " + std::to_string(r)); };
    ladderKnoppen.CommandPanelActie = [&](int r) { klikken.push_back("PanelActie " + std::to_string(r)); };
    ladderKnoppen.CommandVoegConditieToeVertikaal = [&](int i) { klikken.push_back("Vertikaal " + std::to_string(i)); };
    LadderWidget* vlak = h.PictureProgrammeerVenster;
    auto klik = [&](QPoint p) {
        QTest::mouseClick(vlak, Qt::LeftButton, Qt::NoModifier, p);
    };
    klik(ladder::ConditieToevoegKnop(5).center());
    klik(ladder::ActieToevoegKnop(7).center());
    klik(ladder::VertikaalKnop(267).center());
    klik(ladder::VertikaalKnop(265).center());  // hidden: no click
    klik(QPoint(5, 5000));                     // nothing there
    // A filled cell: its frame with the edit button covers the add button.
    ladderView.cel[4].frameVisible = true;
    ladderView.cel[4].addButtonVisible = false;
    ladderView.actie[0].frameVisible = true;
    ladderView.changed();
    klik(ladder::ConditieWijzigKnop(4).center());
    klik(ladder::ActieWijzigKnop(0).center());
    EXPECT_EQ(klikken, (std::vector<std::string>{"VoegConditieToe 5", "VoegActieToe 7", "Vertikaal 267",
                                                 "PanelConditie 4", "PanelActie 0"}));
    ladderKnoppen = {};
}

TEST_F(LadderVensterTest, CancelKeepsEverythingAsItWas) {
    LadderProgrammeren& h = Start();
    log.clear();
    dialogs.msgAnswers = {MsgResult::Cancel};
    h.CommandAfsluiten->click();
    EXPECT_EQ(dialogs.messages.back(), "Tamberlo afsluiten?");
    EXPECT_EQ(dialogs.titles.back(), "Stoppen...");
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(h.isVisible());
    EXPECT_TRUE(MuiswielAangehaakt(&h));
    EXPECT_FALSE(AppEnding());

    // The close box asks the same; Cancel keeps the window.
    dialogs.msgAnswers = {MsgResult::Cancel};
    h.close();
    EXPECT_EQ(dialogs.messages.size(), 2);
    EXPECT_TRUE(h.isVisible());
    EXPECT_TRUE(log.empty());
}

TEST_F(LadderVensterTest, OkWhileIdleSwitchesOffAndEnds) {
    LadderProgrammeren& h = Start();
    shared.ICP12Type = "ET";
    OnProgramEnd([this] { log.push_back("Kelvanor1 destroyed"); });
    log.clear();
    h.CommandAfsluiten->click();
    EXPECT_EQ(log, (std::vector<std::string>{"SetDigitalOutput0 0", "Disconnect", "Arduino 1/0/",
                                             "Kelvanor1 destroyed", "End"}));
    EXPECT_FALSE(MuiswielAangehaakt(&h));
    EXPECT_TRUE(AppEnding());
}

TEST_F(LadderVensterTest, OkWhileIdleWithoutABoardSendsNothingToTheArduino) {
    LadderProgrammeren& h = Start(false);
    log.clear();
    h.close();
    EXPECT_EQ(log, (std::vector<std::string>{"SetDigitalOutput0 0", "Disconnect", "End"}));
}

TEST_F(LadderVensterTest, OkFromInsideARunEndsTheRunAndTheProgram) {
    opstartDiensten().LeesInstellingen = [] { shared.TaalVlag = true; };
    LadderProgrammeren& h = Start();
    shared.ICP12Type = "AT";
    shared.ProgrammaStatus = 1;
    log.clear();
    // The run: a loop that yields once per cycle, as the scan does.
    QTimer::singleShot(0, h.CommandAfsluiten, &QPushButton::click);
    int cycli = 0;
    while (shared.ProgrammaStatus == 1 && !AppEnding() && cycli < 1000000) {
        ++cycli;
        Yield();
    }
    log.push_back("run loop left");
    EXPECT_EQ(dialogs.messages.back(), "Close Tamberlo?");
    EXPECT_EQ(dialogs.titles.back(), "Stop...");
    EXPECT_EQ(shared.ProgrammaStatus, 0);
    // The Arduino hears nothing when a run was on.
    EXPECT_EQ(log, (std::vector<std::string>{"SetDigitalOutput0 0", "Disconnect", "End", "run loop left"}));
}

TEST_F(LadderVensterTest, OkWhilePausedIsLikeWhileRunning) {
    LadderProgrammeren& h = Start();
    shared.ICP12Type = "TM";
    shared.ProgrammaStatus = 2;
    log.clear();
    h.CommandAfsluiten->click();
    EXPECT_EQ(shared.ProgrammaStatus, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"SetDigitalOutput0 0", "Disconnect", "End"}));
}

TEST_F(LadderVensterTest, ScreenshotOfTheMainWindow) {
    LadderProgrammeren& h = Start();
    // A few cells captioned as the caption writers would.
    auto cel = [](int i, QStringList regels, std::uint32_t kleur) {
        ladderView.cel[i].frameVisible = true;
        ladderView.cel[i].addButtonVisible = false;
        for (int l = 0; l < 4; ++l) {
            ladderView.cel[i].lines[std::size_t(l)].caption = regels.value(l);
            ladderView.cel[i].lines[std::size_t(l)].backColor = kleur;
        }
    };
    cel(1, {"Velleman. Kaart Nr.", "0", "Digitaal IN", "1 = Waar"}, 0x80FFFF);
    cel(2, {"Tijd", "12:00:00", "Ma Di Wo", ""}, 0x80C0FF);
    cel(4, {"Geheugen", "M3", "", "Waar"}, 0xFF80FF);
    for (int r : {1, 2}) {
        ladderView.actie[r].frameVisible = true;
        ladderView.actie[r].addButtonVisible = false;
        ladderView.actie[r].lines = {CaptionPanel{"Velleman. Kaart Nr.", 0xFFFF80, kKleurKnopTekst},
                                     CaptionPanel{"0", 0xFFFF80, kKleurKnopTekst},
                                     CaptionPanel{"Digitaal UIT", 0xFFFF80, kKleurKnopTekst},
                                     CaptionPanel{QStringLiteral("Set uitgang %1").arg(r), 0xFFFF80, kKleurKnopTekst}};
    }
    ladderView.cel[6].linkLineVisible = true;
    ladderView.actie[1].supplyColor = kKleurRood;
    ladderView.leftRailColor = kKleurRood;
    ladderView.floodPercent = 40;
    ladderView.changed();
    h.VerversUitLadderView();
    const QImage beeld = h.grab().toImage();
    const QString pad = QDir::current().filePath("main-window.png");
    ASSERT_TRUE(beeld.save(pad));
    EXPECT_EQ(beeld.width(), 1207);
    // The drawing area is white where nothing is; a shown frame takes its colour.
    const QPoint frame = ladder::ConditieFrame(1).topLeft() + QPoint(1 + 2, 56 + 40);
    EXPECT_NE(beeld.pixelColor(frame), QColor(Qt::white));
    SplashVenster().grab().save(QDir::current().filePath("splash.png"));
}

}  // namespace
}  // namespace tamberlo::test

namespace tamberlo::test {
namespace {

TEST_F(LadderVensterTest, ReadingALadderFileCaptionsTheDrawnCells) {
    LadderProgrammeren& h = Start();
    // A ladder written to disk, then cleared, then read back by the toolbar's Open.
    shared.Condities[1] = {1, 10, 3, 0, 0, 0};
    shared.Condities[2] = {2, 1, 7, 5, 0, 127};
    shared.Condities[270] = {1, 12, 13, 0, 1, 0};
    shared.Acties[1] = {1, 10, 1, 3, 0, 0, 0, 0, 0, 0};
    shared.Acties[90] = {1, 31, 1, 1, 0, 0, 0, 0, 0, 0};
    const QString pad = home.file("proef.vpp");
    ASSERT_TRUE(SchrijfLadderOpDisk(pad));
    WisLadderProgramma();
    dialogs.fileAnswers = {pad};
    h.CommandLezen->click();

    EXPECT_TRUE(ladderView.cel[1].frameVisible);
    EXPECT_EQ(ladderView.cel[1].lines[0].caption, "Velleman. Kaart Nr.");
    EXPECT_EQ(ladderView.cel[2].lines[0].caption, "ZoMaDiWoDoVrZa");
    EXPECT_EQ(ladderView.cel[270].lines[0].caption, "Netw. Vell. Kaart Nr.");
    EXPECT_FALSE(ladderView.cel[3].frameVisible);
    EXPECT_TRUE(ladderView.actie[1].frameVisible);
    EXPECT_EQ(ladderView.actie[90].lines[1].caption, "378");
    EXPECT_EQ(ladderView.wissenPicture, "BtnWissen.bmp");
    h.VerversUitLadderView();
    EXPECT_TRUE(h.windowTitle().endsWith(pad));

    // The drawing shows the cells: rung 90 scrolled into view and grabbed.
    h.VScrollProgrammeerVenster->setValue(450);
    const QImage beeld = h.grab().toImage();
    beeld.save(QDir::current().filePath("main-window-read.png"));
    const QPoint frame90 = ladder::ActieFrame(90).topLeft() + QPoint(2, h.BovenkantTekenvlak() + 2);
    EXPECT_EQ(beeld.pixelColor(frame90), VbNaarQColor(kKleurActieBlauw));
}

}  // namespace
}  // namespace tamberlo::test
