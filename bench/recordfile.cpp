// The record file: 58,564 traced rays and 14,641 records, with and without the file.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <unistd.h>

#include "records/recordfile.h"
#include "semicircle/experiment_state.h"
#include "shell/mathconst.h"

namespace {

// Stands in for the semicircle's tracer: Snell's law for a perfectly placed semicircle.
double idealSnell(ExperimentState& state, double) {
    return std::asin(std::sin(state.incidence * PI / 180) / state.indexN);
}

void RecordFileWritten(benchmark::State& bench) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("bench_recordfile_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const auto file = dir / kRecordFileName;
    for (auto _ : bench) {
        ExperimentState state;
        const RecordFileResult result = WriteRecordFile(state, file, idealSnell);
        if (!result.ok) bench.SkipWithError(result.reason.c_str());
        benchmark::DoNotOptimize(result.recordsWritten);
    }
    std::filesystem::remove_all(dir);
}

void RecordsComputedOnly(benchmark::State& bench) {
    for (auto _ : bench) {
        ExperimentState state;
        double sum = 0;
        ComputeRecords(state, idealSnell, [&](const MeasurementRecord& r) { sum += r.indexFit; });
        benchmark::DoNotOptimize(sum);
    }
}

} // namespace

BENCHMARK(RecordFileWritten)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly();
BENCHMARK(RecordsComputedOnly)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly();

BENCHMARK_MAIN();
