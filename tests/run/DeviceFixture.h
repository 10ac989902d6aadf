#pragma once
// A clean program state with fake devices: Velleman cards, parallel ports,
// a Kelvanor client and the Arduino's port, each logging what it was asked.

#include <gtest/gtest.h>

#include <QStringList>

#include <stdexcept>
#include <string>
#include <vector>

#include "ActionExecutor.h"
#include "ArduinoOutputs.h"
#include "Controls.h"
#include "DashboardView.h"
#include "Detection.h"
#include "FakeDialogs.h"
#include "FakeKelvanor.h"
#include "FakeParallelPorts.h"
#include "FakeVellemanCards.h"
#include "InstalledServices.h"
#include "LadderView.h"
#include "OutputActions.h"
#include "SharedState.h"

namespace tamberlo::test {

class DeviceTest : public ::testing::Test {
protected:
    DeviceTest() {
        shared = SharedState{};
        dashboardView = DashboardView{};
        ladderView = LadderView{};
        ArduinoOutputReset(std::nullopt);
        arduinoPortHooks().PortOpen = [this] { return arduinoOpen; };
        arduinoPortHooks().Output = [this](const QString& t) { arduino << t; };
        arduinoPortHooks().OutBufferCount = [this] { return arduinoUnsent; };
        // No serial port of this machine is scanned or opened.
        arduinoSearchHooks().ZoekComPoorten = [] { shared.ICP12Poort = 0; };
        arduinoSearchHooks().ICP_Connect = [](int) {};
    }
    ~DeviceTest() override {
        ArduinoOutputReset(std::nullopt);
        arduinoPortHooks() = savedPort;
        arduinoSearchHooks() = savedSearch;
    }
    ArduinoPortHooks savedPort = arduinoPortHooks();
    ArduinoSearchHooks savedSearch = arduinoSearchHooks();

    // An output action row: kind 1 with columns 1..5.
    void action(int r, int code, int op, int out, int network = 0, int wait = 0) {
        shared.Acties[r] = {1, Integer(code), Integer(op), Integer(out), Integer(network), Integer(wait), 0, 0, 0, 0};
    }
    // One pass of the action executor itself, with only rungs `rows` holding:
    // the devices must show that pass's outputs as soon as it returns.
    static void onePass(std::initializer_list<int> rows) {
        shared.ConditieResultaat.fill(false);
        for (int r : rows)
            shared.ConditieResultaat[3 * r - 2] = shared.ConditieResultaat[3 * r - 1] = shared.ConditieResultaat[3 * r] = true;
        LoopActies();
    }
    // Every call to a card comes right after SetCurrentDevice of that card.
    static void ExpectSelectedBeforeEveryCardCall(const std::vector<std::string>& log) {
        std::string selected;
        for (const auto& e : log) {
            if (e.rfind("SetCurrentDevice(", 0) == 0) {
                selected = e.substr(17, e.size() - 18);
                continue;
            }
            auto at = e.find('@');
            if (at == std::string::npos) continue;
            EXPECT_EQ(e.substr(at + 1), selected) << e << " without its card selected";
        }
    }

    velleman::FakeVellemanCards cards;
    FakeParallelPorts ports;
    FakeKelvanor kelvanor;
    FakeDialogs dialogs;
    InstalledServices installed{{.dialogs = &dialogs, .cards = &cards, .parallelPorts = &ports, .kelvanor = &kelvanor}};
    bool arduinoOpen = true;
    int arduinoUnsent = 0;  // characters the port has not sent yet
    QStringList arduino;
};

using Log = std::vector<std::string>;

}  // namespace tamberlo::test
