// Any bytes as the two files a user edits for a run: "Exp.txt" (time and
// temperature per line) and the Gauss-Seidel estimate (a number per line).
// Each line is a point or not, each estimate line a value or a failure;
// never a crash, and what is read is what the line begins with.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "graphs/time_graphs.h"
#include "run/initial_estimate.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size() && lines.size() < 64) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    for (const std::string& line : lines) {
        float t = 0.0f;
        float T = 0.0f;
        (void)calorvia::graphs::readPointLine(line, t, T);
    }
    const auto N = static_cast<std::int32_t>(lines.size());
    std::vector<std::string> buffers(lines.size() + 1);
    calorvia::simulation::NodeArray values(lines.size() + 1, 0.0);
    const std::int32_t read = calorvia::run::readEstimateLines(lines, N, buffers, values);
    if (read < 0 || read > N) __builtin_trap();
    for (std::int32_t i = 1; i <= read; ++i) {
        if (buffers[static_cast<std::size_t>(i)].size() > calorvia::run::EstimateLineWidth) {
            __builtin_trap();
        }
    }
    return 0;
}
