// Speed of the particle window: one tick of each stream (30 particles moved and the 960 x 540
// window painted), the least-time search, and the resident memory over 10,000 ticks.
#include <benchmark/benchmark.h>

#include "interpretation.h"
#include "particles/somata.h"

#include <cstdio>

namespace {

struct Particles : InterpretationOpened {
    somata& w() { return program.forms.somata(); }
};

void BM_DescartesTickAndPaint(benchmark::State& state) {
    Particles app;
    app.w().xekina_Click();
    app.w().Timer2->setEnabled(false);
    for (auto _ : state) {
        app.w().Timer2_Timer();
        app.w().canvas->repaint();
    }
}
BENCHMARK(BM_DescartesTickAndPaint)->Unit(benchmark::kMillisecond);

void BM_NewtonTickAndPaint(benchmark::State& state) {
    Particles app;
    app.w().SOMATIDIA_Click();
    app.w().Timer1->setEnabled(false);
    for (auto _ : state) {
        app.w().Timer1_Timer();
        app.w().canvas->repaint();
    }
}
BENCHMARK(BM_NewtonTickAndPaint)->Unit(benchmark::kMillisecond);

void BM_FindMinimum(benchmark::State& state) {
    Particles app;
    app.w().fermat_Click();
    for (auto _ : state) app.w().evresielaxistoy_Click();
}
BENCHMARK(BM_FindMinimum)->Unit(benchmark::kMillisecond);

// Not a timing: the memory before and after 10,000 ticks of each stream, printed once.
void reportMemoryOverTenThousandTicks() {
    Particles app;
    app.w().xekina_Click();
    app.w().Timer2->setEnabled(false);
    const long before = residentKiB();
    for (int i = 0; i < 10000; ++i) {
        app.w().Timer2_Timer();
        if (i % 10 == 0) app.w().canvas->repaint();
    }
    const long descartes = residentKiB();
    app.w().SOMATIDIA_Click();
    app.w().Timer1->setEnabled(false);
    for (int i = 0; i < 10000; ++i) {
        app.w().Timer1_Timer();
        if (i % 10 == 0) app.w().canvas->repaint();
    }
    QApplication::processEvents();
    std::printf("resident memory: %ld KiB before, %ld KiB after 10,000 Descartes ticks, %ld KiB "
                "after 10,000 Newton ticks\n",
                before, descartes, residentKiB());
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
