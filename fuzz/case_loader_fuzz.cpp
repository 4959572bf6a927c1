// Any bytes as a working case file: a loaded case or a failure, never a crash,
// a loaded case always has one initial temperature per volume, and a radial
// one a real inner radius and no flow.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "simulation/case_loader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < size; ++i) {
        const char c = static_cast<char>(data[i]);
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line.push_back(c);
        }
    }
    if (!line.empty()) lines.push_back(line);

    calorvia::simulation::CaseLoadContext context;
    int evaluations = 0;
    context.cancelRequested = [&] { return ++evaluations > 2000; };
    context.mathErrorHook = [](std::string_view, calorvia::interpreter::MathErrorKind) {};
    const auto result = calorvia::simulation::loadCaseFromLines(lines, context);
    if (result.ok()) {
        const auto& loaded = *result.loaded;
        const auto N = loaded.simulationCase.N;
        if (N < calorvia::simulation::MinControlVolumes ||
            N > calorvia::simulation::MaxControlVolumes) {
            __builtin_trap();
        }
        if (loaded.initialTemperature.size() != static_cast<std::size_t>(N)) __builtin_trap();
        // A radial body starts at ri >= 0 and carries no flow.
        const auto& c = loaded.simulationCase;
        if (calorvia::simulation::isRadial(c.geometry) && (!(c.ri >= 0.0) || c.u != 0.0)) {
            __builtin_trap();
        }
    }
    return 0;
}
