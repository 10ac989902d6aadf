// The card library's functions over the fake and over the HID cards of this
// machine, and its record of what was last written to each card.
#include <gtest/gtest.h>

#include "FakeVellemanCards.h"
#include "HidVellemanBackend.h"
#include "VellemanCards.h"

using namespace tamberlo::velleman;
using Log = std::vector<std::string>;

TEST(VellemanCards, CallsReachTheCurrentCardAndAreLogged) {
    FakeVellemanCards fake;
    SetBackend(&fake);
    fake.attached = 0b0101;
    fake.digitalIn[2] = 0x13;
    fake.analog1In[2] = 40;
    fake.analog2In[2] = 250;
    EXPECT_EQ(CloseDevice(), 0);
    EXPECT_EQ(SearchDevices(), 0b0101);
    SetCurrentDevice(2);
    EXPECT_EQ(ReadAllDigital(), 0x13);
    std::int32_t a1 = -1, a2 = -1;
    ReadAllAnalog(a1, a2);
    EXPECT_EQ(a1, 40);
    EXPECT_EQ(a2, 250);
    SetDigitalChannel(3);
    SetCurrentDevice(0);
    SetAllDigital();
    ClearDigitalChannel(8);
    OutputAnalogChannel(2, 99);
    EXPECT_EQ(fake.log, (Log{"CloseDevice()", "SearchDevices()", "SetCurrentDevice(2)", "ReadAllDigital()@2", "ReadAllAnalog()@2",
                             "SetDigitalChannel(3)@2", "SetCurrentDevice(0)", "SetAllDigital()@0", "ClearDigitalChannel(8)@0",
                             "OutputAnalogChannel(2,99)@0"}));
    EXPECT_EQ(fake.digitalOut[2], 0x04);
    EXPECT_EQ(fake.digitalOut[0], 0x7F);
    EXPECT_EQ(fake.analog2Out[0], 99);
    SetBackend(nullptr);
}

TEST(VellemanCards, RecordFollowsEveryWriteAndIsForgottenBySearches) {
    FakeVellemanCards fake;
    SetBackend(&fake);
    fake.attached = 0b0011;
    SearchDevices();
    EXPECT_FALSE(LastWrittenDigital(1));
    EXPECT_FALSE(LastWrittenAnalog(1, 1));

    SetCurrentDevice(1);
    SetDigitalChannel(2);  // a fresh card starts with its outputs off
    EXPECT_EQ(LastWrittenDigital(1), 0x02);
    SetAllDigital();
    ClearDigitalChannel(1);
    EXPECT_EQ(LastWrittenDigital(1), 0xFE);
    OutputAllAnalog(10, 20);
    OutputAnalogChannel(1, 300);  // kept within a byte
    EXPECT_EQ(LastWrittenAnalog(1, 1), 255);
    EXPECT_EQ(LastWrittenAnalog(1, 2), 20);
    EXPECT_FALSE(LastWrittenDigital(0));  // other cards untouched

    SetCurrentDevice(0);
    WriteAllDigital(0x1234);
    EXPECT_EQ(LastWrittenDigital(0), 0x34);
    ClearAllDigital();
    EXPECT_EQ(LastWrittenDigital(0), 0);

    CloseDevice();
    EXPECT_FALSE(LastWrittenDigital(0));
    EXPECT_FALSE(LastWrittenAnalog(1, 2));
    EXPECT_FALSE(LastWrittenAnalog(0, 3));
    EXPECT_FALSE(LastWrittenDigital(4));
    SetBackend(nullptr);
}

TEST(VellemanCards, FailingCardLeavesConnectedAndIgnoresIo) {
    FakeVellemanCards fake;
    SetBackend(&fake);
    fake.attached = 0b0011;
    SearchDevices();
    EXPECT_EQ(Connected(), 0b0011);
    fake.failing = 0b0010;
    fake.digitalIn[1] = 0x1F;
    EXPECT_EQ(Connected(), 0b0001);
    SetCurrentDevice(1);
    EXPECT_EQ(ReadAllDigital(), 0);
    SetAllDigital();
    EXPECT_EQ(fake.digitalOut[1], 0);
    SetBackend(nullptr);
}

TEST(VellemanCards, CardsOfThisMachineAreFoundCleanlyOrNotAtAll) {
    // Without a card (or without permission to open one) nothing is found;
    // every call then does nothing and returns promptly.
    HidVellemanBackend hid;
    SetBackend(&hid);
    CloseDevice();
    int mask = SearchDevices();
    EXPECT_GE(mask, 0);
    EXPECT_LE(mask, 15);
    EXPECT_EQ(Connected(), mask);
    if (mask == 0) {
        SetCurrentDevice(0);
        EXPECT_EQ(ReadAllDigital(), 0);
        std::int32_t a1 = -1, a2 = -1;
        ReadAllAnalog(a1, a2);
        EXPECT_EQ(a1, 0);
        EXPECT_EQ(a2, 0);
        SetAllDigital();
        OutputAllAnalog(0, 0);
    }
    EXPECT_EQ(Version(), 0x01000000);
    CloseDevice();
    SetBackend(nullptr);
}
