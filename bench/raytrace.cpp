// Speed of the semicircle optics: one ray, a sweep of nine, a fan of 46 free rays.
#include <benchmark/benchmark.h>

#include "semicircle/model/experiment.h"
#include "semicircle/model/raymodes.h"
#include "semicircle/model/raytrace.h"
#include "shell/model/mathconst.h"

namespace {

Semicircle Misplaced() {
    Semicircle s;
    s.indexN = 1.5;
    s.radiusR = 100;
    s.rayH = 1.2;
    s.xc = 0.4;
    s.yc = -0.6;
    s.tilt = 3 * PI / 180;
    return s;
}

void BM_TraceRay(benchmark::State& state) {
    const Semicircle s = Misplaced();
    for (auto _ : state)
        benchmark::DoNotOptimize(TraceRay(s, 30));
}
BENCHMARK(BM_TraceRay);

void BM_SweepOfNine(benchmark::State& state) {
    Semicircle s = Misplaced();
    s.semiDirection = 2;
    for (auto _ : state) {
        double sum = 0;
        for (const double angle : kSweepAngles) {
            const RayTrace t = TraceRay(s, angle);
            sum += t.measuredIndex;
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_SweepOfNine);

void BM_FanOf46(benchmark::State& state) {
    Experiment experiment;
    experiment.setGeometry(100, 0.4, -0.6, 3);
    experiment.setRayH(1.2);
    for (auto _ : state)
        benchmark::DoNotOptimize(experiment.rayFan(20, 120));
}
BENCHMARK(BM_FanOf46)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
