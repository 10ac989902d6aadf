// The FTDI transport through the fake FTDI layer: which devices it accepts,
// the baud rate of each attempt, the setup steps and their failures, the
// polling reader with its hand-over and flood rule, writes, and the rewrite
// of a generic bridge's identity.

#include <string>

#include "FtdiDeviceList.h"
#include "UsbPort.h"
#include "UsbTestSupport.h"

namespace kelvanor::test {
namespace {

using tamberlo::FtdiChip2232C;
using tamberlo::test::FakeFt232r;
using tamberlo::test::FtdiStep;

std::string Bytes(const CCommunicationPort::Received& r) { return std::string(r.bytes.begin(), r.bytes.end()); }

class FtdiPortTest : public UsbTest {
protected:
    // Adds the devices, then lists them as a search does.
    void List() {
        const int n = ListFtdiDevices();
        ASSERT_EQ(n, FtdiDeviceCount());
    }
    bool CallsInclude(int device, const std::string& call) {
        for (const auto& c : ftdi.calls(device))
            if (c == call) return true;
        return false;
    }
    CountingOwner owner;
};

TEST_F(FtdiPortTest, AcceptsOnlyFt232rWithTheKnownIds) {
    auto other = FakeFt232r(0x6001, 0x01100000);
    other.info.type = FtdiChip2232C;
    ftdi.addDevice(other);                           // 0: wrong chip
    ftdi.addDevice(FakeFt232r(0x1234, 0x01200000));  // 1: unknown product
    auto foreign = FakeFt232r(0xAF80, 0x01300000);
    foreign.info.vendorId = 0x0404;
    ftdi.addDevice(foreign);                         // 2: other vendor
    ftdi.addDevice(FakeFt232r(0xAF80, 0x01400000));  // 3: a Kelvanor module
    List();
    ASSERT_EQ(FtdiDeviceCount(), 4);

    for (std::uint32_t attempt = 0; attempt < 2; ++attempt) {
        CUSBPort wrongChip, unknown, otherVendor;
        EXPECT_EQ(wrongChip.Open(&owner, 0, attempt), 0);
        EXPECT_EQ(unknown.Open(&owner, 1, attempt), 0);
        EXPECT_EQ(otherVendor.Open(&owner, 2, attempt), 0);
    }
    EXPECT_TRUE(Traced(QStringLiteral("FT_DEVICE:\t4")));
    EXPECT_TRUE(Traced(QStringLiteral("ID:\t\t0x403, 0x1234")));
    EXPECT_TRUE(Traced(QStringLiteral("Description:\tFT232R USB UART")));
    // Refused devices are never opened.
    EXPECT_TRUE(ftdi.calls(0).empty());
    EXPECT_TRUE(ftdi.calls(1).empty());
    EXPECT_TRUE(ftdi.calls(2).empty());

    CUSBPort port;
    EXPECT_EQ(port.Open(&owner, 3, 0), 1);
    EXPECT_TRUE(port.IsOpen());
    EXPECT_EQ(port.key(), 0x01400000u);
    EXPECT_FALSE(port.HasGenericIdentity());
    // Indexes outside the list.
    CUSBPort none;
    EXPECT_EQ(none.Open(&owner, 4, 0), 0);
    EXPECT_EQ(none.Open(&owner, 0xFFFFFFFF, 0), 0);
}

TEST_F(FtdiPortTest, SetsUpTheBridgeAndTriesTheBaudRatesInTheProductsOrder) {
    EXPECT_EQ(FtdiBaudRate(0xAF80, 0), 115200u);
    EXPECT_EQ(FtdiBaudRate(0xAF80, 1), 19200u);
    EXPECT_EQ(FtdiBaudRate(0x6001, 0), 115200u);
    EXPECT_EQ(FtdiBaudRate(0x6001, 1), 19200u);
    EXPECT_EQ(FtdiBaudRate(0xAF83, 0), 19200u);
    EXPECT_EQ(FtdiBaudRate(0xAF83, 1), 115200u);

    const int kelvanor = ftdi.addDevice(FakeFt232r(0xAF80, 0x01100000));
    const int generic = ftdi.addDevice(FakeFt232r(0x6001, 0x01200000));
    const int ember = ftdi.addDevice(FakeFt232r(0xAF83, 0x01300000));
    List();
    const std::uint32_t expected[3][2] = {{115200, 19200}, {115200, 19200}, {19200, 115200}};
    for (int device : {kelvanor, generic, ember}) {
        for (std::uint32_t attempt = 0; attempt < 2; ++attempt) {
            CUSBPort port;
            ASSERT_EQ(port.Open(&owner, std::uint32_t(device), attempt), 1);
            EXPECT_EQ(ftdi.baud(device), expected[device][attempt]) << device << " " << attempt;
            EXPECT_EQ(port.HasGenericIdentity(), device == generic);
        }
    }
    const std::vector<std::string> setup = {"Open",
                                            "SetUsbParameters 64 64",
                                            "SetLatencyTimer 2",
                                            "SetTimeouts 1000 1000",
                                            "SetDataCharacteristics 8 0 0",
                                            "SetBaudRate 115200",
                                            "Purge 3",
                                            "Close"};
    std::vector<std::string> first = ftdi.calls(kelvanor);
    first.resize(setup.size());
    EXPECT_EQ(first, setup);
    EXPECT_TRUE(Traced(QStringLiteral("DriverVersion:\t0x21234")));
}

TEST_F(FtdiPortTest, AFailedSettingIsTracedAndTheOpenGoesOn) {
    const int device = ftdi.addDevice(FakeFt232r(0xAF80, 0x01100000));
    List();
    const struct {
        FtdiStep step;
        const char* trace;
    } steps[] = {
        {FtdiStep::UsbParameters, "FT_SetUSBParameters::\t4"}, {FtdiStep::LatencyTimer, "FT_SetLatencyTimer::\t4"},
        {FtdiStep::Timeouts, "FT_SetTimeouts::\t4"},           {FtdiStep::DataCharacteristics, "FT_SetDataCharacteristics::\t4"},
        {FtdiStep::BaudRate, "FT_SetBaudRate::\t4"},           {FtdiStep::Purge, "FT_Purge::\t4"},
    };
    for (const auto& s : steps) {
        ClearTrace();
        ftdi.failAt(s.step, tamberlo::FtdiIoError);
        CUSBPort port;
        EXPECT_EQ(port.Open(&owner, std::uint32_t(device), 0), 1) << s.trace;
        EXPECT_TRUE(Traced(QString::fromLatin1(s.trace))) << s.trace;
        ftdi.failAt(s.step, 0);
    }
    // A device that cannot be opened is refused; no reader runs.
    ftdi.failAt(FtdiStep::Open, tamberlo::FtdiDeviceNotOpened);
    CUSBPort port;
    EXPECT_EQ(port.Open(&owner, std::uint32_t(device), 0), 0);
    EXPECT_FALSE(port.IsOpen());
    EXPECT_FALSE(ftdi.isOpen(device));
}

TEST_F(FtdiPortTest, TheReaderHandsBytesOverWithOneNotification) {
    const int device = ftdi.addDevice(FakeFt232r(0xAF80, 0x01100000));
    List();
    CUSBPort port;
    ASSERT_EQ(port.Open(&owner, std::uint32_t(device), 0), 1);
    ftdi.inject(device, "setup1\r");
    ASSERT_TRUE(WaitUntil([&] { return owner.notifications.load() == 1 && ftdi.pending(device) == 0; }));
    EXPECT_EQ(owner.lastPortId.load(), port.portId());
    // More bytes before the control took the first: no second notification.
    ftdi.inject(device, "V=2.05\r");
    ASSERT_TRUE(WaitUntil([&] { return ftdi.pending(device) == 0; }));
    EXPECT_EQ(owner.notifications.load(), 1);
    auto r = port.TakeReceived();
    EXPECT_EQ(Bytes(r), "setup1\rV=2.05\r");
    EXPECT_FALSE(r.moreThanHalfFull);
    ftdi.inject(device, "T1=01\r");
    ASSERT_TRUE(WaitUntil([&] { return owner.notifications.load() == 2; }));
    EXPECT_EQ(Bytes(port.TakeReceived()), "T1=01\r");
}

TEST_F(FtdiPortTest, AFloodIsDroppedAndTheBufferNeverOverflows) {
    const int device = ftdi.addDevice(FakeFt232r(0xAF80, 0x01100000));
    List();
    CUSBPort port;
    ASSERT_EQ(port.Open(&owner, std::uint32_t(device), 0), 1);

    // More than 768 bytes waiting: all of them are dropped.
    ftdi.inject(device, std::string(1000, 'x'));
    ASSERT_TRUE(WaitUntil([&] { return ftdi.pending(device) == 0; }));
    EXPECT_FALSE(port.HasReceived());
    EXPECT_TRUE(CallsInclude(device, "Purge 1"));
    EXPECT_EQ(owner.notifications.load(), 0);

    // Up to 768 are taken; above 512 in the buffer the half-full flag is set.
    ftdi.inject(device, std::string(600, 'a'));
    ASSERT_TRUE(WaitUntil([&] { return ftdi.pending(device) == 0; }));
    ftdi.inject(device, std::string(700, 'b'));
    // Only the free space (424 bytes) is read; the rest waits in the bridge.
    ASSERT_TRUE(WaitUntil([&] { return ftdi.pending(device) == 276; }));
    auto r = port.TakeReceived();
    ASSERT_EQ(r.bytes.size(), 1024u);
    EXPECT_TRUE(r.moreThanHalfFull);
    EXPECT_EQ(Bytes(r), std::string(600, 'a') + std::string(424, 'b'));
    ASSERT_TRUE(WaitUntil([&] { return ftdi.pending(device) == 0 && port.HasReceived(); }));
    r = port.TakeReceived();
    EXPECT_EQ(Bytes(r), std::string(276, 'b'));
    EXPECT_FALSE(r.moreThanHalfFull);
}

TEST_F(FtdiPortTest, WritesOnTheCallingThreadAndRefusesOverlongLines) {
    const int device = ftdi.addDevice(FakeFt232r(0xAF80, 0x01100000));
    List();
    CUSBPort port;
    port.Write("lost\r");  // not open yet
    ASSERT_EQ(port.Open(&owner, std::uint32_t(device), 0), 1);
    port.Write("MT1=01\r");
    EXPECT_EQ(ftdi.written(device), "MT1=01\r");  // already written when Write returns
    port.Write(std::string(1024, 'z'));           // does not fit the write buffer
    port.Write(std::string(1022, 'y') + "\r");    // fits
    EXPECT_EQ(ftdi.written(device), "MT1=01\r" + std::string(1022, 'y') + "\r");
}

TEST_F(FtdiPortTest, CloseStopsTheReaderAndClosesTheDevice) {
    const int device = ftdi.addDevice(FakeFt232r(0xAF80, 0x01100000));
    List();
    {
        CUSBPort port;
        ASSERT_EQ(port.Open(&owner, std::uint32_t(device), 0), 1);
        EXPECT_NE(FtdiDevice(device)->handle, 0u);
        EXPECT_EQ(port.Close(), 1);
        EXPECT_FALSE(port.IsOpen());
        EXPECT_FALSE(ftdi.isOpen(device));
        EXPECT_EQ(FtdiDevice(device)->handle, 0u);
        // Bytes after the close reach nobody.
        ftdi.inject(device, "late\r");
        EXPECT_EQ(owner.notifications.load(), 0);
        // The port opens again.
        ASSERT_EQ(port.Open(&owner, std::uint32_t(device), 1), 1);
    }
    // Its destructor closed it.
    EXPECT_FALSE(ftdi.isOpen(device));
}

TEST_F(FtdiPortTest, ProgramModuleIdsRewritesAGenericBridge) {
    const int generic = ftdi.addDevice(FakeFt232r(0x6001, 0x01100000));
    const int own = ftdi.addDevice(FakeFt232r(0xAF80, 0x01200000));
    List();
    {
        CUSBPort port;
        ASSERT_EQ(port.Open(&owner, std::uint32_t(generic), 0), 1);
        ASSERT_TRUE(port.HasGenericIdentity());
        EXPECT_EQ(port.ProgramModuleIds(false), 0);
        const auto e = ftdi.eeprom(generic);
        EXPECT_EQ(e.vendorId, 0x0403);
        EXPECT_EQ(e.productId, 0xAF80);
        EXPECT_EQ(e.description, "Kelvanor Module");
        EXPECT_EQ(e.manufacturer, "Brask");
        EXPECT_EQ(e.manufacturerId, "QX");
        EXPECT_EQ(e.serialNumber, "QX000001");
        EXPECT_EQ(e.driverSelect232R, 0);
        EXPECT_TRUE(CallsInclude(generic, "EepromRead 2 0 4294967295"));
        EXPECT_EQ(ftdi.programs(generic), 1);
        EXPECT_EQ(ftdi.cycles(generic), 1);
    }
    {
        // An Ember gets its own product id and name.
        auto g = FakeFt232r(0x6001, 0x01300000);
        tamberlo::test::FakeFtdiLibrary& lib = ftdi;
        const int second = lib.addDevice(g);
        List();
        CUSBPort port;
        ASSERT_EQ(port.Open(&owner, std::uint32_t(second), 0), 1);
        EXPECT_EQ(port.ProgramModuleIds(true), 0);
        EXPECT_EQ(ftdi.eeprom(second).productId, 0xAF83);
        EXPECT_EQ(ftdi.eeprom(second).description, "Ember");
    }
    {
        // A bridge with the module's own identity is left alone.
        CUSBPort port;
        ASSERT_EQ(port.Open(&owner, std::uint32_t(own), 0), 1);
        EXPECT_EQ(port.ProgramModuleIds(false), -1);
        EXPECT_FALSE(CallsInclude(own, "EepromRead 2 0 4294967295"));
    }
    // A closed port has nothing to rewrite.
    CUSBPort closed;
    EXPECT_EQ(closed.ProgramModuleIds(false), -1);
}

TEST_F(FtdiPortTest, ProgramModuleIdsStopsAtEachFailure) {
    auto odd = FakeFt232r(0x6001, 0x01100000);
    odd.eeprom.productId = 0x6010;  // the EEPROM says something else
    const int mismatch = ftdi.addDevice(odd);
    const int device = ftdi.addDevice(FakeFt232r(0x6001, 0x01200000));
    List();
    CUSBPort port;
    ASSERT_EQ(port.Open(&owner, std::uint32_t(mismatch), 0), 1);
    EXPECT_EQ(port.ProgramModuleIds(false), -1);
    EXPECT_EQ(ftdi.programs(mismatch), 0);
    port.Close();

    ASSERT_EQ(port.Open(&owner, std::uint32_t(device), 0), 1);
    ftdi.failAt(FtdiStep::EepromRead, tamberlo::FtdiEepromReadFailed);
    EXPECT_EQ(port.ProgramModuleIds(false), tamberlo::FtdiEepromReadFailed);
    ftdi.failAt(FtdiStep::EepromRead, 0);
    ftdi.failAt(FtdiStep::EepromProgram, tamberlo::FtdiEepromWriteFailed);
    EXPECT_EQ(port.ProgramModuleIds(false), tamberlo::FtdiEepromWriteFailed);
    EXPECT_EQ(ftdi.cycles(device), 0);  // no port cycle without a new identity
    EXPECT_EQ(ftdi.eeprom(device).productId, 0x6001);
}

}  // namespace
}  // namespace kelvanor::test
