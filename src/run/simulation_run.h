#pragma once
// One simulation, from Begin Simulation to the result files.
//
// The run solves, for every volume i of the slab and every time step,
//     C_i·(T(i) - T°(i)) + J(i+1/2) - J(i-1/2) = dx·(Sc′(i) + Sp′(i)·T(i)),
//     C_i = f·Rho(i)·Cp(i)·dx/Delt_t,
// fully implicit in time (f = 1 for a transient run, 0 for a steady one).
// When K, Sc or Sp depends on T, or a positive source was linearised, a
// steady step is repeated (Picard passes: properties at the last iterate)
// until the middle node m = N/2 changes by at most Tol between passes, or
// 1000 passes were made. The numbers are the NumericsDriver's
// (simulation/numerics_driver.h); the run keeps what talks to the student:
// the screen, the dialogs and the files.
//
// The stages, in order:
//   load_case            the working case and its initial temperatures
//   build_initial_field  the starting field, and its hand editing for G_S
//   set_up               menus, set_up_system, set_up_screen, the result files
//                        of an earlier run deleted, start_histories
//   march                every time step: solve_time_step, the driver's step
//                        (its passes call back passHooks: the scheme dialog,
//                        the solvers' messages, check_range, the pass count);
//                        then the rows and the profile
//   finish_marching      the optional steady solve appended to a transient
//   output_results       result files, computing time, time graph, the offer
//                        to open the files, finish
// and cancel, which any check point may call. What the stages show goes
// through RunScreen, the profile through the graph pane.
//
// The driver looks at the cancel request (RunState CancelRequested) where
// numerics_driver.h says.

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "graphs/graph_pane.h"
#include "platform/platform.h"
#include "run/result_files.h"
#include "run/run_screen.h"
#include "shell/shell.h"
#include "simulation/boundary_condition.h"
#include "simulation/control_volume_grid.h"
#include "simulation/energy_balance.h"
#include "simulation/numerics_driver.h"
#include "simulation/scheme_choice.h"
#include "simulation/simulation_case.h"

namespace calorvia::run {

enum class RunOutcome {
    NotStarted,  // the working case was missing or corrupted
    Cancelled,   // Cancel Simulation, a numeric error or a range warning
    Finished,    // the result files are written and the run is on screen
};

class SimulationRun;

// Why the results of a run that ended normally are not to be trusted,
// though written.
struct RunWarnings {
    bool passLimit = false;   // the steady iteration stopped at its pass limit
    bool zeroPivot = false;   // the direct method replaced a vanishing pivot
    bool outOfRange = false;  // temperatures left -273..10000 and the run went on
    bool unbalanced = false;  // the energy balance's residual is beyond its limit
    bool any() const { return passLimit || zeroPivot || outOfRange || unbalanced; }
};

// Where the last profile of a run was drawn: the pane's origin and the
// scale of its axes (the time graph of a transient run draws on a scale of
// its own afterwards).
struct ProfileAxes {
    std::int32_t X0 = 0;
    std::int32_t Y0 = 0;
    float ymin = 0.0f;
    float ymax = 0.0f;
    float xa = 0.0f;  // first and last abscissa of the profile
    float xb = 0.0f;
};

struct RunOptions {
    // The path of the saved case in use, whose name heads the graph and the
    // inspection copy; nothing known gives no name.
    std::function<std::string()> savedCasePath;
    // The temperature-versus-time graph after a transient run; calorvia-batch
    // --graph none leaves it out.
    bool timeGraph = true;
    // Every row the run gives a history, in full precision, as it is
    // written: the rows of t = 0, then those of every step (a run of one
    // step keeps no history and gives none).
    std::function<void(HistoryFiles::Which file, double t, double T)> onHistoryRow{};
    // A run that ended normally, after its result files and before the
    // Results menu is enabled: what the Results menu's checks keep of it.
    std::function<void(const SimulationRun& run)> onFinished{};
    // Ask before a transient run whose histories would not fit on the disk
    // (calorvia-batch --force does not ask).
    bool askAboutDiskSpace = true;
};

class SimulationRun {
public:
    SimulationRun(platform::Platform& platform, shell::Shell& shell, RunOptions options = {});

    RunOutcome run();
    // Whether the last run was not started because its histories would not
    // fit on the disk and the user said No.
    bool declinedForDiskSpace() const { return declinedForDiskSpace_; }

    // What the last run left, for the caller and the tests.
    const simulation::NodeArray& temperatures() const { return driver_.levels().T; }
    // The conductivity of the last pass, which the result files use.
    const simulation::NodeArray& lastConductivity() const { return driver_.properties().K; }
    // Whether the final field is a steady profile: a steady run, or a
    // transient one with the steady state appended.
    bool steadyProfileAvailable() const { return steadyAvailable_; }
    // The energy balance of the last pass (energy_balance.h), written to
    // "Balance.txt".
    const simulation::EnergyBalance& energyBalance() const { return balance_; }
    // The residual limit the balance is judged by (balanceLimit).
    double balanceLimit() const;
    const RunWarnings& warnings() const { return warnings_; }
    // Where the last profile was drawn, with the scale of its axes.
    const ProfileAxes& profileAxes() const { return profileAxes_; }
    std::int32_t passesOfLastStep() const { return driver_.passesOfLastStep(); }
    std::int32_t totalPasses() const { return driver_.totalPasses(); }
    double simulatedTime() const { return driver_.time(); }
    const std::optional<simulation::LoadedCase>& loadedCase() const { return loaded_; }
    // The scheme of the last run (chosen only when the case has convection),
    // the time steps it marched and its computing time as shown under the graph.
    const simulation::SchemeState& scheme() const { return driver_.scheme(); }
    std::int32_t stepsMarched() const { return loaded_ ? loaded_->stepsToMarch : 0; }
    double computingSeconds() const { return endClock_ - startClock_; }
    // The result files this run could not write, or not to their end (the
    // first is told to the user at once, all of them at the end of the run):
    // a run that has any did not leave all its results.
    const std::vector<std::string>& unwrittenFiles() const { return unwrittenFiles_; }

private:
    enum class Flow { Continue, Stop };

    Flow load_case();
    Flow check_disk_space();
    void build_initial_field();
    void set_up();
    void set_up_system();
    void set_up_screen();
    void start_histories();
    Flow march();
    Flow solve_time_step();
    simulation::PassHooks passHooks();
    void check_range();
    Flow finish_marching();
    void output_results();
    void write_result_files(bool titled);
    void offer_result_files();
    void finish();
    Flow cancel();

    void append_rows(std::initializer_list<std::pair<HistoryFiles::Which, double>> rows);
    // The profile of T(1..N) between the two ends, in the run's colour.
    void drawProfile(const simulation::ProfileEnds& ends);
    simulation::ProfileEnds initialEnds() const;
    void write_result(texts::ResultFile file, const std::vector<std::string>& lines);
    void reportWriteFailure(const std::string& fileName);
    void reportHistoryFailures();

    double computingClock() const;
    bool cancelRequested() const;
    std::string_view say(texts::Text text) const;
    std::filesystem::path resultPath(texts::ResultFile file) const;
    bool anyPrescribedTemperature() const;

    platform::Platform& platform_;
    shell::Shell& shell_;
    RunOptions options_;
    graphs::GraphPane pane_;
    simulation::NumericsDriver driver_;
    simulation::PassHooks passHooks_;

    // The case and the fields of this run.
    std::optional<simulation::LoadedCase> loaded_;
    texts::Language language_ = texts::Language::English;
    // The drawn profile: the display positions, fixed for the run, and the
    // temperatures of the step in single precision.
    std::vector<float> profileX_;
    std::vector<float> profileY_;
    HistoryFiles histories_;
    std::optional<RunScreen> screen_;
    simulation::EnergyBalance balance_;
    ProfileAxes profileAxes_;

    // Run state, reset at every run start.
    std::int32_t stepsToMarch_ = 1;
    simulation::CaseState stateInForce_{};
    std::int32_t step_ = 0;
    bool steadyAvailable_ = false;
    bool steadyAppended_ = false;
    std::vector<std::string> unwrittenFiles_;
    RunWarnings warnings_;
    bool declinedForDiskSpace_ = false;
    double startClock_ = 0.0;
    double endClock_ = 0.0;
    std::int16_t colour_ = 12;
    std::string caseName_;
};

}  // namespace calorvia::run
