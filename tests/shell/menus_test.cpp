// The menu bar in both languages and the commands behind it, end to end on
// the scripted platform.

#include <string>
#include <vector>

#include "shell_test_support.h"
#include "support/case_names.h"
#include "texts/shell_texts.h"

namespace calorvia::shell::testing {

using texts::ShellText;
using texts::Text;

namespace {

using platform::MenuItemKind;

// ----------------------------------------------------------- the menu bar

// A menu text as the help pages write it: no access-key mark, no ellipsis.
std::string spoken(std::string text) {
    std::erase(text, '&');
    if (text.ends_with("…")) text.resize(text.size() - std::string("…").size());
    return text;
}

// A help page with its line breaks and runs of blanks as single spaces.
std::string helpPage(const char* name) {
    std::string page;
    for (const char c : readFile(buildDataFolder() / "help" / name).value_or("")) {
        const bool blank = c == ' ' || c == '\n' || c == '\r' || c == '\t';
        if (!blank || (!page.empty() && page.back() != ' ')) page += blank ? ' ' : c;
    }
    return page;
}

// Where the separators stand in every menu, in one language: every text with one
// access key of its own in its menu (the titles' own among the titles),
// named by the help page of that language, and every item with a command.
std::vector<std::vector<bool>> expectMenuBar(const platform::ScriptedPlatform& platform,
                                             const char* help) {
    const std::string page = helpPage(help);
    EXPECT_FALSE(page.empty()) << help;
    std::vector<std::vector<bool>> kinds;
    std::string titleKeys;
    for (int menu = 1; menu <= 5; ++menu) {
        kinds.emplace_back();
        std::string keys;
        for (int item = 0; item < platform.menuItemCount(menu); ++item) {
            const bool separator = platform.menuItemKind(menu, item) == MenuItemKind::Separator;
            kinds.back().push_back(separator);
            if (separator) continue;
            const std::string text = platform.menuItemText(menu, item);
            const std::string where =
                std::to_string(menu) + "." + std::to_string(item) + " " + text;
            const auto mark = text.find('&');
            if (mark == std::string::npos || mark + 1 == text.size()) {
                ADD_FAILURE() << where << ": no access key";
                continue;
            }
            EXPECT_EQ(text.find('&', mark + 1), std::string::npos) << where;
            const char key =
                static_cast<char>(std::tolower(static_cast<unsigned char>(text[mark + 1])));
            std::string& taken = item == 0 ? titleKeys : keys;
            EXPECT_EQ(taken.find(key), std::string::npos) << where << ": access key used twice";
            taken += key;
            EXPECT_NE(page.find(spoken(text)), std::string::npos) << where << " not in " << help;
            if (item > 0) {
                EXPECT_TRUE(platform.menuItemHasCommand(menu, item)) << where;
            }
        }
        EXPECT_GT(kinds.back().size(), 1u) << "menu " << menu;
    }
    return kinds;
}

// Both languages lay out the same items, each with a text, an access key,
// its entry in the help and a command.
TEST_F(ProgramDirectoryTest, EveryMenuItemHasItsTextAndHelpInBothLanguages) {
    auto shell = startedShell();
    const auto english = expectMenuBar(platform, "Help.html");
    shell.reset();  // the folder is one program's at a time
    platform::ScriptedPlatform local;
    const auto portuguese = startedShellOn(local, true);
    EXPECT_EQ(expectMenuBar(local, "Ajuda.html"), english);
}

// --------------------------------------------- item 2.1 and the greying rules

TEST_F(ProgramDirectoryTest, ARunThatEndsNormallyLeavesClearScreenAndTheResultsMenu) {
    auto shell = startedShell();
    writeFile(file("Loaded.txt"), "case\n");
    shell->setRunEntry([&] {
        shell->showRunStarted();
        EXPECT_EQ(platform.menuItemText(2, 1), "&Cancel Simulation");
        EXPECT_FALSE(platform.menuItemEnabled(1, 1));
        EXPECT_FALSE(platform.menuItemEnabled(1, 3));
        EXPECT_TRUE(platform.menuItemEnabled(1, 5));  // Exit stays
        EXPECT_FALSE(platform.menuItemEnabled(4, 0));
        EXPECT_FALSE(platform.menuItemEnabled(3, 0));
        shell->showRunFinished();
    });
    platform.chooseMenuItem(2, 1);
    EXPECT_TRUE(shell->idleStep());

    EXPECT_EQ(platform.menuItemText(2, 1), "&Clear Screen");
    EXPECT_EQ(shell->state().runState(), RunState::Finished);
    for (int menu : {1, 2, 3, 4, 5}) EXPECT_TRUE(platform.menuItemEnabled(menu, 0)) << menu;
    EXPECT_TRUE(platform.menuItemEnabled(1, 1));
    EXPECT_TRUE(platform.menuItemEnabled(1, 3));

    // Clear Screen: the home screen comes back and the Results menu goes grey.
    platform.clearRecords();
    platform.chooseMenuItem(2, 1);
    EXPECT_EQ(platform.menuItemText(2, 1), "&Begin Simulation");
    EXPECT_FALSE(platform.menuItemEnabled(3, 0));
    EXPECT_TRUE(platform.menuItemEnabled(4, 0));
    EXPECT_EQ(shell->state().runState(), RunState::Idle);
    EXPECT_FALSE(shell->state().runRequested());
    EXPECT_FALSE(fileExists(file("Loaded.txt")));
    const auto clears = platform.callsNamed("clearScreen");
    ASSERT_EQ(clears.size(), 1u);
    EXPECT_EQ(clears[0].numbers[0], 0xA0A0A0);
    EXPECT_EQ(platform.callsNamed("remapPalette").size(), 1u);
    EXPECT_EQ(platform.callsNamed("showBitmap").size(), 4u);

    // And Begin Simulation is the begin command again.
    platform.chooseMenuItem(2, 1);
    EXPECT_TRUE(shell->state().runRequested());
}

TEST_F(ProgramDirectoryTest, CancelSimulationAsksTheRunToStopAndBeginComesBack) {
    auto shell = startedShell();
    int runs = 0;
    shell->setRunEntry([&] {
        ++runs;
        shell->state().runStarted();
        shell->showRunStarted();
        // The user chooses Cancel Simulation while the run goes on.
        platform.clearRecords();
        platform.chooseMenuItem(2, 1);
        EXPECT_EQ(shell->state().runState(), RunState::CancelRequested);
        ASSERT_EQ(platform.texts().size(), 2u);
        EXPECT_EQ(platform.texts()[0].text, "Please wait...");
        EXPECT_EQ(std::make_pair(platform.texts()[0].x, platform.texts()[0].y),
                  std::make_pair(50, 90));
        EXPECT_EQ(platform.texts()[0].colour.rgb, 0x000000u);
        EXPECT_EQ(platform.texts()[0].font, "t'Arial'h30");
        EXPECT_EQ(std::make_pair(platform.texts()[1].x, platform.texts()[1].y),
                  std::make_pair(51, 91));
        EXPECT_EQ(platform.texts()[1].colour.rgb, platform::rgb(208, 208, 208));
        EXPECT_EQ(platform.callsNamed("beep").at(0).toString(), "beep(100, 100)");
        // The run notices the request at its next check and stops.
        shell->state().backToIdle();
        shell->showRunCancelled();
    });
    platform.chooseMenuItem(2, 1);
    shell->idleStep();
    EXPECT_EQ(platform.menuItemText(2, 1), "&Begin Simulation");
    EXPECT_TRUE(platform.menuItemEnabled(1, 1));
    EXPECT_TRUE(platform.menuItemEnabled(1, 3));
    EXPECT_TRUE(platform.menuItemEnabled(4, 0));
    EXPECT_FALSE(platform.menuItemEnabled(3, 0));

    // The next Begin Simulation starts normally.
    platform.chooseMenuItem(2, 1);
    shell->setRunEntry([&] { ++runs; });
    shell->idleStep();
    EXPECT_EQ(runs, 2);
}

// The case commands close a loaded case through LIMPA: with a case loaded
// it clears, it does not ask a run to stop.
TEST_F(ProgramDirectoryTest, WithACaseLoadedLimpaClosesItInsteadOfCancelling) {
    auto shell = startedShell();
    writeFile(file("Loaded.txt"), "case\n");
    shell->state().caseLoaded();
    platform.clearRecords();
    shell->LIMPA();
    EXPECT_EQ(shell->state().runState(), RunState::Idle);
    EXPECT_FALSE(fileExists(file("Loaded.txt")));
    EXPECT_TRUE(platform.callsNamed("beep").empty());
    EXPECT_EQ(platform.callsNamed("remapPalette").size(), 1u);
    EXPECT_EQ(platform.menuItemText(2, 1), "&Begin Simulation");
}

TEST_F(ProgramDirectoryTest, CancelSimulationSpeaksTheCurrentLanguage) {
    writeFile(file("idioma"), " 1\n");
    auto shell = startedShell();
    shell->showRunStarted();
    EXPECT_EQ(platform.menuItemText(2, 1), "&Cancelar Simulação");
    platform.clearRecords();
    platform.chooseMenuItem(2, 1);
    ASSERT_FALSE(platform.texts().empty());
    EXPECT_EQ(platform.texts()[0].text, "Espere por favor...");
    shell->showRunFinished();
    EXPECT_EQ(platform.menuItemText(2, 1), "&Limpar a Tela");
}

// ------------------------------------------------------------ result files

struct ShowCase {
    int item;
    std::vector<std::string> english;
    std::vector<std::string> portuguese;
};

class ResultFileCommandTest : public ProgramDirectoryTest,
                              public ::testing::WithParamInterface<ShowCase> {};

TEST_P(ResultFileCommandTest, EachResultEntryOpensItsFilesOfTheCurrentLanguage) {
    for (const bool portuguese : {false, true}) {
        platform::ScriptedPlatform local;
        const auto shell = startedShellOn(local, portuguese);
        shell->showRunFinished();
        local.clearRecords();
        local.chooseMenuItem(3, GetParam().item);
        const auto& names = portuguese ? GetParam().portuguese : GetParam().english;
        const auto opened = local.callsNamed("editTextFile");
        ASSERT_EQ(opened.size(), names.size());
        for (std::size_t i = 0; i < names.size(); ++i) {
            EXPECT_EQ(pathOf(opened[i].texts[0]), shell->programDirectory() / pathOf(names[i]));
            EXPECT_EQ(opened[i].numbers[0], 0) << "the editor is not waited for";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Shows, ResultFileCommandTest,
    ::testing::Values(
        ShowCase{5, {"Data.txt"}, {"Dados.txt"}}, ShowCase{7, {"Flux.txt"}, {"Fluxo.txt"}},
        ShowCase{9, {"Flux_x_Position.txt"}, {"Fluxo_x_Posição.txt"}},
        ShowCase{11, {"Unsteady.txt", "Average.txt"}, {"Transiente.txt", "Média.txt"}},
        ShowCase{13, {"West.txt"}, {"Oeste.txt"}}, ShowCase{15, {"East.txt"}, {"Leste.txt"}},
        ShowCase{17, {"Steady.txt"}, {"Permanente.txt"}},
        ShowCase{25, {"Balance.txt"}, {"Balanço.txt"}}),
    [](const auto& row) { return calorvia::testing::caseName(row.param.english.front()); });

// Whether the user can choose a Results entry: its menu and itself enabled.
bool choosable(const platform::ScriptedPlatform& platform, int item) {
    return platform.menuItemEnabled(menu::Results, item::Title) &&
           platform.menuItemEnabled(menu::Results, item);
}

// The entries that check a result are greyed exactly when the others are:
// at start-up, during a run, after it, and after Clear Screen.
TEST_F(ProgramDirectoryTest, TheCheckingEntriesAreGreyedWithTheOtherResults) {
    auto shell = startedShell();
    int compared = 0;
    shell->setCompareExactEntry([&] { ++compared; });
    const auto expectLikeTheOthers = [&](const char* stage, bool enabled) {
        for (const int entry : {item::SelectGraph, item::Dataset, item::SteadyState,
                                item::SaveResultsAs, item::CompareExact, item::EnergyBalance}) {
            EXPECT_EQ(choosable(platform, entry), enabled) << stage << ", item " << entry;
        }
    };
    expectLikeTheOthers("after start-up", false);
    writeFile(file("Loaded.txt"), "case\n");
    shell->setRunEntry([&] {
        shell->state().runStarted();
        shell->showRunStarted();
        expectLikeTheOthers("during the run", false);
        shell->showRunFinished();
    });
    platform.chooseMenuItem(menu::Simulation, item::SimulationCommand);
    shell->idleStep();
    expectLikeTheOthers("after the run", true);
    platform.chooseMenuItem(menu::Results, item::CompareExact);
    EXPECT_EQ(compared, 1);
    platform.chooseMenuItem(menu::Simulation, item::SimulationCommand);  // Clear Screen
    expectLikeTheOthers("after Clear Screen", false);
    EXPECT_THROW(platform.chooseMenuItem(menu::Results, item::CompareExact),
                 platform::ScriptError);
}

struct BuiltInCase {
    int menu;
    int item;
    const char* operation;
};

class BuiltInCommandTest : public ProgramDirectoryTest,
                           public ::testing::WithParamInterface<BuiltInCase> {};

TEST_P(BuiltInCommandTest, EntriesOfThePlatformCallThePlatform) {
    auto shell = startedShell();
    shell->showRunFinished();
    platform.clearRecords();
    platform.chooseMenuItem(GetParam().menu, GetParam().item);
    ASSERT_EQ(platform.calls().size(), 1u);
    EXPECT_EQ(platform.calls()[0].operation, GetParam().operation);
}

INSTANTIATE_TEST_SUITE_P(Entries, BuiltInCommandTest,
                         ::testing::Values(BuiltInCase{3, 1, "selectGraphics"},
                                           BuiltInCase{3, 3, "copyGraphicsToClipboard"},
                                           BuiltInCase{3, 19, "printGraphics"},
                                           BuiltInCase{5, 3, "showPlatformHelp"}),
                         [](const auto& row) { return std::string(row.param.operation); });

// -------------------------------------------------------------------- exit

TEST_F(ProgramDirectoryTest, ExitDeletesTheWorkingCaseAndTheFifteenResultFiles) {
    auto shell = startedShell();
    const std::vector<std::string> deleted{"Loaded.txt",
                                           "Dados.txt",
                                           "Fluxo.txt",
                                           "Fluxo_x_Posição.txt",
                                           "Transiente.txt",
                                           "Permanente.txt",
                                           "Oeste.txt",
                                           "Leste.txt",
                                           "Data.txt",
                                           "Flux.txt",
                                           "Flux_x_Position.txt",
                                           "Unsteady.txt",
                                           "Average.txt",
                                           "Steady.txt",
                                           "West.txt",
                                           "East.txt"};
    for (const auto& name : deleted) writeFile(file(name), "x\n");
    writeFile(file("Média.txt"), "x\n");
    writeFile(file("idioma"), " 2\n");

    std::filesystem::current_path(std::filesystem::temp_directory_path());
    platform.expectMessageBox(platform::kAnswerNo,
                              std::string(shell->text(ShellText::KeepResultsQuestion)), "Attention",
                              platform::kMessageYesNoCancel);
    platform.chooseMenuItem(1, 5);
    platform.verifyScriptDone();
    for (const auto& name : deleted) EXPECT_FALSE(fileExists(file(name))) << name;
    EXPECT_TRUE(fileExists(file("Média.txt")));
    EXPECT_TRUE(fileExists(file("idioma")));
    EXPECT_TRUE(platform.closeRequested());
    EXPECT_EQ(std::filesystem::canonical(std::filesystem::current_path()),
              std::filesystem::canonical(directory()));
}

// Leaving deletes the results, so Exit offers to keep a copy first; the
// same copy is Results > Save Results As. Whatever goes wrong, nothing is
// deleted and the program stays.
class KeepResultsTest : public ProgramDirectoryTest {
protected:
    void SetUp() override {
        ProgramDirectoryTest::SetUp();
        elsewhere_ = directory() / "elsewhere";
        std::filesystem::create_directories(elsewhere_);
        shell_ = startedShell();
        for (const char* name : {"Steady.txt", "Data.txt", "Flux.txt", "Unsteady.txt"}) {
            writeFile(file(name), std::string(name) + " of this run\n");
        }
        writeFile(file("my-case.txt"), "1\n 10\n");
        shell_->setSavedCaseSource([this] { return file("my-case.txt"); });
    }
    std::string say(Text text) const { return std::string(shell_->text(text)); }
    void expectQuestion(int answer) {
        platform.expectMessageBox(answer, say(ShellText::KeepResultsQuestion), "Attention",
                                  platform::kMessageYesNoCancel);
    }
    bool everythingStillHere() const {
        for (const char* name : {"Steady.txt", "Data.txt", "Flux.txt", "Unsteady.txt"}) {
            if (readFile(file(name)) != std::string(name) + " of this run\n") return false;
        }
        return true;
    }

    std::filesystem::path elsewhere_;
    std::unique_ptr<Shell> shell_;
};

TEST_F(KeepResultsTest, ExitCopiesTheResultsAndTheSavedCaseThenLeaves) {
    expectQuestion(platform::kAnswerYes);
    platform.expectFolder(utf8(elsewhere_));
    platform.chooseMenuItem(1, 5);
    platform.verifyScriptDone();
    for (const char* name : {"Steady.txt", "Data.txt", "Flux.txt", "Unsteady.txt"}) {
        EXPECT_EQ(readFile(elsewhere_ / name), std::string(name) + " of this run\n") << name;
        EXPECT_FALSE(fileExists(file(name))) << name;
    }
    EXPECT_EQ(readFile(elsewhere_ / "my-case.txt"), "1\n 10\n");
    EXPECT_FALSE(fileExists(elsewhere_ / "West.txt")) << "only the files that exist";
    EXPECT_TRUE(platform.closeRequested());
}

TEST_F(KeepResultsTest, ExitStaysWithEverythingWhenTheCopyIsNotMade) {
    struct Case {
        const char* name;
        std::optional<std::string> folder;  // the folder dialog's answer
        std::optional<Text> message;        // what the user is told
    };
    const Case cases[] = {
        {"cancelled", std::nullopt, std::nullopt},
        {"the program folder itself", utf8(directory()), ShellText::ResultsAlreadyInFolder},
        {"a folder that does not exist", utf8(directory() / "gone" / "deeper"),
         ShellText::ResultsCopyFailed},
    };
    for (const Case& c : cases) {
        expectQuestion(platform::kAnswerYes);
        platform.expectFolder(c.folder);
        if (c.message) {
            platform.expectMessageBox(platform::kAnswerOk);
        }
        platform.clearRecords();
        platform.chooseMenuItem(1, 5);
        platform.verifyScriptDone();
        EXPECT_FALSE(platform.closeRequested()) << c.name;
        EXPECT_TRUE(everythingStillHere()) << c.name;
        const auto boxes = platform.callsNamed("messageBox");
        ASSERT_EQ(boxes.size(), c.message ? 2u : 1u) << c.name;
        if (c.message == ShellText::ResultsCopyFailed) {
            EXPECT_EQ(boxes.back().texts[0], "\"Data.txt\" could not be written in the folder \"" +
                                                 *c.folder + "\". Nothing was deleted.");
        } else if (c.message) {
            EXPECT_EQ(boxes.back().texts[0], say(*c.message));
        }
    }
}

TEST_F(KeepResultsTest, ExitWithoutResultsAsksNothing) {
    for (const char* name : {"Steady.txt", "Data.txt", "Flux.txt"}) {
        std::filesystem::remove(file(name));
    }
    platform.chooseMenuItem(1, 5);
    EXPECT_TRUE(platform.callsNamed("messageBox").empty());
    EXPECT_TRUE(platform.closeRequested());
}

TEST_F(KeepResultsTest, SaveResultsAsCopiesInTheUsersLanguageAndStays) {
    platform::ScriptedPlatform local;
    const auto portuguese = startedShellOn(local, true);
    writeFile(file("Permanente.txt"), "perfil\n");
    local.expectFolder(utf8(elsewhere_));
    local.expectMessageBox(
        platform::kAnswerOk,
        "Os arquivos de resultados foram copiados para a pasta \"" + utf8(elsewhere_) + "\".",
        "Atenção", platform::kMessageOk);
    portuguese->showRunFinished();
    local.chooseMenuItem(3, 21);
    local.verifyScriptDone();
    EXPECT_EQ(readFile(elsewhere_ / pathOf("Permanente.txt")), "perfil\n");
    EXPECT_TRUE(fileExists(file("Permanente.txt")));
    EXPECT_FALSE(local.closeRequested());
    const auto folders = local.callsNamed("chooseFolder");
    ASSERT_EQ(folders.size(), 1u);
    EXPECT_EQ(folders[0].texts[0], "Salvar Resultados Como");
}

// ------------------------------------------------------------- information

TEST_F(ProgramDirectoryTest, SoftwareHelpOpensTheHelpOfTheLanguageWithTheMenuGrey) {
    for (const bool portuguese : {false, true}) {
        platform::ScriptedPlatform local;
        const auto shell = startedShellOn(local, portuguese);
        local.clearRecords();
        local.chooseMenuItem(5, 1);
        std::vector<std::string> calls;
        for (const auto& call : local.calls()) calls.push_back(call.toString());
        EXPECT_EQ(calls, (std::vector<std::string>{"setMenuItemEnabled(5, 0, 0)",
                                                   portuguese ? "openDocument(0, \"Ajuda.hlp\")"
                                                              : "openDocument(0, \"Help.hlp\")",
                                                   "setMenuItemEnabled(5, 0, 1)"}));
    }
}

// The page for students in the program's language; Send Email at its
// section on reporting a problem.
TEST_F(ProgramDirectoryTest, HomePageAndEmailShowTheHomePageOfTheLanguage) {
    const std::filesystem::path shipped = directory() / "share";
    writeFile(shipped / "help" / "Home.html", "<h1>Calorvia</h1>\n");
    writeFile(shipped / "help" / "Inicio.html", "<h1>Calorvia</h1>\n");
    for (const auto& [portuguese, name] : {std::pair{false, "Home.html"}, {true, "Inicio.html"}}) {
        platform::ScriptedPlatform local;
        const auto shell = startedShellOn(local, portuguese, {shipped});
        const std::string page = fileAddress(std::filesystem::absolute(shipped / "help" / name));
        for (const auto& [item, address] : {std::pair{5, page}, std::pair{7, page + "#report"}}) {
            local.clearRecords();
            local.chooseMenuItem(5, item);
            const auto calls = local.calls();
            ASSERT_EQ(calls.size(), 3u) << item;
            EXPECT_EQ(calls[0].toString(), "setMenuItemEnabled(5, 0, 0)");
            EXPECT_EQ(calls[1].operation, "openAddress");
            EXPECT_EQ(calls[1].texts[0], address);
            EXPECT_EQ(calls[2].toString(), "setMenuItemEnabled(5, 0, 1)");
        }
    }
}

TEST_F(ProgramDirectoryTest, WithoutItsPageHomePageHandsNothingOver) {
    auto shell = startedShell({directory() / "nowhere"});
    platform.chooseMenuItem(5, 5);
    EXPECT_TRUE(platform.callsNamed("openAddress").empty());
    EXPECT_TRUE(platform.menuItemEnabled(5, 0));
}

TEST_F(ProgramDirectoryTest, AboutBeepsThenShowsTheAboutText) {
    auto shell = startedShell();
    platform.clearRecords();
    platform.chooseMenuItem(5, 9);
    ASSERT_EQ(platform.calls().size(), 2u);
    EXPECT_EQ(platform.calls()[0].toString(), "beep(100, 100)");
    EXPECT_EQ(platform.calls()[1].operation, "showAbout");
    EXPECT_EQ(platform.calls()[1].texts[0], shell->aboutText());
}

TEST_F(ProgramDirectoryTest, SyntaxOpensTheSyntaxDocumentOfTheLanguage) {
    auto shell = startedShell();
    platform.clearRecords();
    shell->SINTAXE();
    ASSERT_EQ(platform.calls().size(), 1u);
    EXPECT_EQ(platform.calls()[0].toString(), "openDocument(0, \"Syntax.hlp\")");
}

// -------------------------------------------------------- New and Open

TEST_F(ProgramDirectoryTest, NewAndOpenRunTheEntryPointsTheCaseEntryGives) {
    auto shell = startedShell();
    platform.clearRecords();
    platform.chooseMenuItem(1, 1);  // nothing supplied yet: nothing happens
    platform.chooseMenuItem(1, 3);
    EXPECT_TRUE(platform.calls().empty());

    std::vector<std::string> ran;
    shell->setNewCaseEntry([&] { ran.push_back("NOVO"); });
    shell->setOpenCaseEntry([&] { ran.push_back("ABRIR"); });
    platform.chooseMenuItem(1, 3);
    platform.chooseMenuItem(1, 1);
    EXPECT_EQ(ran, (std::vector<std::string>{"ABRIR", "NOVO"}));
}

}  // namespace
}  // namespace calorvia::shell::testing
