// Creating the whole ladder view: the main window with its 90 action rows,
// 270 condition cells, rails and vertical links, up to its first paint.
// Run with QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include "LadderProgrammeren.h"
#include "SharedState.h"

using namespace tamberlo;

static void BM_CreateLadderView(benchmark::State& state) {
    for (auto _ : state) {
        auto* mainWindow = new LadderProgrammeren;
        LadderWidget* area = mainWindow->PictureProgrammeerVenster;
        for (int r = 1; r <= kRungs; ++r) area->MakeActionRow(r);
        area->TekenVertikaleLijnen();
        for (int i = 1; i <= kConditions; ++i) area->MakeConditionCell(i);
        area->RailsFull();
        QImage firstImage = mainWindow->grab().toImage();  // the first paint of the window
        benchmark::DoNotOptimize(firstImage);
        delete mainWindow;
    }
    state.SetLabel("main window + 360 cells + links + first paint");
}
BENCHMARK(BM_CreateLadderView)->Unit(benchmark::kMillisecond);
