// Start-up, the home screen and the idle loop, end to end on the scripted
// platform in an empty program directory.

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "settings/settings_files.h"
#include "shell/home_screen.h"
#include "shell_test_support.h"

namespace calorvia::shell::testing {

using settings::readIntegerSetting;
using texts::Language;
using texts::languageCode;

namespace {

using platform::PixelSize;
using platform::rgb;

std::string sizeName(PixelSize size) {
    return std::to_string(size.width) + "x" + std::to_string(size.height);
}

// ------------------------------------------------------------ first start

TEST_F(ProgramDirectoryTest, FirstStartComesUpInEnglishAndWritesTheDefaults) {
    auto shell = startedShell();

    EXPECT_EQ(readIntegerSetting(file("idioma")), 2);
    EXPECT_EQ(readIntegerSetting(file("cor")), 12);
    EXPECT_EQ(shell->language(), Language::English);
    EXPECT_EQ(shell->graphColour(), 12);

    EXPECT_EQ(platform.menuItemText(1, 0), "&File");
    EXPECT_EQ(platform.menuItemText(2, 1), "&Begin Simulation");
    for (int menu : {1, 2, 4, 5}) EXPECT_TRUE(platform.menuItemEnabled(menu, 0)) << menu;
    EXPECT_FALSE(platform.menuItemEnabled(3, 0));

    EXPECT_EQ(platform.aboutText().rfind(
                  "This software is destined to the one-dimensional heat transfer study.", 0),
              0u);
    EXPECT_NE(platform.aboutText().find("Calorvia " CALORVIA_VERSION " ("), std::string::npos);
    EXPECT_EQ(shell->openDialogTitle(), "Open Data File");
    EXPECT_EQ(shell->saveDialogTitle(), "Save Data File");
    EXPECT_EQ(std::filesystem::canonical(shell->programDirectory()),
              std::filesystem::canonical(directory()));
    EXPECT_FALSE(shell->state().runRequested());
    EXPECT_EQ(shell->state().runState(), RunState::Idle);
    platform.verifyScriptDone();
}

TEST_F(ProgramDirectoryTest, IdiomaHoldingOneGivesPortugueseMenusAndAboutText) {
    writeFile(file("idioma"), "           1\n");
    auto shell = startedShell();

    EXPECT_EQ(shell->language(), Language::Portuguese);
    // The platform's own buttons and file dialogs speak Portuguese too.
    EXPECT_EQ(platform.interfaceLanguage(), platform::kLanguagePortuguese);
    EXPECT_EQ(platform.menuItemText(1, 0), "&Arquivo");
    EXPECT_EQ(platform.menuItemText(2, 1), "&Iniciar Simulação");
    EXPECT_EQ(platform.menuItemText(4, 4), "&Language");
    EXPECT_EQ(platform.aboutText().rfind(
                  "Este software é destinado ao estudo de condução unidimensional de calor.", 0),
              0u);
    EXPECT_EQ(shell->openDialogTitle(), "Abrir Arquivo de Dados");
    EXPECT_EQ(shell->saveDialogTitle(), "Salvar Arquivo de Dados");
    EXPECT_EQ(readFile(file("idioma")), "           1\n");  // a readable file is left alone
}

TEST_F(ProgramDirectoryTest, MenuConstructionReadsIdiomaWithoutWritingIt) {
    auto shell = makeShell();
    shell->buildMenus();
    EXPECT_EQ(platform.menuItemText(1, 0), "&File");
    EXPECT_FALSE(fileExists(file("idioma")));
    // Until start-up has ended no command can be chosen.
    for (int menu = 1; menu <= 5; ++menu) EXPECT_FALSE(platform.menuItemEnabled(menu, 0));
}

// ------------------------------------------------------- settings on start

// Start-up reads both settings by the write-back rule (whose contents are
// tabled in settings_files_test's WriteBackRule): an unreadable file gives
// English and red, written back; a readable one is kept as it is (the
// Portuguese start above, and the colour dialog's tests in preferences_test).
TEST_F(ProgramDirectoryTest, UnreadableSettingsGiveEnglishAndRedWrittenBack) {
    writeFile(file("idioma"), "1.5\n");
    writeFile(file("cor"), "-1\n");
    auto shell = startedShell();
    EXPECT_EQ(shell->language(), Language::English);
    EXPECT_EQ(shell->graphColour(), 12);
    EXPECT_EQ(readIntegerSetting(file("idioma")), 2);
    EXPECT_EQ(readIntegerSetting(file("cor")), 12);
}

TEST_F(ProgramDirectoryTest, ASettingThatCannotBeWrittenIsReportedAndStartUpGoesOn) {
    // A folder in the file's place: the file cannot be replaced.
    std::filesystem::create_directory(file("cor"));
    platform.expectMessageBox(
        platform::kAnswerOk,
        "The file \"cor\" could not be written! The choice holds only until the program is "
        "closed.",
        "Attention", platform::kMessageOk);
    auto shell = startedShell();
    EXPECT_EQ(shell->graphColour(), 12);
    EXPECT_TRUE(std::filesystem::is_directory(file("cor")));
    EXPECT_TRUE(platform.menuItemEnabled(1, 0));
    platform.verifyScriptDone();
}

// -------------------------------------------------------- the stale files

TEST_F(ProgramDirectoryTest, StartUpDeletesTheWorkingCaseAndEveryResultFile) {
    const std::vector<std::string> stale{
        "Loaded.txt",     "Dados.txt",      "Fluxo.txt",  "Fluxo_x_Posição.txt",
        "Transiente.txt", "Permanente.txt", "Oeste.txt",  "Leste.txt",
        "Média.txt",      "Data.txt",       "Flux.txt",   "Flux_x_Position.txt",
        "Unsteady.txt",   "Average.txt",    "Steady.txt", "West.txt",
        "East.txt"};
    for (const auto& name : stale) writeFile(file(name), "old\n");
    writeFile(file("Exp.txt"), "0 300\n");
    writeFile(file("my case.txt"), "kept\n");

    auto shell = startedShell();
    for (const auto& name : stale) EXPECT_FALSE(fileExists(file(name))) << name;
    EXPECT_TRUE(fileExists(file("Exp.txt")));
    EXPECT_TRUE(fileExists(file("my case.txt")));
}

// A killed program's safe writes leave "NAME.tmpPID-N" beside NAME; only
// those of the folder's own files go, and never a folder.
TEST_F(ProgramDirectoryTest, StartUpRemovesOnlyTheLeftoverTemporaryFilesOfItsOwnFiles) {
    const std::vector<std::pair<std::string, bool>> names{
        {"Loaded.txt.tmp4242-0", true},  {"idioma.tmp1-12", true},
        {"cor.tmp7-3", true},            {"tolera.tmp7-4", true},
        {"Média.txt.tmp99-1", true},     {"Balance.txt.tmp5-2", true},
        {"Inicial.txt.tmp5-3", true},    {"Initial.txt.tmp5-3", true},
        {"Loaded.txt.tmp4242", false},   {"Loaded.txt.tmp-0", false},
        {"Loaded.txt.tmp42-", false},    {"Loaded.txt.tmp42-0~", false},
        {"Loaded.txt.tmpx-0", false},    {"loaded.txt.tmp1-0", false},
        {"my case.txt.tmp1-0", false},   {"Exp.txt.tmp1-0", false},
        {"old Loaded.txt.tmp1-0", false}};
    for (const auto& [name, removed] : names) writeFile(file(name), "left\n");
    std::filesystem::create_directory(file("Data.txt.tmp3-3"));
    auto shell = startedShell();
    for (const auto& [name, removed] : names) EXPECT_EQ(fileExists(file(name)), !removed) << name;
    EXPECT_TRUE(std::filesystem::is_directory(file("Data.txt.tmp3-3")));
}

// ------------------------------------------------------ refusal and failure

// While another program holds the folder nothing in it is written or deleted.
TEST_F(ProgramDirectoryTest, AFolderInUseIsRefusedUntilTheOtherProgramIsGone) {
    writeFile(file("Steady.txt"), "the other's\n");
    writeFile(file("cor.tmp7-3"), "the other's\n");
    std::optional<calorvia::testing::ForeignFolderLock> other(std::in_place, directory());
    platform.expectMessageBox(platform::kAnswerOk,
                              "Another Calorvia is using the folder \"" +
                                  utf8(std::filesystem::current_path()) +
                                  "\"; the results of the two would be mixed. Close the other "
                                  "program, or start this one in another folder.",
                              "Attention", platform::kMessageOk);
    EXPECT_FALSE(makeShell()->startUp());
    EXPECT_TRUE(platform.closeRequested());
    platform.verifyScriptDone();
    for (const char* name : {"Steady.txt", "cor.tmp7-3"}) EXPECT_TRUE(fileExists(file(name)));
    EXPECT_FALSE(fileExists(file("idioma")));

    other.reset();  // killed: its lock ends with it
    auto shell = startedShell();
    EXPECT_FALSE(fileExists(file("Steady.txt")));
}

struct RefusalCase {
    const char* idioma;
    const char* text;
    const char* title;
};

class RefusalTest : public ProgramDirectoryTest,
                    public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(RefusalTest, AScreenOf640PixelsEndsTheProgramAfterItsMessage) {
    writeFile(file("idioma"), GetParam().idioma);
    writeFile(file("Steady.txt"), "kept\n");
    platform.setScreenSize({640, 480});
    platform.expectMessageBox(platform::kAnswerOk, GetParam().text, GetParam().title,
                              platform::kMessageOk);
    auto shell = makeShell();
    shell->buildMenus();
    EXPECT_FALSE(shell->startUp());
    EXPECT_TRUE(platform.closeRequested());
    EXPECT_TRUE(fileExists(file("Steady.txt")));  // nothing after the message
    EXPECT_TRUE(platform.callsNamed("remapPalette").empty());
    EXPECT_TRUE(platform.callsNamed("clearScreen").empty());
    for (int menu = 1; menu <= 5; ++menu) EXPECT_FALSE(platform.menuItemEnabled(menu, 0));
    platform.verifyScriptDone();
}

INSTANTIATE_TEST_SUITE_P(
    Languages, RefusalTest,
    ::testing::Values(RefusalCase{" 2\n",
                                  "This software does not work appropriately in this resolution!",
                                  "Attention"},
                      RefusalCase{" 1\n",
                                  "Este software não funciona adequadamente nesta resolução!",
                                  "Atenção"}),
    [](const auto& row) {
        return std::string(row.param.title) == "Attention" ? "English" : "Portuguese";
    });

TEST_F(ProgramDirectoryTest, OnlyExactly640PixelsIsRefused) {
    for (const int width : {639, 641}) {
        SCOPED_TRACE(width);
        platform::ScriptedPlatform other;
        other.setScreenSize({width, 480});
        startedShellOn(other, false);
    }
}

TEST_F(ProgramDirectoryTest, AProgramDirectoryThatIsGoneEndsTheProgram) {
    // The current directory vanishes under the program: no setting can be
    // written and the directory cannot be had.
    std::filesystem::remove_all(directory());
    platform.expectMessageBox(platform::kAnswerOk,
                              "The file \"idioma\" could not be written! The choice holds only "
                              "until the program is closed.");
    platform.expectMessageBox(platform::kAnswerOk,
                              "The file \"cor\" could not be written! The choice holds only until "
                              "the program is closed.");
    platform.expectMessageBox(platform::kAnswerOk, "Failed to get current directory !", "Attention",
                              platform::kMessageOk);
    auto shell = makeShell();
    shell->buildMenus();
    EXPECT_FALSE(shell->startUp());
    EXPECT_TRUE(platform.closeRequested());
    platform.verifyScriptDone();
}

// -------------------------------------------------------- order and window

// The operations of start-up in the order they must come.
TEST_F(ProgramDirectoryTest, StartUpRunsItsStepsInOrder) {
    auto shell = startedShell();
    std::vector<std::string> milestones;
    for (const auto& call : platform.calls()) {
        const std::string& op = call.operation;
        if (op == "configureGraphicsWindow" || op == "setBackgroundRgb" || op == "clearScreen" ||
            op == "setFrameSize" || op == "maximizeFrame" || op == "setAboutText" ||
            op == "currentDirectory" || op == "remapPalette") {
            if (milestones.empty() || milestones.back() != op) milestones.push_back(op);
        } else if (op == "deleteFile" && (milestones.empty() || milestones.back() != op)) {
            milestones.push_back(op);
        } else if (op == "setMenuItemEnabled" && call.numbers[1] == 0 &&
                   (milestones.empty() ||
                    milestones.back() != op + std::to_string(call.numbers[2]))) {
            milestones.push_back(op + std::to_string(call.numbers[2]));
        }
    }
    const std::vector<std::string> expected{
        "setMenuItemEnabled0",  // menu construction greys the menus
        "configureGraphicsWindow",
        "setBackgroundRgb",
        "clearScreen",
        "setFrameSize",
        "maximizeFrame",
        "setMenuItemEnabled0",  // step 7 greys them again
        "setAboutText",
        "currentDirectory",
        "remapPalette",  // the end of the home screen
        "deleteFile",
        "setMenuItemEnabled1",
    };
    EXPECT_EQ(milestones, expected);
    const auto configure = platform.callsNamed("configureGraphicsWindow");
    ASSERT_EQ(configure.size(), 1u);
    EXPECT_EQ(configure[0].texts[0], "1-Dimensional");
}

struct FrameCase {
    PixelSize maximum;
    PixelSize set;
    bool maximised;
};

class FrameSizeTest : public ProgramDirectoryTest,
                      public ::testing::WithParamInterface<FrameCase> {};

TEST_P(FrameSizeTest, TheFrameTakes89By98PercentOfItsLargestSizeThenIsMaximised) {
    platform.setFrameMaximumSize(GetParam().maximum);
    auto shell = startedShell();
    const auto set = platform.callsNamed("setFrameSize");
    ASSERT_EQ(set.size(), 1u);
    EXPECT_EQ(set[0].numbers,
              (std::vector<std::int64_t>{GetParam().set.width, GetParam().set.height}));
    EXPECT_EQ(platform.callsNamed("maximizeFrame").size(), GetParam().maximised ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Sizes, FrameSizeTest,
                         ::testing::Values(FrameCase{{1024, 740}, {911, 725}, true},
                                           FrameCase{{1001, 999}, {890, 979}, true},
                                           FrameCase{{0, 0}, {0, 0}, false}),
                         [](const auto& row) { return "Largest" + sizeName(row.param.maximum); });

// ------------------------------------------------------------ home screen

struct OriginCase {
    PixelSize window;
    LayoutOrigin origin;
};

class LayoutOriginTest : public ::testing::TestWithParam<OriginCase> {};

TEST_P(LayoutOriginTest, TheDesignIsCentredOnWindowsWiderThan800) {
    EXPECT_EQ(layoutOrigin(GetParam().window), GetParam().origin);
}

INSTANTIATE_TEST_SUITE_P(Windows, LayoutOriginTest,
                         ::testing::Values(OriginCase{{800, 600}, {2, 2}},
                                           OriginCase{{640, 480}, {2, 2}},
                                           OriginCase{{801, 601}, {2, 2}},
                                           OriginCase{{1024, 768}, {114, 86}},
                                           OriginCase{{1366, 705}, {285, 54}}),
                         [](const auto& row) { return "Window" + sizeName(row.param.window); });

struct HomeCase {
    PixelSize window;
    int ox, oy;  // layout origin
    int tx, ty;  // the title's origin
};

class HomeScreenTest : public ProgramDirectoryTest,
                       public ::testing::WithParamInterface<HomeCase> {};

TEST_P(HomeScreenTest, PanelPicturesTitleAndEquationSitWhereTheDesignPutsThem) {
    const HomeCase& c = GetParam();
    platform.setScreenSize(c.window);
    auto shell = startedShell();

    // The panel: its grey outline, then its face.
    const auto& rectangles = platform.rectangles();
    ASSERT_GE(rectangles.size(), 2u);
    EXPECT_EQ(rectangles[0].fill, platform::FillMode::Border);
    EXPECT_EQ(
        (std::vector<int>{rectangles[0].x1, rectangles[0].y1, rectangles[0].x2, rectangles[0].y2}),
        (std::vector<int>{c.ox + 10, c.oy + 10, c.ox + 755, c.oy + 280}));
    EXPECT_EQ(rectangles[0].colour.rgb, rgb(128, 128, 128));
    EXPECT_EQ(rectangles[1].fill, platform::FillMode::Filled);
    EXPECT_EQ(
        (std::vector<int>{rectangles[1].x1, rectangles[1].y1, rectangles[1].x2, rectangles[1].y2}),
        (std::vector<int>{c.ox + 14, c.oy + 14, c.ox + 751, c.oy + 276}));
    EXPECT_EQ(rectangles[1].colour.rgb, rgb(192, 192, 192));

    // The pictures, found in the data folder, in drawing order.
    const auto bitmaps = platform.callsNamed("showBitmap");
    ASSERT_EQ(bitmaps.size(), 4u);
    const std::vector<std::tuple<std::string, int, int>> expected{
        {"Cilindro.bmp", c.ox + 210, c.oy + 135},
        {"Parede.bmp", c.ox + 367, c.oy + 40},
        {"Esfera.bmp", c.ox + 320, c.oy + 85},
        {"Equation.bmp", c.tx + 270, c.ty + 260},
    };
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const auto& [name, x, y] = expected[i];
        EXPECT_EQ(pathOf(bitmaps[i].texts[0]), buildDataFolder() / "Bitmap" / name);
        EXPECT_EQ(bitmaps[i].numbers, (std::vector<std::int64_t>{x, y, 1})) << name;
    }

    // The title in black, and its light copy three pixels down and right.
    const auto& texts = platform.texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "Calorvia");
    EXPECT_EQ(std::make_pair(texts[0].x, texts[0].y), std::make_pair(c.tx + 175, c.ty + 340));
    EXPECT_EQ(texts[0].colour.rgb, rgb(0, 0, 0));
    EXPECT_EQ(texts[0].font, "t'Arial'h45w30i");
    EXPECT_EQ(std::make_pair(texts[1].x, texts[1].y), std::make_pair(c.tx + 178, c.ty + 343));
    EXPECT_EQ(texts[1].colour.rgb, rgb(208, 208, 208));

    // The equation's frame: four inner edges light then dark, four outer ones
    // white then black.
    std::vector<platform::DrawnLine> frame;
    for (const auto& line : platform.lines()) {
        if (std::min(line.x1, line.x2) >= c.tx + 268 && std::max(line.y1, line.y2) <= c.ty + 320 &&
            std::min(line.y1, line.y2) >= c.ty + 258) {
            frame.push_back(line);
        }
    }
    ASSERT_EQ(frame.size(), 8u);
    EXPECT_EQ(frame[0].colour.rgb, rgb(224, 224, 224));
    EXPECT_EQ(std::make_pair(frame[0].x1, frame[0].y1), std::make_pair(c.tx + 269, c.ty + 319));
    EXPECT_EQ(frame[2].colour.rgb, rgb(128, 128, 128));
    EXPECT_EQ(std::make_pair(frame[2].x2, frame[2].y2), std::make_pair(c.tx + 633, c.ty + 319));
    EXPECT_EQ(frame[4].colour.index, 15);
    EXPECT_EQ(std::make_pair(frame[4].x1, frame[4].y1), std::make_pair(c.tx + 268, c.ty + 320));
    EXPECT_EQ(frame[6].colour.index, 0);
    EXPECT_EQ(std::make_pair(frame[7].x2, frame[7].y2), std::make_pair(c.tx + 268, c.ty + 320));

    EXPECT_EQ(platform.palette(), HomePalette);
}

INSTANTIATE_TEST_SUITE_P(Windows, HomeScreenTest,
                         ::testing::Values(HomeCase{{1024, 768}, 114, 86, 47, 218},
                                           HomeCase{{800, 600}, 2, 2, -65, 50},
                                           HomeCase{{1280, 1024}, 242, 214, 175, 474}),
                         [](const auto& row) { return "Window" + sizeName(row.param.window); });

TEST_F(ProgramDirectoryTest, TheTitleTakesTheFirstFontThatCanBeHad) {
    platform.refuseFont("t'Arial'h45w30i");
    platform.refuseFont("t'times new roman'h45");
    auto shell = startedShell();
    ASSERT_FALSE(platform.texts().empty());
    EXPECT_EQ(platform.texts()[0].font, "t'courier new'h45");
}

TEST_F(ProgramDirectoryTest, WithoutAnyFontTheTitleIsStillWritten) {
    platform.refuseAllFonts();
    auto shell = startedShell();
    ASSERT_EQ(platform.texts().size(), 2u);
    EXPECT_EQ(platform.texts()[0].text, "Calorvia");
    EXPECT_EQ(platform.callsNamed("selectFont").size(), 5u);
}

TEST_F(ProgramDirectoryTest, MissingPicturesLeaveTheirPlacesEmpty) {
    auto shell = startedShell({directory() / "nowhere"});
    const auto bitmaps = platform.callsNamed("showBitmap");
    ASSERT_EQ(bitmaps.size(), 4u);
    for (const auto& call : bitmaps) {
        EXPECT_EQ(call.numbers[2], 0) << call.toString();
        EXPECT_EQ(pathOf(call.texts[0]).parent_path().parent_path().filename(),
                  directory().filename());
    }
    EXPECT_EQ(platform.palette(), HomePalette);
}

TEST_F(ProgramDirectoryTest, APictureInTheProgramDirectoryIsPreferred) {
    std::filesystem::create_directories(file("Bitmap"));
    std::filesystem::copy_file(buildDataFolder() / "Bitmap" / "Parede.bmp",
                               file("Bitmap") / "Parede.bmp");
    auto shell = startedShell();
    const auto bitmaps = platform.callsNamed("showBitmap");
    ASSERT_EQ(bitmaps.size(), 4u);
    EXPECT_EQ(std::filesystem::canonical(pathOf(bitmaps[1].texts[0])),
              std::filesystem::canonical(file("Bitmap") / "Parede.bmp"));
    EXPECT_EQ(pathOf(bitmaps[0].texts[0]), buildDataFolder() / "Bitmap" / "Cilindro.bmp");
}

// ----------------------------------------------------------- the idle loop

TEST_F(ProgramDirectoryTest, TheIdleLoopPausesAndWaitsWithoutARequest) {
    auto shell = startedShell();
    int runs = 0;
    shell->setRunEntry([&] { ++runs; });
    platform.clearRecords();
    EXPECT_FALSE(shell->idleStep());
    EXPECT_EQ(runs, 0);
    ASSERT_EQ(platform.calls().size(), 1u);
    EXPECT_EQ(platform.calls()[0].toString(), "pause(100)");
}

TEST_F(ProgramDirectoryTest, BeginSimulationRunsOneSimulationAndTheRequestIsResetAfterIt) {
    auto shell = startedShell();
    std::vector<bool> requestDuringRun;
    shell->setRunEntry([&] { requestDuringRun.push_back(shell->state().runRequested()); });

    platform.chooseMenuItem(2, 1);
    EXPECT_TRUE(shell->state().runRequested());
    EXPECT_TRUE(requestDuringRun.empty());  // the command does not run it

    platform.clearRecords();
    int rounds = 0;
    shell->idleLoop([&] { return rounds++ < 3; });
    EXPECT_EQ(requestDuringRun, std::vector<bool>{true});
    EXPECT_FALSE(shell->state().runRequested());
    EXPECT_EQ(platform.callsNamed("pause").size(), 3u);
}

TEST_F(ProgramDirectoryTest, WithoutARunEntryTheRequestIsSimplyTaken) {
    auto shell = startedShell();
    platform.chooseMenuItem(2, 1);
    EXPECT_TRUE(shell->idleStep());
    EXPECT_FALSE(shell->state().runRequested());
}

}  // namespace
}  // namespace calorvia::shell::testing
