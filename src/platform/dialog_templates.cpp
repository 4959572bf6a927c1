#include "platform/dialog_templates.h"

#include <algorithm>
#include <array>

#include "platform/platform.h"
#include "texts/common_texts.h"
#include "texts/entry_texts.h"
#include "texts/graph_texts.h"
#include "texts/run_texts.h"
#include "texts/shell_texts.h"

namespace calorvia::platform {
namespace {

using T = texts::Text;
using texts::CommonText;
using texts::EntryText;
using texts::GraphText;
using texts::RunText;
using texts::ShellText;

// Heights the templates do not state take the usual values of their kind:
// static text 8, edit fields 12, radio buttons and check boxes 10, push
// buttons 14.
constexpr int kLabelHeight = 8;
constexpr int kEditHeight = 12;
constexpr int kOptionHeight = 10;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;

constexpr ControlTemplate group(int number, DialogRect rect, T caption) {
    return {number, ControlKind::GroupBox, rect, caption};
}
constexpr ControlTemplate label(int number, int x, int y, int width, std::optional<T> caption,
                                int height = kLabelHeight) {
    return {number, ControlKind::Label, {x, y, width, height}, caption};
}
constexpr ControlTemplate edit(int number, int x, int y, int width) {
    return {number, ControlKind::Edit, {x, y, width, kEditHeight}, {}};
}
constexpr ControlTemplate button(int number, int x, int y, T caption, bool isDefault = false) {
    return {number,   ControlKind::PushButton, {x, y, kButtonWidth, kButtonHeight}, caption, true,
            isDefault};
}
constexpr ControlTemplate radio(int number, DialogRect rect, std::optional<T> caption,
                                int radioGroup, bool enabled = true) {
    return {number, ControlKind::RadioButton, rect, caption, enabled, false, radioGroup};
}
constexpr ControlTemplate check(int number, DialogRect rect, T caption) {
    return {number, ControlKind::CheckBox, rect, caption};
}

// ---- 101: step 1, general settings -------------------------------------------
// The body's two rows (geometry, inner radius) sit under the velocity; the
// state, method and buttons follow 36 units lower than the plane wall's
// original layout, and the dialog grows by as much.
namespace g = general_step;
constexpr int kBodyRows = 36;
constexpr std::array kGeneralStep{
    group(g::kStepTitle, {7, 3, 333, 198 + kBodyRows}, EntryText::WizardStep1Title),
    label(g::kLxLabel, 23, 30, 118, EntryText::WizardLxLabel),
    label(g::kNLabel, 23, 48, 118, EntryText::WizardNLabel),
    label(g::kKLabel, 23, 66, 118, EntryText::WizardKLabel),
    label(g::kScLabel, 23, 84, 118, EntryText::WizardScLabel),
    label(g::kSpLabel, 23, 102, 118, EntryText::WizardSpLabel),
    label(g::kULabel, 23, 120, 118, EntryText::WizardULabel),
    edit(g::kLxEdit, 146, 28, 40),
    edit(g::kNEdit, 146, 46, 40),
    edit(g::kKEdit, 146, 64, 112),
    edit(g::kScEdit, 146, 82, 112),
    edit(g::kSpEdit, 146, 100, 112),
    edit(g::kUEdit, 146, 118, 40),
    label(g::kNHint, 192, 48, 100, EntryText::WizardNHint),
    label(g::kKHint, 264, 66, 72, EntryText::WizardTemperatureHint),
    label(g::kScHint, 264, 84, 72, EntryText::WizardTemperatureHint),
    label(g::kSpHint, 264, 102, 72, EntryText::WizardTemperatureHint),
    label(g::kUHint, 192, 120, 144, EntryText::WizardUHint),
    label(g::kGeometryLabel, 68, 137, 50, EntryText::WizardGeometryLabel),
    radio(g::kPlaneRadio, {120, 137, 70, kOptionHeight}, EntryText::WizardPlaneOption, 2),
    radio(g::kCylinderRadio, {202, 137, 60, kOptionHeight}, EntryText::WizardCylinderOption, 2),
    radio(g::kSphereRadio, {266, 137, 60, kOptionHeight}, EntryText::WizardSphereOption, 2),
    label(g::kRiLabel, 23, 156, 118, EntryText::WizardRiLabel),
    edit(g::kRiEdit, 146, 154, 40),
    label(g::kRiHint, 192, 156, 144, EntryText::WizardRiHint),
    radio(g::kNoStateRadio, {69, 139 + kBodyRows, 10, 8}, std::nullopt, 1, false),
    label(g::kStateLabel, 68, 136 + kBodyRows, 50, EntryText::WizardStateLabel),
    radio(g::kSteadyRadio, {120, 137 + kBodyRows, 60, kOptionHeight}, EntryText::WizardSteadyOption,
          1),
    radio(g::kUnsteadyRadio, {202, 137 + kBodyRows, 70, kOptionHeight},
          EntryText::WizardUnsteadyOption, 1),
    label(g::kMethodLabel, 80, 155 + kBodyRows, 36, EntryText::WizardMethodLabel),
    check(g::kGaussSidelCheck, {120, 155 + kBodyRows, 166, 9}, EntryText::WizardGaussSidelOption),
    button(kButtonForward, 234, 180 + kBodyRows, EntryText::WizardForwardStep2, true),
    button(kButtonCancel, 172, 180 + kBodyRows, ShellText::CancelButton),
    button(g::kSyntaxButton, 111, 180 + kBodyRows, EntryText::WizardSyntaxButton),
};

// ---- 102: step 2, transient settings -----------------------------------------
namespace t = transient_step;
constexpr std::array kTransientStep{
    group(t::kStepTitle, {8, 2, 336, 169}, EntryText::WizardStep2Title),
    label(t::kTiLabel, 21, 30, 120, EntryText::WizardTiLabel),
    label(t::kRhoLabel, 21, 48, 120, EntryText::WizardRhoLabel),
    label(t::kCpLabel, 21, 66, 120, EntryText::WizardCpLabel),
    label(t::kDeltTLabel, 21, 84, 120, EntryText::WizardDeltTLabel),
    label(t::kNstLabel, 21, 102, 120, EntryText::WizardNstLabel),
    label(t::kNoLabel, 21, 120, 120, EntryText::WizardNoLabel),
    edit(t::kTiEdit, 146, 28, 112),
    edit(t::kRhoEdit, 146, 46, 112),
    edit(t::kCpEdit, 146, 64, 112),
    edit(t::kDeltTEdit, 146, 82, 40),
    edit(t::kNstEdit, 146, 100, 40),
    edit(t::kNoEdit, 146, 118, 40),
    label(t::kTiHint, 264, 32, 72, EntryText::WizardPositionHint),
    label(t::kRhoHint, 264, 48, 72, EntryText::WizardTemperatureHint),
    label(t::kCpHint, 264, 66, 72, EntryText::WizardTemperatureHint),
    button(kButtonForward, 262, 149, EntryText::WizardForwardStep3, true),
    button(kButtonCancel, 204, 149, ShellText::CancelButton),
    button(t::kSyntaxButton, 145, 149, EntryText::WizardSyntaxButton),
    button(kButtonBack, 42, 149, EntryText::WizardBackStep1),
};

// ---- 103, 104: boundary steps -------------------------------------------------
namespace b = boundary_step;
// The two steps differ in their captions only.
struct SideCaptions {
    EntryText title, T, Phi, h, Tinf, eps, Tsur, forward, back;
};

constexpr auto boundaryStep(const SideCaptions& c) {
    return std::array{
        group(b::kStepTitle, {9, 4, 211, 249}, c.title),
        group(b::kTemperatureGroup, {18, 19, 194, 29}, EntryText::BoundaryTemperatureGroup),
        label(b::kTLabel, 23, 33, 136, c.T),
        edit(b::kTEdit, 163, 31, 40),
        group(b::kFluxGroup, {18, 57, 194, 44}, EntryText::BoundaryFluxGroup),
        label(b::kPhiLabel, 23, 70, 136, c.Phi),
        edit(b::kPhiEdit, 163, 68, 40),
        label(b::kFluxSignHint, 23, 86, 180, EntryText::FluxSignHint),
        group(b::kConvectionGroup, {18, 111, 194, 48}, EntryText::BoundaryConvectionGroup),
        label(b::kHLabel, 23, 125, 136, c.h),
        edit(b::kHEdit, 163, 123, 40),
        label(b::kTinfLabel, 23, 143, 136, c.Tinf),
        edit(b::kTinfEdit, 163, 141, 40),
        group(b::kRadiationGroup, {18, 165, 194, 58}, EntryText::BoundaryRadiationGroup),
        label(b::kEpsLabel, 23, 179, 136, c.eps),
        edit(b::kEpsEdit, 163, 177, 40),
        label(b::kTsurLabel, 23, 197, 136, c.Tsur),
        edit(b::kTsurEdit, 163, 195, 40),
        label(b::kKelvinHint, 23, 211, 180, EntryText::KelvinHint),
        button(kButtonForward, 151, 232, c.forward, true),
        button(kButtonCancel, 88, 232, ShellText::CancelButton),
        button(kButtonBack, 26, 232, c.back),
    };
}

constexpr auto kWestStep = boundaryStep(
    {EntryText::WestStep3Title, EntryText::WestTLabel, EntryText::WestPhiLabel,
     EntryText::WestHLabel, EntryText::WestTinfLabel, EntryText::WestEpsLabel,
     EntryText::WestTsurLabel, EntryText::WizardForwardStep4, EntryText::WizardBackStep2});
constexpr auto kEastStep =
    boundaryStep({EntryText::EastStep4Title, EntryText::EastTLabel, EntryText::EastPhiLabel,
                  EntryText::EastHLabel, EntryText::EastTinfLabel, EntryText::EastEpsLabel,
                  EntryText::EastTsurLabel, EntryText::OkButton, EntryText::WizardBackStep3});

// ---- 105: graph colour, five choices stacked like the scheme dialog's two ----
namespace c = colour_dialog;
constexpr std::array kColourDialog{
    group(c::kGroup, {7, 3, 173, 100}, ShellText::ColourGroup),
    radio(c::kBlackRadio, {71, 18, 65, kOptionHeight}, ShellText::ColourBlack, 1),
    radio(c::kRedRadio, {71, 32, 65, kOptionHeight}, ShellText::ColourRed, 1),
    radio(c::kMagentaRadio, {71, 46, 65, kOptionHeight}, ShellText::ColourMagenta, 1),
    radio(c::kGreenRadio, {71, 60, 65, kOptionHeight}, ShellText::ColourGreen, 1),
    radio(c::kYellowRadio, {71, 74, 65, kOptionHeight}, ShellText::ColourYellow, 1),
    button(kButtonOk, 68, 108, EntryText::OkButton, true),
};

// ---- 106: language -----------------------------------------------------------
namespace l = language_dialog;
constexpr std::array kLanguageDialog{
    group(l::kGroup, {7, 3, 173, 85}, ShellText::LanguageGroup),
    radio(l::kPortugueseRadio, {71, 30, 65, kOptionHeight}, GraphText::PortugueseOption, 1),
    radio(l::kEnglishRadio, {71, 46, 65, kOptionHeight}, GraphText::EnglishOption, 1),
    button(kButtonOk, 68, 67, EntryText::OkButton, true),
};

// ---- 110: tolerance ----------------------------------------------------------
namespace o = tolerance_dialog;
constexpr std::array kToleranceDialog{
    group(o::kGroup, {7, 3, 173, 52}, ShellText::ToleranceGroup),
    label(o::kToleranceLabel, 30, 26, 30, GraphText::ToleranceLabel),
    edit(o::kToleranceEdit, 62, 24, 90),
    button(kButtonOk, 37, 63, EntryText::OkButton, true),
    button(kButtonCancel, 100, 63, ShellText::CancelButton),
};

// ---- 111: convection scheme --------------------------------------------------
namespace s = scheme_dialog;
constexpr std::array kSchemeDialog{
    group(s::kGroup, {7, 3, 173, 85}, RunText::SchemeGroupCaption),
    label(s::kPecletLine, 45, 20, 123, std::nullopt, 9),
    radio(s::kCdsRadio, {71, 37, 65, 8}, GraphText::CdsOption, 1),
    radio(s::kUpwindRadio, {71, 49, 46, 8}, GraphText::UpwindOption, 1),
    button(kButtonOk, 68, 67, EntryText::OkButton, true),
};

// ---- 112: scale of a new graph -----------------------------------------------
namespace a = scale_dialog;
constexpr std::array kScaleDialog{
    group(a::kGroup, {7, 3, 173, 85}, GraphText::ScaleGroupCaption),
    label(a::kTminLabel, 40, 25, 30, GraphText::TminLabel),
    edit(a::kTminEdit, 72, 23, 70),
    label(a::kTmaxLabel, 40, 45, 30, GraphText::TmaxLabel),
    edit(a::kTmaxEdit, 72, 43, 70),
    button(kButtonOk, 68, 67, EntryText::OkButton, true),
};

// ---- 113: unsteady graph; the help lines are wide enough for 80 characters ---
namespace u = unsteady_graph_dialog;
constexpr std::array kUnsteadyGraphDialog{
    group(u::kGroup, {5, 3, 337, 120}, GraphText::TimeGraphGroup),
    radio(u::kNodeRadio, {14, 18, 300, kOptionHeight}, GraphText::TimeGraphNodeOption, 1),
    radio(u::kAverageRadio, {14, 32, 300, kOptionHeight}, GraphText::TimeGraphAverageOption, 1),
    check(u::kExperimentalCheck, {14, 50, 200, kOptionHeight},
          GraphText::TimeGraphExperimentalCheck),
    label(u::kHelpLine1, 10, 68, 330, GraphText::BlankHelpLine),
    label(u::kHelpLine2, 10, 80, 330, GraphText::BlankHelpLine),
    label(u::kHelpLine3, 10, 92, 330, GraphText::BlankHelpLine),
    button(kButtonOk, 148, 130, EntryText::OkButton, true),
};

constexpr std::array kTemplates{
    DialogTemplate{g::kTemplate, GraphText::GeneralStepWindowTitle, 347, 208 + kBodyRows,
                   kGeneralStep},
    DialogTemplate{t::kTemplate, GraphText::TransientStepWindowTitle, 353, 179, kTransientStep},
    DialogTemplate{b::kWestTemplate, GraphText::WestBoundaryWindowTitle, 229, 262, kWestStep},
    DialogTemplate{b::kEastTemplate, GraphText::EastBoundaryWindowTitle, 229, 262, kEastStep},
    DialogTemplate{c::kTemplate, CommonText::ProgramName, 187, 130, kColourDialog},
    DialogTemplate{l::kTemplate, CommonText::ProgramName, 187, 95, kLanguageDialog},
    DialogTemplate{o::kTemplate, GraphText::ToleranceWindowTitle, 187, 85, kToleranceDialog},
    DialogTemplate{s::kTemplate, CommonText::ProgramName, 187, 95, kSchemeDialog},
    DialogTemplate{a::kTemplate, GraphText::ScaleWindowTitle, 187, 95, kScaleDialog},
    DialogTemplate{u::kTemplate, GraphText::TimeGraphWindowTitle, 347, 150, kUnsteadyGraphDialog},
};

}  // namespace

const ControlTemplate* DialogTemplate::control(int controlNumber) const {
    auto found = std::find_if(controls.begin(), controls.end(), [&](const ControlTemplate& each) {
        return each.number == controlNumber;
    });
    return found == controls.end() ? nullptr : &*found;
}

std::span<const DialogTemplate> dialogTemplates() {
    return kTemplates;
}

const DialogTemplate* findDialogTemplate(int number) {
    auto found = std::find_if(kTemplates.begin(), kTemplates.end(),
                              [&](const DialogTemplate& each) { return each.number == number; });
    return found == kTemplates.end() ? nullptr : &*found;
}

}  // namespace calorvia::platform
