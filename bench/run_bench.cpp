// A whole transient run in-process, as calorvia-batch makes it: the saved
// case read through the wizard, then every step assembled, solved, its four
// history rows written and its profile drawn (into no picture). Reports the
// time per step, start-up and the result files included.
//
// The case is bench/run.sh's transient-10000 at 2,000 steps: a 0.1 m steel
// slab at N = 1000, convection to air at x = 0, 100 at x = Lx, Delt_t = 0.1.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/batch_run.h"

namespace {

constexpr int kSteps = 2000;

void TransientRunPerStep(benchmark::State& state) {
    std::string pattern = (std::filesystem::temp_directory_path() / "calorvia-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::filesystem::path folder = pattern;
    const std::filesystem::path casePath = folder / "transient.txt";
    std::ofstream(casePath) << "0.1\n 1000\n45\n0\n0\n 2\n 2\n20\n7800\n470\n0.1\n " << kSteps
                            << "\n 500\n 3\n25\n20\n 1\n100\n0\n";
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    calorvia::batch::BatchOptions options;
    options.casePath = casePath;
    options.steady = false;
    for (auto _ : state) {
        std::ostringstream out;
        std::ostringstream messages;
        if (calorvia::batch::runBatch(options, nullptr, out, messages) !=
            calorvia::batch::kExitWritten) {
            state.SkipWithError(messages.str().c_str());
            break;
        }
    }
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(folder);
    state.counters["per_step"] = benchmark::Counter(
        kSteps, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(TransientRunPerStep)->Unit(benchmark::kMillisecond);

}  // namespace
