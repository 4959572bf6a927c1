// LEITURAS: the case entry wizard's stages, its first two steps, the
// closing checks and the writing of the case.

#include <optional>
#include <string>

#include "entry/boundary_steps.h"
#include "entry/case_checks.h"
#include "entry/case_commands.h"
#include "platform/dialog_bindings.h"
#include "platform/dialog_templates.h"
#include "settings/settings_files.h"
#include "shell/home_screen.h"
#include "shell/shared_state.h"
#include "simulation/case_writer.h"
#include "simulation/simulation_case.h"
#include "text/text_file.h"
#include "texts/common_texts.h"
#include "texts/entry_texts.h"

namespace calorvia::entry {
namespace {

namespace g = platform::general_step;
namespace t = platform::transient_step;
using platform::DialogHandle;
using texts::CommonText;
using texts::EntryText;
using texts::Text;

// What each edit field and option of steps 1 and 2 shows of the record.
constexpr platform::Field<CaseEntry> kGeneralStepFields[]{
    {g::kLxEdit, &CaseEntry::Lx, NumberEntryWidth},
    {g::kNEdit, &CaseEntry::N, NumberEntryWidth},
    {g::kKEdit, &CaseEntry::K, PropertyEntryWidth},
    {g::kScEdit, &CaseEntry::Sc, PropertyEntryWidth},
    {g::kSpEdit, &CaseEntry::Sp, PropertyEntryWidth},
    {g::kUEdit, &CaseEntry::u, NumberEntryWidth},
    {g::kRiEdit, &CaseEntry::ri, NumberEntryWidth},
    {.control = g::kSteadyRadio, .flag = &CaseEntry::steadyChosen},
    {.control = g::kUnsteadyRadio, .flag = &CaseEntry::unsteadyChosen},
    {.control = g::kGaussSidelCheck, .flag = &CaseEntry::gaussSidelChosen},
};
constexpr platform::Field<CaseEntry> kTransientStepFields[]{
    {t::kTiEdit, &CaseEntry::Ti, PropertyEntryWidth},
    {t::kRhoEdit, &CaseEntry::Rho, PropertyEntryWidth},
    {t::kCpEdit, &CaseEntry::Cp, PropertyEntryWidth},
    {t::kDeltTEdit, &CaseEntry::Delt_t, NumberEntryWidth},
    {t::kNstEdit, &CaseEntry::Nst, NumberEntryWidth},
    {t::kNoEdit, &CaseEntry::No, NumberEntryWidth},
};

// The geometry options of step 1, one per body.
struct GeometryOption {
    int control;
    simulation::Geometry geometry;
};
constexpr GeometryOption kGeometryOptions[]{
    {g::kPlaneRadio, simulation::Geometry::Plane},
    {g::kCylinderRadio, simulation::Geometry::Cylinder},
    {g::kSphereRadio, simulation::Geometry::Sphere},
};

simulation::Geometry chosenGeometry(platform::Platform& platform, DialogHandle dialog) {
    for (const GeometryOption& option : kGeometryOptions) {
        if (platform.controlState(dialog, option.control)) return option.geometry;
    }
    return simulation::Geometry::Plane;
}

// The inner radius is asked for only while a cylinder or a sphere is chosen.
void openInnerRadius(platform::Platform& platform, DialogHandle dialog) {
    const bool radial = simulation::isRadial(chosenGeometry(platform, dialog));
    for (const int control : {g::kRiLabel, g::kRiEdit, g::kRiHint}) {
        platform.setControlEnabled(dialog, control, radial);
    }
}

std::string utf8(const std::filesystem::path& path) {
    return text::utf8FromPath(path);
}

}  // namespace

WizardContext CaseEntryCommands::makeContext() {
    const texts::Language language = shell_.language();
    return WizardContext{
        platform_, language,
        SummaryPanel(platform_, shell::layoutOrigin(shell_.graphicsSize()), language),
        [this] { shell_.SINTAXE(); }};
}

// Step 1, general settings (template 101).
StepResult CaseEntryCommands::runGeneralStep(WizardContext& context) {
    CaseEntry& e = entry_;
    while (true) {
        context.panel.clearWhole();
        const auto dialog = platform::createDialogIn(platform_, g::kTemplate, context.language);
        // The hidden first option of the state group is switched on, so that
        // a new case has no state chosen until the student picks one.
        platform_.setControlState(dialog, g::kNoStateRadio, true);
        platform::load(platform_, dialog, e, kGeneralStepFields);
        for (const GeometryOption& option : kGeometryOptions) {
            if (option.geometry == e.geometry)
                platform_.setControlState(dialog, option.control, true);
            platform_.setControlRoutine(dialog, option.control,
                                        [this, dialog] { openInnerRadius(platform_, dialog); });
        }
        openInnerRadius(platform_, dialog);
        platform_.setControlRoutine(dialog, g::kSyntaxButton, context.syntaxHelp);

        const int result = platform_.runDialog(dialog);
        if (result != platform::kButtonForward) {
            platform_.releaseDialog(dialog);
            return StepResult::Cancel;
        }
        platform::save(platform_, dialog, e, kGeneralStepFields);
        e.geometry = chosenGeometry(platform_, dialog);
        platform_.releaseDialog(dialog);

        Checked<CaseEntry> checked = checkGeneralStep(std::move(e));
        e = std::move(checked.entry);
        if (checked.refusal) {
            context.tell(*checked.refusal);
            continue;
        }
        context.panel.drawGeneral(e);
        return StepResult::Forward;
    }
}

// Step 2, transient settings (template 102): an unsteady case, or a steady
// one with velocity, which also needs its transient data.
StepResult CaseEntryCommands::runTransientStep(WizardContext& context) {
    CaseEntry& e = entry_;
    while (true) {
        context.panel.clearRegion(SummaryRegion::UpperRight);
        const auto dialog = platform::createDialogIn(platform_, t::kTemplate, context.language);
        platform::load(platform_, dialog, e, kTransientStepFields);
        platform_.setControlRoutine(dialog, t::kSyntaxButton, context.syntaxHelp);

        const int result = platform_.runDialog(dialog);
        if (result != platform::kButtonForward && result != platform::kButtonBack) {
            platform_.releaseDialog(dialog);
            return StepResult::Cancel;
        }
        platform::save(platform_, dialog, e, kTransientStepFields);
        platform_.releaseDialog(dialog);
        if (result == platform::kButtonBack) return StepResult::Back;

        Checked<CaseEntry> checked = checkTransientStep(std::move(e));
        e = std::move(checked.entry);
        if (checked.refusal) {
            context.tell(*checked.refusal);
            continue;
        }
        context.panel.drawTransient(e);
        return StepResult::Forward;
    }
}

void CaseEntryCommands::giveBackUntouched(WizardStep step) {
    switch (step) {
        case WizardStep::General:
            platform::giveBackUntouched(entry_, kGeneralStepFields);
            return;
        case WizardStep::Transient:
            platform::giveBackUntouched(entry_, kTransientStepFields);
            return;
        case WizardStep::West:
            entry::giveBackUntouched(entry_.west);
            return;
        case WizardStep::East:
            entry::giveBackUntouched(entry_.east);
            return;
    }
}

// Doubtful steady cases: flux at both ends has no fixed temperature level,
// and a convective case without a temperature at both ends is better
// marched in time. Either warning may send the student back to step 1.
bool CaseEntryCommands::wantsToModify(WizardContext& context) {
    const CaseEntry& e = entry_;
    using simulation::BoundaryType;
    const bool steady = e.state == simulation::CaseState::Steady;
    // The centre of a solid body is an insulated face: with a flux at the
    // surface too, nothing fixes the temperature level.
    const BoundaryType westType = e.effectiveWest().condition.type;
    if (steady && westType == BoundaryType::Flux && e.east.condition.type == BoundaryType::Flux) {
        if (context.tell(EntryText::FluxFluxWarning, CommonText::AttentionTitle,
                         platform::kMessageYesNo) == platform::kAnswerYes) {
            return true;
        }
    }
    if (e.uValue > 0.0 && steady &&
        !(westType == BoundaryType::Temperature &&
          e.east.condition.type == BoundaryType::Temperature)) {
        if (context.tell(EntryText::ConvectiveProblemWarning, EntryText::ConvectiveProblemTitle,
                         platform::kMessageYesNo) == platform::kAnswerYes) {
            return true;
        }
    }
    return false;
}

bool CaseEntryCommands::askToClose(WizardContext& context, Text question) {
    return context.tell(question, CommonText::AttentionTitle, platform::kMessageYesNo) ==
           platform::kAnswerYes;
}

std::optional<bool> CaseEntryCommands::closeWhatIsOnScreen(WizardContext& context,
                                                           Text finishedRunQuestion) {
    shell::SharedState& state = shell_.state();
    bool panelCleared = false;
    if (state.runState() == shell::RunState::Finished) {
        if (!askToClose(context, finishedRunQuestion)) return std::nullopt;
        shell_.LIMPA();
        deleteWorkingCase();
        state.backToIdle();
    }
    if (state.runState() == shell::RunState::CaseLoaded) {
        if (!askToClose(context, EntryText::CloseLoadedCaseQuestion)) return std::nullopt;
        context.panel.fillGrey();
        deleteWorkingCase();
        state.backToIdle();
        panelCleared = true;
    }
    return panelCleared;
}

namespace {

// While the wizard runs, its dialogs leave the summary panel in sight, so the
// student sees what the earlier steps accepted.
class PanelInSight {
public:
    PanelInSight(platform::Platform& platform, platform::PixelBox panel) : platform_(platform) {
        platform_.keepClearOfDialogs(panel);
    }
    ~PanelInSight() { platform_.keepClearOfDialogs(std::nullopt); }
    PanelInSight(const PanelInSight&) = delete;
    PanelInSight& operator=(const PanelInSight&) = delete;

private:
    platform::Platform& platform_;
};

}  // namespace

// The step before the west boundary: step 2 when the case has transient
// data, else step 1.
CaseEntryCommands::Stage CaseEntryCommands::stageBeforeWest() const {
    return entry_.hasTransientData() ? Stage::Transient : Stage::General;
}

void CaseEntryCommands::LEITURAS() {
    WizardContext context = makeContext();
    if (!closeWhatIsOnScreen(context, EntryText::WizardCloseSimulationQuestion)) return;
    if (mode_ == WizardMode::New) entry_.blank();
    const PanelInSight panelInSight(platform_, context.panel.area());

    // Forward goes where stepAfter says; a step it passes over still shows
    // on the panel (the transient placeholders, a solid body's centre).
    const auto forwardFrom = [&](WizardStep step) {
        const std::optional<WizardStep> next = stepAfter(step, entry_);
        if (step == WizardStep::General && next != WizardStep::Transient) {
            context.panel.drawTransient(entry_);  // the placeholders
        }
        if (next == WizardStep::East && step != WizardStep::West) context.panel.drawWestCentre();
        return next ? static_cast<Stage>(*next) : Stage::ClosingChecks;
    };
    Stage stage = Stage::General;
    while (true) {
        StepResult result = StepResult::Forward;
        switch (stage) {
            case Stage::General:
                result = runGeneralStep(context);
                if (result == StepResult::Forward) stage = forwardFrom(WizardStep::General);
                break;
            case Stage::Transient:
                result = runTransientStep(context);
                if (result == StepResult::Forward) stage = forwardFrom(WizardStep::Transient);
                if (result == StepResult::Back) stage = Stage::General;
                break;
            case Stage::West:
                result = runBoundaryStep(context, BoundarySide::West, entry_);
                if (result == StepResult::Forward) stage = forwardFrom(WizardStep::West);
                if (result == StepResult::Back) stage = stageBeforeWest();
                break;
            case Stage::East:
                result = runBoundaryStep(context, BoundarySide::East, entry_);
                if (result == StepResult::Forward) stage = forwardFrom(WizardStep::East);
                if (result == StepResult::Back) {
                    stage = entry_.westIsCentre() ? stageBeforeWest() : Stage::West;
                }
                break;
            case Stage::ClosingChecks:
                if (wantsToModify(context)) {
                    stage = Stage::General;
                    break;
                }
                writeCase(context);
                return;
        }
        if (result == StepResult::Cancel) {
            shell_.drawHomeScreen();
            return;
        }
    }
}

// A new case asks where to save; an opened one is rewritten in place. When
// the saved file cannot be written the student is told and may choose
// another place, so that nothing typed is lost; cancelling then ends the
// wizard as a cancelled save does.
void CaseEntryCommands::writeCase(WizardContext& context) {
    bool choose = mode_ == WizardMode::New;
    while (true) {
        if (choose) {
            changeToStartDirectory();
            const auto choice = SAVE1();
            changeToStartDirectory();
            if (!choice) {
                LIMPA2();
                deleteWorkingCase();
                return;
            }
        }
        const WriteOutcome outcome = writeBothFiles(context, currentCasePath_);
        if (outcome == WriteOutcome::Written) break;
        if (outcome == WriteOutcome::WorkingFileFailed) return;  // RunState stays as it was
        choose = true;  // the saved file failed: offer another place
    }
    shell_.state().caseLoaded();
}

CaseEntryCommands::WriteOutcome CaseEntryCommands::writeBothFiles(
    WizardContext& context, const std::filesystem::path& target) {
    const simulation::CaseFileContent content = caseFileContent(entry_);
    if (!simulation::writeCaseFile(target, content, simulation::CaseFileLayout::Saved)) {
        context.tellText(texts::withValue(context.text(EntryText::CaseWriteFailed), utf8(target)));
        return WriteOutcome::SavedFileFailed;
    }
    const std::filesystem::path working = shell_.programFile(settings::WorkingCaseFileName);
    if (!simulation::writeCaseFile(working, content, simulation::CaseFileLayout::Working)) {
        context.tellText(texts::withValue(context.text(EntryText::CaseWriteFailed), utf8(working)));
        return WriteOutcome::WorkingFileFailed;
    }
    return WriteOutcome::Written;
}

void CaseEntryCommands::changeToStartDirectory() {
    platform_.setCurrentDirectory(utf8(startDirectory()));
}

void CaseEntryCommands::deleteWorkingCase() {
    platform_.deleteFile(utf8(shell_.programFile(settings::WorkingCaseFileName)));
}

}  // namespace calorvia::entry
