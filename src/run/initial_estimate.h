#pragma once
// The Gauss-Seidel starting values edited by hand before the first pass.
//
// The estimate is written to "Initial.txt" ("Inicial.txt"), one node a line,
// the editor is opened and waited for, and the first number of each of the N
// first lines is read back (after CONVERT: a leading F/T becomes "a", commas
// become points). A short file or a line without a number brings the
// correction prompt; the user may correct as often as needed or give up, and
// giving up keeps the computed estimate. The file is deleted on every path.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"
#include "simulation/control_volume_grid.h"
#include "texts/text_catalogue.h"

namespace calorvia::run {

// Width of one line buffer, as the editor's lines are read back.
inline constexpr std::size_t EstimateLineWidth = 100;

enum class EstimateOutcome {
    Declined,     // the user kept the computed estimate
    Accepted,     // T now holds the edited values
    Abandoned,    // reading failed and the user gave up
    WriteFailed,  // the file could not be written; the estimate is kept
};

// Line i of the file as the program writes it: T(i), " <= Node", i.
std::string estimateLine(double value, std::int32_t node, texts::Language language);

// Reads N values from the lines of an edited file into `values` (1..N),
// storing each prepared line in buffers[i]. Returns the number of lines read
// successfully: N when all were, else the node whose line failed minus one.
std::int32_t readEstimateLines(const std::vector<std::string>& lines, std::int32_t N,
                               std::vector<std::string>& buffers, simulation::NodeArray& values);

// The whole exchange with the user. `tell` shows a message box titled
// "Attention" in the run's language and returns the answer.
EstimateOutcome editInitialEstimate(platform::Platform& platform, texts::Language language,
                                    const std::filesystem::path& folder,
                                    const std::function<int(std::string_view, int)>& tell,
                                    std::int32_t N, simulation::NodeArray& T);

}  // namespace calorvia::run
