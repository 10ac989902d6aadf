// The hand-over of received bytes from a port to the control, with a port
// that the test drives itself (it answers the module's side of the protocol
// at once and hands bytes over as a reader thread does), so that the order of
// notifications and hand-overs is chosen by the test.

#include <map>
#include <string>
#include <vector>

#include "ControlServices.h"
#include "ControlTest.h"
#include "KelvanorCtrl.h"
#include "UsbBridges.h"

namespace kelvanor::test {
namespace {

// A port whose module answers from a table.
class ScriptedPort final : public CCommunicationPort {
public:
    explicit ScriptedPort(std::map<std::string, std::string> answers) : answers_(std::move(answers)) {}

    int Open(PortOwner* owner, std::uint32_t device, std::uint32_t) override {
        owner_ = owner;
        key_ = device;
        open_ = true;
        return 1;
    }
    int Close() override {
        open_ = false;
        return 1;
    }
    void Write(const std::string& line) override {
        if (!open_) return;
        written.push_back(line.substr(0, line.size() - 1));
        const auto it = answers_.find(written.back());
        if (it != answers_.end()) Receive(it->second);
    }
    bool IsOpen() const override { return open_; }

    // As a reader thread does: append, then notify.
    void Receive(const std::string& bytes) {
        AppendReceived(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        NotifyOwner();
    }
    // A notification whose bytes a hand-over already took: the reader posts
    // after appending, and the control may take those bytes (together with
    // earlier ones) before it handles that notification.
    void NotifyOnly() { NotifyOwner(); }

    std::vector<std::string> written;

private:
    std::map<std::string, std::string> answers_;
    bool open_ = false;
};

// One Silicon Labs bridge whose port is a ScriptedPort.
class ScriptedBridges final : public NoUsbBridges {
public:
    int SiLabsDeviceCount(std::uint32_t& count) override {
        count = 1;
        return 0;
    }
    std::unique_ptr<CCommunicationPort> NewSiLabsPort() override {
        // An Atlas numbered 1: no analog words.
        auto port = std::make_unique<ScriptedPort>(std::map<std::string, std::string>{
            {"setup0", "setup1\r"},
            {"DV", "V=2.05\r"},
            {"DEW1.8", "DEW1.8\r"},
            {"DEW1.0", "EW1.0=0000\r"},
            {"DAW1.0", "AW1.0=0000\r"},
            {"MT1=01", "T1=01\r"},
        });
        last = port.get();
        return port;
    }
    ScriptedPort* last = nullptr;
};

class PortHandOverTest : public ControlTest {
protected:
    PortHandOverTest() { InstallControlServices({.usbBridges = &bridges}); }
    ~PortHandOverTest() override { InstallControlServices({}); }
    ScriptedBridges bridges;
};

TEST_F(PortHandOverTest, ANotificationWhoseBytesWereAlreadyTakenDoesNotSilenceThePort) {
    CKelvanorCtrl ctrl;
    ctrl.settings.UseSerial = false;
    ASSERT_EQ(ctrl.Connect(), 1);
    ScriptedPort* port = bridges.last;
    ASSERT_NE(port, nullptr);
    std::vector<std::int32_t> words;
    ctrl.InputWordChanged = [&](std::int16_t, std::int16_t word, std::int32_t value) {
        if (word == 0) words.push_back(value);
    };

    port->NotifyOnly();
    QCoreApplication::processEvents();
    // The next bytes must still reach the control.
    port->Receive("EW1.0=0005\r");
    ASSERT_TRUE(WaitUntil([&] { return !words.empty(); }));
    EXPECT_EQ(words, std::vector<std::int32_t>{5});
    ctrl.Disconnect();
}

}  // namespace
}  // namespace kelvanor::test
