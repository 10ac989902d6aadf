#pragma once
// A program start-up with fakes in place of the devices, the settings files
// and the parallel ports: every call and wait is logged in order, and a timer
// clicks the splash's OK as soon as it shows.

#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Controls.h"
#include "FakeDialogs.h"
#include "FakeKelvanor.h"
#include "InstalledServices.h"
#include "LadderProgrammeren.h"
#include "LadderView.h"
#include "ProgramEnd.h"
#include "SharedState.h"
#include "SplashWindow.h"
#include "StartUpServices.h"
#include "TempHome.h"
#include "Windows.h"
#include "Yielding.h"

namespace tamberlo::test {

class StartUpTest : public ::testing::Test {
protected:
    TempHome home;
    FakeDialogs dialogs;
    std::vector<std::string> log;
    FakeKelvanor kelvanor{log};
    InstalledServices installed{{.dialogs = &dialogs,
                                 .kelvanor = &kelvanor,
                                 .wait = [this](double s) { log.push_back("Wait " + std::to_string(s).substr(0, 3)); },
                                 .processEnd = [this] { log.push_back("End"); }}};
    QTimer okClicker;
    bool autoOk = true;

    void SetUp() override {
        shared = SharedState{};
        ladderView = LadderView{};
        SetAppEnding(false);
        RestoreStartUpServices();
        StartUpServices& d = startUpServices();
        d.HostKelvanor = [this] { log.push_back("HostKelvanor"); };
        d.LeesInstellingen = [this] { log.push_back("LeesInstellingen"); };
        d.ReadPortSettings = [this] { log.push_back("LeesPoortsettings"); };
        d.Out32 = [this](std::int16_t a, std::int16_t v) {
            log.push_back("Out32 " + std::to_string(a) + " " + std::to_string(v));
        };
        d.AangeslotenVelleman = [this] { log.push_back("AangeslotenVelleman"); };
        d.AangeslotenKelvanorEmber = [this] { log.push_back("AangeslotenKelvanorEmber"); };
        d.AangeslotenICP12 = [this] { log.push_back("AangeslotenICP12"); };
        d.ArduinoOutput = [this](const QString& t) { log.push_back("Arduino " + t.toStdString()); };
        okClicker.setInterval(1);
        QObject::connect(&okClicker, &QTimer::timeout, [this] {
            SplashWindow& s = splashWindow();
            if (autoOk && s.CMDOk->isVisible() && s.isVisible()) s.CMDOk->click();
        });
        okClicker.start();
    }

    void TearDown() override {
        okClicker.stop();
        forgetWindows();
        ClearProgramEndSteps();
        RestoreStartUpServices();
        SetAppEnding(false);
    }

    // Runs the whole start-up as main() does.
    LadderProgrammeren& Start(bool withoutArguments = true) {
        splashWindow().Load(withoutArguments);
        return mainWindow();
    }
};

}  // namespace tamberlo::test
