// Dialogs as bindings: captions come from the catalogue in the user's
// language, and load/save carry a record's fields into controls and back.

#include "platform/dialog_bindings.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/dialog_templates.h"
#include "support/scripted_platform.h"
#include "texts/entry_texts.h"

namespace calorvia::platform {
namespace {

using texts::Language;

struct ShownCaption {
    int templateNumber;
    int control;
    std::string english;
    std::string portuguese;
};

// Captions as the student must see them, chosen where a wrong catalogue row
// would still look plausible: the west and east labels, the step buttons, the
// texts that stay untranslated. The colour, language, tolerance and scale
// dialogs' groups and buttons are checked where the shell and the graph pane
// show them.
const ShownCaption kShown[]{
    {101, general_step::kStepTitle, "Step 1 - Settings: steady and unsteady states",
     "Passo 1 - Estabelecimentos: regimes permanente e transiente"},
    {101, kButtonForward, "Step &2 >>", "Passo &2 >>"},
    {101, general_step::kGaussSidelCheck, "&Use Gauss-Sidel (default: tab. LU) ",
     "&Use Gauss-Sidel (default: tab. LU) "},
    {102, transient_step::kTiHint, "<=  Const. or f(x)", "<=  Const. ou f(x)"},
    {102, kButtonBack, "<< Step &1", "<< Passo &1"},
    {103, boundary_step::kStepTitle, "Step 3 - West boundary condition - In x = 0.0:",
     "Passo 3 - Condição de contorno oeste - Em x = 0.0:"},
    {103, boundary_step::kTLabel, "Temperature in x = 0.0:                         T =",
     "Temperatura em x = 0.0:                       T ="},
    {104, boundary_step::kTinfLabel, "Ambient temperature in x = L:           Tinf =",
     "Temperatura ambiente em x = L:      Tinf = "},
    {104, kButtonForward, "&OK", "&OK"},
    {104, kButtonBack, "<< Step &3", "<< Passo &3"},
    {106, language_dialog::kPortugueseRadio, "Português", "Português"},
    {110, tolerance_dialog::kToleranceLabel, "Tol  = ", "Tol  = "},
    {111, scheme_dialog::kGroup, "Diffusion-Convection Problem", "Problema Difusivo-Convectivo"},
    {113, unsteady_graph_dialog::kNodeRadio,
     "Draw graph  \" T x t \"  for the unsteady state of the chosen node",
     "Desenhar gráfico  \" T x t \" para o transiente do nó escolhido"},
    {113, unsteady_graph_dialog::kHelpLine2, " ", " "},
};

TEST(DialogCaptions, EachDialogShowsItsCaptionsInTheLanguageAsked) {
    for (const ShownCaption& shown : kShown) {
        SCOPED_TRACE(std::to_string(shown.templateNumber) + "/" + std::to_string(shown.control));
        for (const Language language : {Language::English, Language::Portuguese}) {
            ScriptedPlatform platform;
            const auto dialog = createDialogIn(platform, shown.templateNumber, language);
            EXPECT_EQ(platform.controlText(dialog, shown.control),
                      language == Language::English ? shown.english : shown.portuguese);
        }
        // Built before any language is chosen, a dialog speaks English.
        const ControlTemplate* control =
            findDialogTemplate(shown.templateNumber)->control(shown.control);
        EXPECT_EQ(templateCaption(*control), shown.english);
    }
}

// Every control but an edit field takes its caption from the catalogue; the
// two the program writes itself (the hidden state choice, the Peclet line)
// have none.
TEST(DialogCaptions, EveryControlButEditsAndProgramLinesHasACatalogueCaption) {
    for (const DialogTemplate& dialog : dialogTemplates()) {
        for (const ControlTemplate& control : dialog.controls) {
            const bool writtenByTheProgram = control.kind == ControlKind::Edit ||
                                             (dialog.number == general_step::kTemplate &&
                                              control.number == general_step::kNoStateRadio) ||
                                             (dialog.number == scheme_dialog::kTemplate &&
                                              control.number == scheme_dialog::kPecletLine);
            EXPECT_EQ(control.caption.has_value(), !writtenByTheProgram)
                << dialog.number << "/" << control.number;
        }
    }
}

// The window titles come from the templates and stay the same in Portuguese.
TEST(DialogCaptions, WindowTitlesAreTheSameInBothLanguages) {
    const std::pair<int, std::string> titles[]{{101, "Calorvia - General Information"},
                                               {104, "Calorvia - East Boundary"},
                                               {106, "Calorvia"},
                                               {110, "Calorvia - Tolerance"},
                                               {113, "Calorvia - Unsteady State Graph"}};
    for (const auto& [number, title] : titles) {
        EXPECT_EQ(templateTitle(*findDialogTemplate(number)), title);
        EXPECT_EQ(texts::textFor(findDialogTemplate(number)->title, Language::Portuguese), title);
    }
}

TEST(DialogCaptions, OverridesReplaceTheTemplatesCaptions) {
    ScriptedPlatform platform;
    const Caption renumbered[]{{boundary_step::kStepTitle, texts::EntryText::WestStep2Title},
                               {kButtonBack, texts::EntryText::WizardBackStep1}};
    const auto dialog =
        createDialogIn(platform, boundary_step::kWestTemplate, Language::Portuguese, renumbered);
    EXPECT_EQ(platform.controlText(dialog, boundary_step::kStepTitle),
              "Passo 2 - Condição de contorno oeste - Em x = 0.0:");
    EXPECT_EQ(platform.controlText(dialog, kButtonBack), "<< Passo &1");
    EXPECT_EQ(platform.controlText(dialog, kButtonForward), "Passo &4 >>");
}

// ---- load and save ------------------------------------------------------------

struct StepRecord {
    std::string distance;
    std::string conductivity;
    bool steady = false;
    bool unsteady = false;
    bool gaussSeidel = false;
};

constexpr Field<StepRecord> kStepFields[]{
    {general_step::kLxEdit, &StepRecord::distance, 5},
    {general_step::kKEdit, &StepRecord::conductivity, 256},
    {.control = general_step::kSteadyRadio, .flag = &StepRecord::steady},
    {.control = general_step::kUnsteadyRadio, .flag = &StepRecord::unsteady},
    {.control = general_step::kGaussSidelCheck, .flag = &StepRecord::gaussSeidel},
};

TEST(DialogFields, LoadShowsTextsWithoutOuterBlanksAndFlagsAsStates) {
    ScriptedPlatform platform;
    const auto dialog = platform.createDialog(general_step::kTemplate);
    const StepRecord record{"  0.5    ", "2*t   ", false, true, true};
    load(platform, dialog, record, kStepFields);
    EXPECT_EQ(platform.controlText(dialog, general_step::kLxEdit), "0.5");
    EXPECT_EQ(platform.controlText(dialog, general_step::kKEdit), "2*t");
    EXPECT_FALSE(platform.controlState(dialog, general_step::kSteadyRadio));
    EXPECT_TRUE(platform.controlState(dialog, general_step::kUnsteadyRadio));
    EXPECT_TRUE(platform.controlState(dialog, general_step::kGaussSidelCheck));
}

TEST(DialogFields, SaveReadsWhatTheUserLeftCutToTheFieldsWidth) {
    ScriptedPlatform platform;
    platform.expectDialog(general_step::kTemplate)
        .type(general_step::kLxEdit, "123456789")
        .type(general_step::kKEdit, " k(t) ")
        .click(general_step::kSteadyRadio)
        .press(kButtonForward);
    const auto dialog = platform.createDialog(general_step::kTemplate);
    StepRecord record{"", "", false, true, true};
    load(platform, dialog, record, kStepFields);
    ASSERT_EQ(platform.runDialog(dialog), kButtonForward);
    save(platform, dialog, record, kStepFields);
    EXPECT_EQ(record.distance, "12345");
    EXPECT_EQ(record.conductivity, " k(t) ");
    // The click on Steady switched Unsteady off; the check box kept its state.
    EXPECT_TRUE(record.steady);
    EXPECT_FALSE(record.unsteady);
    EXPECT_TRUE(record.gaussSeidel);
}

}  // namespace
}  // namespace calorvia::platform
