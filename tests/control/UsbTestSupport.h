#pragma once
// Common ground of the USB transport tests: the fake bridge libraries
// installed for the test's duration, a control whose trace window is open,
// and an owner that counts the ports' notifications.

#include <QStringList>

#include <atomic>
#include <memory>

#include "ControlServices.h"
#include "ControlTest.h"
#include "DebugWin.h"
#include "FakeFtdiLibrary.h"
#include "FakeSiLabsLibrary.h"
#include "KelvanorCtrl.h"
#include "Trace.h"

namespace kelvanor::test {

class CountingOwner final : public PortOwner {
public:
    void PortDataPending(std::uint32_t portId) override {
        lastPortId = portId;
        ++notifications;
    }
    std::atomic<int> notifications{0};
    std::atomic<std::uint32_t> lastPortId{0};
};

class UsbTest : public ControlTest {
protected:
    UsbTest() {
        InstallControlServices({.ftdi = &ftdi, .siLabs = &silabs});
        ctrl = std::make_unique<CKelvanorCtrl>();
        ctrl->ShowDebugWnd();
    }
    ~UsbTest() override {
        ctrl.reset();
        InstallControlServices({});
    }

    // Whether a trace line ends with `text` (after the time stamp and tab).
    bool Traced(const QString& text) const {
        for (const QString& line : g_pDebugWin->Lines())
            if (line.endsWith(QStringLiteral(":\t") + text)) return true;
        return false;
    }
    void ClearTrace() { g_pDebugWin->OnClear(); }

    tamberlo::test::FakeFtdiLibrary ftdi;
    tamberlo::test::FakeSiLabsLibrary silabs;
    std::unique_ptr<CKelvanorCtrl> ctrl;
};

}  // namespace kelvanor::test
