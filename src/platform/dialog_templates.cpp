#include "platform/dialog_templates.h"

#include <algorithm>
#include <array>

#include "platform/platform.h"

namespace calorvia::platform {
namespace {

// Heights the templates do not state take the usual values of their kind:
// static text 8, edit fields 12, radio buttons and check boxes 10, push
// buttons 14.
constexpr int kLabelHeight = 8;
constexpr int kEditHeight = 12;
constexpr int kOptionHeight = 10;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;

constexpr ControlTemplate group(int number, DialogRect rect, std::string_view caption) {
    return {number, ControlKind::GroupBox, rect, caption};
}
constexpr ControlTemplate label(int number, int x, int y, int width, std::string_view caption,
                                int height = kLabelHeight) {
    return {number, ControlKind::Label, {x, y, width, height}, caption};
}
constexpr ControlTemplate edit(int number, int x, int y, int width) {
    return {number, ControlKind::Edit, {x, y, width, kEditHeight}, {}};
}
constexpr ControlTemplate button(int number, int x, int y, std::string_view caption,
                                 bool isDefault = false) {
    return {number,   ControlKind::PushButton, {x, y, kButtonWidth, kButtonHeight}, caption, true,
            isDefault};
}
constexpr ControlTemplate radio(int number, DialogRect rect, std::string_view caption,
                                int radioGroup, bool enabled = true) {
    return {number, ControlKind::RadioButton, rect, caption, enabled, false, radioGroup};
}
constexpr ControlTemplate check(int number, DialogRect rect, std::string_view caption) {
    return {number, ControlKind::CheckBox, rect, caption};
}

// ---- 101: step 1, general settings -------------------------------------------
namespace g = general_step;
constexpr std::array kGeneralStep{
    group(g::kStepTitle, {7, 3, 333, 198}, "Step 1 - Settings: steady and unsteady states"),
    label(g::kLxLabel, 23, 30, 118, "Boundaries distance:                   Lx ="),
    label(g::kNLabel, 23, 48, 118, "Number of control volumes:          N ="),
    label(g::kKLabel, 23, 66, 118, "Thermal conductivity:                   K ="),
    label(g::kScLabel, 23, 84, 118, "Source term   S = Sp T + Sc:      Sc ="),
    label(g::kSpLabel, 23, 102, 118, "Source term   S = Sp T + Sc:      Sp ="),
    label(g::kULabel, 23, 120, 118, "Convection-Diffusion: velocity       u ="),
    edit(g::kLxEdit, 146, 28, 40),
    edit(g::kNEdit, 146, 46, 40),
    edit(g::kKEdit, 146, 64, 112),
    edit(g::kScEdit, 146, 82, 112),
    edit(g::kSpEdit, 146, 100, 112),
    edit(g::kUEdit, 146, 118, 40),
    label(g::kNHint, 192, 48, 100, "From 3 up to 1000"),
    label(g::kKHint, 264, 66, 72, "<=  Const. or f(T)"),
    label(g::kScHint, 264, 84, 72, "<=  Const. or f(T)"),
    label(g::kSpHint, 264, 102, 72, "<=  Const. or f(T)"),
    label(g::kUHint, 192, 120, 144, "<=  Equal or greater than zero"),
    radio(g::kNoStateRadio, {69, 139, 10, 8}, {}, 1, false),
    label(g::kStateLabel, 68, 136, 50, "       State:"),
    radio(g::kSteadyRadio, {120, 137, 60, kOptionHeight}, "&Steady", 1),
    radio(g::kUnsteadyRadio, {202, 137, 70, kOptionHeight}, "&Unsteady", 1),
    label(g::kMethodLabel, 80, 155, 36, "Method:"),
    check(g::kGaussSidelCheck, {120, 155, 166, 9}, "&Use Gauss-Sidel (default: tab. LU) "),
    button(kButtonForward, 234, 180, "Step &2 >>", true),
    button(kButtonCancel, 172, 180, "&Cancel"),
    button(g::kSyntaxButton, 111, 180, "&Syntax"),
};

// ---- 102: step 2, transient settings -----------------------------------------
namespace t = transient_step;
constexpr std::array kTransientStep{
    group(t::kStepTitle, {8, 2, 336, 169},
          "Step 2 - Settings: unsteady state (or convective problem)"),
    label(t::kTiLabel, 21, 30, 120, "Initial temperature:                         Ti ="),
    label(t::kRhoLabel, 21, 48, 120, "Density:                                     Rho ="),
    label(t::kCpLabel, 21, 66, 120, "Specific heat:                              Cp ="),
    label(t::kDeltTLabel, 21, 84, 120, "Interval of time:                       Delt_t ="),
    label(t::kNstLabel, 21, 102, 120, "Number of steps in the time:       Nst ="),
    label(t::kNoLabel, 21, 120, 120, "Unsteady state for the node:       No ="),
    edit(t::kTiEdit, 146, 28, 112),
    edit(t::kRhoEdit, 146, 46, 112),
    edit(t::kCpEdit, 146, 64, 112),
    edit(t::kDeltTEdit, 146, 82, 40),
    edit(t::kNstEdit, 146, 100, 40),
    edit(t::kNoEdit, 146, 118, 40),
    label(t::kTiHint, 264, 32, 72, "<=  Const. or f(x)"),
    label(t::kRhoHint, 264, 48, 72, "<=  Const. or f(T)"),
    label(t::kCpHint, 264, 66, 72, "<=  Const. or f(T)"),
    button(kButtonForward, 262, 149, "Step &3 >>", true),
    button(kButtonCancel, 204, 149, "&Cancel"),
    button(t::kSyntaxButton, 145, 149, "&Syntax"),
    button(kButtonBack, 42, 149, "<< Step &1"),
};

// ---- 103, 104: boundary steps -------------------------------------------------
namespace b = boundary_step;
constexpr std::array kWestStep{
    group(b::kStepTitle, {9, 4, 211, 191}, "Step 3 - West boundary condition - In x = 0.0:"),
    group(b::kTemperatureGroup, {18, 19, 194, 29}, "Temperature"),
    label(b::kTLabel, 23, 33, 136, "Temperature in x = 0.0:                         T ="),
    edit(b::kTEdit, 163, 31, 40),
    group(b::kFluxGroup, {18, 57, 194, 44}, "Flux"),
    label(b::kPhiLabel, 23, 70, 136, "Flux in x = 0.0                                     Phi ="),
    edit(b::kPhiEdit, 163, 68, 40),
    label(b::kFluxSignHint, 23, 86, 180, "         (In: positive  -  Out: negative)"),
    group(b::kConvectionGroup, {18, 111, 194, 48}, "Convection"),
    label(b::kHLabel, 23, 125, 136, "Convective coefficient in x = 0.0:          h ="),
    edit(b::kHEdit, 163, 123, 40),
    label(b::kTinfLabel, 23, 143, 136, "Ambient temperature in x = 0.0:         Tinf ="),
    edit(b::kTinfEdit, 163, 141, 40),
    button(kButtonForward, 151, 174, "Step &4 >>", true),
    button(kButtonCancel, 88, 174, "&Cancel"),
    button(kButtonBack, 26, 174, "<< Step &2"),
};

constexpr std::array kEastStep{
    group(b::kStepTitle, {9, 4, 211, 191}, "Step 4 - East boundary condition - In x = L:"),
    group(b::kTemperatureGroup, {18, 19, 194, 29}, "Temperature"),
    label(b::kTLabel, 23, 33, 136, "Temperature in x = L:                           T ="),
    edit(b::kTEdit, 163, 31, 40),
    group(b::kFluxGroup, {18, 57, 194, 44}, "Flux"),
    label(b::kPhiLabel, 23, 70, 136, "Flux in x = L                                     Phi ="),
    edit(b::kPhiEdit, 163, 68, 40),
    label(b::kFluxSignHint, 23, 86, 180, "         (In: positive  -  Out: negative)"),
    group(b::kConvectionGroup, {18, 111, 194, 48}, "Convection"),
    label(b::kHLabel, 23, 125, 136, "Convective coefficient in x = L:            h ="),
    edit(b::kHEdit, 163, 123, 40),
    label(b::kTinfLabel, 23, 143, 136, "Ambient temperature in x = L:           Tinf ="),
    edit(b::kTinfEdit, 163, 141, 40),
    button(kButtonForward, 151, 174, "&OK", true),
    button(kButtonCancel, 88, 174, "&Cancel"),
    button(kButtonBack, 26, 174, "<< Step &3"),
};

// ---- 105: graph colour, five choices stacked like the scheme dialog's two ----
namespace c = colour_dialog;
constexpr std::array kColourDialog{
    group(c::kGroup, {7, 3, 173, 100}, "Graph: choose the color"),
    radio(c::kBlackRadio, {71, 18, 65, kOptionHeight}, "Black", 1),
    radio(c::kRedRadio, {71, 32, 65, kOptionHeight}, "Red", 1),
    radio(c::kMagentaRadio, {71, 46, 65, kOptionHeight}, "Magenta", 1),
    radio(c::kGreenRadio, {71, 60, 65, kOptionHeight}, "Green", 1),
    radio(c::kYellowRadio, {71, 74, 65, kOptionHeight}, "Yellow", 1),
    button(kButtonOk, 68, 108, "&OK", true),
};

// ---- 106: language -----------------------------------------------------------
namespace l = language_dialog;
constexpr std::array kLanguageDialog{
    group(l::kGroup, {7, 3, 173, 85}, "Choose the language"),
    radio(l::kPortugueseRadio, {71, 30, 65, kOptionHeight}, "Português", 1),
    radio(l::kEnglishRadio, {71, 46, 65, kOptionHeight}, "English", 1),
    button(kButtonOk, 68, 67, "&OK", true),
};

// ---- 110: tolerance ----------------------------------------------------------
namespace o = tolerance_dialog;
constexpr std::array kToleranceDialog{
    group(o::kGroup, {7, 3, 173, 52}, "Tolerance for Gauss-Sidel"),
    label(o::kToleranceLabel, 30, 26, 30, "Tol  = "),
    edit(o::kToleranceEdit, 62, 24, 90),
    button(kButtonOk, 37, 63, "&OK", true),
    button(kButtonCancel, 100, 63, "&Cancel"),
};

// ---- 111: convection scheme --------------------------------------------------
namespace s = scheme_dialog;
constexpr std::array kSchemeDialog{
    group(s::kGroup, {7, 3, 173, 85}, "Diffusion-Convection Problem"),
    label(s::kPecletLine, 45, 20, 123, {}, 9),
    radio(s::kCdsRadio, {71, 37, 65, 8}, "CDS", 1),
    radio(s::kUpwindRadio, {71, 49, 46, 8}, "Upwind", 1),
    button(kButtonOk, 68, 67, "&OK", true),
};

// ---- 112: scale of a new graph -----------------------------------------------
namespace a = scale_dialog;
constexpr std::array kScaleDialog{
    group(a::kGroup, {7, 3, 173, 85}, "Values for definition of the scale"),
    label(a::kTminLabel, 40, 25, 30, "Tmin = "),
    edit(a::kTminEdit, 72, 23, 70),
    label(a::kTmaxLabel, 40, 45, 30, "Tmax = "),
    edit(a::kTmaxEdit, 72, 43, 70),
    button(kButtonOk, 68, 67, "&OK", true),
};

// ---- 113: unsteady graph; the help lines are wide enough for 80 characters ---
namespace u = unsteady_graph_dialog;
constexpr std::array kUnsteadyGraphDialog{
    group(u::kGroup, {5, 3, 337, 120}, "About the graph:  Temperature versus Time"),
    radio(u::kNodeRadio, {14, 18, 300, kOptionHeight},
          "Draw graph  \" T x t \"  for the unsteady state of the chosen node", 1),
    radio(u::kAverageRadio, {14, 32, 300, kOptionHeight},
          "Draw graph  \" T x t \"  for the average temperature of the domain", 1),
    check(u::kExperimentalCheck, {14, 50, 200, kOptionHeight},
          "Include experimental data on the graph"),
    label(u::kHelpLine1, 10, 68, 330, " "),
    label(u::kHelpLine2, 10, 80, 330, " "),
    label(u::kHelpLine3, 10, 92, 330, " "),
    button(kButtonOk, 148, 130, "&OK", true),
};

constexpr std::array kTemplates{
    DialogTemplate{g::kTemplate, "Calorvia - General Information", 347, 208, kGeneralStep},
    DialogTemplate{t::kTemplate, "Calorvia - Unsteady State (or convective problem)", 353, 179,
                   kTransientStep},
    DialogTemplate{b::kWestTemplate, "Calorvia - West Boundary", 229, 204, kWestStep},
    DialogTemplate{b::kEastTemplate, "Calorvia - East Boundary", 229, 204, kEastStep},
    DialogTemplate{c::kTemplate, "Calorvia", 187, 130, kColourDialog},
    DialogTemplate{l::kTemplate, "Calorvia", 187, 95, kLanguageDialog},
    DialogTemplate{o::kTemplate, "Calorvia - Tolerance", 187, 85, kToleranceDialog},
    DialogTemplate{s::kTemplate, "Calorvia", 187, 95, kSchemeDialog},
    DialogTemplate{a::kTemplate, "Calorvia - Dynamic Graph", 187, 95, kScaleDialog},
    DialogTemplate{u::kTemplate, "Calorvia - Unsteady State Graph", 347, 150, kUnsteadyGraphDialog},
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
