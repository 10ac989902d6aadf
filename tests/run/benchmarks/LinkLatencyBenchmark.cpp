// Round trips through a running ladder of two rungs (input on sets an
// output, input off resets it):
//  - network: from the peer's "di" to the "du" the changed output causes;
//  - Arduino: from the sketch's DI reply (and from the input change, which
//    waits for the next 20 ms poll; it comes at any point of a poll period)
//    to the "1/<n>/" it causes; for a sketch
//    that ends its replies with CR LF, one that sends no line ends, and one
//    that sends no line ends and each reply in two pieces ("DI1" | "7").
// Reports the median and the 99th percentile over 1000 round trips.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

#include "ArduinoEmulator.h"
#include "ArduinoLink.h"
#include "ArduinoProtocol.h"
#include "ComPortNames.h"
#include "ComPortSearch.h"
#include "Controls.h"
#include "Dialogs.h"
#include "InstalledServices.h"
#include "NetworkPeerEmulator.h"
#include "RunCommands.h"
#include "SharedState.h"

using namespace tamberlo;
using namespace tamberlo::test;

namespace {

constexpr int kRounds = 1000;

class SilentDialogs final : public Dialogs {
public:
    QStringList messages;
    MsgResult MsgBox(const QString& t, MsgButtons, const QString&) override {
        messages << t;
        return MsgResult::Ok;
    }
    QString InputBox(const QString&, const QString&, const QString&) override { return {}; }
    QString OpenFile(const FileDialogRequest&) override { return {}; }
    QString SaveFile(const FileDialogRequest&) override { return {}; }
};

void Ladder(int code, bool network) {
    shared = SharedState{};
    const Integer n = network ? 1 : 0;
    shared.Condities[1] = {1, static_cast<Integer>(code), 1, 0, n, 0};
    shared.Acties[1] = {1, static_cast<Integer>(code), 1, 1, n, 0, 0, 0, 0, 0};
    shared.Condities[4] = {1, static_cast<Integer>(code), 11, 0, n, 0};
    shared.Acties[2] = {1, static_cast<Integer>(code), 2, 1, n, 0, 0, 0, 0, 0};
}

double Percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<std::size_t>(p * double(v.size())))];
}

void ReportFigures(benchmark::State& state, const char* name, const std::vector<double>& ms) {
    state.counters[std::string(name) + "_median_ms"] = Percentile(ms, 0.5);
    state.counters[std::string(name) + "_p99_ms"] = Percentile(ms, 0.99);
    state.counters["round_trips"] = double(ms.size());
}

void BM_NetworkDiToDu(benchmark::State& state) {
    for (auto _ : state) {
        SilentDialogs fakeDialogs;
        InstalledServices installed{{.dialogs = &fakeDialogs}};
        NetworkPeerEmulator peer;
        Ladder(10, true);
        WinsockHost().SetRemoteHost(QStringLiteral("127.0.0.1"));
        WinsockHost().SetRemotePort(peer.port());

        std::vector<double> ms;
        QElapsedTimer clock;
        clock.start();
        qint64 sent = 0;
        int bit = 0;
        bool started = false;
        auto next = [&] {
            bit ^= 1;
            sent = clock.nsecsElapsed();
            peer.sendMessage(QStringLiteral("di"), QStringLiteral("k0-%1").arg(bit));
        };
        peer.onMessage = [&](const QString& code, const QString&) {
            if (code == QLatin1String("dc") && !started) {
                started = true;
                next();
            } else if (code == QLatin1String("du")) {
                ms.push_back((clock.nsecsElapsed() - sent) / 1e6);
                if (int(ms.size()) < kRounds) next();
                else CommandStop();
            }
        };
        // A guard so that a broken path ends the run instead of hanging.
        QTimer guard;
        QObject::connect(&guard, &QTimer::timeout, [&] { CommandStop(); });
        guard.start(60000);
        CommandStart();
        ReportFigures(state, "di_to_du", ms);
    }
}

// Arguments: whether the sketch ends its replies with CR LF; the gap in ms
// between the two pieces of a reply, 0 for one piece.
void BM_ArduinoDiToOutput(benchmark::State& state) {
    for (auto _ : state) {
        SilentDialogs fakeDialogs;
        InstalledServices installed{{.dialogs = &fakeDialogs}};
        QTemporaryDir map;
        qputenv(kComFolderVariable, QFile::encodeName(map.path()));
        ArduinoEmulator arduino(map.path(), 3, QStringLiteral("ET"));
        arduino.lineEnd = state.range(0) ? "\r\n" : "";
        arduino.pieceGapMs = int(state.range(1));
        arduino.pieceCut = 3;    // inside the number
        arduino.inputBits = 16;  // input 5, unused, keeps the number two digits long
        Ladder(50, false);
        {
            // The Arduino search without its 2 s waits.
            Services searching = InstalledServices::Current();
            searching.wait = [](double) {
                QElapsedTimer t;
                t.start();
                while (shared.ICP12Type.isEmpty() && t.elapsed() < 500) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            };
            InstalledServices searchWaits{searching};
            ZoekComPoorten();
        }

        std::vector<double> fromReply, fromChange;
        QElapsedTimer clock;
        clock.start();
        qint64 changed = 0, answered = -1;
        std::minstd_rand phase(1);  // inputs change whenever they like, not in step with the poll
        auto toggle = [&] {
            arduino.inputBits ^= 1;
            changed = clock.nsecsElapsed();
            answered = -1;
        };
        arduino.onCommand = [&](const QString& c) {
            if (c == QLatin1String("5") && answered < 0) {
                answered = clock.nsecsElapsed();  // this poll's reply carries the change
            } else if (c.startsWith(QLatin1String("1/")) && answered >= 0) {
                const qint64 now = clock.nsecsElapsed();
                fromReply.push_back((now - answered) / 1e6);
                fromChange.push_back((now - changed) / 1e6);
                if (int(fromReply.size()) < kRounds) QTimer::singleShot(int(phase() % kArduinoPollMs), Qt::PreciseTimer, toggle);
                else CommandStop();
            }
        };
        toggle();
        QTimer guard;
        QObject::connect(&guard, &QTimer::timeout, [&] { CommandStop(); });
        guard.start(120000);
        CommandStart();
        ReportFigures(state, "reply_to_output", fromReply);
        ReportFigures(state, "change_to_output", fromChange);
        iCP_MS_Comm().Close();
        qunsetenv(kComFolderVariable);
    }
}

BENCHMARK(BM_NetworkDiToDu)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ArduinoDiToOutput)
    ->ArgNames({"line_ends", "piece_gap_ms"})
    ->Args({1, 0})
    ->Args({0, 0})
    ->Args({0, 5})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
