// Input reading: the cards' bits and analog values, the ports' inverted
// status lines, the module's input word and the function keys into the
// images and the dashboard's input lamps.
#include <QCoreApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "DeviceFixture.h"
#include "FunctionKeys.h"
#include "InputReading.h"
#include "VellemanCards.h"

using namespace tamberlo;
using namespace tamberlo::test;

namespace {

class InputReading : public DeviceTest {
protected:
    InputReading() {
        functionKeys().ReleaseAll();
        cards.attached = 0b0101;
        velleman::SearchDevices();
        shared.VellemanKaartMasker = 0b0101;
        cards.log.clear();
    }
};

TEST_F(InputReading, CardsFoundAreReadInOrderEachRightAfterItsSelection) {
    cards.digitalIn[2] = 0b10101;
    cards.analog1In[2] = 51;
    cards.analog2In[2] = 255;
    InitialiseerIngangen();
    EXPECT_EQ(cards.log, (Log{"SetCurrentDevice(0)", "ReadAllDigital()@0", "ReadAllAnalog()@0", "SetCurrentDevice(2)",
                              "ReadAllDigital()@2", "ReadAllAnalog()@2", "Connected()"}));
    ExpectSelectedBeforeEveryCardCall(cards.log);
    EXPECT_EQ(shared.IngangDigitaal[2][1], -1);
    EXPECT_EQ(shared.IngangDigitaal[2][2], 0);
    EXPECT_EQ(shared.IngangDigitaal[2][3], -1);
    EXPECT_EQ(shared.IngangDigitaal[2][5], -1);
    EXPECT_EQ(dashboardView.digInVelPar[21], true);
    EXPECT_EQ(dashboardView.digInVelPar[22], false);
    EXPECT_EQ(shared.InterfaceWoord[2], 0b10101);
    EXPECT_EQ(shared.IngangAnaloog[2], 51);
    EXPECT_EQ(shared.IngangAnaloog[6], 255);
    EXPECT_EQ(dashboardView.analogInDecimal[5], "51");
    EXPECT_EQ(dashboardView.analogInDecimal[6], "255");
    EXPECT_NEAR(dashboardView.analogIn[6], 100.0, 1e-9);
    EXPECT_EQ(shared.AnaloogVorige[2], 51);
    EXPECT_EQ(shared.AnaloogVorige[7], 255);
}

TEST_F(InputReading, BitsAreSpreadOnlyWhenTheWordChanged) {
    cards.digitalIn[0] = 1;
    InitialiseerIngangen();
    shared.IngangDigitaal[0][1] = 0;  // would be set again if the unchanged word were spread
    InitialiseerIngangen();
    EXPECT_EQ(shared.IngangDigitaal[0][1], 0);
    // Changed and changed back between two calls: not seen.
    cards.digitalIn[0] = 3;
    cards.digitalIn[0] = 1;
    InitialiseerIngangen();
    EXPECT_EQ(shared.IngangDigitaal[0][2], 0);
}

TEST_F(InputReading, CardsNotFoundKeepTheirColumns) {
    shared.VellemanKaartMasker = 0;
    shared.IngangDigitaal[0][3] = -1;
    shared.IngangAnaloog[0] = 9;
    InitialiseerIngangen();
    EXPECT_TRUE(cards.log.empty());
    EXPECT_EQ(shared.IngangDigitaal[0][3], -1);
    EXPECT_EQ(shared.IngangAnaloog[0], 9);
}

TEST_F(InputReading, PortStatusLinesAreInvertedAndBits3To7BecomeInputs) {
    ports.registers[0x379] = 0x78;  // 255 - 0x78 = 0x87: bits 0..2 and 7
    ports.registers[0x279] = 0x00;  // all five inputs on
    InitialiseerIngangen();
    EXPECT_EQ(ports.log, (Log{"Inp32(0x379)", "Inp32(0x279)", "Inp32(0x3BD)"}));
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(shared.IngangDigitaal[4][k], 0) << k;
    EXPECT_EQ(shared.IngangDigitaal[4][5], -1);
    EXPECT_EQ(dashboardView.digInVelPar[45], true);
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(shared.IngangDigitaal[5][k], -1) << k;
    EXPECT_EQ(shared.InterfaceWoord[4], 0x87);
    // A port that reads 255 (no port there) gives no input and no change.
    EXPECT_EQ(shared.InterfaceWoord[6], 0);
    EXPECT_EQ(dashboardView.digInVelPar[61], false);
}

TEST_F(InputReading, TheModulesInputWordIsSpreadAtTheNextCall) {
    shared.ModuleAanwezig = 1;  // the search found module 1
    Kelvanor1().InputWordChanged(1, 0, 0x0081);
    EXPECT_EQ(shared.ModuleIngangWoord, 0x81);
    EXPECT_EQ(shared.IngangDigitaal[7][1], 0);  // not in the handler
    InitialiseerIngangen();
    EXPECT_EQ(shared.IngangDigitaal[7][1], -1);
    EXPECT_EQ(shared.IngangDigitaal[7][8], -1);
    EXPECT_EQ(dashboardView.digInVelPar[78], true);
    // Bits above 7 change nothing in the image.
    Kelvanor1().InputWordChanged(1, 0, 0x0181);
    InitialiseerIngangen();
    for (int k = 2; k <= 7; ++k) EXPECT_EQ(shared.IngangDigitaal[7][k], 0);
    // The installed client's events reach the handler, and the low 16 bits are kept.
    kelvanor.InputWordChanged(1, 0, 0x1FFFF);
    EXPECT_EQ(shared.ModuleIngangWoord, -1);
}

TEST_F(InputReading, FunctionKeysAreHeldFromKeyDownToKeyUp) {
    QWidget w;
    QTest::keyPress(&w, Qt::Key_F3);
    InitialiseerIngangen();
    EXPECT_TRUE(shared.ToetsToestand[2]);
    EXPECT_FALSE(shared.ToetsToestand[1]);
    // Auto-repeat key-ups while the key is held are ignored.
    QKeyEvent repeatUp(QEvent::KeyRelease, Qt::Key_F3, Qt::NoModifier, QString(), true);
    QCoreApplication::sendEvent(&w, &repeatUp);
    InitialiseerIngangen();
    EXPECT_TRUE(shared.ToetsToestand[2]);
    QTest::keyRelease(&w, Qt::Key_F3);
    InitialiseerIngangen();
    EXPECT_FALSE(shared.ToetsToestand[2]);

    QTest::keyPress(&w, Qt::Key_F8);
    QTest::keyPress(&w, Qt::Key_F1);
    InitialiseerIngangen();
    EXPECT_TRUE(shared.ToetsToestand[0] && shared.ToetsToestand[7]);
    // Losing the focus releases every key: its key-up goes to another program.
    QEvent deactivate(QEvent::ApplicationDeactivate);
    QCoreApplication::sendEvent(qApp, &deactivate);
    InitialiseerIngangen();
    EXPECT_FALSE(shared.ToetsToestand[0] || shared.ToetsToestand[7]);
}

TEST_F(InputReading, ACallFromInsideTheYieldReturnsAtOnce) {
    int handled = 0;
    QTimer::singleShot(0, [&] {
        ++handled;
        InitialiseerIngangen();  // as the dashboard's timer would during a run
    });
    InitialiseerIngangen();
    EXPECT_EQ(handled, 1);
    // One reading of each card, by the outer call only.
    EXPECT_EQ(std::count(cards.log.begin(), cards.log.end(), "ReadAllDigital()@0"), 1);
}

TEST_F(InputReading, ACardThatStopsAnsweringIsDroppedWithOneMessage) {
    cards.digitalIn[2] = 0b11;
    InitialiseerIngangen();
    cards.failing = 0b0100;
    InitialiseerIngangen();
    EXPECT_EQ(shared.VellemanKaartMasker, 0b0001);
    EXPECT_EQ(dashboardView.vellemanFound[2], kSearchRed);
    EXPECT_EQ(ladderView.vellemanFound[2], kSearchRed);
    EXPECT_EQ(dialogs.messages, QStringList{"Velleman kaart 2 reageert niet meer."});
    // Its column keeps its last bits, and it is not read again.
    EXPECT_EQ(shared.IngangDigitaal[2][1], -1);
    cards.log.clear();
    InitialiseerIngangen();
    EXPECT_EQ(std::count(cards.log.begin(), cards.log.end(), "SetCurrentDevice(2)"), 0);
    EXPECT_EQ(dialogs.messages.size(), 1);

    // The last card gone: the overall lamp turns red too.
    shared.TaalVlag = true;
    cards.failing = 0b0101;
    InitialiseerIngangen();
    EXPECT_EQ(shared.VellemanKaartMasker, 0);
    EXPECT_EQ(ladderView.vellemanFoundLamp, kSearchRed);
    EXPECT_EQ(dialogs.messages.last(), "Velleman card 0 no longer responds.");
}

TEST_F(InputReading, InitialiseerInterfacesSwitchesPortsAndCardsOff) {
    cards.digitalOut[2] = 7;
    InitialiseerInterfaces();
    EXPECT_EQ(ports.log, (Log{"Out32(0x378,0)", "Out32(0x278,0)", "Out32(0x3BC,0)"}));
    ExpectSelectedBeforeEveryCardCall(cards.log);
    EXPECT_EQ(cards.log.back(), "OutputAllAnalog(0,0)@0");
    EXPECT_EQ(cards.digitalOut[2], 0);
}

}  // namespace
