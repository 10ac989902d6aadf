// The processor share of a run that mostly waits, and its input-to-output
// times: the every-kind ladder runs for 10 s with fake cards and parallel
// ports, an emulated network peer on loopback and an emulated Arduino sketch
// on a pseudo-terminal. Three pairs of extra rungs carry an input to an output:
//  - card: Velleman card 0 input 1 sets card 1 output 1; the input flips on
//    another thread, as hardware would, so the time includes the wait for
//    the next read;
//  - network: the peer's "di" to the "du" the changed output causes;
//  - Arduino: the sketch's DI reply to the "1/<n>/" it causes;
// and two more set and reset Arduino output 3 in every pass.
// A second run holds two rungs that disagree about the Arduino's outputs
// ("Not input 1: set output 3" and "Not input 1: all outputs off"), so every
// pass changes its output byte and changes it back.
// A third run toggles Arduino output 3 on every pass, through two memories:
// each pass wants another command than the last.
// All report the output commands the sketch received per second, and how
// many of them repeated the one before (a command that changed nothing):
// a pseudo-terminal takes any number of commands, but the program paces them
// to a 115200-baud line, which carries about 2,900 "1/4/" a second.
// The share counts every thread of the process, the emulators' included.
// The main window shows the ladder with its captions, as in the program, so
// the figure includes what painting costs (run it under Xvfb as well:
// the offscreen platform paints into memory and hides most of that).
#include <QApplication>
#include <QPaintEvent>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <optional>
#include <random>
#include <thread>
#include <vector>

#include "ActionCaptions.h"
#include "ArduinoEmulator.h"
#include "ArduinoLink.h"
#include "ComPortNames.h"
#include "ComPortSearch.h"
#include "ConditionCaptions.h"
#include "Controls.h"
#include "Dialogs.h"
#include "DrawnLadder.h"
#include "EveryKindLadder.h"
#include "FakeParallelPorts.h"
#include "FakeSoundPlayer.h"
#include "FakeVellemanCards.h"
#include "InstalledServices.h"
#include "LadderProgrammeren.h"
#include "NetworkPeerEmulator.h"
#include "RunCommands.h"
#include "ScanLoop.h"
#include "SharedState.h"
#include "TogglingLadder.h"
#include "VellemanBackend.h"
#include "VellemanCards.h"
#include "Windows.h"

using namespace tamberlo;
using namespace tamberlo::test;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kRunMs = 10000;

class QuietDialogs final : public Dialogs {
public:
    MsgResult MsgBox(const QString&, MsgButtons, const QString&) override { return MsgResult::Ok; }
    QString InputBox(const QString&, const QString&, const QString&) override { return {}; }
    QString OpenFile(const FileDialogRequest&) override { return {}; }
    QString SaveFile(const FileDialogRequest&) override { return {}; }
};

double Millis(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// Two cards; input 1 of card 0 is flipped by a thread of its own, and every
// write that makes output 1 of card 1 follow it ends one measurement.
class TimedCards final : public velleman::VellemanBackend {
public:
    ~TimedCards() override { stop(); }

    void startFlipping() {
        flipper_ = std::thread([this] {
            std::mt19937 random(7);
            std::uniform_int_distribution<int> pause(15, 35);
            while (!stopping_) {
                std::this_thread::sleep_for(std::chrono::milliseconds(pause(random)));
                std::lock_guard lock(mutex_);
                if (awaiting_) continue;  // the last change was not seen yet
                input_ ^= 1;
                flippedAt_ = Clock::now();
                awaiting_ = true;
            }
        });
    }
    void stop() {
        stopping_ = true;
        if (flipper_.joinable()) flipper_.join();
    }
    std::vector<double> latencies() {
        std::lock_guard lock(mutex_);
        return ms_;
    }

    std::int32_t CloseDevice() override { return 0; }
    std::int32_t SearchDevices() override { return 0b11; }
    std::int32_t SetCurrentDevice(std::int32_t card) override {
        current_ = card;
        return card >= 0 && card <= 1 ? card : -1;
    }
    std::int32_t Connected() override { return 0b11; }
    std::int32_t ReadAllDigital() override {
        std::lock_guard lock(mutex_);
        return current_ == 0 ? input_ : 0;
    }
    void ReadAllAnalog(std::int32_t& a1, std::int32_t& a2) override { a1 = a2 = 0; }
    void WriteAllDigital(std::int32_t data) override { wrote(data); }
    void SetAllDigital() override { wrote(out_[current_ & 3] | 0xFF); }
    void ClearAllDigital() override { wrote(0); }
    void SetDigitalChannel(std::int32_t ch) override { wrote(out_[current_ & 3] | (1 << (ch - 1))); }
    void ClearDigitalChannel(std::int32_t ch) override { wrote(out_[current_ & 3] & ~(1 << (ch - 1))); }
    void OutputAnalogChannel(std::int32_t, std::int32_t) override {}
    void OutputAllAnalog(std::int32_t, std::int32_t) override {}
    std::int32_t Version() override { return 0; }

private:
    void wrote(int byte) {
        out_[current_ & 3] = byte & 0xFF;
        if (current_ != 1) return;
        std::lock_guard lock(mutex_);
        if (awaiting_ && (byte & 1) == input_) {
            ms_.push_back(Millis(Clock::now() - flippedAt_));
            awaiting_ = false;
        }
    }

    int current_ = 0;
    int out_[4] = {};
    std::mutex mutex_;
    int input_ = 0;
    bool awaiting_ = false;
    Clock::time_point flippedAt_;
    std::vector<double> ms_;
    std::thread flipper_;
    std::atomic<bool> stopping_{false};
};

void LoadLadder() {
    shared = SharedState{};
    const LadderData d = EveryKind();
    for (int i = 1; i <= kConditions; ++i)
        for (int k = 0; k < kConditionColumns; ++k) shared.Condities[i][k] = d.conditions[i][k];
    for (int r = 0; r <= kRungs; ++r) {
        for (int k = 0; k < kActionColumns; ++k) shared.Acties[r][k] = d.actions[r][k];
        shared.GeluidMappen[r] = QString::fromStdString(d.soundFolders[r]);
        shared.GeluidBestanden[r] = QString::fromStdString(d.soundFiles[r]);
    }
    // The measured paths: an input on sets an output, the input off resets it.
    auto path = [](int rung, int inCode, int input, int network, int outCode, int output) {
        shared.Condities[3 * rung - 2] = {1, Integer(inCode), Integer(input), 0, Integer(network), 0};
        shared.Acties[rung] = {1, Integer(outCode), 1, Integer(output), Integer(network), 0, 0, 0, 0, 0};
        shared.Condities[3 * rung + 1] = {1, Integer(inCode), Integer(input + 10), 0, Integer(network), 0};
        shared.Acties[rung + 1] = {1, Integer(outCode), 2, Integer(output), Integer(network), 0, 0, 0, 0, 0};
    };
    path(60, 10, 1, 0, 11, 1);  // card 0 input 1 -> card 1 output 1
    path(62, 10, 2, 1, 10, 2);  // the peer's card 0 input 2 -> network card 0 output 2
    path(64, 50, 1, 0, 50, 1);  // Arduino input 1 -> Arduino output 1
    // Two rungs that disagree about Arduino output 3 while input 2 is off:
    // the output byte changes and changes back on every pass.
    for (int rung : {66, 67}) {
        shared.Condities[3 * rung - 2] = {1, 50, 12, 0, 0, 0};
        shared.Acties[rung] = {1, 50, Integer(rung == 66 ? 1 : 2), 3, 0, 0, 0, 0, 0, 0};
    }
}

// The main window as the start-up leaves it, with the loaded ladder's captions.
LadderProgrammeren& ShowMainWindow() {
    LadderProgrammeren& w = mainWindow();
    DrawEveryCell(*w.PictureProgrammeerVenster);
    for (int i = 1; i <= kConditions; ++i) SetPanelConditieBijLezen(i);
    for (int r = 0; r <= kRungs; ++r) SetPanelActieBijLezen(r);
    w.show();
    QCoreApplication::processEvents();
    return w;
}

// Counts the paints of one widget and the pixels they cover.
class PaintCounter : public QObject {
public:
    int paints = 0;
    double pixels = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::Paint) return false;
        ++paints;
        for (const QRect& r : static_cast<QPaintEvent*>(e)->region()) pixels += double(r.width()) * r.height();
        return false;
    }
};

double Percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<std::size_t>(p * double(v.size())))];
}

void Report(benchmark::State& state, const std::string& name, const std::vector<double>& ms) {
    state.counters[name + "_median_ms"] = Percentile(ms, 0.5);
    state.counters[name + "_p99_ms"] = Percentile(ms, 0.99);
    state.counters[name + "_count"] = double(ms.size());
}

// The processor time of the whole process, or of the calling thread alone.
double CpuSeconds(int who = RUSAGE_SELF) {
    rusage u{};
    getrusage(who, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// The sketch's output commands, and those that repeat the one before it.
struct OutputCommandCount {
    int commands = 0;
    int repeats = 0;
    QString last;
    void take(const QString& command) {
        if (!command.startsWith(QLatin1String("1/"))) return;
        ++commands;
        if (command == last) ++repeats;
        last = command;
    }
    void report(benchmark::State& state, double seconds) const {
        state.counters["arduino_commands_per_second"] = commands / seconds;
        state.counters["arduino_repeated_commands"] = repeats;
    }
};

// Finds the emulated sketch as the program's Arduino search does, without its 2 s waits.
void FindSketch() {
    Services searching = InstalledServices::Current();
    searching.wait = [](double) {
        const auto end = Clock::now() + std::chrono::milliseconds(500);
        while (shared.ICP12Type.isEmpty() && Clock::now() < end) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    };
    InstalledServices searchWaits(searching);
    ZoekComPoorten();
}

// Runs the loaded ladder until `ms` have passed and reports its processor
// share; returns the run's seconds.
double RunMeasured(benchmark::State& state, int ms) {
    QTimer::singleShot(ms, [] { CommandStop(); });
    const double cpu0 = CpuSeconds();
    const double windowThread0 = CpuSeconds(RUSAGE_THREAD);
    const auto wall0 = Clock::now();
    CommandStart();
    const double cpu = CpuSeconds() - cpu0;
    const double windowThread = CpuSeconds(RUSAGE_THREAD) - windowThread0;
    const double wall = std::chrono::duration<double>(Clock::now() - wall0).count();
    state.counters["cpu_percent_of_one_core"] = 100.0 * cpu / wall;
    state.counters["window_thread_cpu_percent"] = 100.0 * windowThread / wall;
    state.counters["run_seconds"] = wall;
    state.SetLabel(QGuiApplication::platformName().toStdString());
    return wall;
}

void BM_EveryKindLadderCpuUse(benchmark::State& state) {
    for (auto _ : state) {
        QuietDialogs dialogs;
        FakeSoundPlayer sound;
        FakeParallelPorts ports;
        TimedCards cards;
        InstalledServices installed{{.dialogs = &dialogs, .cards = &cards, .parallelPorts = &ports, .sound = &sound}};
        QTemporaryDir folder;
        qputenv(kComFolderVariable, QFile::encodeName(folder.path()));
        ArduinoEmulator arduino(folder.path(), 3, QStringLiteral("ET"));
        NetworkPeerEmulator peer;

        LoadLadder();
        LadderProgrammeren& mainWindow = ShowMainWindow();
        PaintCounter painted;
        mainWindow.PictureProgrammeerVenster->installEventFilter(&painted);
        shared.VellemanKaartMasker = velleman::SearchDevices();
        FindSketch();
        WinsockHost().SetRemoteHost(QStringLiteral("127.0.0.1"));
        WinsockHost().SetRemotePort(peer.port());

        // The parallel ports' call log grows with every cycle.
        QTimer trim;
        QObject::connect(&trim, &QTimer::timeout, [&] { ports.log.clear(); });
        trim.start(200);

        std::vector<double> networkMs, arduinoMs;
        Clock::time_point diSent, replySent;
        bool diPending = false, replyPending = false;
        int networkBit = 0;
        QTimer networkFlip;
        QObject::connect(&networkFlip, &QTimer::timeout, [&] {
            if (diPending || !peer.connected()) return;
            networkBit ^= 2;
            diPending = true;
            diSent = Clock::now();
            peer.sendMessage(QStringLiteral("di"), QStringLiteral("k0-%1").arg(networkBit));
        });
        peer.onMessage = [&](const QString& code, const QString& payload) {
            if (code == QLatin1String("du") && diPending && payload.contains(QStringLiteral("k0-%1").arg(networkBit))) {
                networkMs.push_back(Millis(Clock::now() - diSent));
                diPending = false;
            }
        };
        QTimer arduinoFlip;
        QObject::connect(&arduinoFlip, &QTimer::timeout, [&] {
            if (!replyPending) arduino.inputBits ^= 1;
        });
        bool changeAnswered = true;
        int lastBits = 0;
        OutputCommandCount sent;
        arduino.onCommand = [&](const QString& c) {
            sent.take(c);
            if (c == QLatin1String("5") && arduino.inputBits != lastBits) {
                lastBits = arduino.inputBits;  // this poll's reply carries the change
                replySent = Clock::now();
                replyPending = true;
                changeAnswered = false;
            } else if (c.startsWith(QLatin1String("1/")) && replyPending && !changeAnswered) {
                arduinoMs.push_back(Millis(Clock::now() - replySent));
                replyPending = false;
                changeAnswered = true;
            }
        };

        QTimer::singleShot(100, [&] {
            cards.startFlipping();
            networkFlip.start(25);
            arduinoFlip.start(45);
        });
        const double wall = RunMeasured(state, kRunMs);
        cards.stop();

        sent.report(state, wall);
        state.counters["ladder_paints"] = painted.paints;
        state.counters["ladder_mpixels_painted"] = painted.pixels / 1e6;
        Report(state, "card", cards.latencies());
        Report(state, "network", networkMs);
        Report(state, "arduino", arduinoMs);

        iCP_MS_Comm().Close();
        qunsetenv(kComFolderVariable);
        mainWindow.PictureProgrammeerVenster->removeEventFilter(&painted);
        forgetWindows();
    }
}
BENCHMARK(BM_EveryKindLadderCpuUse)->Iterations(1)->Unit(benchmark::kMillisecond);

// Runs the ladder `writeLadder` writes with only the emulated sketch
// attached, and reports its processor share, the sketch's commands, the passes
// and what the port held back at most (the line refused it): that stays small.
void RunArduinoLadder(benchmark::State& state, const std::function<void()>& writeLadder) {
    for (auto _ : state) {
        QuietDialogs dialogs;
        FakeSoundPlayer sound;
        FakeParallelPorts ports;
        velleman::FakeVellemanCards cards;
        InstalledServices installed{{.dialogs = &dialogs, .cards = &cards, .parallelPorts = &ports, .sound = &sound}};
        QTemporaryDir folder;
        qputenv(kComFolderVariable, QFile::encodeName(folder.path()));
        ArduinoEmulator arduino(folder.path(), 3, QStringLiteral("ET"));

        shared = SharedState{};
        writeLadder();
        ShowMainWindow();
        FindSketch();
        OutputCommandCount sent;
        arduino.onCommand = [&](const QString& c) { sent.take(c); };
        int held = 0;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] { held = std::max(held, iCP_MS_Comm().HeldCount()); });
        watch.start(10);

        const unsigned long long passes = ScanCycles();
        const double wall = RunMeasured(state, kRunMs);
        sent.report(state, wall);
        state.counters["passes_per_second"] = double(ScanCycles() - passes) / wall;
        state.counters["port_held_most"] = held;

        iCP_MS_Comm().Close();
        qunsetenv(kComFolderVariable);
        forgetWindows();
    }
}

// Two rungs that disagree about the outputs: the board's state never changes.
void BM_DisagreeingArduinoRungsCpuUse(benchmark::State& state) {
    RunArduinoLadder(state, [] {
        shared.Condities[1] = {1, 50, 11, 0, 0, 0};          // Not Arduino input 1
        shared.Acties[1] = {1, 50, 1, 3, 0, 0, 0, 0, 0, 0};  // set output 3
        shared.Condities[4] = {1, 50, 11, 0, 0, 0};
        shared.Acties[2] = {1, 50, 2, 9, 0, 0, 0, 0, 0, 0};  // all outputs off
    });
}
BENCHMARK(BM_DisagreeingArduinoRungsCpuUse)->Iterations(1)->Unit(benchmark::kMillisecond);

// Output 3 changes on every pass: the commands go at the line's rate.
void BM_TogglingArduinoLadderCpuUse(benchmark::State& state) { RunArduinoLadder(state, WriteTogglingArduinoLadder); }
BENCHMARK(BM_TogglingArduinoLadderCpuUse)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
