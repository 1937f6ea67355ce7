// Speed of the interpretation windows: one frame of the wave scene (the clock's tick: set-up,
// the fronts, drawing and painting the 960 x 540 window), a Newton track computed and drawn,
// and the resident memory over 10,000 ticks.
#include <benchmark/benchmark.h>

#include "interpretation.h"
#include "particles/somata.h"
#include "waves/rixo.h"

#include <cstdio>

namespace {

void BM_WaveFrameTickAndPaint(benchmark::State& state) {
    InterpretationOpened app;
    rixo& w = app.program.forms.rixo();
    w.TIMERSTART_Click();
    w.Timer1->setEnabled(false);
    for (auto _ : state) {
        w.Timer1_Timer();
        if (app.program.interpretation.waveTime() == 0) w.DrawWaveScene(); // the run ended: again
        w.canvas->repaint();
    }
}
BENCHMARK(BM_WaveFrameTickAndPaint)->Unit(benchmark::kMillisecond);

void newtonTrack(benchmark::State& state, bool parallel) {
    InterpretationOpened app;
    somata& s = app.program.forms.somata();
    for (auto _ : state) {
        s.canvas->Cls();
        s.drawNewton(parallel);
        s.canvas->repaint();
    }
}
void BM_NewtonOneLayerComputedAndDrawn(benchmark::State& state) { newtonTrack(state, false); }
BENCHMARK(BM_NewtonOneLayerComputedAndDrawn)->Unit(benchmark::kMillisecond);
void BM_NewtonParallelComputedAndDrawn(benchmark::State& state) { newtonTrack(state, true); }
BENCHMARK(BM_NewtonParallelComputedAndDrawn)->Unit(benchmark::kMillisecond);

// Not a timing: the memory before and after 10,000 ticks, printed once.
void reportMemoryOverTenThousandTicks() {
    InterpretationOpened app;
    rixo& w = app.program.forms.rixo();
    w.TIMERSTART_Click();
    w.Timer1->setEnabled(false);
    const long before = residentKiB();
    for (int i = 0; i < 10000; ++i) {
        w.Timer1_Timer();
        if (app.program.interpretation.waveTime() == 0) w.DrawWaveScene();
        if (i % 10 == 0) w.canvas->repaint();
    }
    QApplication::processEvents();
    std::printf("resident memory over 10,000 wave ticks: %ld KiB before, %ld KiB after\n", before,
                residentKiB());
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    mapFonts();
    reportMemoryOverTenThousandTicks();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
