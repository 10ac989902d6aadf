// The serial transport over a pseudo-terminal: opening, exclusive use,
// reading through the reader thread, queued writes, and a vanishing device.

#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <atomic>
#include <string>

#include "ControlTest.h"
#include "SerialPort.h"

namespace kelvanor::test {
namespace {

class CountingOwner final : public PortOwner {
public:
    void PortDataPending(std::uint32_t key) override {
        lastKey = key;
        ++notifications;
    }
    std::atomic<int> notifications{0};
    std::atomic<std::uint32_t> lastKey{0};
};

using SerialPortTest = ControlTest;

TEST_F(SerialPortTest, OpensWritesAndReadsThroughTheReaderThread) {
    ModuleEmulator& module = AddModule(7, {});
    CountingOwner owner;
    CSerialPort port;
    ASSERT_EQ(port.Open(&owner, 7, 19200), 0);
    EXPECT_TRUE(port.IsOpen());
    EXPECT_EQ(module.CurrentBaud(), 19200u);

    port.Write("MT1=01\r");
    ASSERT_TRUE(module.WaitForLine("MT1=01"));
    // The answer "T1=01": appended, then announced.
    ASSERT_TRUE(WaitUntil([&] { return port.HasReceived() && owner.notifications.load() > 0; }));
    EXPECT_EQ(owner.lastKey.load(), port.portId());
    std::string got;
    ASSERT_TRUE(WaitUntil([&] {
        const auto r = port.TakeReceived();
        got.append(r.bytes.begin(), r.bytes.end());
        return got == "T1=01\r";
    }));
    EXPECT_EQ(port.Close(), 1);
    EXPECT_FALSE(port.IsOpen());
}

TEST_F(SerialPortTest, TwoQuickWritesBothArriveInOrder) {
    ModuleEmulator& module = AddModule(3, {.silent = true});
    CountingOwner owner;
    CSerialPort port;
    ASSERT_EQ(port.Open(&owner, 3, 115200), 0);
    port.Write("first\r");
    port.Write("second\r");
    ASSERT_TRUE(module.WaitForLine("second"));
    const auto lines = module.Lines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], "first");
}

TEST_F(SerialPortTest, APortHeldByAnotherProgramIsAccessDenied) {
    ModuleEmulator& module = AddModule(4, {});
    const int other = ::open(QFile::encodeName(module.slavePath()).constData(), O_RDWR | O_NOCTTY);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
    CountingOwner owner;
    CSerialPort port;
    EXPECT_EQ(port.Open(&owner, 4, 115200), kErrorAccessDenied);
    ::close(other);
    EXPECT_EQ(port.Open(&owner, 4, 115200), 0);
    // And while we hold it, a second port of ours is refused as well.
    CSerialPort second;
    EXPECT_EQ(second.Open(&owner, 4, 115200), kErrorAccessDenied);
}

TEST_F(SerialPortTest, AMissingPortIsNotFound) {
    CountingOwner owner;
    CSerialPort port;
    EXPECT_EQ(port.Open(&owner, 9, 115200), kErrorFileNotFound);
    EXPECT_FALSE(CSerialPort::IsSerialDevice(9));
}

TEST_F(SerialPortTest, AVanishingDeviceIsReportedOnTheWindowThreadAndClosesThePort) {
    ModuleEmulator& module = AddModule(5, {});
    CountingOwner owner;
    CSerialPort port;
    ASSERT_EQ(port.Open(&owner, 5, 115200), 0);
    module.Disconnect();
    ASSERT_TRUE(WaitUntil([&] { return owner.notifications.load() > 0; }));
    EXPECT_TRUE(messages.isEmpty());  // nothing shown from the reader thread
    port.HandleReaderFault();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(
        messages[0].startsWith(QStringLiteral("Serielle Kommunikation mit folgendem Fehler fehlgeschlagen:\nReadFile(): ")));
    EXPECT_TRUE(messages[0].endsWith(QStringLiteral("\nCOM: 5 wird geschlossen!\n")));
    EXPECT_EQ(captions[0], QStringLiteral("Serielle Kommunikation"));
    EXPECT_FALSE(port.IsOpen());
    port.Write("dropped\r");  // a closed port drops lines without waiting
}

TEST_F(SerialPortTest, AnOverlongLineIsRefused) {
    ModuleEmulator& module = AddModule(6, {.silent = true});
    CountingOwner owner;
    CSerialPort port;
    ASSERT_EQ(port.Open(&owner, 6, 115200), 0);
    port.Write(std::string(1100, 'x') + "\r");
    port.Write("after\r");
    ASSERT_TRUE(module.WaitForLine("after"));
    EXPECT_EQ(module.Lines().size(), 1u);
}

TEST_F(SerialPortTest, AFloodNeverOverrunsTheBufferAndThePortGoesOn) {
    ModuleEmulator& module = AddModule(8, {});
    CountingOwner owner;
    CSerialPort port;
    ASSERT_EQ(port.Open(&owner, 8, 115200), 0);
    module.Send(std::string(20000, 'z'));  // more than the port keeps: dropped
    std::string tail;
    int round = 0;
    ASSERT_TRUE(WaitUntil([&] {
        if (round++ % 20 == 0) module.Send("after\r");  // until one gets through
        const auto r = port.TakeReceived();
        EXPECT_LE(r.bytes.size(), CCommunicationPort::kBufferSize);
        tail.append(r.bytes.begin(), r.bytes.end());
        if (tail.size() > 64) tail.erase(0, tail.size() - 64);
        return tail.size() >= 6 && tail.compare(tail.size() - 6, 6, "after\r") == 0;
    }));
}

}  // namespace
}  // namespace kelvanor::test
