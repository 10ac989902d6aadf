// Start, Pause, Stop and the dashboard button clicked at random moments, with
// real timers: from the top of the event loop, at the run's event point, as a
// queued click, and inside the yield of the dashboard's input timer. After
// every Stop the run must end within one cycle, and the program must never
// stop handling clicks (a watchdog ends the test when it does). The clicks go
// on until each kind of moment has been met often enough, however slowly the
// machine runs them.
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>

#include "ArduinoLink.h"
#include "Dashboard.h"
#include "FakeDialogs.h"
#include "FakeVellemanCards.h"
#include "InputReading.h"
#include "InstalledServices.h"
#include "LadderProgrammeren.h"
#include "LadderTimers.h"
#include "RunCommands.h"
#include "ScanLoop.h"
#include "SharedState.h"
#include "VellemanCards.h"

using namespace tamberlo;
using Clock = std::chrono::steady_clock;

namespace {

// Ends the process when no click was handled for a long while: a frozen
// program, or a Stop that never settles, would otherwise hang the test
// until the runner's time-out. The limit is far above any gap between two
// clicks, even on a busy machine under the sanitizers.
class Watchdog {
public:
    Watchdog() {
        beat();
        thread_ = std::thread([this] {
            while (!done_) {
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
                if (Clock::now().time_since_epoch().count() - last_.load() > kLimit.count()) {
                    std::fprintf(stderr, "No click was handled for 60 s: the program froze or a Stop never settled.\n");
                    std::_Exit(1);
                }
            }
        });
    }
    ~Watchdog() {
        done_ = true;
        thread_.join();
    }
    void beat() { last_ = Clock::now().time_since_epoch().count(); }

private:
    static constexpr std::chrono::nanoseconds kLimit = std::chrono::seconds(60);
    std::atomic<Clock::rep> last_{0};
    std::atomic<bool> done_{false};
    std::thread thread_;
};

enum class Click { Start, Pause, Stop, Dashboard };
enum class Moment { Now, Queued, InsideInputTimer };

class RunCommandsStress : public ::testing::Test {
protected:
    void SetUp() override {
        shared = SharedState{};
        cards.attached = 0b1;
        shared.VellemanKaartMasker = static_cast<Integer>(velleman::SearchDevices());
        shared.Condities[1] = {1, 10, 1, 0, 0, 0};          // card 0 input 1
        shared.Acties[1] = {3, 1, 1, 0, 0, 0, 0, 0, 0, 0};  // sets M0
        inputTimer = TimerLeesIngangen().onTimer;
        // A click armed for the input timer is posted just before the timer
        // reads the inputs, so its yield is where the click arrives.
        TimerLeesIngangen().onTimer = [this] {
            if (armed) {
                armed = false;
                ++clicksInsideInputTimer;
                const Click c = armedClick;
                QMetaObject::invokeMethod(
                    qApp, [this, c] { click(c); }, Qt::QueuedConnection);
            }
            inputTimer();
        };
    }
    void TearDown() override {
        TimerLeesIngangen().onTimer = inputTimer;
        CommandStop();
        QEventLoop settle;
        QTimer::singleShot(50, &settle, &QEventLoop::quit);
        settle.exec();
        CommandStop();
        dashboardWindow().hide();
        TimerLeesIngangen().SetEnabled(false);
        TimerSerialPort().SetEnabled(false);
    }

    void click(Click c) {
        watchdog.beat();
        switch (c) {
        case Click::Start:
            // A Start that was queued before the last Stop may arrive after it;
            // that Stop is judged now.
            if (stopPending && !ScanLoopRunning()) stopPending = false, ++stopsChecked;
            ++starts;
            CommandStart();
            break;
        case Click::Pause: CommandPauze(); break;
        case Click::Stop:
            stopPending = true;
            cyclesAtStop = ScanCycles();
            CommandStop();
            break;
        case Click::Dashboard: CommandDashboard_Click(); break;
        }
    }

    // Whether the last Stop is done with; a run still going more than one
    // cycle after it is a failure.
    bool stopSettled() {
        if (!stopPending) return true;
        if (ScanLoopRunning()) {
            if (ScanCycles() - cyclesAtStop > 1) {
                ADD_FAILURE() << "the run went on " << ScanCycles() - cyclesAtStop << " cycles after Stop";
                stopPending = false;
                return true;
            }
            return false;
        }
        if (shared.ProgrammaStatus != 0) return false;  // the Stop waits behind a start
        ++stopsChecked;
        stopPending = false;
        return true;
    }

    void step() {
        // The next step is due before this one clicks: a Start runs the whole
        // run inside this call.
        next(pick(0, 3));
        if (stopSettled() && enough()) {
            // The last clicks are Stops; done once they have ended whatever ran
            // (a queued Start may still have come after the first).
            if (!ending || ScanLoopRunning()) {
                ending = true;
                armed = false;
                click(Click::Stop);
            } else {
                done = true;
                finished.quit();
            }
        }
        // A click armed for an input timer that was stopped meanwhile is dropped.
        if (armed && !TimerLeesIngangen().Enabled()) armed = false;
        if (stopSettled() && !armed && !ending) {
            ++steps;
            const Click c = static_cast<Click>(pick(0, 3));
            // Inside the input timer's yield is the moment that matters most:
            // taken three times in four while that timer runs.
            Moment m = static_cast<Moment>(pick(0, 1));
            if (TimerLeesIngangen().Enabled() && pick(0, 3) > 0) m = Moment::InsideInputTimer;
            switch (m) {
            case Moment::Now: click(c); break;
            case Moment::Queued:
                QMetaObject::invokeMethod(
                    qApp, [this, c] { click(c); }, Qt::QueuedConnection);
                break;
            case Moment::InsideInputTimer:
                armed = true;
                armedClick = c;
                break;
            }
        }
    }

    // Each step comes from a timer of its own: a run started from a step
    // keeps that step's timer on the stack until the run ends.
    void next(int ms) {
        if (done) return;
        QTimer::singleShot(ms, Qt::PreciseTimer, &finished, [this] { step(); });
    }

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

    // Done once there were kSteps clicks and more than kEach starts, judged
    // Stops and clicks inside the input timer; a run that never meets one of
    // them gives up after kMostSteps clicks.
    bool enough() {
        if (steps >= kMostSteps) {
            if (!gaveUp) ADD_FAILURE() << "gave up after " << steps << " clicks";
            gaveUp = true;
            return true;
        }
        return steps >= kSteps && starts > kEach && stopsChecked > kEach && clicksInsideInputTimer > kEach;
    }

    static constexpr int kSteps = 1200, kMostSteps = 6000, kEach = 100;
    Watchdog watchdog;
    test::FakeDialogs dialogs;
    velleman::FakeVellemanCards cards;
    test::InstalledServices installed{{.dialogs = &dialogs, .cards = &cards}};
    std::function<void()> inputTimer;
    std::mt19937 random{20261208};
    QEventLoop finished;
    bool armed = false;
    Click armedClick = Click::Start;
    bool stopPending = false;
    bool ending = false;
    bool done = false;
    bool gaveUp = false;
    unsigned long long cyclesAtStop = 0;
    int steps = 0, starts = 0, stopsChecked = 0, clicksInsideInputTimer = 0;
};

}  // namespace

TEST_F(RunCommandsStress, StopIsHonouredWithinOneCycleWhateverTheMomentOfEachClick) {
    next(0);
    finished.exec();

    EXPECT_GT(starts, kEach);
    EXPECT_GT(stopsChecked, kEach);
    EXPECT_GT(clicksInsideInputTimer, kEach);
    EXPECT_GT(ScanCycles(), 0u);
    EXPECT_FALSE(ScanLoopRunning());
}
