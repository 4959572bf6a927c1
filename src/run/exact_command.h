#pragma once
// Results > Compare with the exact solution: the last finished run's steady
// profile beside the exact steady solution of its case (exact_comparison.h).
//
// The command writes "Exact.txt" in the current language and, while the
// run's graph is still on screen, draws the exact curve over the profile on
// the same axes, in a thin line of a colour no run uses, with the largest
// difference written under the graph in that colour. When the graph is no
// longer on screen (a case was entered since), the file opens in the editor
// instead. A run without a steady profile, or a case without an exact
// solution, gets a message saying why, and nothing else.
//
// A run ends on the main thread and the command runs on the window thread:
// what the command needs of the run is copied when the run ends, under a
// lock.

#include <cstdint>
#include <mutex>
#include <optional>

#include "platform/platform.h"
#include "run/simulation_run.h"
#include "shell/shell.h"
#include "simulation/control_volume_grid.h"
#include "simulation/exact_solution.h"
#include "simulation/simulation_case.h"

namespace calorvia::run {

// Palette index of the exact curve: dark cyan, which neither a graph colour
// (0, 10, 12, 13, 14), the appended steady state (9) nor the axes (0) use.
inline constexpr std::int16_t kExactCurveColour = 3;

// Points of the drawn exact curve, evenly spaced between the two faces.
inline constexpr std::int32_t kExactCurveSegments = 200;

class ExactComparisonCommand {
public:
    ExactComparisonCommand(platform::Platform& platform, shell::Shell& shell);

    // Makes every run started with `options` report here when it finishes,
    // and gives the shell this command. Call before the run entry is made
    // from `options`.
    void attach(RunOptions& options);

    // Keeps what the command needs of a run that ended normally.
    void remember(const SimulationRun& run);

    // The menu command.
    void compare();

private:
    struct FinishedRun {
        simulation::SimulationCase simulationCase;
        simulation::NodeArray T;
        simulation::NodeArray K;
        bool steadyProfile = false;
        ProfileAxes axes;
    };

    void draw(const FinishedRun& run, const simulation::ExactSteadySolution& exact,
              double largest);

    platform::Platform& platform_;
    shell::Shell& shell_;
    std::mutex mutex_;
    std::optional<FinishedRun> last_;
};

}  // namespace calorvia::run
