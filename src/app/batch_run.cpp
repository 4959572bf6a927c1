// calorvia-batch's run: the application logic on the HeadlessPlatform,
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
#include "entry/case_commands.h"
#include "graphs/time_graphs.h"
#include "platform/dialog_templates.h"
#include "run/simulation_run.h"
#include "settings/settings_files.h"
#include "shell/shared_state.h"
#include "shell/shell.h"
#include "simulation/simulation_case.h"
#include "text/fixed_text.h"
#include "text/text_file.h"
#include "texts/common_texts.h"
#include "texts/result_file_names.h"
#include "texts/run_texts.h"
#include "texts/shell_texts.h"

namespace calorvia::batch {
namespace {

using platform::DialogHandle;
using platform::DialogScript;
using texts::CommonText;
using texts::RunText;
using texts::ShellText;

// Thrown out of the run when answering again could only loop: a dialog came
// back exactly as it was answered, twice in a row.
struct RepeatedRefusal {
    std::string dialog;  // its caption
    std::string answer;  // the texts of its fields, as answered
};

// What --set replaces: an entry of the record, in the wizard step that
// checks it. A boundary's entries are named by side and by the keys of the
// type descriptions (west.T, east.h, ...); the type that holds them is the
// boundary's type.
struct EntryField {
    std::string name;
    entry::WizardStep step;
    std::string entry::CaseEntry::*text = nullptr;
    std::string entry::BoundaryEntry::*boundaryText = nullptr;
    std::size_t width = entry::NumberEntryWidth;
    simulation::BoundaryType condition = entry::NoBoundaryType;
    // The geometry is a choice of options, not a text: plane, cylinder or sphere.
    bool geometryChoice = false;
};

using entry::BoundaryEntry;
using entry::CaseEntry;
using entry::WizardStep;
using simulation::BoundaryType;

EntryField numberField(std::string_view name, WizardStep step, std::string CaseEntry::*text) {
    return {.name = std::string(name), .step = step, .text = text};
}
EntryField propertyField(std::string_view name, WizardStep step, std::string CaseEntry::*text) {
    return {
        .name = std::string(name), .step = step, .text = text, .width = entry::PropertyEntryWidth};
}

// The case's entries in the order of the wizard, then every value of every
// boundary type at each side.
const std::vector<EntryField>& entryFields() {
    static const std::vector<EntryField> fields = [] {
        std::vector<EntryField> all{
            numberField("Lx", WizardStep::General, &CaseEntry::Lx),
            numberField("N", WizardStep::General, &CaseEntry::N),
            propertyField("K", WizardStep::General, &CaseEntry::K),
            propertyField("Sc", WizardStep::General, &CaseEntry::Sc),
            propertyField("Sp", WizardStep::General, &CaseEntry::Sp),
            numberField("u", WizardStep::General, &CaseEntry::u),
            EntryField{.name = "geometry", .step = WizardStep::General, .geometryChoice = true},
            numberField("ri", WizardStep::General, &CaseEntry::ri),
            propertyField("Ti", WizardStep::Transient, &CaseEntry::Ti),
            propertyField("Rho", WizardStep::Transient, &CaseEntry::Rho),
            propertyField("Cp", WizardStep::Transient, &CaseEntry::Cp),
            numberField("Delt_t", WizardStep::Transient, &CaseEntry::Delt_t),
            numberField("Nst", WizardStep::Transient, &CaseEntry::Nst),
            numberField("No", WizardStep::Transient, &CaseEntry::No),
        };
        for (const auto& [side, step] :
             {std::pair{"west.", WizardStep::West}, std::pair{"east.", WizardStep::East}}) {
            for (std::size_t i = 0; i < simulation::BoundaryValueCount; ++i) {
                const auto value = static_cast<simulation::BoundaryValue>(i);
                const simulation::BoundaryValueDescription& held = simulation::describe(value);
                all.push_back({.name = side + std::string(held.key),
                               .step = step,
                               .boundaryText = held.typed,
                               .condition = simulation::typeHolding(value)});
            }
        }
        return all;
    }();
    return fields;
}

const EntryField* entryField(std::string_view name) {
    for (const EntryField& field : entryFields()) {
        if (field.name == name) return &field;
    }
    return nullptr;
}

// "T, Phi, h and Tinf, or eps and Tsur": the keys of each type.
std::string boundaryKinds() {
    std::string kinds;
    const auto types = simulation::boundaryTypes();
    for (std::size_t t = 0; t < types.size(); ++t) {
        if (t > 0) kinds += t + 1 == types.size() ? ", or " : ", ";
        const auto values = types[t].values;
        for (std::size_t v = 0; v < values.size(); ++v) {
            if (v > 0) kinds += " and ";
            kinds += simulation::describe(values[v]).key;
        }
    }
    return kinds;
}

// The --set entries, each put into the record when the wizard reaches its
// step, as a student would type it there.
class EntryEdits {
public:
    EntryEdits(const BatchOptions& options, std::ostream& messages)
        : options_(options), messages_(messages) {}

    // The entries of `step` put into the record. On a boundary step the
    // texts of the other kinds of condition are emptied first, so that the
    // type follows the entries given; entries of two kinds name two types at
    // once and refuse the case, and so do an unknown body and a radius for
    // a plane wall.
    bool edit(WizardStep step, CaseEntry& entry) {
        std::vector<std::pair<std::size_t, const EntryField*>> fields;
        std::set<BoundaryType> conditions;
        for (std::size_t i = 0; i < options_.overrides.size(); ++i) {
            const EntryField* field = entryField(options_.overrides[i].name);
            if (field == nullptr || field->step != step) continue;
            fields.emplace_back(i, field);
            if (field->boundaryText) conditions.insert(field->condition);
        }
        if (conditions.size() > 1) {
            messages_ << "calorvia-batch: --set names two kinds of boundary condition for one "
                         "boundary ("
                      << boundaryKinds() << ")\n";
            return false;
        }
        BoundaryEntry& boundary = step == WizardStep::West ? entry.west : entry.east;
        if (!conditions.empty()) {
            for (const EntryField& field : entryFields()) {
                if (field.step == step && !conditions.contains(field.condition)) {
                    boundary.*field.boundaryText = "";
                }
            }
        }
        // The body first: it opens or closes the inner radius.
        for (const auto& [index, field] : fields) {
            if (!field->geometryChoice) continue;
            const auto geometry = simulation::geometryFromKeyword(options_.overrides[index].value);
            if (!geometry) {
                messages_ << "calorvia-batch: --set geometry takes plane, cylinder or sphere\n";
                return false;
            }
            entry.geometry = *geometry;
            applied_.insert(index);
        }
        for (const auto& [index, field] : fields) {
            if (field->geometryChoice) continue;
            if (field->text == &CaseEntry::ri && !simulation::isRadial(entry.geometry)) {
                messages_ << "calorvia-batch: --set ri: a plane wall has no inner radius (--set "
                             "geometry=cylinder or sphere)\n";
                return false;
            }
            std::string& text = field->text ? entry.*field->text : boundary.*field->boundaryText;
            text = text::cutToWidth(options_.overrides[index].value, field->width);
            applied_.insert(index);
        }
        return true;
    }

    // The --set entries no wizard step asked for.
    std::vector<std::string> unapplied() const {
        std::vector<std::string> names;
        for (std::size_t i = 0; i < options_.overrides.size(); ++i) {
            if (!applied_.contains(i)) names.push_back(options_.overrides[i].name);
        }
        return names;
    }

private:
    const BatchOptions& options_;
    std::ostream& messages_;
    std::set<std::size_t> applied_;
};

// The answers of a batch run: every message is passed on; a question is
// answered No, but for the steady-state question of a run, which gets the
// chosen answer. The case is opened without its dialogs, so the dialogs
// answered are the run's.
class BatchPolicy final : public platform::AnswerPolicy {
public:
    BatchPolicy(const BatchOptions& options, std::filesystem::path caseCopy, std::ostream& messages)
        : options_(options),
          copyName_(text::utf8FromPath(caseCopy)),
          userName_(text::utf8FromPath(options.casePath)),
          messages_(messages) {}

    void startRun(texts::Language language) {
        running_ = true;
        language_ = language;
    }
    const std::vector<std::string>& shown() const { return shown_; }

    int answerMessageBox(std::string_view text, std::string_view title, int flags) override {
        std::string line = std::string(title) + ": " + asTheUserKnowsIt(text);
        messages_ << line;
        if (flags != platform::kMessageYesNo) {
            shown_.push_back(std::move(line));
            messages_ << '\n';
            return platform::kAnswerOk;
        }
        const bool steadyQuestion =
            running_ && text == texts::textFor(RunText::IncludeSteadyQuestion, language_);
        const bool yes = steadyQuestion && options_.steady;
        messages_ << ' ' << (yes ? "Yes" : "No") << '\n';
        shown_.push_back(line + (yes ? " Yes" : " No"));
        return yes ? platform::kAnswerYes : platform::kAnswerNo;
    }

    DialogScript answerDialog(platform::HeadlessPlatform& platform, DialogHandle handle,
                              int number) override {
        namespace scheme = platform::scheme_dialog;
        namespace graph = platform::unsteady_graph_dialog;
        noteRefusals(platform, handle, number);
        DialogScript script(number);
        switch (number) {
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

    // The only file dialog left offers another place for a case that could
    // not be written: the batch has none.
    std::optional<platform::FileChoice> answerFileDialog(
        bool, const platform::FileDialogRequest&) override {
        return std::nullopt;
    }

    void answerEditor(const std::string&) override {}

private:
    // What the dialog shows (its fields and buttons) goes to the refusal
    // watch, which stops the run at the second refusal in a row.
    void noteRefusals(platform::HeadlessPlatform& platform, DialogHandle handle, int number) {
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
    std::string copyName_;
    std::string userName_;
    std::ostream& messages_;
    bool running_ = false;
    texts::Language language_ = texts::Language::English;
    RefusalWatch refusals_;
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
    for (const EntryField& field : entryFields()) {
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
        messages << texts::textFor(CommonText::AttentionTitle, language) << ": "
                 << texts::withValue(texts::textFor(ShellText::ProgramFolderInUse, language),
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

    BatchPolicy policy(options, copy, messages);
    platform::HeadlessPlatform platform(&policy);
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
    result.language = shell.language();

    using Opened = entry::CaseEntryCommands::Unattended;
    EntryEdits edits(options, messages);
    const Opened opened = application.caseEntry().openUnattended(
        copy, [&edits](WizardStep step, CaseEntry& entry) { return edits.edit(step, entry); });
    result.messages = policy.shown();
    if (opened != Opened::Loaded) {
        result.status = opened == Opened::Refused ? kExitRefused : kExitOther;
        return result;
    }
    if (const auto unapplied = edits.unapplied(); !unapplied.empty()) {
        messages << "calorvia-batch: --set " << unapplied.front()
                 << ": the wizard does not ask for this entry in this case (a steady case "
                    "without velocity has no transient entries)\n";
        result.status = kExitRefused;
        return result;
    }

    policy.startRun(result.language);
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
            out << texts::textFor(RunText::NoExperimentalPoints, run.language) << '\n';
        }
    }
    return run.status;
}

int runBatch(const BatchOptions& options, platform::DrawingSink* sink, std::ostream& out,
             std::ostream& messages) {
    return report(options, runCase(options, sink, messages), out);
}

}  // namespace calorvia::batch
