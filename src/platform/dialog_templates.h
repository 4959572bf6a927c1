#pragma once
// The dialog templates 101..113 as data, shared by every Platform
// implementation: each control's number, kind, rectangle and the catalogue
// text of its caption. The texts themselves live only in the catalogue; a
// dialog is built with them in English, and dialog_bindings.h shows them in
// the user's language.
//
// Rectangles are in dialog units (x, y, width, height) of the template font,
// MS Sans Serif 8: a horizontal unit is a quarter of the font's average
// character width, a vertical unit an eighth of its height. An implementation
// turns them into pixels from the metrics of the font it really uses.
//
// Radio buttons with the same non-zero group exclude each other. Buttons
// close the dialog with their number unless the program attaches a routine.
// The named control numbers below are the ones the program's code uses.

#include <optional>
#include <span>
#include <string_view>

#include "texts/common_texts.h"
#include "texts/text_catalogue.h"

namespace calorvia::platform {

enum class ControlKind {
    GroupBox,  // a frame with a caption
    Label,     // static text, set by the program, never by the user
    Edit,      // one-line text field
    PushButton,
    RadioButton,
    CheckBox,
};

struct DialogRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const DialogRect&, const DialogRect&) = default;
};

struct ControlTemplate {
    int number = 0;
    ControlKind kind = ControlKind::Label;
    DialogRect rect;
    // Nothing for edit fields and the lines the program writes itself.
    std::optional<texts::Text> caption;
    bool enabled = true;
    bool defaultButton = false;  // pressed by Enter
    int radioGroup = 0;          // radio buttons only
};

struct DialogTemplate {
    int number = 0;
    texts::Text title = texts::CommonText::ProgramName;
    int width = 0;
    int height = 0;
    std::span<const ControlTemplate> controls;
    std::string_view fontFace = "MS Sans Serif";
    int fontPointSize = 8;

    // The control with this number, or nullptr.
    const ControlTemplate* control(int controlNumber) const;
};

// The texts a dialog is built with: the caption in English, empty for a
// control without one, and the window title (the same in both languages).
inline std::string_view templateCaption(const ControlTemplate& control) {
    return control.caption ? texts::textFor(*control.caption, texts::Language::English) : "";
}
inline std::string_view templateTitle(const DialogTemplate& dialog) {
    return texts::textFor(dialog.title, texts::Language::English);
}

// Every template, in ascending number.
std::span<const DialogTemplate> dialogTemplates();

// The template with this number, or nullptr.
const DialogTemplate* findDialogTemplate(int number);

// ------------------------------------------------------- named control numbers

// Buttons shared by the wizard steps: forward closes with 1 like OK, Cancel
// with 2, back with 3.
inline constexpr int kButtonForward = 1;
inline constexpr int kButtonBack = 3;

// 101: case entry, step 1, general settings.
namespace general_step {
inline constexpr int kTemplate = 101;
inline constexpr int kStepTitle = 1000;  // the group box
inline constexpr int kLxEdit = 1001;
inline constexpr int kNEdit = 1002;
inline constexpr int kKEdit = 1003;
inline constexpr int kScEdit = 1004;
inline constexpr int kSpEdit = 1005;
inline constexpr int kUEdit = 1006;
inline constexpr int kLxLabel = 1011;
inline constexpr int kNLabel = 1012;
inline constexpr int kKLabel = 1013;
inline constexpr int kScLabel = 1014;
inline constexpr int kSpLabel = 1015;
inline constexpr int kULabel = 1016;
inline constexpr int kNHint = 1022;
inline constexpr int kKHint = 1023;
inline constexpr int kScHint = 1024;
inline constexpr int kSpHint = 1025;
inline constexpr int kUHint = 1026;
// The disabled radio button under the state label: switched on before the
// dialog runs so that neither Steady nor Unsteady is preselected.
inline constexpr int kNoStateRadio = 1030;
inline constexpr int kStateLabel = 1031;
inline constexpr int kSteadyRadio = 1032;
inline constexpr int kUnsteadyRadio = 1033;
inline constexpr int kMethodLabel = 1034;
inline constexpr int kGaussSidelCheck = 1035;
inline constexpr int kSyntaxButton = 1040;
// The body: plane wall (preselected), cylinder or sphere, and the inner
// radius, open only for a cylinder or a sphere.
inline constexpr int kGeometryLabel = 1041;
inline constexpr int kPlaneRadio = 1042;
inline constexpr int kCylinderRadio = 1043;
inline constexpr int kSphereRadio = 1044;
inline constexpr int kRiEdit = 1007;
inline constexpr int kRiLabel = 1017;
inline constexpr int kRiHint = 1027;
}  // namespace general_step

// 102: case entry, step 2, transient settings.
namespace transient_step {
inline constexpr int kTemplate = 102;
inline constexpr int kStepTitle = 1000;
inline constexpr int kTiEdit = 1001;
inline constexpr int kRhoEdit = 1002;
inline constexpr int kCpEdit = 1003;
inline constexpr int kDeltTEdit = 1004;
inline constexpr int kNstEdit = 1005;
inline constexpr int kNoEdit = 1006;
inline constexpr int kTiLabel = 1011;
inline constexpr int kRhoLabel = 1012;
inline constexpr int kCpLabel = 1013;
inline constexpr int kDeltTLabel = 1014;
inline constexpr int kNstLabel = 1015;
inline constexpr int kNoLabel = 1016;
inline constexpr int kTiHint = 1021;
inline constexpr int kRhoHint = 1022;
inline constexpr int kCpHint = 1023;
inline constexpr int kSyntaxButton = 1040;
}  // namespace transient_step

// 103 (west) and 104 (east): the boundary steps share one layout.
namespace boundary_step {
inline constexpr int kWestTemplate = 103;
inline constexpr int kEastTemplate = 104;
inline constexpr int kStepTitle = 1000;
inline constexpr int kTEdit = 1001;
inline constexpr int kPhiEdit = 1002;
inline constexpr int kHEdit = 1003;
inline constexpr int kTinfEdit = 1004;
inline constexpr int kEpsEdit = 1005;
inline constexpr int kTsurEdit = 1006;
inline constexpr int kLastValueEdit = kTsurEdit;  // one edit per boundary value, from kTEdit
inline constexpr int kTLabel = 1011;
inline constexpr int kPhiLabel = 1012;
inline constexpr int kHLabel = 1013;
inline constexpr int kTinfLabel = 1014;
inline constexpr int kFluxSignHint = 1015;
inline constexpr int kEpsLabel = 1016;
inline constexpr int kTsurLabel = 1017;
inline constexpr int kKelvinHint = 1018;
inline constexpr int kTemperatureGroup = 1050;
inline constexpr int kFluxGroup = 1051;
inline constexpr int kConvectionGroup = 1052;
inline constexpr int kRadiationGroup = 1053;
}  // namespace boundary_step

// 105: graph colour.
namespace colour_dialog {
inline constexpr int kTemplate = 105;
inline constexpr int kGroup = 1000;
inline constexpr int kBlackRadio = 1014;
inline constexpr int kRedRadio = 1016;
inline constexpr int kMagentaRadio = 1017;
inline constexpr int kGreenRadio = 1026;
inline constexpr int kYellowRadio = 1027;
}  // namespace colour_dialog

// 106: interface language.
namespace language_dialog {
inline constexpr int kTemplate = 106;
inline constexpr int kGroup = 1000;
inline constexpr int kPortugueseRadio = 1014;
inline constexpr int kEnglishRadio = 1016;
}  // namespace language_dialog

// 110: Gauss-Seidel tolerance.
namespace tolerance_dialog {
inline constexpr int kTemplate = 110;
inline constexpr int kGroup = 1020;
inline constexpr int kToleranceEdit = 1002;
inline constexpr int kToleranceLabel = 1021;
}  // namespace tolerance_dialog

// 111: convection scheme.
namespace scheme_dialog {
inline constexpr int kTemplate = 111;
inline constexpr int kGroup = 1000;
inline constexpr int kPecletLine = 1001;
inline constexpr int kCdsRadio = 1014;
inline constexpr int kUpwindRadio = 1016;
}  // namespace scheme_dialog

// 112: temperature range of a new graph.
namespace scale_dialog {
inline constexpr int kTemplate = 112;
inline constexpr int kGroup = 1000;
inline constexpr int kTminEdit = 1001;
inline constexpr int kTmaxEdit = 1002;
inline constexpr int kTminLabel = 1011;
inline constexpr int kTmaxLabel = 1012;
}  // namespace scale_dialog

// 113: the temperature-versus-time graph after an unsteady run.
namespace unsteady_graph_dialog {
inline constexpr int kTemplate = 113;
inline constexpr int kGroup = 1000;
inline constexpr int kHelpLine1 = 1001;
inline constexpr int kHelpLine2 = 1002;
inline constexpr int kHelpLine3 = 1003;
inline constexpr int kNodeRadio = 1014;
inline constexpr int kAverageRadio = 1016;
inline constexpr int kExperimentalCheck = 1017;
}  // namespace unsteady_graph_dialog

}  // namespace calorvia::platform
