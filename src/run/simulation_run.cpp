#include "run/simulation_run.h"

#include <algorithm>
#include <cmath>

#include "graphs/scheme_dialog.h"
#include "graphs/time_graphs.h"
#include "platform/font_descriptor.h"
#include "run/initial_estimate.h"
#include "settings/settings_files.h"
#include "shell/menus.h"
#include "simulation/assembly.h"
#include "simulation/boundary_condition.h"
#include "simulation/case_loader.h"
#include "simulation/direct_solver.h"
#include "simulation/gauss_seidel.h"
#include "simulation/source_linearisation.h"
#include "text/fixed_text.h"
#include "text/number_writer.h"
#include "text/text_file.h"
#include "texts/result_file_names.h"

namespace calorvia::run {

using namespace simulation;  // the run speaks the simulation's vocabulary
using texts::ResultFile;
using texts::Text;

namespace {

// The status boxes' light cyan and the graph area's white, as the run's
// documents write them (COLORREF 0x00BBGGRR).
constexpr platform::Rgb StatusCyan = platform::colorref(0xFFF000);
constexpr platform::Rgb White = platform::colorref(0xFFFFFF);
constexpr std::int16_t SteadyAppendColour = 9;
constexpr double LowestPlausible = -273.0;
constexpr double HighestPlausible = 10000.0;

// An integer as a status box shows it: free form, blanks removed.
std::string counterText(std::int64_t value) {
    return std::string(text::trim(text::generalInteger(value)));
}

// The Gauss-Seidel sweep count keeps the leading blanks of its free form
// and loses only the trailing ones.
std::string sweepCountText(std::int64_t sweeps) {
    return std::string(text::trimRight(text::ListLine().integer(sweeps).str()));
}

// The fonts a status box tries for its text: the run's faces at their own
// heights, then a pixel smaller each time down to 10 pixels, so that a text
// keeps inside its box in whatever face the system substitutes.
const std::vector<std::string>& statusBoxFonts() {
    static const std::vector<std::string> fonts = [] {
        constexpr int SmallestHeight = 10;
        std::vector<std::string> list;
        for (const std::string_view descriptor : graphs::GraphPane::fontList()) {
            const auto font = platform::parseFontDescriptor(descriptor);
            if (!font) continue;
            for (int height = font->height; height >= SmallestHeight; --height) {
                list.push_back("t'" + font->face + "'h" + std::to_string(height));
            }
        }
        return list;
    }();
    return fonts;
}

}  // namespace

SimulationRun::SimulationRun(platform::Platform& platform, shell::Shell& shell, RunOptions options)
    : platform_(platform),
      shell_(shell),
      options_(std::move(options)),
      pane_(platform, shell.programFile(settings::LanguageFileName)),
      interpreter_(shell.mathErrorHook()) {}

RunOutcome SimulationRun::run() {
    language_ = shell_.language();
    if (load_case() == Flow::Stop) {
        return loaded_ ? RunOutcome::Cancelled : RunOutcome::NotStarted;
    }
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
            tell(say(Text::MissingCase), platform::kMessageOk);
            return Flow::Stop;
        case CaseLoadFailure::CorruptedFile:
            tell(say(Text::CorruptedFile), platform::kMessageOk);
            return Flow::Stop;
        case CaseLoadFailure::Cancelled:
            cancel();
            loaded_.emplace();  // marks the run as started and cancelled
            return Flow::Stop;
    }
    return Flow::Stop;
}

// -------------------------------------------------------- build_initial_field

// Steady: a ramp between the prescribed end temperatures Tw, Te (0 for a
// boundary of another type), with D = Te - Tw,
//     T(1) = Tw + D/(2N),  T(i) = Tw + i·D/N (1 < i < N),  T(N) = Te - D/(2N).
// Unsteady: T(i) = Ti(i). Then Tb_W = T(1), Tb_E = T(N); for Gauss-Seidel the
// user may edit the field by hand.
void SimulationRun::build_initial_field() {
    const SimulationCase& c = loaded_->simulationCase;
    const std::int32_t N = c.N;
    stateInForce_ = loaded_->stateInForce;
    std::vector<double> field(static_cast<std::size_t>(N));
    if (stateInForce_ == CaseState::Steady) {
        const double Tw = prescribedOr(c.west, 0.0);
        const double Te = prescribedOr(c.east, 0.0);
        const double D = Te - Tw;
        for (std::int32_t i = 2; i <= N - 1; ++i) {
            field[static_cast<std::size_t>(i - 1)] = Tw + i * D / N;
        }
        field[0] = Tw + D / (2.0 * N);
        field[static_cast<std::size_t>(N - 1)] = Te - D / (2.0 * N);
    } else {
        field = loaded_->initialTemperature;
    }
    levels_ = TemperatureLevels(N);
    levels_.start(field);
    if (c.method == SolutionMethod::GaussSeidel) {
        editInitialEstimate(
            platform_, language_, shell_.programDirectory(),
            [this](std::string_view text, int flags) { return tell(text, flags); }, N, levels_.T);
    }
}

// --------------------------------------------------------------------- set_up

// The screen and the files before the first step: menus for a running
// simulation, a white graph area with the case name, the method box, the
// initial profile of a transient run, the history headings with their rows
// at t = 0, the status boxes, and Tol from "tolera".
void SimulationRun::set_up() {
    const SimulationCase& c = loaded_->simulationCase;
    const std::int32_t N = c.N;

    shell_.showRunStarted();
    shell_.state().runStarted();
    steadyAvailable_ = c.state == CaseState::Steady;

    grid_ = ControlVolumeGrid(c.Lx, N);
    system_ = DiscreteSystem(N);
    properties_ = VolumeProperties(N);
    t_ = 0.0;
    f_ = loaded_->transientSwitch;
    stepsToMarch_ = loaded_->stepsToMarch;
    outerIterationLimit_ = loaded_->outerIterationLimit;
    pane_.scaleDefined = 0;
    pane_.graphMode = graphs::kProfileGraph;

    platform::selectFirstFont(platform_, graphs::GraphPane::fontList());
    platform_.setBackgroundRgb(White);
    platform_.clearScreen();

    const std::vector<float> positions = grid_.displayPositions();
    const float xNo = c.No >= 1 && c.No <= N ? positions[static_cast<std::size_t>(c.No)] : 0.0f;

    colour_ = static_cast<std::int16_t>(shell_.graphColour());
    const bool narrow = shell_.graphicsSize().width <= 800;
    Y0_ = narrow ? 150 : 250;
    X0_ = narrow ? -10 : 10;

    caseName_ = options_.savedCasePath ? caseNameOf(options_.savedCasePath()) : std::string();
    textAt(350 + X0_, 10, caseName_);

    if (c.method == SolutionMethod::GaussSeidel) {
        statusBox(330, 208, 435, 231);
        boxText(337, 211, {330, 208, 435, 231}, say(Text::GaussSidelLabel));
    }

    if (stateInForce_ == CaseState::Unsteady) {
        const std::vector<double>& Ti = loaded_->initialTemperature;
        const double westEnd = prescribedOr(c.west, Ti.front());
        const double eastEnd = prescribedOr(c.east, Ti.back());
        drawProfile(levels_.T, westEnd, eastEnd);
    }

    const bool withRows = c.Nst > 1;
    if (!histories_.open(shell_.programDirectory(), language_, withRows)) {
        reportWriteFailure(histories_.failedFile());
    }
    if (withRows) {
        const std::vector<double>& Ti = loaded_->initialTemperature;
        const double westEnd = prescribedOr(c.west, Ti.front());
        const double eastEnd = prescribedOr(c.east, Ti.back());
        double mean = 0.0;
        for (const double value : Ti) mean += value;
        mean /= N;
        bool written = histories_.writeLines(HistoryFiles::West, westHistoryHeading(language_));
        written &= histories_.append(HistoryFiles::West, 0.0, westEnd);
        written &= histories_.writeLines(HistoryFiles::East, eastHistoryHeading(language_));
        written &= histories_.append(HistoryFiles::East, 0.0, eastEnd);
        written &=
            histories_.writeLines(HistoryFiles::Node, nodeHistoryHeading(c.No, xNo, language_));
        written &= histories_.append(HistoryFiles::Node, 0.0,
                                     Ti[static_cast<std::size_t>(std::clamp(c.No, 1, N) - 1)]);
        written &= histories_.writeLines(HistoryFiles::Average, averageHistoryHeading(language_));
        written &= histories_.append(HistoryFiles::Average, 0.0, mean);
        if (!written) reportWriteFailure(histories_.failedFile());
    }

    if (stateInForce_ == CaseState::Unsteady) {
        statusBox(2, 30, 88, 53);
        boxText(3, 33, {2, 30, 88, 53}, counterText(stepsToMarch_));
        statusBox(2, 58, 88, 81);
        boxText(4, 61, {2, 58, 88, 81}, say(Text::StepsTimeLabel));
    } else {
        statusBox(20, 30, 103, 53);
        boxText(25, 33, {20, 30, 103, 53}, say(Text::WaitLabel));
        statusBox(2, 58, 121, 81);
        boxText(7, 61, {2, 58, 121, 81}, say(Text::SteadyStateLabel));
        if (anyTemperatureFormula()) outerIterationLimit_ = 1000;
    }

    linearisationApplied_ = false;
    Tol_ = settings::readTolerance(shell_.programFile(settings::ToleranceFileName),
                                   settings::WriteBack::DefaultWhenUnreadable)
               .value;
    scheme_ = SchemeState{};
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

// One time step: passes until the step is done, then the history rows
//     (t, T(No)), (t, mean of T), (t, Tb_W), (t, Tb_E)
// and the profile drawn with the new boundary temperatures.
SimulationRun::Flow SimulationRun::solve_time_step() {
    const SimulationCase& c = loaded_->simulationCase;
    t_ += c.Delt_t;
    pass_ = 0;
    while (true) {
        if (make_pass() == Flow::Stop) return Flow::Stop;
        if (steady_iteration_done()) break;
    }
    if (pass_ == outerIterationLimit_) tell(say(Text::NonConvergenceNotice), platform::kMessageOk);

    const bool rows = stepsToMarch_ > 1;
    if (rows) {
        double mean = 0.0;
        for (std::int32_t i = 1; i <= c.N; ++i) mean += levels_.T[i];
        mean /= c.N;
        bool written =
            histories_.append(HistoryFiles::Node, t_, levels_.T[std::clamp(c.No, 1, c.N)]);
        written &= histories_.append(HistoryFiles::Average, t_, mean);
        if (!written) reportWriteFailure(histories_.failedFile());
    }
    const ProfileEnds ends =
        updateBoundaryTemperatures(grid_, properties_.K, c.west, c.east, levels_);
    drawProfile(levels_.T, ends.west, ends.east);
    if (rows) {
        bool written = histories_.append(HistoryFiles::West, t_, ends.west);
        written &= histories_.append(HistoryFiles::East, t_, ends.east);
        if (!written) reportWriteFailure(histories_.failedFile());
    }
    if (stateInForce_ == CaseState::Unsteady) {
        fillBox(2, 2, 88, 25, StatusCyan);
        boxText(5, 5, {2, 2, 88, 25}, counterText(step_));
    }
    return Flow::Continue;
}

// One pass: T° = T, the properties at T°, the linearised source, the scheme
// (first pass of the run), the assembly of A·T = b and its solution.
SimulationRun::Flow SimulationRun::make_pass() {
    const SimulationCase& c = loaded_->simulationCase;
    ++pass_;
    ++totalPasses_;
    if (cancelRequested()) return cancel();
    levels_.startPass();

    EvaluationChecks checks;
    checks.cancelRequested = [this] { return cancelRequested(); };
    const EvaluationResult evaluation =
        evaluateProperties(c, levels_.T, interpreter_, properties_, checks);
    if (evaluation.outcome != EvaluationOutcome::Completed) {
        cancelDuringEvaluation_ = true;
        if (evaluation.outcome == EvaluationOutcome::FormulaRejected) {
            tell(say(Text::CorruptedFile), platform::kMessageOk);
        }
        return cancel();
    }
    lineariseSource(c.N, levels_.T, properties_, linearisationApplied_);

    const SchemeDialog dialog = [this](float, ConvectionScheme preselected, std::string_view line) {
        return static_cast<ConvectionScheme>(
            graphs::runSchemeDialog(platform_, texts::languageCode(language_),
                                    static_cast<graphs::SchemeButton>(preselected), line));
    };
    if (chooseScheme(c.u, properties_, grid_.dx, dialog, scheme_)) {
        startClock_ = computingClock();
        textAt(400 + X0_, 30,
               say(scheme_.scheme == ConvectionScheme::CDS ? Text::CdsLabel : Text::UpwindLabel));
    }
    assembleSystem(c, f_, grid_, properties_, levels_, scheme_.scheme, system_);

    if (c.method == SolutionMethod::GaussSeidel) {
        GaussSeidelHooks hooks;
        hooks.cancelRequested = [this] { return cancelRequested(); };
        hooks.progress = [this](std::int32_t sweeps) {
            fillBox(330, 180, 435, 203, StatusCyan);
            boxText(333, 183, {330, 180, 435, 203}, sweepCountText(sweeps));
        };
        hooks.eraseProgress = [this] { eraseBox(330, 180, 435, 203); };
        hooks.sweepLimitWarning = [this] {
            tell(say(Text::SweepLimitWarning), platform::kMessageOk);
        };
        if (G_S(system_, Tol_, levels_.T, levels_.Tsweep, hooks).outcome ==
            GaussSeidelOutcome::Cancelled) {
            return cancel();
        }
    } else {
        DirectSolverHooks hooks;
        hooks.cancelRequested = [this] { return cancelRequested(); };
        hooks.zeroPivotWarning = [this] {
            tell(say(Text::ZeroPivotWarning), platform::kMessageOk);
        };
        bool warningGiven = shell_.state().zeroPivotWarningGiven.load();
        const FactorisationOutcome factorised = TABLU(system_, warningGiven, hooks);
        shell_.state().zeroPivotWarningGiven.store(warningGiven);
        if (factorised == FactorisationOutcome::Cancelled) return cancel();
        SOLU(system_);
        for (std::int32_t i = 1; i <= c.N; ++i) levels_.T[i] = system_.b[i];
    }
    if (cancelRequested()) return cancel();
    if (check_range() == Flow::Stop) return Flow::Stop;

    if (c.state == CaseState::Steady) {
        fillBox(20, 2, 103, 25, StatusCyan);
        boxText(23, 5, {20, 2, 103, 25}, counterText(pass_));
        if (!shell_.state().iterationNoticeGiven.load() &&
            (anyTemperatureFormula() || linearisationApplied_)) {
            tell(say(Text::IterationNotice), platform::kMessageOk);
            shell_.state().iterationNoticeGiven.store(true);
        }
    }
    return Flow::Continue;
}

// Once per run: a node below -273 or above 10000 (the last such node decides
// which; a NaN counts as above) brings the question whether to cancel.
SimulationRun::Flow SimulationRun::check_range() {
    auto& given = shell_.state().rangeWarningGiven;
    if (!given.load()) {
        enum class Verdict { None, Low, High } verdict = Verdict::None;
        for (std::int32_t i = 1; i <= grid_.N; ++i) {
            // A NaN fails every comparison; asked the other way round it is
            // out of range.
            if (levels_.T[i] < LowestPlausible) {
                verdict = Verdict::Low;
            } else if (!(levels_.T[i] <= HighestPlausible)) {
                verdict = Verdict::High;
            }
        }
        if (verdict != Verdict::None) {
            const Text question =
                verdict == Verdict::Low ? Text::RangeLowQuestion : Text::RangeHighQuestion;
            if (tell(say(question), platform::kMessageYesNo) == platform::kAnswerYes) {
                shell_.state().requestCancel();
            }
            given.store(true);
        }
    }
    if (cancelRequested()) return cancel();
    return Flow::Continue;
}

// The exit test of the pass loop: a transient step, the pass limit or a
// linear problem ends it at once; otherwise |T°(m) - T(m)| <= Tol, m = N/2.
bool SimulationRun::steady_iteration_done() {
    if (stateInForce_ != CaseState::Steady) return true;
    if (pass_ >= outerIterationLimit_) return true;
    if (!anyTemperatureFormula() && !linearisationApplied_) return true;
    const std::int32_t m = grid_.N / 2;
    return std::abs(levels_.Told[m] - levels_.T[m]) <= Tol_;
}

// ------------------------------------------------------------ finish_marching

// A transient run with a prescribed temperature may end with one steady
// solve (f = 0) from its last field, drawn in colour 9.
SimulationRun::Flow SimulationRun::finish_marching() {
    const SimulationCase& c = loaded_->simulationCase;
    endClock_ = computingClock();
    const bool prescribed =
        c.west.type == BoundaryType::Temperature || c.east.type == BoundaryType::Temperature;
    if (stateInForce_ == CaseState::Unsteady && prescribed) {
        if (tell(say(Text::IncludeSteadyQuestion), platform::kMessageYesNo) ==
            platform::kAnswerYes) {
            steadyAvailable_ = true;
            steadyAppended_ = true;
            stepsToMarch_ = 1;
            stateInForce_ = CaseState::Steady;
            f_ = 0.0;
            colour_ = SteadyAppendColour;
            if (march() == Flow::Stop) return Flow::Stop;
            endClock_ = computingClock();
        }
    }
    histories_.close();
    return Flow::Continue;
}

// ------------------------------------------------------------- output_results

// The steady profile file, the computing time under the graph, the time graph
// of a transient run, the other result files and the end of the run.
void SimulationRun::output_results() {
    const SimulationCase& c = loaded_->simulationCase;
    const bool prescribed =
        c.west.type == BoundaryType::Temperature || c.east.type == BoundaryType::Temperature;
    const bool titled = steadyAvailable_ && !(c.state == CaseState::Unsteady && !prescribed);
    const FinalProfile profile{c, levels_.T, properties_.K};
    const std::string steadyName(texts::resultFileName(ResultFile::Steady, language_));
    if (!writeResultFile(resultPath(ResultFile::Steady),
                         steadyProfileLines(profile, titled, language_))) {
        reportWriteFailure(steadyName);
    }

    // The computing time, under the legend when the blue curve is there.
    int timeY = Y0_ + 120;
    if (steadyAppended_ && prescribed) {
        textAt(X0_ + 320, Y0_ + 120, say(Text::BlueSteadyStateLegend));
        timeY = Y0_ + 150;
    }
    const auto elapsed = static_cast<float>(endClock_ - startClock_);
    textAt(X0_ + 320, timeY,
           std::string(say(Text::ElapsedTimeIn)) +
               std::string(text::trimRight(text::ListLine().real(elapsed).str())) +
               std::string(say(Text::ElapsedTimeSeconds)));

    if (c.state == CaseState::Unsteady && options_.timeGraph) {
        graphs::TimeGraphInputs inputs;
        inputs.language = texts::languageCode(language_);
        inputs.No = c.No;
        inputs.Nst = c.Nst;
        inputs.colour = static_cast<std::int16_t>(shell_.graphColour());
        inputs.screenWidth = shell_.graphicsSize().width;
        inputs.boundaries = {ambientTemperature(c.west), ambientTemperature(c.east)};
        inputs.folder = shell_.programDirectory();
        graphs::drawTimeGraph(platform_, pane_, inputs);
    }
    write_result_files(titled);
    offer_result_files();
    finish();
}

// The inspection copy and the two flux files, from the final field.
void SimulationRun::write_result_files(bool titled) {
    const SimulationCase& c = loaded_->simulationCase;
    const FinalProfile profile{c, levels_.T, properties_.K};
    const struct {
        ResultFile file;
        std::vector<std::string> lines;
    } files[] = {
        {ResultFile::Data, inspectionCopyLines(c, caseName_, language_)},
        {ResultFile::Flux, fluxVolumeLines(profile, titled, language_)},
        {ResultFile::FluxPosition, fluxPositionLines(profile, titled, language_)},
    };
    for (const auto& file : files) {
        if (!writeResultFile(resultPath(file.file), file.lines)) {
            reportWriteFailure(std::string(texts::resultFileName(file.file, language_)));
        }
    }
}

// The end of the run: the beep, and on request every result file in the
// editor, in the order of the Results menu's files.
void SimulationRun::offer_result_files() {
    const SimulationCase& c = loaded_->simulationCase;
    if (c.method == SolutionMethod::GaussSeidel) eraseBox(330, 208, 435, 231);
    platform_.beep(100, 100);
    if (tell(say(Text::InspectFilesQuestion), platform::kMessageYesNo) != platform::kAnswerYes) {
        return;
    }
    auto open = [this](ResultFile file) {
        platform_.editTextFile(text::utf8FromPath(resultPath(file)), false);
    };
    open(ResultFile::Data);
    open(ResultFile::Flux);
    open(ResultFile::FluxPosition);
    for (const ResultFile history :
         {ResultFile::Unsteady, ResultFile::Average, ResultFile::West, ResultFile::East}) {
        if (c.Nst <= 1) {
            const std::vector<std::string> line{
                text::ListLine().text(say(Text::SteadyOnlyLine)).str()};
            if (!writeResultFile(resultPath(history), line)) {
                reportWriteFailure(std::string(texts::resultFileName(history, language_)));
            }
        }
        open(history);
    }
    open(ResultFile::Steady);
}

// The status boxes erased and the menus of a finished run: RunState Finished.
void SimulationRun::finish() {
    const SimulationCase& c = loaded_->simulationCase;
    if (c.state == CaseState::Unsteady) {
        eraseBox(2, 2, 88, 25);
        eraseBox(2, 30, 88, 53);
        eraseBox(2, 58, 88, 81);
    } else {
        eraseBox(20, 2, 103, 25);
        eraseBox(20, 30, 103, 53);
        eraseBox(2, 58, 121, 81);
    }
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
    if (cancelDuringEvaluation_) interpreter_.DESTROYFUNC();
    return Flow::Stop;
}

// ------------------------------------------------------------------- helpers

void SimulationRun::drawProfile(const NodeArray& interior, double westEnd, double eastEnd) {
    const SimulationCase& c = loaded_->simulationCase;
    const std::vector<float> x = grid_.displayPositions();
    std::vector<float> y(x.size());
    y.front() = static_cast<float>(westEnd);
    for (std::int32_t i = 1; i <= c.N; ++i)
        y[static_cast<std::size_t>(i)] = static_cast<float>(interior[i]);
    y.back() = static_cast<float>(eastEnd);
    const Text title = c.method == SolutionMethod::GaussSeidel ? Text::ProfileGaussSidelTitle
                                                               : Text::ProfileTabLuTitle;
    pane_.GRAF_2D(c.N + 1, x, y, colour_, X0_, Y0_, "X", "T", say(title),
                  {ambientTemperature(c.west), ambientTemperature(c.east)}, graphs::kLinePlot);
}

void SimulationRun::statusBox(int x1, int y1, int x2, int y2) {
    platform_.setColorRgb(StatusCyan);
    platform_.drawRectangle(platform::FillMode::Filled, x1, y1, x2, y2);
    platform_.setColorIndex(0);
    platform_.drawRectangle(platform::FillMode::Border, x1, y1, x2, y2);
}

void SimulationRun::fillBox(int x1, int y1, int x2, int y2, platform::Rgb colour) {
    platform_.setColorRgb(colour);
    platform_.drawRectangle(platform::FillMode::Filled, x1, y1, x2, y2);
}

void SimulationRun::eraseBox(int x1, int y1, int x2, int y2) {
    fillBox(x1, y1, x2, y2, White);
}

void SimulationRun::textAt(int x, int y, std::string_view text) {
    platform_.setColorIndex(0);
    platform_.moveTo(x, y);
    platform_.outText(text);
}

// A status box's text stops short of the box's right and bottom borders, so
// that erasing the box leaves nothing behind; the run's font comes back
// afterwards.
void SimulationRun::boxText(int x, int y, platform::PixelBox box, std::string_view text) {
    platform_.setColorIndex(0);
    platform::outTextFitted(platform_, x, y, {box.x2, box.y2}, text, statusBoxFonts());
    platform::selectFirstFont(platform_, graphs::GraphPane::fontList());
}

int SimulationRun::tell(std::string_view text, int flags) {
    return shell_.tell(text, flags);
}

// A result file that cannot be written is said once per run; the run goes on
// and ends normally with the files it could write.
void SimulationRun::reportWriteFailure(const std::string& fileName) {
    const bool firstFailure = unwrittenFiles_.empty();
    if (std::find(unwrittenFiles_.begin(), unwrittenFiles_.end(), fileName) ==
        unwrittenFiles_.end()) {
        unwrittenFiles_.push_back(fileName);
    }
    if (!firstFailure) return;
    tell(texts::withValue(say(Text::FileWriteFailed), fileName), platform::kMessageOk);
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

bool SimulationRun::anyTemperatureFormula() const {
    const SimulationCase& c = loaded_->simulationCase;
    return c.K.isFormula || c.Sc.isFormula || c.Sp.isFormula;
}

std::function<void()> makeRunEntry(platform::Platform& platform, shell::Shell& shell,
                                   RunOptions options) {
    return [&platform, &shell, options] {
        SimulationRun run(platform, shell, options);
        run.run();
    };
}

}  // namespace calorvia::run
