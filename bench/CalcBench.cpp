#include <benchmark/benchmark.h>

#include "calc/Calculation.h"

namespace {

void BM_Frequencies(benchmark::State& state) {
    for (auto _ : state) {
        auto outcome = calc::RunCalculation("15", "299", "15", "9671", "", "", "");
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_Frequencies);

void BM_Percentages(benchmark::State& state) {
    for (auto _ : state) {
        auto outcome = calc::RunCalculation("", "", "", "", "0.3", "50", "3");
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_Percentages);

}  // namespace

BENCHMARK_MAIN();
