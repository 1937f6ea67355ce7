// Speed of the start-up: a fresh program to the main menu on the screen, and the semicircle
// window opened from it with its first ray.
#include <benchmark/benchmark.h>

#include "semicircle/hmiky.h"
#include "app/program.h"
#include "app/velmoratimeleti.h"

#include <QApplication>

namespace {

void BM_StartUpToMainMenu(benchmark::State& state) {
    for (auto _ : state) {
        Program program(std::make_unique<ScriptedDialogs>());
        Main(program);
        benchmark::DoNotOptimize(program.forms.velmoratimeleti().Visible());
    }
}
BENCHMARK(BM_StartUpToMainMenu)->Unit(benchmark::kMillisecond);

void BM_OpenSemicircleAndTraceOneRay(benchmark::State& state) {
    Program program(std::make_unique<ScriptedDialogs>());
    Main(program);
    auto* dialogs = static_cast<ScriptedDialogs*>(&program.dialogs());
    for (auto _ : state) {
        program.forms.velmoratimeleti().Command1_Click();
        dialogs->answer("30");
        program.forms.hmiky().Command1_Click();
    }
}
BENCHMARK(BM_OpenSemicircleAndTraceOneRay)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    mapFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
