// calorvia-batch's run: the application logic on the ScriptedPlatform,
// answered by rule.

#include "app/batch_run.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <system_error>
#include <tuple>
#include <vector>

#include "app/application.h"
#include "app/private_folder.h"
#include "graphs/time_graphs.h"
#include "platform/dialog_templates.h"
#include "run/simulation_run.h"
#include "settings/settings_files.h"
#include "shell/shared_state.h"
#include "shell/shell.h"
#include "simulation/simulation_case.h"
#include "text/fixed_text.h"
#include "text/text_file.h"
#include "texts/result_file_names.h"

namespace calorvia::batch {
namespace {

using platform::DialogHandle;
using platform::DialogScript;
using texts::Text;

// Thrown out of the run when answering again could only loop: a dialog came
// back exactly as it was answered, twice in a row.
struct RepeatedRefusal {
    std::string dialog;  // its caption
    std::string answer;  // the texts of its fields, as answered
};

// Where --set types an entry: the wizard step and its field. A boundary
// step shows one group of fields at a time (T, Phi, or h and Tinf; the type
// follows the group filled), so its fields carry their group.
struct EntryField {
    std::string_view name;
    int step;
    int control;
    int group = 0;  // 0 outside the boundary steps
    // The geometry is a choice of options, not a text: its value names the
    // option clicked (plane, cylinder or sphere); control is the first one.
    bool geometryChoice = false;
};

namespace general = platform::general_step;
namespace transient = platform::transient_step;
namespace side = platform::boundary_step;

constexpr int groupOf(int control) {
    if (control == side::kTEdit) return 1;
    if (control == side::kPhiEdit) return 2;
    return 3;
}

constexpr EntryField boundaryField(std::string_view name, int step, int control) {
    return {name, step, control, groupOf(control)};
}

constexpr std::array kBoundaryFields{side::kTEdit, side::kPhiEdit, side::kHEdit, side::kTinfEdit};

constexpr std::array kEntryFields{
    EntryField{"Lx", general::kTemplate, general::kLxEdit},
    EntryField{"N", general::kTemplate, general::kNEdit},
    EntryField{"K", general::kTemplate, general::kKEdit},
    EntryField{"Sc", general::kTemplate, general::kScEdit},
    EntryField{"Sp", general::kTemplate, general::kSpEdit},
    EntryField{"u", general::kTemplate, general::kUEdit},
    EntryField{"geometry", general::kTemplate, general::kPlaneRadio, 0, true},
    EntryField{"ri", general::kTemplate, general::kRiEdit},
    EntryField{"Ti", transient::kTemplate, transient::kTiEdit},
    EntryField{"Rho", transient::kTemplate, transient::kRhoEdit},
    EntryField{"Cp", transient::kTemplate, transient::kCpEdit},
    EntryField{"Delt_t", transient::kTemplate, transient::kDeltTEdit},
    EntryField{"Nst", transient::kTemplate, transient::kNstEdit},
    EntryField{"No", transient::kTemplate, transient::kNoEdit},
    boundaryField("west.T", side::kWestTemplate, side::kTEdit),
    boundaryField("west.Phi", side::kWestTemplate, side::kPhiEdit),
    boundaryField("west.h", side::kWestTemplate, side::kHEdit),
    boundaryField("west.Tinf", side::kWestTemplate, side::kTinfEdit),
    boundaryField("east.T", side::kEastTemplate, side::kTEdit),
    boundaryField("east.Phi", side::kEastTemplate, side::kPhiEdit),
    boundaryField("east.h", side::kEastTemplate, side::kHEdit),
    boundaryField("east.Tinf", side::kEastTemplate, side::kTinfEdit),
};

const EntryField* entryField(std::string_view name) {
    for (const EntryField& field : kEntryFields) {
        if (field.name == name) return &field;
    }
    return nullptr;
}

// True when `text` is `pattern` with each "{}" in it replaced by some text.
bool fills(std::string_view text, std::string_view pattern) {
    constexpr std::string_view marker = "{}";
    const std::size_t first = pattern.find(marker);
    if (first == std::string_view::npos) return text == pattern;
    if (!text.starts_with(pattern.substr(0, first))) return false;
    std::size_t at = first;
    std::size_t from = first + marker.size();
    for (std::size_t next = pattern.find(marker, from);; next = pattern.find(marker, from)) {
        const std::string_view part = pattern.substr(from, next - from);
        if (next == std::string_view::npos) {
            return text.size() >= at + part.size() && text.ends_with(part);
        }
        at = text.find(part, at);
        if (at == std::string_view::npos) return false;
        at += part.size();
        from = next + marker.size();
    }
}

// The answers of a batch run. At start-up, a message with OK is a warning the
// desktop program also shows and goes on from (a settings file that cannot be
// written, say): it refuses nothing. From File > Open to the wizard's first
// step, such a message refuses the file itself (it cannot be read as a case).
// During the wizard, such a message followed by the same step again refuses
// an entry: that step is closed, which ends the wizard with nothing written.
// One not followed by a step is a failure to write the case, not a refusal.
class BatchPolicy final : public platform::AnswerPolicy {
public:
    BatchPolicy(const BatchOptions& options, std::filesystem::path caseCopy, std::ostream& messages)
        : options_(options),
          caseCopy_(std::move(caseCopy)),
          copyName_(text::utf8FromPath(caseCopy_)),
          userName_(text::utf8FromPath(options.casePath)),
          messages_(messages) {}

    enum class Phase { StartUp, Entry, Run };
    void setPhase(Phase phase) { phase_ = phase; }
    void setLanguage(texts::Language language) { language_ = language; }
    bool refused() const { return refused_; }

    // The --set entries no wizard step asked for.
    std::vector<std::string> unappliedOverrides() const {
        std::vector<std::string> names;
        for (std::size_t i = 0; i < options_.overrides.size(); ++i) {
            if (!applied_.contains(i)) names.push_back(options_.overrides[i].name);
        }
        return names;
    }
    const std::vector<std::string>& shown() const { return shown_; }

    int answerMessageBox(std::string_view text, std::string_view title, int flags) override {
        std::string line = std::string(title) + ": " + asTheUserKnowsIt(text);
        messages_ << line;
        if (flags != platform::kMessageYesNo) {
            shown_.push_back(std::move(line));
            messages_ << '\n';
            if (phase_ == Phase::Entry && !isNote(text)) {
                if (wizardStarted_) {
                    refusalPending_ = true;
                } else {
                    refused_ = true;
                }
            }
            return platform::kAnswerOk;
        }
        const bool steadyQuestion =
            phase_ == Phase::Run && text == texts::textFor(Text::IncludeSteadyQuestion, language_);
        const bool yes = steadyQuestion && options_.steady;
        messages_ << ' ' << (yes ? "Yes" : "No") << '\n';
        shown_.push_back(line + (yes ? " Yes" : " No"));
        return yes ? platform::kAnswerYes : platform::kAnswerNo;
    }

    DialogScript answerDialog(platform::ScriptedPlatform& platform, DialogHandle handle,
                              int number) override {
        namespace scheme = platform::scheme_dialog;
        namespace graph = platform::unsteady_graph_dialog;
        noteRefusals(platform, handle, number);
        DialogScript script(number);
        switch (number) {
            case platform::general_step::kTemplate:
            case platform::transient_step::kTemplate:
            case platform::boundary_step::kWestTemplate:
            case platform::boundary_step::kEastTemplate:
                wizardStarted_ = true;
                if (refusalPending_) {
                    refused_ = true;
                    return script.escape();
                }
                if (!typeOverrides(platform, handle, number, script)) {
                    refused_ = true;
                    return script.escape();
                }
                return script.press(platform::kButtonForward);
            case scheme::kTemplate:
                if (options_.scheme == SchemeAnswer::CDS) script.click(scheme::kCdsRadio);
                if (options_.scheme == SchemeAnswer::Upwind) script.click(scheme::kUpwindRadio);
                return script.press(platform::kButtonOk);
            case platform::scale_dialog::kTemplate:
                return script.press(platform::kButtonOk);
            case graph::kTemplate:
                if (options_.graph == GraphAnswer::None) return script.escape();
                script.click(options_.graph == GraphAnswer::Average ? graph::kAverageRadio
                                                                    : graph::kNodeRadio);
                if (options_.experimental) script.click(graph::kExperimentalCheck);
                return script.press(platform::kButtonOk);
            default:
                return script.escape();
        }
    }

    std::optional<platform::FileChoice> answerFileDialog(
        bool save, const platform::FileDialogRequest&) override {
        // The case is offered once; asked again, the file was refused.
        if (save || caseOffered_) return std::nullopt;
        caseOffered_ = true;
        return platform::FileChoice{text::utf8FromPath(caseCopy_), false};
    }

    void answerEditor(const std::string&) override {}

private:
    // What the dialog shows (its fields and buttons) goes to the refusal
    // watch, which stops the run at the second refusal in a row.
    void noteRefusals(platform::ScriptedPlatform& platform, DialogHandle handle, int number) {
        const platform::DialogTemplate* layout = platform::findDialogTemplate(number);
        if (layout == nullptr) return;
        std::string shown = std::to_string(number);
        std::string fields;
        std::string caption(platform::templateTitle(*layout));
        for (const platform::ControlTemplate& control : layout->controls) {
            switch (control.kind) {
                case platform::ControlKind::GroupBox:
                    if (caption == platform::templateTitle(*layout))
                        caption = platform.controlText(handle, control.number);
                    break;
                case platform::ControlKind::Edit: {
                    const std::string text = platform.controlText(handle, control.number);
                    shown += '\n' + text;
                    fields += (fields.empty() ? "\"" : ", \"") + text + '"';
                    break;
                }
                case platform::ControlKind::RadioButton:
                case platform::ControlKind::CheckBox:
                    shown += platform.controlState(handle, control.number) ? '1' : '0';
                    break;
                default:
                    break;
            }
        }
        if (refusals_.refusedTwice(shown)) throw RepeatedRefusal{caption, fields};
    }

    // The --set entries of this step typed into their fields. On a boundary
    // step the fields of other groups that hold a text are emptied first, as
    // a student would, so that the type follows the entries given; entries of
    // two groups name two types at once and refuse the case.
    bool typeOverrides(platform::ScriptedPlatform& platform, DialogHandle dialog, int step,
                       DialogScript& script) {
        std::vector<std::pair<std::size_t, const EntryField*>> fields;
        std::set<int> groups;
        for (std::size_t i = 0; i < options_.overrides.size(); ++i) {
            const EntryField* field = entryField(options_.overrides[i].name);
            if (field == nullptr || field->step != step) continue;
            fields.emplace_back(i, field);
            if (field->group != 0) groups.insert(field->group);
        }
        if (groups.size() > 1) {
            messages_ << "calorvia-batch: --set names two kinds of boundary condition for one "
                         "boundary (T, Phi, or h and Tinf)\n";
            return false;
        }
        if (!groups.empty()) {
            for (const int control : kBoundaryFields) {
                if (!groups.contains(groupOf(control)) &&
                    !text::trim(platform.controlText(dialog, control)).empty()) {
                    script.type(control, "");
                }
            }
        }
        // The geometry first: its option opens or closes the inner radius.
        std::optional<simulation::Geometry> geometry;
        for (const auto& [index, field] : fields) {
            if (!field->geometryChoice) continue;
            geometry = simulation::geometryFromKeyword(options_.overrides[index].value);
            if (!geometry) {
                messages_ << "calorvia-batch: --set geometry takes plane, cylinder or sphere\n";
                return false;
            }
            script.click(geometryOption(*geometry));
            applied_.insert(index);
        }
        for (const auto& [index, field] : fields) {
            if (field->geometryChoice) continue;
            const bool innerRadius =
                step == general::kTemplate && field->control == general::kRiEdit;
            if (innerRadius && !(geometry ? simulation::isRadial(*geometry)
                                          : !platform.controlState(dialog, general::kPlaneRadio))) {
                messages_ << "calorvia-batch: --set ri: a plane wall has no inner radius (--set "
                             "geometry=cylinder or sphere)\n";
                return false;
            }
            script.type(field->control, options_.overrides[index].value);
            applied_.insert(index);
        }
        return true;
    }

    // A note on opening refuses nothing: the case is read and runs (a solid
    // body's centre takes no west condition, a line after the velocity
    // names no body).
    bool isNote(std::string_view text) const {
        for (const Text note : {Text::CentreWestConditionUnused, Text::UnknownBodyLine}) {
            if (fills(text, texts::textFor(note, language_))) return true;
        }
        return false;
    }

    static int geometryOption(simulation::Geometry geometry) {
        switch (geometry) {
            case simulation::Geometry::Cylinder:
                return general::kCylinderRadio;
            case simulation::Geometry::Sphere:
                return general::kSphereRadio;
            case simulation::Geometry::Plane:
                break;
        }
        return general::kPlaneRadio;
    }

    // A message naming the private copy names the user's file instead.
    std::string asTheUserKnowsIt(std::string_view text) const {
        std::string shown(text);
        for (std::size_t at = shown.find(copyName_); at != std::string::npos;
             at = shown.find(copyName_, at + userName_.size())) {
            shown.replace(at, copyName_.size(), userName_);
        }
        return shown;
    }

    const BatchOptions& options_;
    std::filesystem::path caseCopy_;
    std::string copyName_;
    std::string userName_;
    std::ostream& messages_;
    Phase phase_ = Phase::StartUp;
    texts::Language language_ = texts::Language::English;
    bool refused_ = false;
    bool wizardStarted_ = false;
    bool refusalPending_ = false;
    bool caseOffered_ = false;
    RefusalWatch refusals_;
    std::set<std::size_t> applied_;
    std::vector<std::string> shown_;
};

}  // namespace

bool RefusalWatch::refusedTwice(const std::string& shown) {
    if (shown != lastShown_) {
        lastShown_ = shown;
        refusals_ = 0;
        return false;
    }
    return ++refusals_ >= 2;
}

namespace {

// A case without velocity has no convection term, so no scheme to name.
const char* schemeName(const simulation::SchemeState& scheme, double u) {
    if (!scheme.chosen || u <= 0.0) return "none";
    return scheme.scheme == simulation::ConvectionScheme::CDS ? "CDS" : "Upwind";
}

}  // namespace

bool isSettableEntry(std::string_view name) {
    return entryField(name) != nullptr;
}

std::string settableEntryNames() {
    std::string names;
    for (const EntryField& field : kEntryFields) {
        if (!names.empty()) names += ' ';
        names += field.name;
    }
    return names;
}

BatchRun runCase(const BatchOptions& options, platform::DrawingSink* sink, std::ostream& messages) {
    BatchRun result;
    std::error_code error;
    if (!std::filesystem::is_regular_file(options.casePath, error)) {
        messages << "calorvia-batch: cannot read the case file "
                 << text::utf8FromPath(options.casePath) << '\n';
        return result;
    }

    // Taken before anything is written; the shell's start-up shares it.
    result.folderLock = shell::ProgramFolderLock::lock(".");
    if (result.folderLock.inUse()) {
        const texts::Language language = options.language.value_or(
            settings::readLanguage(settings::LanguageFileName, settings::WriteBack::Never).value);
        const std::filesystem::path folder = std::filesystem::current_path(error);
        messages << texts::textFor(Text::AttentionTitle, language) << ": "
                 << texts::withValue(texts::textFor(Text::ProgramFolderInUse, language),
                                     text::utf8FromPath(folder))
                 << '\n';
        result.status = kExitRefused;
        return result;
    }

    const PrivateFolder folder(options.casePath.filename());
    const std::filesystem::path copy = folder.path() / options.casePath.filename();
    if (folder.path().empty() || !std::filesystem::copy_file(options.casePath, copy, error) ||
        error) {
        messages << "calorvia-batch: cannot make a working copy of "
                 << text::utf8FromPath(options.casePath) << '\n';
        return result;
    }

    platform::ScriptedPlatform platform;
    BatchPolicy policy(options, copy, messages);
    platform.setAnswerPolicy(&policy);
    platform.setRecording(false);
    platform.setDrawingSink(sink);
    platform.useRealClock();
    platform.setScreenSize(options.size);
    platform.setFrameMaximumSize(options.size);

    run::RunOptions runOptions;
    const std::string shownPath = text::utf8FromPath(options.casePath);
    runOptions.savedCasePath = [shownPath] { return shownPath; };
    runOptions.timeGraph = options.graph != GraphAnswer::None;
    runOptions.askAboutDiskSpace = !options.force;
    if (options.keepHistories) {
        runOptions.onHistoryRow = [&result](run::HistoryFiles::Which file, double t, double T) {
            result.histories[static_cast<std::size_t>(file)].emplace_back(t, T);
        };
    }
    // --lang is this run's language only: "idioma" stays the student's.
    app::Application application(platform, shell::DataFolders(options.dataFolders), runOptions,
                                 options.language);
    shell::Shell& shell = application.shell();
    if (!shell.startUp()) return result;
    policy.setLanguage(shell.language());
    result.language = shell.language();

    policy.setPhase(BatchPolicy::Phase::Entry);
    shell.ABRIR();
    result.messages = policy.shown();
    if (shell.state().runState() != shell::RunState::CaseLoaded) {
        result.status = policy.refused() ? kExitRefused : kExitOther;
        return result;
    }
    if (const auto unapplied = policy.unappliedOverrides(); !unapplied.empty()) {
        messages << "calorvia-batch: --set " << unapplied.front()
                 << ": the wizard does not ask for this entry in this case (a steady case "
                    "without velocity has no transient entries)\n";
        result.status = kExitRefused;
        return result;
    }

    policy.setPhase(BatchPolicy::Phase::Run);
    shell.beginSimulation();
    try {
        shell.idleStep();
    } catch (const RepeatedRefusal& refusal) {
        messages << "calorvia-batch: the dialog \"" << refusal.dialog
                 << "\" refused the same answer (" << refusal.answer
                 << ") twice in a row; the run is stopped\n";
        result.status = kExitStopped;
        return result;
    }
    result.messages = policy.shown();
    if (application.lastRun() == nullptr) return result;
    const run::SimulationRun& run = *application.lastRun();
    const run::RunOutcome outcome = application.lastOutcome();
    result.loaded = run.loadedCase();
    result.T = run.temperatures();
    result.K = run.lastConductivity();
    result.computingSeconds = run.computingSeconds();

    if (outcome == run::RunOutcome::Cancelled) {
        result.status = kExitStopped;
        return result;
    }
    if (run.declinedForDiskSpace()) {
        messages << "calorvia-batch: the history files would not fit on the disk (the question "
                    "above); --force runs the case anyway\n";
        result.status = kExitRefused;
        return result;
    }
    if (outcome != run::RunOutcome::Finished) return result;
    // A run that diverged ends like any other, but its files hold no result:
    // they write every temperature in single precision, where it is then
    // infinite or not a number.
    const simulation::NodeArray& T = result.T;
    if (!std::all_of(T.begin() + 1, T.end(),
                     [](double value) { return std::isfinite(static_cast<float>(value)); })) {
        messages << "calorvia-batch: the run ended with temperatures that are not finite numbers "
                    "(it diverged); no result file is reported\n";
        result.status = kExitStopped;
        return result;
    }

    // Start-up deleted every result file of the folder, so those there now
    // are this run's, except any the run failed to write (an older file could
    // not be deleted, or a new one was left short).
    const std::vector<std::string>& unwritten = run.unwrittenFiles();
    for (const texts::ResultFile file : texts::kResultFiles) {
        const std::string_view name = texts::resultFileName(file, result.language);
        if (std::find(unwritten.begin(), unwritten.end(), name) == unwritten.end() &&
            std::filesystem::is_regular_file(text::pathFromUtf8(name), error)) {
            result.filesWritten.emplace_back(name);
        }
    }
    const simulation::SimulationCase& c = result.loaded->simulationCase;
    result.finished = true;
    result.scheme = schemeName(run.scheme(), c.u);
    result.steadyProfile = run.steadyProfileAvailable();
    result.steps = run.stepsMarched();
    result.passes = run.totalPasses();
    result.balance = run.energyBalance();
    const bool transient = c.state == simulation::CaseState::Unsteady;
    if (transient && options.experimental && options.graph != GraphAnswer::None) {
        const auto choice = options.graph == GraphAnswer::Average ? graphs::TimeGraphChoice::Average
                                                                  : graphs::TimeGraphChoice::Node;
        const float deviation =
            graphs::STANDARD_ERROR(choice, texts::languageCode(result.language));
        if (!graphs::readExperimentalData(graphs::ExperimentalFileName).t.empty() &&
            std::isfinite(deviation) && deviation != graphs::MissingSeriesDeviation) {
            result.deviation = deviation;
        }
    }
    // The run went on past a file it could not write (the message is on
    // standard error), but its results were not all written.
    result.status = unwritten.empty() ? kExitWritten : kExitOther;
    result.balanceLimit = run.balanceLimit();
    const run::RunWarnings& warned = run.warnings();
    for (const auto& [present, code, why] :
         {std::tuple{warned.passLimit, "pass_limit",
                     "the steady iteration stopped at its pass limit without converging"},
          std::tuple{warned.zeroPivot, "zero_pivot",
                     "the direct method replaced a vanishing pivot (the system has no unique "
                     "solution)"},
          std::tuple{warned.outOfRange, "out_of_range",
                     "temperatures left the range -273 to 10000 and the run went on"},
          std::tuple{warned.unbalanced, "unbalanced",
                     "the energy balance does not close (see the residual)"}}) {
        if (!present) continue;
        result.warnings.emplace_back(code);
        messages << "calorvia-batch: not to be trusted (" << code << "): " << why << '\n';
    }
    if (result.status == kExitWritten && !result.warnings.empty()) result.status = kExitUntrusted;
    return result;
}

namespace {

// The terms of the balance, each on its line, heat entering the body positive.
void printEnergyBalance(const simulation::EnergyBalance& balance, double limit,
                        simulation::Geometry geometry, std::ostream& out) {
    out << "Energy balance (" << simulation::heatRateUnit(geometry)
        << "), heat entering positive:\n"
        << "  West face, conduction: " << balance.west.conduction << '\n'
        << "  West face, flow: " << balance.west.convection << '\n'
        << "  East face, conduction: " << balance.east.conduction << '\n'
        << "  East face, flow: " << balance.east.convection << '\n'
        << "  Generated: " << balance.generated << '\n'
        << "  Stored: " << balance.stored << '\n'
        << "  Residual: " << balance.residual << " (" << balance.relativeResidual()
        << " of the largest term, " << (balance.balanced(limit) ? "within" : "NOT BALANCED: above")
        << " the limit " << limit << ")\n";
}

}  // namespace

int report(const BatchOptions& options, const BatchRun& run, std::ostream& out) {
    if (!run.finished) return run.status;
    for (const std::string& name : run.filesWritten) out << name << '\n';
    const simulation::SimulationCase& c = run.loaded->simulationCase;
    const bool transient = c.state == simulation::CaseState::Unsteady;
    out << "Scheme: " << run.scheme << '\n';
    if (transient) {
        out << "Steps: " << run.steps << '\n';
    } else {
        out << "Passes: " << run.passes << '\n';
    }
    out << "Computing time: " << run.computingSeconds << " s\n";
    if (run.balance) printEnergyBalance(*run.balance, run.balanceLimit, c.geometry, out);
    if (transient && options.experimental && options.graph != GraphAnswer::None) {
        out << "Standard deviation: ";
        if (run.deviation) {
            out << *run.deviation << '\n';
        } else {
            // What the time graph shows in place of the deviation.
            out << texts::textFor(Text::NoExperimentalPoints, run.language) << '\n';
        }
    }
    return run.status;
}

int runBatch(const BatchOptions& options, platform::DrawingSink* sink, std::ostream& out,
             std::ostream& messages) {
    return report(options, runCase(options, sink, messages), out);
}

}  // namespace calorvia::batch
