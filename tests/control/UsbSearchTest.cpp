// Modules found through fake USB bridges and driven end to end: the module
// emulator's protocol answers behind a fake FTDI or Silicon Labs device, the
// control searches, initialises, reads and writes, and rewrites a generic
// bridge's identity.

#include <string>

#include "UsbModuleBridge.h"
#include "UsbTestSupport.h"

namespace kelvanor::test {
namespace {

using tamberlo::test::FakeFt232r;
using tamberlo::test::FakeSiLabsDevice;

class UsbSearchTest : public UsbTest {
protected:
    UsbSearchTest() { ctrl->settings.UseSerial = false; }

    // A module behind a fake FTDI bridge with product id `product`.
    ModuleEmulator& FtdiModule(std::uint16_t product, std::uint32_t location, ModuleEmulator::Options options) {
        emulators_.push_back(std::make_unique<ModuleEmulator>(options));
        ModuleEmulator& module = *emulators_.back();
        const int index = int(emulators_.size()) - 1;  // devices and emulators are added in step
        bridges_.push_back(
            std::make_unique<UsbModuleBridge>(module, [this, index](const std::string& bytes) { ftdi.inject(index, bytes); }));
        auto device = FakeFt232r(product, location);
        UsbModuleBridge* bridge = bridges_.back().get();
        device.respond = [bridge](const std::string& bytes, std::uint32_t baud) { return bridge->Forward(bytes, baud); };
        ftdi.addDevice(device);
        return module;
    }

    // A module behind a fake Silicon Labs bridge.
    ModuleEmulator& SiLabsModule(ModuleEmulator::Options options) {
        emulators_.push_back(std::make_unique<ModuleEmulator>(options));
        ModuleEmulator& module = *emulators_.back();
        const int index = silabsDevices_++;
        bridges_.push_back(
            std::make_unique<UsbModuleBridge>(module, [this, index](const std::string& bytes) { silabs.inject(index, bytes); }));
        FakeSiLabsDevice device;
        UsbModuleBridge* bridge = bridges_.back().get();
        device.respond = [bridge](const std::string& bytes) { return bridge->Forward(bytes, 115200); };
        silabs.addDevice(device);
        return module;
    }

    ~UsbSearchTest() override {
        if (ctrl) ctrl->Disconnect();
        bridges_.clear();
    }

    std::vector<std::unique_ptr<ModuleEmulator>> emulators_;
    std::vector<std::unique_ptr<UsbModuleBridge>> bridges_;
    int silabsDevices_ = 0;
};

TEST_F(UsbSearchTest, AModuleOnAGenericFtdiBridgeIsFoundDrivenAndUpdated) {
    ModuleEmulator& module = FtdiModule(0x6001, 0x01140000, {.personality = Personality::Delta, .number = 3});
    EXPECT_EQ(ctrl->Connect(), 1 << 2);
    EXPECT_TRUE(Traced(QStringLiteral("USB#1 devices:\t1")));
    EXPECT_TRUE(Traced(QStringLiteral("Opening USB:\tLoc1140000")));
    EXPECT_EQ(ctrl->currentModule(), 3);
    EXPECT_EQ(ctrl->GetModuleType(3), 3);
    EXPECT_EQ(ctrl->GetPortType(3), 0x12u);
    EXPECT_EQ(ctrl->GetUSBLocation(3), 0x01140000u);
    EXPECT_EQ(ftdi.baud(0), 115200u);

    // Outputs reach the module and inputs come back, through the reader.
    ctrl->SetOutputWord(3, 0, 0x1234);
    EXPECT_EQ(module.OutputWord(3, 0), 0x1234);
    module.SetInputWord(3, 2, 0x0ABC);
    EXPECT_EQ(ctrl->GetInputWord(3, 2), 0x0ABC);
    std::vector<int> changes;
    ctrl->InputWordChanged = [&](std::int16_t m, std::int16_t w, std::int32_t v) {
        if (m == 3 && w == 0) changes.push_back(v);
    };
    module.ReportInputWord0(3, 0x00F0);
    ASSERT_TRUE(WaitUntil([&] { return !changes.empty(); }));
    EXPECT_EQ(changes.front(), 0x00F0);

    // The generic identity is reported and rewritten; the bridge re-enumerates.
    EXPECT_EQ(ctrl->IsModuleUpdateAvailable(3), 1);
    EXPECT_EQ(ctrl->UpdateModule(3), 0);
    EXPECT_TRUE(Traced(QStringLiteral("Updating Kelvanor Module 3")));
    EXPECT_EQ(ftdi.eeprom(0).productId, 0xAF80);
    EXPECT_EQ(ftdi.eeprom(0).description, "Kelvanor Module");
    EXPECT_EQ(ftdi.cycles(0), 1);

    ctrl->Disconnect();
    EXPECT_FALSE(ftdi.isOpen(0));
    EXPECT_EQ(ctrl->IsModuleUpdateAvailable(3), 0);
    EXPECT_EQ(ctrl->UpdateModule(3), -1);
}

TEST_F(UsbSearchTest, AnEmberIsFoundAtItsFirstSpeedAndACedarBecomesAnEmber) {
    ModuleEmulator& ember = FtdiModule(0xAF83, 0x01200000, {.personality = Personality::Cedar, .number = 1, .onlyBaud = 19200});
    EXPECT_EQ(ctrl->Connect(), 1);
    // Found on the first attempt: the bridge was never set to 115200.
    for (const auto& call : ftdi.calls(0)) EXPECT_NE(call, "SetBaudRate 115200");
    EXPECT_EQ(ember.Count("setup0"), 1);
    EXPECT_EQ(ctrl->GetModuleType(1), 5);
    // Its own identity: nothing to update.
    EXPECT_EQ(ctrl->IsModuleUpdateAvailable(1), 0);
    EXPECT_EQ(ctrl->UpdateModule(1), -1);
}

TEST_F(UsbSearchTest, AGenericCedarAtTheSlowSpeedIsFoundOnTheSecondAttemptAndUpdatedAsAnEmber) {
    FtdiModule(0x6001, 0x01300000, {.personality = Personality::Cedar, .number = 2, .onlyBaud = 19200});
    EXPECT_EQ(ctrl->Connect(), 1 << 1);
    EXPECT_EQ(ftdi.baud(0), 19200u);
    EXPECT_EQ(ctrl->IsModuleUpdateAvailable(2), 1);
    EXPECT_EQ(ctrl->UpdateModule(2), 0);
    EXPECT_EQ(ftdi.eeprom(0).productId, 0xAF83);
    EXPECT_EQ(ftdi.eeprom(0).description, "Ember");
}

TEST_F(UsbSearchTest, WithoutUsbSearchNoBridgeIsTouched) {
    FtdiModule(0xAF80, 0x01100000, {});
    silabs.addDevice({});
    ctrl->settings.UseUSB = false;
    EXPECT_EQ(ctrl->Connect(), 0);
    EXPECT_TRUE(ftdi.calls(0).empty());
    EXPECT_TRUE(silabs.calls(0).empty());
}

TEST_F(UsbSearchTest, AModuleOnASiliconLabsBridgeIsFoundAndDriven) {
    ModuleEmulator& module = SiLabsModule({.personality = Personality::Atlas, .number = 4});
    EXPECT_EQ(ctrl->Connect(), 1 << 3);
    EXPECT_TRUE(Traced(QStringLiteral("USB#2 devices:\t1")));
    EXPECT_TRUE(Traced(QStringLiteral("VID, PID:\t\t0x10C4, 0xEA61")));
    EXPECT_EQ(ctrl->GetPortType(4), 0x22u);
    EXPECT_EQ(ctrl->GetComPort(4), 0);  // device index 0
    EXPECT_EQ(ctrl->GetUSBLocation(4), 0u);
    EXPECT_EQ(ctrl->IsModuleUpdateAvailable(4), 0);
    ctrl->SetOutputWord(4, 0, 0x00A5);
    EXPECT_EQ(module.OutputWord(4, 0), 0x00A5);
    // Word 0 is reported by the module itself.
    module.ReportInputWord0(4, 0x0101);
    ASSERT_TRUE(WaitUntil([&] { return ctrl->GetInputWord(4, 0) == 0x0101; }));
}

TEST_F(UsbSearchTest, ASerialPortAndASiliconLabsBridgeWithTheSameKeyKeepTheirOwnData) {
    ctrl->settings.UseSerial = true;
    // Silicon Labs device 1 (key 1) and COM 1 (key 1) both carry a module.
    FakeSiLabsDevice unusable;
    unusable.failOpen = true;
    silabs.addDevice(unusable);
    ++silabsDevices_;
    ModuleEmulator& usb = SiLabsModule({.personality = Personality::Atlas, .number = 2});
    ModuleEmulator& serial = AddModule(1, {.personality = Personality::Atlas, .number = 1});
    EXPECT_EQ(ctrl->Connect(), 0b11);
    EXPECT_EQ(ctrl->GetPortType(2), 0x22u);
    EXPECT_EQ(ctrl->GetComPort(2), 1);
    EXPECT_EQ(ctrl->GetPortType(1), 0x01u);
    EXPECT_EQ(ctrl->GetComPort(1), 1);

    // Both report at once; each report reaches its own module.
    std::vector<std::pair<int, int>> changes;
    ctrl->InputWordChanged = [&](std::int16_t m, std::int16_t w, std::int32_t v) {
        if (w == 0) changes.emplace_back(m, v);
    };
    for (int round = 1; round <= 5; ++round) {
        usb.ReportInputWord0(2, std::uint16_t(0x200 + round));
        serial.ReportInputWord0(1, std::uint16_t(0x100 + round));
        ASSERT_TRUE(WaitUntil([&] {
            return ctrl->module(1).inputWords[0] == std::uint32_t(0x100 + round) &&
                   ctrl->module(2).inputWords[0] == std::uint32_t(0x200 + round);
        })) << round;
    }
}

}  // namespace
}  // namespace kelvanor::test
