// A language switch of a full ladder: 270 condition cells and 91 action rows
// all in use, the main window, the dashboard and the settings window
// re-captioned. Run with QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include "ActionCaptions.h"
#include "ConditionCaptions.h"
#include "Dashboard.h"
#include "DrawnLadder.h"
#include "LadderProgrammeren.h"
#include "LadderView.h"
#include "SettingsWindow.h"
#include "SharedState.h"
#include "Windows.h"

using namespace tamberlo;

static LadderProgrammeren& fullLadder() {
    LadderProgrammeren& w = mainWindow();
    test::DrawEveryCell(*w.PictureProgrammeerVenster);
    dashboardWindow();
    settingsWindow();
    for (int i = 1; i <= kConditions; ++i) {
        shared.Condities[std::size_t(i)] = {1, Integer(10 + i % 4), Integer(1 + i % 5), 0, Integer(i % 2), 0};
        SetPanelConditieBijLezen(i);
    }
    for (int r = 0; r <= kRungs; ++r) {
        shared.Acties[std::size_t(r)] = {1, Integer(20 + r % 4), Integer(1 + r % 3), Integer(1 + r % 8), 0, 0, 0, 0, 0, 0};
        SetPanelActieBijLezen(r);
    }
    return w;
}

static void BM_LanguageSwitchFullLadder(benchmark::State& state) {
    LadderProgrammeren& w = fullLadder();
    for (auto _ : state) {
        shared.TaalVlag = !shared.TaalVlag;
        w.TaalAanpassenConActBeh();
        benchmark::DoNotOptimize(ladderView.revision);
    }
    state.SetLabel("270 cells + 91 rows + main window, dashboard, settings window");
}
BENCHMARK(BM_LanguageSwitchFullLadder)->Unit(benchmark::kMillisecond);

// The same, with the repaint of the main window that shows it.
static void BM_LanguageSwitchAndRepaint(benchmark::State& state) {
    LadderProgrammeren& w = fullLadder();
    for (auto _ : state) {
        shared.TaalVlag = !shared.TaalVlag;
        w.TaalAanpassenConActBeh();
        w.RefreshFromLadderView();
        QImage shown = w.grab().toImage();
        benchmark::DoNotOptimize(shown);
    }
    state.SetLabel("switch + one repaint of the main window");
}
BENCHMARK(BM_LanguageSwitchAndRepaint)->Unit(benchmark::kMillisecond);
