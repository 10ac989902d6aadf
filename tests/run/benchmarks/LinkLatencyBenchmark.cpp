// Round trips through a running ladder of two rungs (input on sets an
// output, input off resets it):
//  - network: from the peer's "di" to the "du" the changed output causes;
//  - Arduino: from the sketch's DI reply (and from the input change, which
//    waits for the next 20 ms poll) to the "1/<n>/" it causes.
// Reports the median and the 99th percentile over 1000 round trips.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "ArduinoEmulator.h"
#include "ArduinoLink.h"
#include "ComPortNames.h"
#include "ComPortSearch.h"
#include "Controls.h"
#include "Dialogs.h"
#include "NetworkPeerEmulator.h"
#include "PollTimers.h"
#include "RunCommands.h"
#include "SharedState.h"
#include "Yielding.h"

using namespace tamberlo;
using namespace tamberlo::test;

namespace {

constexpr int kRondes = 1000;

class StilleDialogs final : public Dialogs {
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

void Ladder(int code, bool netwerk) {
    shared = SharedState{};
    const Integer n = netwerk ? 1 : 0;
    shared.Condities[1] = {1, static_cast<Integer>(code), 1, 0, n, 0};
    shared.Acties[1] = {1, static_cast<Integer>(code), 1, 1, n, 0, 0, 0, 0, 0};
    shared.Condities[4] = {1, static_cast<Integer>(code), 11, 0, n, 0};
    shared.Acties[2] = {1, static_cast<Integer>(code), 2, 1, n, 0, 0, 0, 0, 0};
}

double Percentiel(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<std::size_t>(p * double(v.size())))];
}

void Rapporteer(benchmark::State& state, const char* naam, const std::vector<double>& ms) {
    state.counters[std::string(naam) + "_median_ms"] = Percentiel(ms, 0.5);
    state.counters[std::string(naam) + "_p99_ms"] = Percentiel(ms, 0.99);
    state.counters["round_trips"] = double(ms.size());
}

void BM_NetworkDiToDu(benchmark::State& state) {
    for (auto _ : state) {
        StilleDialogs dialogen;
        SetDialogs(&dialogen);
        NetworkPeerEmulator peer;
        Ladder(10, true);
        WinsockHost().SetRemoteHost(QStringLiteral("127.0.0.1"));
        WinsockHost().SetRemotePort(peer.port());

        std::vector<double> ms;
        QElapsedTimer klok;
        klok.start();
        qint64 verzonden = 0;
        int bit = 0;
        bool begonnen = false;
        auto volgende = [&] {
            bit ^= 1;
            verzonden = klok.nsecsElapsed();
            peer.sendMessage(QStringLiteral("di"), QStringLiteral("k0-%1").arg(bit));
        };
        peer.onMessage = [&](const QString& code, const QString&) {
            if (code == QLatin1String("dc") && !begonnen) {
                begonnen = true;
                volgende();
            } else if (code == QLatin1String("du")) {
                ms.push_back((klok.nsecsElapsed() - verzonden) / 1e6);
                if (int(ms.size()) < kRondes) volgende();
                else CommandStop();
            }
        };
        // A guard so that a broken path ends the run instead of hanging.
        QTimer bewaker;
        QObject::connect(&bewaker, &QTimer::timeout, [&] { CommandStop(); });
        bewaker.start(60000);
        CommandStart();
        Rapporteer(state, "di_to_du", ms);
        SetDialogs(nullptr);
    }
}

void BM_ArduinoDiToOutput(benchmark::State& state) {
    for (auto _ : state) {
        StilleDialogs dialogen;
        SetDialogs(&dialogen);
        QTemporaryDir map;
        qputenv(kComFolderVariable, QFile::encodeName(map.path()));
        ArduinoEmulator arduino(map.path(), 3, QStringLiteral("ET"));
        Ladder(50, false);
        SetWaitHook([&](double) {
            QElapsedTimer t;
            t.start();
            while (shared.ICP12Type.isEmpty() && t.elapsed() < 500) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        });
        ZoekComPoorten();
        SetWaitHook(nullptr);

        std::vector<double> vanAntwoord, vanWijziging;
        QElapsedTimer klok;
        klok.start();
        qint64 gewijzigd = 0, beantwoord = -1;
        auto wissel = [&] {
            arduino.inputBits ^= 1;
            gewijzigd = klok.nsecsElapsed();
            beantwoord = -1;
        };
        arduino.onCommand = [&](const QString& c) {
            if (c == QLatin1String("5") && beantwoord < 0) {
                beantwoord = klok.nsecsElapsed();  // this poll's reply carries the change
            } else if (c.startsWith(QLatin1String("1/")) && beantwoord >= 0) {
                const qint64 nu = klok.nsecsElapsed();
                vanAntwoord.push_back((nu - beantwoord) / 1e6);
                vanWijziging.push_back((nu - gewijzigd) / 1e6);
                if (int(vanAntwoord.size()) < kRondes) wissel();
                else CommandStop();
            }
        };
        wissel();
        QTimer bewaker;
        QObject::connect(&bewaker, &QTimer::timeout, [&] { CommandStop(); });
        bewaker.start(120000);
        CommandStart();
        Rapporteer(state, "reply_to_output", vanAntwoord);
        Rapporteer(state, "change_to_output", vanWijziging);
        iCP_MS_Comm().Close();
        qunsetenv(kComFolderVariable);
        SetDialogs(nullptr);
    }
}

BENCHMARK(BM_NetworkDiToDu)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ArduinoDiToOutput)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
