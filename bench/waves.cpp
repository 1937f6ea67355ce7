// Speed of the interpretation windows: one frame of the wave scene (the clock's tick: set-up,
// the fronts, drawing and painting the 960 x 540 window), a Newton track computed and drawn,
// and the resident memory over 10,000 ticks.
#include <benchmark/benchmark.h>

#include "app/forms.h"
#include "app/program.h"
#include "app/velmoratimeleti.h"
#include "particles/somata.h"
#include "shell/dialogs.h"
#include "waves/rixo.h"
#include "waves/rixotext.h"

#include <QApplication>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

// Resident set size of this process in KiB.
long residentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

struct Interpretation {
    Program program{std::make_unique<ScriptedDialogs>()};
    Interpretation() {
        program.screen.widthPx = 1920;
        program.screen.heightPx = 1080;
        Main(program);
        program.forms.velmoratimeleti().Command5_Click();
        program.forms.rixotext().reflected->setValue(1);
        for (Form* f : program.forms.loaded()) f->stopTimers(); // ticks come from the loop
        QApplication::processEvents();
    }
};

void BM_WaveFrameTickAndPaint(benchmark::State& state) {
    Interpretation app;
    rixo& w = app.program.forms.rixo();
    w.TIMERSTART_Click();
    w.Timer1->setEnabled(false);
    for (auto _ : state) {
        w.Timer1_Timer();
        if (app.program.interp.waveTime == 0) w.DrawWaveScene(); // the run ended: again
        w.canvas->repaint();
    }
}
BENCHMARK(BM_WaveFrameTickAndPaint)->Unit(benchmark::kMillisecond);

void newtonTrack(benchmark::State& state, bool parallel) {
    Interpretation app;
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
    Interpretation app;
    rixo& w = app.program.forms.rixo();
    w.TIMERSTART_Click();
    w.Timer1->setEnabled(false);
    const long before = residentKiB();
    for (int i = 0; i < 10000; ++i) {
        w.Timer1_Timer();
        if (app.program.interp.waveTime == 0) w.DrawWaveScene();
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
