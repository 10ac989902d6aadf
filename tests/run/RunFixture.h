#pragma once
// A clean program state for one run-engine test: fresh shared state and
// views, stopped timers, fake time, fake dialogs, sound, network link and
// Kelvanor module.

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "ArduinoLink.h"
#include "Controls.h"
#include "DashboardView.h"
#include "FakeDialogs.h"
#include "FakeKelvanor.h"
#include "FakeSoundPlayer.h"
#include "FakeTime.h"
#include "InputReading.h"
#include "InstalledServices.h"
#include "LadderTimers.h"
#include "LadderView.h"
#include "NetworkLink.h"
#include "SharedState.h"

namespace tamberlo::test {

class FakeLink final : public NetworkLink {
public:
    void MaakVerbinding() override {
        ++connections;
        if (whileConnecting) whileConnecting();
        shared.Verbindingsstatus = result;
    }
    int WinsockState() override { return state; }
    void SendChangedNetworkOutputs() override { ++sends; }
    void QuitNetworkLink() override {
        ++quits;
        shared.Verbindingsstatus = 0;
    }
    void CloseConnectingLink() override { ++closes; }

    int state = 0;
    int result = 0;  // Verbindingsstatus after MaakVerbinding
    std::function<void()> whileConnecting;
    int connections = 0, sends = 0, quits = 0, closes = 0;
};

class RunTest : public ::testing::Test {
protected:
    RunTest() {
        QCoreApplication::processEvents();  // nothing of an earlier test left queued
        shared = SharedState{};
        ladderView = LadderView{};
        dashboardView = DashboardView{};
        LadderTimers& t = ladderTimers();
        for (auto& timer : t.TimerT) {
            timer->SetEnabled(false);
            timer->SetInterval(0);
        }
        t.TimerStopwatch->SetEnabled(false);
        TimerSerialPort().SetEnabled(false);
        TimerLeesIngangen().SetEnabled(false);
    }

    // Runs `step` at the event point of each of the next cycles until it
    // returns false (it runs at least once).
    static void AtEveryEventPoint(std::function<bool()> step) {
        auto repeatStep = std::make_shared<std::function<void()>>();
        std::weak_ptr<std::function<void()>> weak = repeatStep;
        *repeatStep = [step, weak] {
            if (!step()) return;
            if (auto h = weak.lock())
                QMetaObject::invokeMethod(
                    qApp, [h] { (*h)(); }, Qt::QueuedConnection);
        };
        QMetaObject::invokeMethod(
            qApp, [repeatStep] { (*repeatStep)(); }, Qt::QueuedConnection);
    }

    // Runs `action` at the event point that ends cycle `n` (the first event
    // point is the input reading before the first cycle).
    static void AfterEventPoints(int n, std::function<void()> action) {
        auto counter = std::make_shared<int>(n);
        AtEveryEventPoint([counter, action] {
            if (--*counter > 0) return true;
            action();
            return false;
        });
    }

    // A condition cell and an action row written straight into the tables.
    static void SetCondition(int i, std::initializer_list<int> columns) {
        int k = 0;
        for (int v : columns) shared.Condities[i][k++] = static_cast<Integer>(v);
    }
    static void SetAction(int r, std::initializer_list<int> columns) {
        int k = 0;
        for (int v : columns) shared.Acties[r][k++] = static_cast<Integer>(v);
    }

    // A folder of sound files (the player is handed only a file that is there).
    static QString SoundFolder() {
        static const QTemporaryDir folder;
        for (const char* name : {"bel.wav", "start.wav", "tik.wav"}) {
            QFile file(folder.filePath(QString::fromLatin1(name)));
            if (!file.exists() && file.open(QIODevice::WriteOnly)) file.write("RIFF");
        }
        return folder.path();
    }

    FakeTime time;
    FakeDialogs fakeDialogs;
    FakeSoundPlayer sound;
    FakeLink link;
    InstalledServices installed{{.dialogs = &fakeDialogs, .sound = &sound, .clock = &time, .networkLink = &link}};
};

}  // namespace tamberlo::test
