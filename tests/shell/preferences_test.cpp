// The preference dialogs end to end: what they show, what the user types or
// clicks, and what lands in the settings files.

#include <string>
#include <vector>

#include "platform/dialog_templates.h"
#include "settings/settings_files.h"
#include "shell_test_support.h"
#include "support/case_names.h"

namespace calorvia::shell::testing {

using settings::readIntegerSetting;
using texts::Language;

namespace {

namespace tolerance = platform::tolerance_dialog;
namespace colour = platform::colour_dialog;
namespace language = platform::language_dialog;

constexpr const char* kReadingError = "Error reading the value of the tolerance!";

std::string shownTolerance(const platform::DialogRun& run) {
    return run.atStart.at(tolerance::kToleranceEdit).text;
}

double storedTolerance(const std::filesystem::path& file) {
    const auto reading = settings::readTolerance(file, settings::WriteBack::Never);
    EXPECT_FALSE(reading.usedDefault);
    return reading.value;
}

// ---------------------------------------------------------------- tolerance

TEST_F(ProgramDirectoryTest, WithoutATolerFileTheDialogCreatesItAndShowsTheDefault) {
    auto shell = startedShell();
    ASSERT_FALSE(fileExists(file("tolera")));
    platform.expectDialog(tolerance::kTemplate).press(platform::kButtonCancel);
    platform.chooseMenuItem(4, 6);

    ASSERT_EQ(platform.dialogRuns().size(), 1u);
    const auto& run = platform.dialogRuns()[0];
    EXPECT_EQ(shownTolerance(run), "1e-08");
    EXPECT_EQ(run.atStart.at(tolerance::kGroup).text, "Tolerance for Gauss-Sidel");
    EXPECT_EQ(run.atStart.at(platform::kButtonCancel).text, "&Cancel");
    EXPECT_EQ(storedTolerance(file("tolera")), 1.0e-08);
    EXPECT_EQ(platform.callsNamed("openDocument").back().texts[0], "Tutorial_inexistente.pdf");
    platform.verifyScriptDone();
}

struct ToleranceCase {
    const char* typed;
    double stored;
};

class ToleranceEntryTest : public ProgramDirectoryTest,
                           public ::testing::WithParamInterface<ToleranceCase> {};

TEST_P(ToleranceEntryTest, ANumberIsStoredAsTyped) {
    auto shell = startedShell();
    writeFile(file("tolera"), " 1e-08\n");
    platform.expectDialog(tolerance::kTemplate)
        .type(tolerance::kToleranceEdit, GetParam().typed)
        .press(platform::kButtonOk);
    platform.chooseMenuItem(4, 6);
    EXPECT_EQ(storedTolerance(file("tolera")), GetParam().stored);
    platform.verifyScriptDone();
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ToleranceEntryTest,
    ::testing::Values(ToleranceCase{"1,5e-6", 1.5e-6}, ToleranceCase{"0", 0.0},
                      ToleranceCase{"-1", -1.0}, ToleranceCase{"  2.5E-10  ", 2.5e-10},
                      ToleranceCase{"1d-3", 1.0e-3}, ToleranceCase{"3 and more", 3.0}),
    [](const auto& row) { return calorvia::testing::textName(row.param.typed); });

class ToleranceRefusalTest : public ProgramDirectoryTest,
                             public ::testing::WithParamInterface<const char*> {};

// A leading t, T, f or F is never a number, and neither is any other text
// that does not begin with one: the error comes and the dialog again, with
// the text as the user left it (after the preparation that turned its first
// letter into "a"), nothing stored; a number typed then is stored.
TEST_P(ToleranceRefusalTest, ATextThatIsNoNumberBringsTheErrorAndTheDialogBack) {
    auto shell = startedShell();
    writeFile(file("tolera"), " 1e-08\n");
    platform.expectDialog(tolerance::kTemplate)
        .type(tolerance::kToleranceEdit, GetParam())
        .press(platform::kButtonOk);
    platform.expectMessageBox(platform::kAnswerOk, kReadingError, "Attention",
                              platform::kMessageOk);
    platform.expectDialog(tolerance::kTemplate)
        .inspect([&](platform::DialogHandle) { EXPECT_EQ(readFile(file("tolera")), " 1e-08\n"); })
        .type(tolerance::kToleranceEdit, "2e-5")
        .press(platform::kButtonOk);
    platform.chooseMenuItem(4, 6);

    ASSERT_EQ(platform.dialogRuns().size(), 2u);
    std::string prepared = GetParam();
    if (prepared[0] == 't' || prepared[0] == 'T' || prepared[0] == 'f' || prepared[0] == 'F') {
        prepared[0] = 'a';
    }
    EXPECT_EQ(shownTolerance(platform.dialogRuns()[1]), prepared);
    EXPECT_EQ(storedTolerance(file("tolera")), 2.0e-5);
    platform.verifyScriptDone();
}

INSTANTIATE_TEST_SUITE_P(Texts, ToleranceRefusalTest,
                         ::testing::Values("t", "T", "f", "F", "abc", "", "1.2.3", "true"),
                         [](const auto& row) { return calorvia::testing::textName(row.param); });

TEST_F(ProgramDirectoryTest, TheToleranceDialogSpeaksPortuguese) {
    writeFile(file("idioma"), " 1\n");
    auto shell = startedShell();
    platform.expectDialog(tolerance::kTemplate)
        .type(tolerance::kToleranceEdit, "F1")
        .press(platform::kButtonOk);
    platform.expectMessageBox(platform::kAnswerOk, "Erro lendo o valor da tolerância!", "Atenção",
                              platform::kMessageOk);
    platform.expectDialog(tolerance::kTemplate).escape();
    platform.chooseMenuItem(4, 6);
    const auto& run = platform.dialogRuns()[0];
    EXPECT_EQ(run.atStart.at(tolerance::kGroup).text, "Tolerância para Gauss-Sidel");
    EXPECT_EQ(run.atStart.at(platform::kButtonCancel).text, "&Cancelar");
    platform.verifyScriptDone();
}

TEST_F(ProgramDirectoryTest, CancelKeepsTheStoredTolerance) {
    auto shell = startedShell();
    writeFile(file("tolera"), " 3e-07\n");
    platform.expectDialog(tolerance::kTemplate)
        .type(tolerance::kToleranceEdit, "5")
        .press(platform::kButtonCancel);
    platform.chooseMenuItem(4, 6);
    EXPECT_EQ(shownTolerance(platform.dialogRuns()[0]), "3e-07");
    EXPECT_EQ(readFile(file("tolera")), " 3e-07\n");
}

// ------------------------------------------------------------------- colour

TEST_F(ProgramDirectoryTest, ColourThirteenOpensWithMagentaAndGreenStoresTen) {
    writeFile(file("cor"), " 13\n");
    auto shell = startedShell();
    platform.expectDialog(colour::kTemplate).click(colour::kGreenRadio).press(platform::kButtonOk);
    platform.chooseMenuItem(4, 1);

    const auto& run = platform.dialogRuns().at(0);
    EXPECT_TRUE(run.atStart.at(colour::kMagentaRadio).on);
    for (const int other :
         {colour::kBlackRadio, colour::kRedRadio, colour::kGreenRadio, colour::kYellowRadio}) {
        EXPECT_FALSE(run.atStart.at(other).on) << other;
    }
    EXPECT_EQ(run.atStart.at(colour::kGroup).text, "Graph: choose the color");
    EXPECT_EQ(readIntegerSetting(file("cor")), 10);
    EXPECT_EQ(shell->graphColour(), 10);
    platform.verifyScriptDone();
}

struct ColourCase {
    int radio;
    std::int32_t index;
    const char* english;
    const char* portuguese;
};

class ColourChoiceTest : public ProgramDirectoryTest,
                         public ::testing::WithParamInterface<ColourCase> {};

TEST_P(ColourChoiceTest, EachButtonStandsForItsPaletteIndex) {
    for (const bool portuguese : {false, true}) {
        writeFile(file("cor"), " 0\n");
        platform::ScriptedPlatform local;
        const auto shell = startedShellOn(local, portuguese);
        local.expectDialog(colour::kTemplate).click(GetParam().radio).press(platform::kButtonOk);
        local.chooseMenuItem(4, 1);
        const auto& run = local.dialogRuns().at(0);
        EXPECT_EQ(run.atStart.at(GetParam().radio).text,
                  portuguese ? GetParam().portuguese : GetParam().english);
        EXPECT_EQ(run.atStart.at(colour::kGroup).text,
                  portuguese ? "Gráfico: escolha a cor" : "Graph: choose the color");
        EXPECT_EQ(readIntegerSetting(file("cor")), GetParam().index);
        EXPECT_EQ(shell->graphColour(), GetParam().index);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Colours, ColourChoiceTest,
    ::testing::Values(ColourCase{colour::kBlackRadio, 0, "Black", "Preta"},
                      ColourCase{colour::kRedRadio, 12, "Red", "Vermelha"},
                      ColourCase{colour::kMagentaRadio, 13, "Magenta", "Magenta"},
                      ColourCase{colour::kGreenRadio, 10, "Green", "Verde"},
                      ColourCase{colour::kYellowRadio, 14, "Yellow", "Amarela"}),
    [](const auto& row) { return std::string(row.param.english); });

TEST_F(ProgramDirectoryTest, ClosingTheColourDialogWithoutOkChangesNothing) {
    writeFile(file("cor"), " 14\n");
    auto shell = startedShell();
    platform.expectDialog(colour::kTemplate).click(colour::kBlackRadio).escape();
    platform.chooseMenuItem(4, 1);
    EXPECT_EQ(readFile(file("cor")), " 14\n");
    EXPECT_EQ(shell->graphColour(), 14);
}

TEST_F(ProgramDirectoryTest, AColourOutsideTheFiveOpensWithNoButtonOn) {
    writeFile(file("cor"), " 7\n");
    auto shell = startedShell();
    platform.expectDialog(colour::kTemplate).press(platform::kButtonOk);
    platform.chooseMenuItem(4, 1);
    for (const auto& [control, state] : platform.dialogRuns().at(0).atStart) {
        EXPECT_FALSE(state.on) << control;
    }
    EXPECT_EQ(shell->graphColour(), 7);  // OK with none chosen keeps it
    EXPECT_EQ(readIntegerSetting(file("cor")), 7);
}

// ----------------------------------------------------------------- language

TEST_F(ProgramDirectoryTest, SwitchingToPortugueseAfterARunRenamesTheResultsAndKeepsClearScreen) {
    auto shell = startedShell();
    shell->showRunStarted();
    shell->showRunFinished();
    writeFile(file("Steady.txt"), "steady profile\n");
    writeFile(file("Data.txt"), "inspection\n");

    platform.expectDialog(language::kTemplate)
        .inspect([&](platform::DialogHandle dialog) {
            EXPECT_TRUE(platform.controlState(dialog, language::kEnglishRadio));
            EXPECT_EQ(platform.controlText(dialog, language::kGroup), "Choose the language");
        })
        .click(language::kPortugueseRadio)
        .press(platform::kButtonOk);
    platform.chooseMenuItem(4, 3);

    EXPECT_EQ(readFile(file("Permanente.txt")), "steady profile\n");
    EXPECT_EQ(readFile(file("Dados.txt")), "inspection\n");
    EXPECT_FALSE(fileExists(file("Steady.txt")));
    EXPECT_FALSE(fileExists(file("Data.txt")));
    EXPECT_FALSE(fileExists(file("Fluxo.txt")));  // a missing file is skipped

    EXPECT_EQ(readIntegerSetting(file("idioma")), 1);
    EXPECT_EQ(shell->language(), Language::Portuguese);
    EXPECT_EQ(platform.interfaceLanguage(), platform::kLanguagePortuguese);
    EXPECT_EQ(platform.menuItemText(2, 1), "&Limpar a Tela");
    EXPECT_EQ(platform.menuItemText(1, 0), "&Arquivo");
    EXPECT_EQ(platform.menuItemText(5, 9), "&Sobre");
    EXPECT_EQ(platform.aboutText().rfind("Este software é destinado", 0), 0u);
    EXPECT_EQ(shell->openDialogTitle(), "Abrir Arquivo de Dados");
    EXPECT_EQ(shell->saveDialogTitle(), "Salvar Arquivo de Dados");

    // Clear Screen is still the command behind the renamed item, and Dataset
    // now opens the same file under its Portuguese name.
    platform.clearRecords();
    platform.chooseMenuItem(3, 5);
    EXPECT_EQ(pathOf(platform.callsNamed("editTextFile").at(0).texts[0]).filename(),
              pathOf("Dados.txt"));
    platform.chooseMenuItem(2, 1);
    EXPECT_EQ(platform.menuItemText(2, 1), "&Iniciar Simulação");
    EXPECT_EQ(shell->state().runState(), RunState::Idle);
}

TEST_F(ProgramDirectoryTest, SwitchingBackToEnglishRenamesTheOtherWay) {
    writeFile(file("idioma"), " 1\n");
    auto shell = startedShell();
    const std::vector<std::pair<std::string, std::string>> names{
        {"Dados.txt", "Data.txt"},
        {"Fluxo.txt", "Flux.txt"},
        {"Fluxo_x_Posição.txt", "Flux_x_Position.txt"},
        {"Transiente.txt", "Unsteady.txt"},
        {"Média.txt", "Average.txt"},
        {"Oeste.txt", "West.txt"},
        {"Leste.txt", "East.txt"},
        {"Permanente.txt", "Steady.txt"}};
    for (const auto& [portuguese, english] : names) writeFile(file(portuguese), portuguese);

    platform.expectDialog(language::kTemplate)
        .inspect([&](platform::DialogHandle dialog) {
            EXPECT_TRUE(platform.controlState(dialog, language::kPortugueseRadio));
            EXPECT_EQ(platform.controlText(dialog, language::kGroup), "Escolha o idioma");
        })
        .click(language::kEnglishRadio)
        .escape();  // however it is closed, the button that is on decides
    platform.chooseMenuItem(4, 4);

    for (const auto& [portuguese, english] : names) {
        EXPECT_FALSE(fileExists(file(portuguese))) << portuguese;
        EXPECT_EQ(readFile(file(english)), portuguese) << english;
    }
    EXPECT_EQ(readIntegerSetting(file("idioma")), 2);
    EXPECT_EQ(platform.interfaceLanguage(), platform::kLanguageEnglish);
    EXPECT_EQ(platform.menuItemText(2, 1), "&Begin Simulation");
}

TEST_F(ProgramDirectoryTest, ChoosingTheCurrentLanguageStillRewritesTheMenus) {
    auto shell = startedShell();
    platform.clearRecords();
    platform.expectDialog(language::kTemplate).press(platform::kButtonOk);
    platform.chooseMenuItem(4, 3);
    // Every item that has a text: 5 titles and 26 entries.
    EXPECT_EQ(platform.callsNamed("setMenuItemText").size(), 31u);
    // The eight result files, Exact.txt and Balance.txt.
    EXPECT_EQ(platform.callsNamed("renameFile").size(), 10u);
    EXPECT_EQ(platform.callsNamed("setAboutText").size(), 1u);
    EXPECT_EQ(readIntegerSetting(file("idioma")), 2);
}

TEST_F(ProgramDirectoryTest, ARenameNeverReplacesAFileOfTheNewName) {
    auto shell = startedShell();
    writeFile(file("Steady.txt"), "new\n");
    writeFile(file("Permanente.txt"), "older\n");
    platform.expectDialog(language::kTemplate)
        .click(language::kPortugueseRadio)
        .press(platform::kButtonOk);
    platform.chooseMenuItem(4, 3);
    EXPECT_EQ(readFile(file("Steady.txt")), "new\n");
    EXPECT_EQ(readFile(file("Permanente.txt")), "older\n");
}

}  // namespace
}  // namespace calorvia::shell::testing
