// The Silicon Labs transport through the fake layer: the device count by the
// library's status, opening with its line control, the polling reader with
// its hand-over and flood rule, and writes.

#include <string>

#include "PlatformUsbBridges.h"
#include "SiLabsPort.h"
#include "UsbTestSupport.h"

namespace kelvanor::test {
namespace {

using tamberlo::test::FakeSiLabsDevice;
using tamberlo::test::SiLabsStep;

class SiLabsPortTest : public UsbTest {
protected:
    // Counts the devices as a search does.
    void Count() {
        std::uint32_t n = 0;
        bridges.SiLabsDeviceCount(n);
    }
    bool CallsInclude(int device, const std::string& call) {
        for (const auto& c : silabs.calls(device))
            if (c == call) return true;
        return false;
    }
    PlatformUsbBridges bridges;
    CountingOwner owner;
};

TEST_F(SiLabsPortTest, TheCountFollowsTheLibrarysStatus) {
    std::uint32_t n = 9;
    EXPECT_EQ(bridges.SiLabsDeviceCount(n), tamberlo::SiLabsDeviceNotFound);  // no device
    EXPECT_EQ(SiLabsDeviceCount(), 0);
    silabs.addDevice({});
    silabs.addDevice({});
    Count();
    EXPECT_EQ(SiLabsDeviceCount(), 2);
    silabs.setCountResult(tamberlo::SiLabsDeviceIoFailed, 7);  // another failure keeps the count
    Count();
    EXPECT_EQ(SiLabsDeviceCount(), 2);
    silabs.setCountResult(tamberlo::SiLabsInvalidParameter, 7);
    Count();
    EXPECT_EQ(SiLabsDeviceCount(), -1);
    CSiLabsPort port;
    EXPECT_EQ(port.Open(&owner, 0, 0), 0);  // nothing opens with a count of -1
    silabs.setCountResult(tamberlo::SiLabsDeviceNotFound, 7);
    Count();
    EXPECT_EQ(SiLabsDeviceCount(), 0);
    EXPECT_EQ(port.Open(&owner, 0, 0), 0);
    EXPECT_TRUE(silabs.calls(0).empty());

    // Through the search: status 6 is traced as no device.
    silabs.setCountResult(tamberlo::SiLabsInvalidParameter, 0);
    ctrl->settings.UseSerial = false;
    EXPECT_EQ(ctrl->Connect(), 0);
    EXPECT_TRUE(Traced(QStringLiteral("USB#2 devices:\t0")));
}

TEST_F(SiLabsPortTest, OpensWithTheLineControlAndClosesOnItsFailure) {
    FakeSiLabsDevice d;
    d.description = "Kelvanor USB";
    const int device = silabs.addDevice(d);
    Count();
    {
        CSiLabsPort port;
        ASSERT_EQ(port.Open(&owner, std::uint32_t(device), 0), 1);
        EXPECT_TRUE(port.IsOpen());
        EXPECT_EQ(port.key(), 0u);
        const std::vector<std::string> expected = {"Open", "SetBaudRate 115200", "SetLineControl 0x0801"};
        EXPECT_EQ(silabs.calls(device), expected);
        EXPECT_TRUE(Traced(QStringLiteral("VID, PID:\t\t0x10C4, 0xEA61")));
        EXPECT_TRUE(Traced(QStringLiteral("Description:\tKelvanor USB")));
        EXPECT_EQ(port.Close(), 1);
        EXPECT_FALSE(silabs.isOpen(device));
    }
    // The line control fails: the device is closed again and the open fails.
    silabs.failAt(SiLabsStep::LineControl, tamberlo::SiLabsDeviceIoFailed);
    {
        CSiLabsPort port;
        EXPECT_EQ(port.Open(&owner, std::uint32_t(device), 0), 0);
        EXPECT_FALSE(port.IsOpen());
        EXPECT_FALSE(silabs.isOpen(device));
        EXPECT_EQ(silabs.calls(device).back(), "Close");
    }
    silabs.failAt(SiLabsStep::LineControl, 0);
    // A device that cannot be opened.
    silabs.failAt(SiLabsStep::Open, tamberlo::SiLabsDeviceIoFailed);
    CSiLabsPort port;
    EXPECT_EQ(port.Open(&owner, std::uint32_t(device), 0), 0);
    EXPECT_FALSE(port.IsOpen());
}

TEST_F(SiLabsPortTest, TheReaderPollsAndHandsBytesOver) {
    const int device = silabs.addDevice({});
    const int second = silabs.addDevice({});
    Count();
    CSiLabsPort port;
    ASSERT_EQ(port.Open(&owner, std::uint32_t(device), 0), 1);
    // An idle port polls and sends no notification.
    ASSERT_TRUE(WaitUntil([&] { return silabs.rxQueueCalls(device) >= 3; }));
    EXPECT_EQ(owner.notifications.load(), 0);

    silabs.inject(device, "setup1\r");
    ASSERT_TRUE(WaitUntil([&] { return owner.notifications.load() == 1 && silabs.pending(device) == 0; }));
    EXPECT_EQ(owner.lastPortId.load(), port.portId());
    silabs.inject(device, "V=2.05\r");
    ASSERT_TRUE(WaitUntil([&] { return silabs.pending(device) == 0; }));
    EXPECT_EQ(owner.notifications.load(), 1);
    const auto r = port.TakeReceived();
    EXPECT_EQ(std::string(r.bytes.begin(), r.bytes.end()), "setup1\rV=2.05\r");

    // A flood is dropped and the receive buffer flushed.
    silabs.inject(device, std::string(800, 'x'));
    ASSERT_TRUE(WaitUntil([&] { return silabs.pending(device) == 0; }));
    EXPECT_FALSE(port.HasReceived());
    EXPECT_TRUE(CallsInclude(device, "Flush - rx"));

    // Above half the buffer the flag is set.
    silabs.inject(device, std::string(600, 'a'));
    ASSERT_TRUE(WaitUntil([&] { return silabs.pending(device) == 0 && port.HasReceived(); }));
    EXPECT_TRUE(port.TakeReceived().moreThanHalfFull);

    // Closing stops the polls.
    port.Close();
    const int polls = silabs.rxQueueCalls(device);
    silabs.inject(device, "late\r");
    // A port opened after the close polls on the same period: by its third
    // poll a reader left running would have polled too.
    CSiLabsPort other;
    ASSERT_EQ(other.Open(&owner, std::uint32_t(second), 0), 1);
    ASSERT_TRUE(WaitUntil([&] { return silabs.rxQueueCalls(second) >= 3; }));
    EXPECT_EQ(silabs.rxQueueCalls(device), polls);
    EXPECT_FALSE(port.HasReceived());
}

TEST_F(SiLabsPortTest, WritesOnTheCallingThread) {
    const int device = silabs.addDevice({});
    Count();
    CSiLabsPort port;
    port.Write("lost\r");
    ASSERT_EQ(port.Open(&owner, std::uint32_t(device), 0), 1);
    port.Write("DV\r");
    EXPECT_EQ(silabs.written(device), "DV\r");
    port.Write(std::string(1024, 'z'));
    EXPECT_EQ(silabs.written(device), "DV\r");
}

}  // namespace
}  // namespace kelvanor::test
