// The card's HID reports against byte arrays written from the card's protocol.
#include <gtest/gtest.h>

#include "VellemanReport.h"

using namespace tamberlo::velleman;

TEST(VellemanReport, OutputReportCarriesCommandOutputsAndBothAnalogValues) {
    EXPECT_EQ(EncodeOutputs(0xA5, 0x10, 0xFF), (Report{0x05, 0xA5, 0x10, 0xFF, 0, 0, 0, 0}));
    EXPECT_EQ(EncodeOutputs(0, 0, 0), (Report{0x05, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(EncodeCommand(Command::Reset), (Report{0x00, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(EncodeCommand(Command::DebounceCounter2), (Report{0x02, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(EncodeCommand(Command::ResetCounter1), (Report{0x03, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(VellemanReport, EachDigitalInputComesFromItsOwnBit) {
    // in1 = bit 4, in2 = bit 5, in3 = bit 0, in4 = bit 6, in5 = bit 7.
    EXPECT_EQ(DigitalInputsOf(0x10), 0x01);
    EXPECT_EQ(DigitalInputsOf(0x20), 0x02);
    EXPECT_EQ(DigitalInputsOf(0x01), 0x04);
    EXPECT_EQ(DigitalInputsOf(0x40), 0x08);
    EXPECT_EQ(DigitalInputsOf(0x80), 0x10);
    EXPECT_EQ(DigitalInputsOf(0xF1), 0x1F);
    // Bits 1 to 3 carry no input.
    EXPECT_EQ(DigitalInputsOf(0x0E), 0x00);
}

TEST(VellemanReport, InputReportDecodesAnalogValuesAndLittleEndianCounters) {
    const std::uint8_t bytes[8] = {0x51, 0x02, 0x7F, 0xC8, 0x34, 0x12, 0xFF, 0x00};
    auto in = DecodeInput(bytes, 8);
    ASSERT_TRUE(in);
    EXPECT_EQ(in->digital, 0x01 | 0x04 | 0x08);  // bits 4, 0, 6
    EXPECT_EQ(in->status, 0x02);
    EXPECT_EQ(in->analog1, 127);
    EXPECT_EQ(in->analog2, 200);
    EXPECT_EQ(in->counter1, 0x1234);
    EXPECT_EQ(in->counter2, 0x00FF);
}

TEST(VellemanReport, ShortOrMissingReportsAreRejected) {
    const std::uint8_t bytes[8] = {};
    EXPECT_FALSE(DecodeInput(bytes, 7));
    EXPECT_FALSE(DecodeInput(bytes, 0));
    EXPECT_FALSE(DecodeInput(nullptr, 8));
}

TEST(VellemanReport, ProductIdsNameCardAddresses) {
    EXPECT_EQ(ProductIdOfCard(0), 0x5500);
    EXPECT_EQ(ProductIdOfCard(3), 0x5503);
    EXPECT_EQ(CardOfProductId(0x5502), 2);
    EXPECT_FALSE(CardOfProductId(0x5504));
    EXPECT_FALSE(CardOfProductId(0x54FF));
}
