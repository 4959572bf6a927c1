#include "run/exact_command.h"

#include <string>
#include <vector>

#include "graphs/graph_pane.h"
#include "run/exact_comparison.h"
#include "run/result_files.h"
#include "settings/settings_files.h"
#include "simulation/exact_solution.h"
#include "text/fixed_text.h"
#include "text/number_writer.h"
#include "text/text_file.h"
#include "texts/result_file_names.h"
#include "texts/run_texts.h"

namespace calorvia::run {

using texts::RunText;

namespace {

// The largest difference under the profile graph's horizontal axis, below
// its limit labels (Y0 + 292).
constexpr int kLargestTextDx = 100;
constexpr int kLargestTextDy = 312;

}  // namespace

ExactComparisonCommand::ExactComparisonCommand(platform::Platform& platform, shell::Shell& shell)
    : platform_(platform), shell_(shell) {}

void ExactComparisonCommand::attach(RunOptions& options) {
    options.onFinished = [this](const SimulationRun& run) { remember(run); };
    shell_.setCompareExactEntry([this] { compare(); });
}

void ExactComparisonCommand::remember(const SimulationRun& run) {
    if (!run.loadedCase()) return;
    FinishedRun finished{run.loadedCase()->simulationCase, run.temperatures(),
                         run.lastConductivity(), run.steadyProfileAvailable(), run.profileAxes()};
    const std::lock_guard lock(mutex_);
    last_ = std::move(finished);
}

void ExactComparisonCommand::compare() {
    std::optional<FinishedRun> run;
    {
        const std::lock_guard lock(mutex_);
        run = last_;
    }
    if (!run || !run->steadyProfile) {
        shell_.tell(shell_.text(RunText::ExactNeedsSteadyProfile));
        return;
    }
    const simulation::ExactSteadyOutcome exact = simulation::exactSteadySolution(run->simulationCase);
    if (!exact.solution) {
        shell_.tell(shell_.text(refusalText(exact.refusal)));
        return;
    }
    const ExactComparison comparison =
        compareWithExact(run->simulationCase, run->T, run->K, *exact.solution);
    const texts::Language language = shell_.language();
    const std::string_view name = texts::resultFileName(texts::ResultFile::Exact, language);
    const std::filesystem::path file = shell_.programFile(name);
    if (!writeResultFile(file, exactComparisonLines(comparison, language))) {
        shell_.tell(texts::withValue(shell_.text(RunText::FileWriteFailed), name));
        return;
    }
    if (shell_.state().runState() == shell::RunState::Finished) {
        draw(*run, *exact.solution, comparison.largest);
    } else {
        platform_.editTextFile(text::utf8FromPath(file), false);
    }
}

// The exact curve on the profile's axes: a line plot on a pane whose scale
// is the profile's, from the profile's first abscissa to its last, then
// the largest difference in the same colour.
void ExactComparisonCommand::draw(const FinishedRun& run,
                                  const simulation::ExactSteadySolution& exact, double largest) {
    const ProfileAxes& axes = run.axes;
    graphs::GraphPane pane(platform_, shell_.languageSetting());
    pane.scaleDefined = 1;
    pane.graphMode = graphs::kProfileGraph;
    pane.ymin = axes.ymin;
    pane.ymax = axes.ymax;
    const std::int32_t n = kExactCurveSegments;
    std::vector<float> x(static_cast<std::size_t>(n) + 1);
    std::vector<float> y(x.size());
    for (std::int32_t k = 0; k <= n; ++k) {
        const double share = static_cast<double>(k) / n;
        const double position = exact.west() + (exact.east() - exact.west()) * share;
        x[static_cast<std::size_t>(k)] = axes.xa + (axes.xb - axes.xa) * static_cast<float>(share);
        y[static_cast<std::size_t>(k)] = static_cast<float>(exact.temperature(position));
    }
    // The ends exactly where the profile's are, so both map alike.
    x.front() = axes.xa;
    x.back() = axes.xb;
    pane.GRAF_2D(n, x, y, kExactCurveColour, axes.X0, axes.Y0, "X", "T", "", {},
                 graphs::kLinePlot);

    const std::string value(text::trim(text::generalFloat(static_cast<float>(largest))));
    platform_.setColorIndex(kExactCurveColour);
    platform_.setTextRotation(0);
    platform_.moveTo(axes.X0 + kLargestTextDx, axes.Y0 + kLargestTextDy);
    platform_.outText(texts::withValue(shell_.text(RunText::ExactLargest), value));
}

}  // namespace calorvia::run
