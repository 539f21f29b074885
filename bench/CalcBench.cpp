#include <benchmark/benchmark.h>

#include "calc/Calculation.h"
#include "calc/explain/Explanation.h"

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

// One keystroke in either window recomputes everything the Explanation window shows.
void BM_ExplainPercentages(benchmark::State& state) {
    for (auto _ : state) {
        auto x = calc::Explain({.pre = "0.3", .dt = "50", .t = "3"});
        benchmark::DoNotOptimize(x);
    }
}
BENCHMARK(BM_ExplainPercentages);

void BM_ExplainCountsAtPrevalence(benchmark::State& state) {
    for (auto _ : state) {
        auto x = calc::Explain(
            {.tp = "231", .fp = "32", .fn = "27", .tn = "54", .populationPrevalence = "10"});
        benchmark::DoNotOptimize(x.PlainText());
    }
}
BENCHMARK(BM_ExplainCountsAtPrevalence);

}  // namespace

BENCHMARK_MAIN();
