#include <benchmark/benchmark.h>

#include "calculator/HaitovskyCalculation.h"
#include "framework/RuntimeFunctions.h"
#include "stats/ProbModule.h"

namespace {

struct Input {
    const char* k;
    const char* n;
    const char* det;
};

// The worked examples and the slowest input a user can give.
constexpr Input kInputs[] = {
    {"10", "82", ".0025"},
    {"9", "120", ".101679"},
    {"96", "2000", ".99"},
};

void BM_CalculateHaitovsky(benchmark::State& state) {
    const Input& input = kInputs[state.range(0)];
    for (auto _ : state) {
        benchmark::DoNotOptimize(calculateHaitovsky(input.k, input.n, input.det));
    }
    // The pass count explains the time; H is read back from its shown text.
    const Outcome outcome = calculateHaitovsky(input.k, input.n, input.det);
    const auto& results = std::get<Results>(outcome);
    state.counters["passes"] =
        double(ProbModule::x2probDetailed(Val(results.h), Val(results.df)).passes);
    state.SetLabel(std::string(input.k) + " " + input.n + " " + input.det);
}
BENCHMARK(BM_CalculateHaitovsky)->DenseRange(0, 2);

}  // namespace

BENCHMARK_MAIN();
