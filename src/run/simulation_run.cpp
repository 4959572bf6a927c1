#include "run/simulation_run.h"

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <numeric>
#include <span>
#include <string>

#include "graphs/scheme_dialog.h"
#include "graphs/time_graphs.h"
#include "run/initial_estimate.h"
#include "settings/settings_files.h"
#include "shell/menus.h"
#include "simulation/boundary_condition.h"
#include "simulation/case_loader.h"
#include "text/number_writer.h"
#include "text/text_file.h"
#include "texts/result_file_names.h"
#include "texts/run_texts.h"

namespace calorvia::run {

using namespace simulation;  // the run speaks the simulation's vocabulary
using texts::ResultFile;
using texts::RunText;
using texts::Text;

namespace {

constexpr std::int16_t SteadyAppendColour = 9;
constexpr double LowestPlausible = -273.0;
constexpr double HighestPlausible = 10000.0;

// Whether every value lies in [-273, 10000] (a NaN does not): nearly always,
// and said by one pass whose only branch is never taken.
bool allPlausible(std::span<const double> values) {
    for (const double value : values) {
        if (!(value >= LowestPlausible && value <= HighestPlausible)) return false;
    }
    return true;
}

// The mean temperature of the body, summed from the first volume on: the
// plain mean of the nodes in the plane wall (equal volumes), and
//     Σ T(i)·ΔV_i / Σ ΔV_i
// in a cylinder or a sphere, whose outer volumes hold more of the body.
double bodyMean(const ControlVolumeGrid& grid, std::span<const double> T) {
    if (!grid.isRadial()) {
        return std::accumulate(T.begin(), T.end(), 0.0) / static_cast<double>(T.size());
    }
    double weighted = 0.0;
    double volume = 0.0;
    for (std::size_t i = 0; i < T.size(); ++i) {
        const double V = grid.volume(static_cast<std::int32_t>(i + 1));
        weighted += T[i] * V;
        volume += V;
    }
    return weighted / volume;
}

}  // namespace

SimulationRun::SimulationRun(platform::Platform& platform, shell::Shell& shell, RunOptions options)
    : platform_(platform),
      shell_(shell),
      options_(std::move(options)),
      pane_(platform, shell.languageSetting()),
      driver_(shell.mathErrorHook()) {}

RunOutcome SimulationRun::run() {
    language_ = shell_.language();
    if (load_case() == Flow::Stop) {
        return loaded_ ? RunOutcome::Cancelled : RunOutcome::NotStarted;
    }
    if (check_disk_space() == Flow::Stop) return RunOutcome::NotStarted;
    build_initial_field();
    set_up();
    if (march() == Flow::Stop) return RunOutcome::Cancelled;
    if (finish_marching() == Flow::Stop) return RunOutcome::Cancelled;
    output_results();
    return RunOutcome::Finished;
}

// ------------------------------------------------------------------ load_case

// The working case file read into the SimulationCase; a formula Ti evaluated
// at the volume centres, with a cancel possible between volumes.
SimulationRun::Flow SimulationRun::load_case() {
    CaseLoadContext context;
    context.cancelRequested = [this] { return cancelRequested(); };
    context.mathErrorHook = shell_.mathErrorHook();
    CaseLoadResult result = loadCase(shell_.programFile(settings::WorkingCaseFileName), context);
    switch (result.failure) {
        case CaseLoadFailure::None:
            loaded_ = std::move(result.loaded);
            return Flow::Continue;
        case CaseLoadFailure::MissingCase:
            shell_.tell(say(RunText::MissingCase));
            return Flow::Stop;
        case CaseLoadFailure::CorruptedFile:
            shell_.tell(say(RunText::CorruptedFile));
            return Flow::Stop;
        case CaseLoadFailure::Cancelled:
            cancel();
            loaded_.emplace();  // marks the run as started and cancelled
            return Flow::Stop;
    }
    return Flow::Stop;
}

// ----------------------------------------------------------- check_disk_space

namespace {

// A size for people: "512 bytes", "40 KB", "2.1 GB", "136 GB" (powers of
// 1000, one decimal below 10).
std::string sizeText(std::uintmax_t bytes) {
    static constexpr const char* units[] = {"bytes", "KB", "MB", "GB", "TB", "PB"};
    std::size_t unit = 0;
    std::uintmax_t tenths = bytes * 10;
    while (tenths >= 10000 && unit + 1 < std::size(units)) {
        tenths /= 1000;
        ++unit;
    }
    std::string number = std::to_string(tenths / 10);
    if (unit > 0 && tenths < 100) number += "." + std::to_string(tenths % 10);
    return number + " " + units[unit];
}

}  // namespace

// The four histories take a row per step and one for t = 0 (and the steady
// state a transient run may add), each as long as historyRow's, after their
// headings. A run that would fill the disk of the program's folder asks
// first; No leaves everything as it was, the working case included.
SimulationRun::Flow SimulationRun::check_disk_space() {
    declinedForDiskSpace_ = false;
    const SimulationCase& c = loaded_->simulationCase;
    if (!options_.askAboutDiskSpace || c.Nst <= 1) return Flow::Continue;
    std::error_code error;
    const std::filesystem::space_info space =
        std::filesystem::space(shell_.programDirectory(), error);
    if (error) return Flow::Continue;
    const auto rows = static_cast<std::uintmax_t>(c.Nst) + 2;
    const std::uintmax_t needed = 4 * (rows * (historyRow(0.0, 0.0).size() + 1) + 200);
    if (needed <= space.available) return Flow::Continue;
    const std::string question =
        texts::withValue(texts::withValue(say(RunText::HistoriesExceedDisk), sizeText(needed)),
                         sizeText(space.available));
    if (shell_.tell(question, platform::kMessageYesNo) == platform::kAnswerYes) {
        return Flow::Continue;
    }
    declinedForDiskSpace_ = true;
    return Flow::Stop;
}

// -------------------------------------------------------- build_initial_field

// Steady: a ramp between the end temperatures Tw, Te the boundary types
// start from (the prescribed one, the surroundings' of a radiating face, 0
// for the others: rampLevel), with D = Te - Tw,
//     T(1) = Tw + D/(2N),  T(i) = Tw + i·D/N (1 < i < N),  T(N) = Te - D/(2N).
// Unsteady: T(i) = Ti(i). Then Tb_W = T(1), Tb_E = T(N); for Gauss-Seidel the
// user may edit the field by hand.
void SimulationRun::build_initial_field() {
    const SimulationCase& c = loaded_->simulationCase;
    const std::int32_t N = c.N;
    stateInForce_ = loaded_->stateInForce;
    std::vector<double> field(static_cast<std::size_t>(N));
    if (stateInForce_ == CaseState::Steady) {
        const double Tw = rampLevel(c.west);
        const double Te = rampLevel(c.east);
        const double D = Te - Tw;
        for (std::int32_t i = 2; i <= N - 1; ++i) {
            field[static_cast<std::size_t>(i - 1)] = Tw + i * D / N;
        }
        field[0] = Tw + D / (2.0 * N);
        field[static_cast<std::size_t>(N - 1)] = Te - D / (2.0 * N);
    } else {
        field = loaded_->initialTemperature;
    }
    driver_.startField(N, field);
    if (c.method == SolutionMethod::GaussSeidel) {
        editInitialEstimate(
            platform_, language_, shell_.programDirectory(),
            [this](std::string_view text, int flags) { return shell_.tell(text, flags); }, N,
            driver_.levels().T);
    }
}

// --------------------------------------------------------------------- set_up

// Before the first step: the menus of a running simulation, the discrete
// problem, the screen, the histories and the status boxes. The result files
// of an earlier run go first, whatever their language: a run that writes no
// histories, or no comparison with the exact solution, leaves none behind,
// and Save Results As copies this run's files only.
void SimulationRun::set_up() {
    shell_.showRunStarted();
    shell_.state().runStarted();
    set_up_system();
    set_up_screen();
    shell_.deleteResultFiles();
    start_histories();
    screen_->showStartBoxes(stateInForce_ == CaseState::Unsteady, stepsToMarch_);
}

// The steps to march, Tol from "tolera", the driver's discrete problem
// (NumericsDriver::start), what the passes tell the run, and the profile's
// display positions.
void SimulationRun::set_up_system() {
    const SimulationCase& c = loaded_->simulationCase;
    steadyAvailable_ = c.state == CaseState::Steady;
    stepsToMarch_ = loaded_->stepsToMarch;
    warnings_ = RunWarnings{};
    const double Tol = settings::readTolerance(shell_.programFile(settings::ToleranceFileName),
                                               settings::WriteBack::DefaultWhenUnreadable)
                           .value;
    driver_.start(*loaded_, Tol);
    passHooks_ = passHooks();
    profileX_ = driver_.grid().displayPositions();
    profileY_.assign(profileX_.size(), 0.0f);
}

// A white graph area with the case name, the method box and the initial
// profile of a transient run; the first profile asks for the scale.
void SimulationRun::set_up_screen() {
    pane_.scaleDefined = 0;
    pane_.graphMode = graphs::kProfileGraph;
    screen_.emplace(platform_, language_, shell_.graphicsSize().width);
    screen_->clear();
    colour_ = static_cast<std::int16_t>(shell_.graphColour());
    caseName_ = options_.savedCasePath ? caseNameOf(options_.savedCasePath()) : std::string();
    screen_->showCaseName(caseName_);
    if (loaded_->simulationCase.method == SolutionMethod::GaussSeidel) screen_->showMethodBox();
    if (stateInForce_ == CaseState::Unsteady) drawProfile(initialEnds());
}

// With more than one step the histories get their headings and the rows of
// t = 0: Ti(No), the mean of Ti and the ends of the initial profile.
void SimulationRun::start_histories() {
    const SimulationCase& c = loaded_->simulationCase;
    const bool withRows = c.Nst > 1;
    if (!histories_.open(shell_.programDirectory(), language_, withRows)) {
        reportHistoryFailures();
    }
    if (!withRows) return;
    const float xNo = c.No >= 1 && c.No <= c.N ? profileX_[static_cast<std::size_t>(c.No)] : 0.0f;
    const std::vector<double>& Ti = loaded_->initialTemperature;
    const ProfileEnds ends = initialEnds();
    const double first[] = {Ti[static_cast<std::size_t>(std::clamp(c.No, 1, c.N) - 1)],
                            bodyMean(driver_.grid(), Ti), ends.west,
                            ends.east};  // by HistoryFiles::Which
    bool written = true;
    for (const HistoryFiles::Which file :
         {HistoryFiles::West, HistoryFiles::East, HistoryFiles::Node, HistoryFiles::Average}) {
        written &=
            histories_.writeLines(file, historyHeading(file, c.No, xNo, c.geometry, language_));
        written &= histories_.append(file, 0.0, first[file]);
        if (options_.onHistoryRow) options_.onHistoryRow(file, 0.0, first[file]);
    }
    if (!written) reportHistoryFailures();
}

// ---------------------------------------------------------------------- march

// t^(n+1) = t^n + Delt_t for the steps still to march (one for a steady run).
SimulationRun::Flow SimulationRun::march() {
    step_ = 1;
    for (std::int32_t remaining = stepsToMarch_; remaining >= 1; --remaining, ++step_) {
        if (solve_time_step() == Flow::Stop) return Flow::Stop;
    }
    return Flow::Continue;
}

// One time step: the driver's passes until the step is done, then (last
// step) its energy balance, the history rows
//     (t, T(No)), (t, mean of T), (t, Tb_W), (t, Tb_E)
// and the profile drawn with the new boundary temperatures.
SimulationRun::Flow SimulationRun::solve_time_step() {
    const SimulationCase& c = loaded_->simulationCase;
    switch (driver_.step(passHooks_)) {
        case StepOutcome::Done:
            break;
        case StepOutcome::PassLimit:
            shell_.tell(say(RunText::NonConvergenceNotice));
            warnings_.passLimit = true;
            break;
        case StepOutcome::Cancelled:
            return cancel();
        case StepOutcome::FormulaRejected:
            shell_.tell(say(RunText::CorruptedFile));
            return cancel();
        case StepOutcome::RadiatingFaceNotPositive:
            shell_.tell(say(RunText::RadiatingFaceNotPositive));
            return cancel();
    }

    // The balance of the last step's equations, at the face temperatures of
    // its solution.
    if (step_ == stepsToMarch_) {
        balance_ = driver_.energyBalance();
        warnings_.unbalanced = !balance_.balanced(balanceLimit());
    }
    const NodeArray& T = driver_.levels().T;
    append_rows({{HistoryFiles::Node, T[std::clamp(c.No, 1, c.N)]},
                 {HistoryFiles::Average,
                  bodyMean(driver_.grid(), std::span(&T[1], static_cast<std::size_t>(c.N)))}});
    const ProfileEnds ends = driver_.updateBoundaryTemperatures();
    drawProfile(ends);
    append_rows({{HistoryFiles::West, ends.west}, {HistoryFiles::East, ends.east}});
    if (stateInForce_ == CaseState::Unsteady) screen_->showStep(step_);
    return Flow::Continue;
}

// What the passes of the run tell the student and ask of the shell: the
// cancel request, the scheme dialog (the computing time starts with the
// choice), the sweep counter and the solvers' warnings, the range question,
// and for a steady case the pass count and, once, the notice that it
// iterates.
PassHooks SimulationRun::passHooks() {
    PassHooks hooks;
    hooks.cancelRequested = [this] { return cancelRequested(); };
    hooks.schemeDialog = [this](float, ConvectionScheme preselected, std::string_view line) {
        return static_cast<ConvectionScheme>(
            graphs::runSchemeDialog(platform_, texts::languageCode(language_),
                                    static_cast<graphs::SchemeButton>(preselected), line));
    };
    hooks.schemeChosen = [this](ConvectionScheme scheme) {
        startClock_ = computingClock();
        screen_->showScheme(scheme);
    };
    hooks.gaussSeidel.cancelRequested = hooks.cancelRequested;
    hooks.gaussSeidel.progress = [this](std::int32_t sweeps) { screen_->showSweepCount(sweeps); };
    hooks.gaussSeidel.eraseProgress = [this] { screen_->eraseSweepCount(); };
    hooks.gaussSeidel.sweepLimitWarning = [this] { shell_.tell(say(RunText::SweepLimitWarning)); };
    hooks.direct.cancelRequested = hooks.cancelRequested;
    hooks.direct.zeroPivotWarning = [this] { shell_.tell(say(RunText::ZeroPivotWarning)); };
    hooks.direct.pivotReplaced = [this] { warnings_.zeroPivot = true; };
    hooks.zeroPivotWarningGiven = &shell_.state().zeroPivotWarningGiven;
    hooks.checkRange = [this] { check_range(); };
    hooks.steadyPassDone = [this](std::int32_t pass, bool iterating) {
        screen_->showPass(pass);
        if (!shell_.state().iterationNoticeGiven.load() && iterating) {
            shell_.tell(say(RunText::IterationNotice));
            shell_.state().iterationNoticeGiven.store(true);
        }
    };
    return hooks;
}

// Once per run: a node below -273 or above 10000 (the last such node decides
// which; a NaN counts as above) brings the question whether to cancel.
void SimulationRun::check_range() {
    auto& given = shell_.state().rangeWarningGiven;
    const NodeArray& T = driver_.levels().T;
    const std::int32_t N = driver_.grid().N;
    if (!given.load() && !allPlausible(std::span(&T[1], static_cast<std::size_t>(N)))) {
        enum class Verdict { None, Low, High } verdict = Verdict::None;
        for (std::int32_t i = 1; i <= N; ++i) {
            // A NaN fails every comparison; asked the other way round it is
            // out of range.
            if (T[i] < LowestPlausible) {
                verdict = Verdict::Low;
            } else if (!(T[i] <= HighestPlausible)) {
                verdict = Verdict::High;
            }
        }
        if (verdict != Verdict::None) {
            const Text question =
                verdict == Verdict::Low ? RunText::RangeLowQuestion : RunText::RangeHighQuestion;
            if (shell_.tell(say(question), platform::kMessageYesNo) == platform::kAnswerYes) {
                shell_.state().requestCancel();
            } else {
                warnings_.outOfRange = true;
            }
            given.store(true);
        }
    }
}

// ------------------------------------------------------------ finish_marching

// A transient run with a prescribed temperature may end with one steady
// solve (f = 0) from its last field, drawn in colour 9.
SimulationRun::Flow SimulationRun::finish_marching() {
    endClock_ = computingClock();
    if (stateInForce_ == CaseState::Unsteady && anyPrescribedTemperature()) {
        if (shell_.tell(say(RunText::IncludeSteadyQuestion), platform::kMessageYesNo) ==
            platform::kAnswerYes) {
            steadyAvailable_ = true;
            steadyAppended_ = true;
            stepsToMarch_ = 1;
            stateInForce_ = CaseState::Steady;
            driver_.appendSteadySolve();
            colour_ = SteadyAppendColour;
            if (march() == Flow::Stop) return Flow::Stop;
            endClock_ = computingClock();
        }
    }
    if (!histories_.close()) reportHistoryFailures();
    return Flow::Continue;
}

// ------------------------------------------------------------- output_results

// The steady profile file, the computing time under the graph, the time graph
// of a transient run, the other result files and the end of the run.
void SimulationRun::output_results() {
    const SimulationCase& c = loaded_->simulationCase;
    const bool prescribed = anyPrescribedTemperature();
    const bool titled = steadyAvailable_ && !(c.state == CaseState::Unsteady && !prescribed);
    profileAxes_ = {screen_->X0(), screen_->Y0(), pane_.ymin, pane_.ymax, pane_.xa, pane_.xb};
    // Out of range at the end, whether or not the question was asked in this run.
    if (!allPlausible(std::span(&temperatures()[1], static_cast<std::size_t>(c.N)))) {
        warnings_.outOfRange = true;
    }
    write_result(ResultFile::Steady,
                 steadyProfileLines({c, temperatures(), lastConductivity()}, titled, language_));
    screen_->showComputingTime(static_cast<float>(endClock_ - startClock_),
                               steadyAppended_ && prescribed);
    if (c.state == CaseState::Unsteady && options_.timeGraph) {
        graphs::drawTimeGraph(
            platform_, pane_,
            {.language = texts::languageCode(language_),
             .No = c.No,
             .Nst = c.Nst,
             .colour = static_cast<std::int16_t>(shell_.graphColour()),
             .screenWidth = shell_.graphicsSize().width,
             .boundaries = {ambientTemperature(c.west), ambientTemperature(c.east)},
             .folder = shell_.programDirectory(),
             .languageSetting = shell_.languageSetting()});
    }
    write_result_files(titled);
    // One message said the first file that failed; this one names them all.
    if (unwrittenFiles_.size() > 1) {
        std::string names;
        for (const std::string& name : unwrittenFiles_) {
            names += (names.empty() ? "\"" : ", \"") + name + "\"";
        }
        shell_.tell(texts::withValue(say(RunText::FilesIncomplete), names));
    }
    offer_result_files();
    if (options_.onFinished) options_.onFinished(*this);
    finish();
}

// The inspection copy, the two flux files and the energy balance, from the
// final field.
void SimulationRun::write_result_files(bool titled) {
    const SimulationCase& c = loaded_->simulationCase;
    const FinalProfile profile{c, temperatures(), lastConductivity()};
    write_result(ResultFile::Data, inspectionCopyLines(c, caseName_, language_));
    write_result(ResultFile::Flux, fluxVolumeLines(profile, titled, language_));
    write_result(ResultFile::FluxPosition, fluxPositionLines(profile, titled, language_));
    write_result(ResultFile::Balance,
                 energyBalanceLines(balance_, balanceLimit(), c.geometry, language_));
}

// The end of the run: the beep, and on request every result file in the
// editor, in the order of the Results menu's files.
void SimulationRun::offer_result_files() {
    const SimulationCase& c = loaded_->simulationCase;
    if (c.method == SolutionMethod::GaussSeidel) screen_->eraseMethodBox();
    platform_.beep(100, 100);
    if (shell_.tell(say(RunText::InspectFilesQuestion), platform::kMessageYesNo) !=
        platform::kAnswerYes) {
        return;
    }
    for (const ResultFile file : texts::kRunFiles) {
        // The histories of a run of one step only say so.
        const bool history = file >= ResultFile::Unsteady && file <= ResultFile::East;
        if (history && c.Nst <= 1) {
            write_result(file, {text::ListLine().text(say(RunText::SteadyOnlyLine)).str()});
        }
        platform_.editTextFile(text::utf8FromPath(resultPath(file)), false);
    }
}

// The status boxes erased and the menus of a finished run: RunState Finished.
void SimulationRun::finish() {
    screen_->eraseStatusBoxes(loaded_->simulationCase.state == CaseState::Unsteady);
    shell_.showRunFinished();
}

// --------------------------------------------------------------------- cancel

// Back to the home screen with nothing written; the working case is deleted
// so that the next run needs a case entered or opened again.
SimulationRun::Flow SimulationRun::cancel() {
    shell_.clearToHomeScreen();
    shell_.showRunCancelled();
    histories_.close();
    shell_.state().runCancelled();
    platform_.deleteFile(text::utf8FromPath(shell_.programFile(settings::WorkingCaseFileName)));
    driver_.releaseFormulas();
    return Flow::Stop;
}

// ------------------------------------------------------------------- helpers

// The rows (t, T) of a step, in a run of more than one step.
void SimulationRun::append_rows(
    std::initializer_list<std::pair<HistoryFiles::Which, double>> rows) {
    if (stepsToMarch_ <= 1) return;
    bool written = true;
    for (const auto& [file, T] : rows) {
        written &= histories_.append(file, driver_.time(), T);
        if (options_.onHistoryRow) options_.onHistoryRow(file, driver_.time(), T);
    }
    if (!written) reportHistoryFailures();
}

void SimulationRun::drawProfile(const ProfileEnds& ends) {
    const SimulationCase& c = loaded_->simulationCase;
    std::vector<float>& y = profileY_;
    y.front() = static_cast<float>(ends.west);
    for (std::int32_t i = 1; i <= c.N; ++i)
        y[static_cast<std::size_t>(i)] = static_cast<float>(temperatures()[i]);
    y.back() = static_cast<float>(ends.east);
    const Text title = c.method == SolutionMethod::GaussSeidel ? RunText::ProfileGaussSidelTitle
                                                               : RunText::ProfileTabLuTitle;
    // A cylinder's or a sphere's profile runs along the radius, ri to ri + Lx.
    const std::string_view axis = driver_.grid().isRadial() ? "r" : "X";
    pane_.GRAF_2D(c.N + 1, profileX_, y, colour_, screen_->X0(), screen_->Y0(), axis, "T",
                  say(title), {ambientTemperature(c.west), ambientTemperature(c.east)},
                  graphs::kLinePlot);
}

// The initial profile's ends: a prescribed temperature, else Ti(1) and Ti(N).
ProfileEnds SimulationRun::initialEnds() const {
    const SimulationCase& c = loaded_->simulationCase;
    const std::vector<double>& Ti = loaded_->initialTemperature;
    return {westStartTemperature(driver_.grid(), c.west, Ti.front()),
            prescribedOr(c.east, Ti.back())};
}

// A result file that cannot be written is said once per run; the run goes on
// and ends normally with the files it could write.
void SimulationRun::write_result(ResultFile file, const std::vector<std::string>& lines) {
    if (!writeResultFile(resultPath(file), lines)) {
        reportWriteFailure(std::string(texts::resultFileName(file, language_)));
    }
}

void SimulationRun::reportHistoryFailures() {
    for (const std::string& name : histories_.failedFiles()) reportWriteFailure(name);
}

void SimulationRun::reportWriteFailure(const std::string& fileName) {
    const bool firstFailure = unwrittenFiles_.empty();
    if (std::find(unwrittenFiles_.begin(), unwrittenFiles_.end(), fileName) ==
        unwrittenFiles_.end()) {
        unwrittenFiles_.push_back(fileName);
    }
    if (!firstFailure) return;
    shell_.tell(texts::withValue(say(RunText::FileWriteFailed), fileName));
}

// The run's clock stands still while a message box or dialog of the run
// waits for the user: the computing time measures computing.
double SimulationRun::computingClock() const {
    return platform_.clockSeconds() - platform::userWaitSeconds();
}

bool SimulationRun::cancelRequested() const {
    return shell_.state().cancelRequested();
}

std::string_view SimulationRun::say(Text text) const {
    return texts::textFor(text, language_);
}

std::filesystem::path SimulationRun::resultPath(ResultFile file) const {
    return shell_.programDirectory() / text::pathFromUtf8(texts::resultFileName(file, language_));
}

double SimulationRun::balanceLimit() const {
    return loaded_ ? simulation::balanceLimit(
                         solutionIterated(loaded_->simulationCase, driver_.sourceLinearised()))
                   : LinearBalanceLimit;
}

bool SimulationRun::anyPrescribedTemperature() const {
    const SimulationCase& c = loaded_->simulationCase;
    return c.west.type == BoundaryType::Temperature || c.east.type == BoundaryType::Temperature;
}

}  // namespace calorvia::run
