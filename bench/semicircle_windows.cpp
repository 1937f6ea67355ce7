// The semicircle window's heavy commands: the record file with the window's own tracer, the
// same computation without the file, and a fan of 46 free rays drawn on a 960 x 540 window.
#include <benchmark/benchmark.h>

#include "records/model/recordfile.h"
#include "semicircle/hmiky.h"
#include "semicircle/model/raytrace.h"
#include "app/program.h"

#include <QApplication>

#include <filesystem>
#include <memory>
#include <unistd.h>

namespace {

// One application for the whole run, on the offscreen platform: no display is needed.
QApplication& application() {
    static int argc = 1;
    static char name[] = "bench_semicircle_windows";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        auto* a = new QApplication(argc, argv);
        mapFonts();
        return a;
    }();
    return *app;
}

// The record file's tracer for the glass the window opens with (n = 1.5, R = 100).
double OpeningGlass(const RecordSetup& setup) { return aktina2(Semicircle{}, setup); }

void RecordFileWithAktina2(benchmark::State& bench) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("bench_semicircle_windows_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const auto file = dir / kRecordFileName;
    for (auto _ : bench) {
        const RecordFileResult result = WriteRecordFile(file, OpeningGlass);
        if (!result.ok || result.recordsWritten != kRecordCount)
            bench.SkipWithError(result.reason.c_str());
        benchmark::DoNotOptimize(result.recordsWritten);
    }
    std::filesystem::remove_all(dir);
    bench.SetLabel("budget: 50 ms and 1.3 x RecordsComputedWithAktina2");
}

void RecordsComputedWithAktina2(benchmark::State& bench) {
    for (auto _ : bench) {
        double sum = 0;
        ComputeRecords(OpeningGlass, [&](const MeasurementRecord& r) { sum += r.interceptFit; });
        benchmark::DoNotOptimize(sum);
    }
}

void FanOf46RaysOn960x540(benchmark::State& bench) {
    application();
    Program program(std::make_unique<ScriptedDialogs>());
    hmiky& h = program.forms.hmiky();
    h.setWidth(960 * 15);
    h.setHeight(540 * 15);
    h.Show();
    h.drawSceneBase();
    for (auto _ : bench) {
        // A right click below the semicircle, so the fan opens into the glass; reading the
        // image finishes the painting.
        h.Form_MouseDown(2, 0, -60, -130);
        benchmark::DoNotOptimize(h.canvas->image().constBits());
    }
    bench.SetLabel("budget: 30 ms");
}

} // namespace

BENCHMARK(RecordFileWithAktina2)->Unit(benchmark::kMillisecond);
BENCHMARK(RecordsComputedWithAktina2)->Unit(benchmark::kMillisecond);
BENCHMARK(FanOf46RaysOn960x540)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
