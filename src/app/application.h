#pragma once
// The program on one platform, wired once for both programs and the tests:
// the shell with its menus, the case entry commands behind File > New and
// File > Open, a fresh SimulationRun for every Begin Simulation, and
// Results > Compare with the exact solution fed by every finished run.

#include <memory>
#include <optional>

#include "entry/case_commands.h"
#include "run/exact_command.h"
#include "run/simulation_run.h"

namespace calorvia::app {

class Application {
public:
    // A run heads its graph with the saved case of the case entry commands,
    // unless runOptions.savedCasePath names another. A session language
    // replaces "idioma" for this run of the program (see shell::Shell).
    Application(platform::Platform& platform, shell::DataFolders folders,
                run::RunOptions runOptions = {},
                std::optional<texts::Language> sessionLanguage = std::nullopt);

    shell::Shell& shell() { return shell_; }
    entry::CaseEntryCommands& caseEntry() { return caseEntry_; }
    // The last run, kept for its results, and how it ended; none before the first.
    const run::SimulationRun* lastRun() const { return lastRun_.get(); }
    run::RunOutcome lastOutcome() const { return lastOutcome_; }

private:
    shell::Shell shell_;
    entry::CaseEntryCommands caseEntry_;
    run::ExactComparisonCommand exactComparison_;
    std::unique_ptr<run::SimulationRun> lastRun_;
    run::RunOutcome lastOutcome_ = run::RunOutcome::NotStarted;
};

}  // namespace calorvia::app
