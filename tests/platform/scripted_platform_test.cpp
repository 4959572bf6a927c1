#include "support/scripted_platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/dialog_templates.h"
#include "support/program_folder.h"

namespace calorvia::platform {
namespace {

namespace b = boundary_step;

std::string contents(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class ScriptedPlatformTest : public ::testing::Test {
protected:
    std::string file(const std::string& name) const { return (directory_ / name).string(); }
    void write(const std::string& name, const std::string& text) {
        std::ofstream(directory_ / name) << text;
    }

    // Entered, as the program works in its own folder.
    calorvia::testing::TemporaryFolder folder_{calorvia::testing::TemporaryFolder::Current::Enter};
    const std::filesystem::path& directory_ = folder_.path();
    ScriptedPlatform platform_;
};

// ---- the script: anything unforeseen throws ---------------------------------

TEST_F(ScriptedPlatformTest, AMessageBoxNobodyScriptedThrows) {
    EXPECT_THROW(platform_.messageBox("Hello", "Attention", kMessageOk), ScriptError);
}

TEST_F(ScriptedPlatformTest, MessageBoxesAnswerInOrderAndAreRecorded) {
    platform_.expectMessageBox(kAnswerYes, "Continue?", "Attention", kMessageYesNo);
    platform_.expectMessageBox(kAnswerOk);
    EXPECT_EQ(platform_.messageBox("Continue?", "Attention", kMessageYesNo), kAnswerYes);
    EXPECT_EQ(platform_.messageBox("Done", "Atenção", kMessageOk), kAnswerOk);
    const auto boxes = platform_.callsNamed("messageBox");
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].texts, (std::vector<std::string>{"Done", "Atenção"}));
    EXPECT_EQ(boxes[1].numbers, (std::vector<std::int64_t>{kMessageOk, kAnswerOk}));
    EXPECT_NO_THROW(platform_.verifyScriptDone());
}

// A scripted user presses only buttons the box has: no Cancel in Yes/No.
TEST_F(ScriptedPlatformTest, AnAnswerTheBoxHasNoButtonForThrows) {
    platform_.expectMessageBox(kAnswerCancel);
    EXPECT_THROW(platform_.messageBox("Keep a copy?", "Attention", kMessageYesNo), ScriptError);
}

struct MessageMismatch {
    const char* name;
    const char* text;
    const char* title;
    int flags;
};

class MessageMismatchTest : public ::testing::TestWithParam<MessageMismatch> {};

TEST_P(MessageMismatchTest, ThrowsWhenTheBoxDiffersFromTheScript) {
    ScriptedPlatform platform;
    platform.expectMessageBox(kAnswerYes, "Continue?", "Attention", kMessageYesNo);
    const auto& asked = GetParam();
    EXPECT_THROW(platform.messageBox(asked.text, asked.title, asked.flags), ScriptError);
}

INSTANTIATE_TEST_SUITE_P(
    AnyField, MessageMismatchTest,
    ::testing::Values(MessageMismatch{"text", "Continue ?", "Attention", kMessageYesNo},
                      MessageMismatch{"title", "Continue?", "Atenção", kMessageYesNo},
                      MessageMismatch{"flags", "Continue?", "Attention", kMessageOk}),
    [](const auto& each) { return std::string(each.param.name); });

TEST_F(ScriptedPlatformTest, ARequestOfAnotherKindThanScriptedThrows) {
    platform_.expectDialog(112).press(kButtonOk);
    EXPECT_THROW(platform_.messageBox("x", "y", kMessageOk), ScriptError);

    ScriptedPlatform other;
    other.expectMessageBox(kAnswerOk);
    const auto dialog = other.createDialog(112);
    EXPECT_THROW(other.runDialog(dialog), ScriptError);
}

TEST_F(ScriptedPlatformTest, ADialogOfAnotherTemplateThanScriptedThrows) {
    platform_.expectDialog(111).press(kButtonOk);
    const auto dialog = platform_.createDialog(112);
    EXPECT_THROW(platform_.runDialog(dialog), ScriptError);
}

TEST_F(ScriptedPlatformTest, LeftoverScriptIsReported) {
    platform_.expectOpenFile(std::nullopt);
    EXPECT_THROW(platform_.verifyScriptDone(), ScriptError);
    EXPECT_EQ(platform_.pendingScriptEntries(), 1u);
}

// ---- dialogs ------------------------------------------------------------------------

TEST_F(ScriptedPlatformTest, UnknownTemplatesControlsAndReleasedDialogsThrow) {
    EXPECT_THROW(platform_.createDialog(107), ScriptError);
    const auto dialog = platform_.createDialog(112);
    EXPECT_THROW(platform_.setControlText(dialog, 4242, "x"), ScriptError);
    EXPECT_THROW(platform_.setControlState(dialog, scale_dialog::kTminEdit, true), ScriptError);
    platform_.releaseDialog(dialog);
    EXPECT_THROW(platform_.controlText(dialog, scale_dialog::kTminEdit), ScriptError);
}

TEST_F(ScriptedPlatformTest, ControlsStartWithTheTemplateCaptions) {
    const auto dialog = platform_.createDialog(112);
    EXPECT_EQ(platform_.controlText(dialog, scale_dialog::kTminLabel), "Tmin = ");
    EXPECT_EQ(platform_.controlText(dialog, scale_dialog::kTminEdit), "");
}

TEST_F(ScriptedPlatformTest, TheUsersEditsReachTheProgramAndTheButtonNumberIsReturned) {
    platform_.expectDialog(112).type(scale_dialog::kTminEdit, "12.5").press(kButtonOk);
    const auto dialog = platform_.createDialog(112);
    platform_.setControlText(dialog, scale_dialog::kTminEdit, "20");
    platform_.setControlText(dialog, scale_dialog::kTmaxEdit, "400");
    EXPECT_EQ(platform_.runDialog(dialog), kButtonOk);
    EXPECT_EQ(platform_.controlText(dialog, scale_dialog::kTminEdit), "12.5");
    EXPECT_EQ(platform_.controlText(dialog, scale_dialog::kTmaxEdit), "400");
    ASSERT_EQ(platform_.dialogRuns().size(), 1u);
    const auto& run = platform_.dialogRuns()[0];
    EXPECT_EQ(run.atStart.at(scale_dialog::kTminEdit).text, "20");
    EXPECT_EQ(run.atEnd.at(scale_dialog::kTminEdit).text, "12.5");
    EXPECT_EQ(run.result, kButtonOk);
}

TEST_F(ScriptedPlatformTest, EscapeReturnsCancel) {
    platform_.expectDialog(111).escape();
    EXPECT_EQ(platform_.runDialog(platform_.createDialog(111)), kButtonCancel);
}

TEST_F(ScriptedPlatformTest, RadioButtonsExcludeEachOtherAndCheckBoxesToggle) {
    namespace u = unsteady_graph_dialog;
    platform_.expectDialog(113)
        .click(u::kAverageRadio)
        .click(u::kExperimentalCheck)
        .click(u::kExperimentalCheck)
        .click(u::kExperimentalCheck)
        .press(kButtonOk);
    const auto dialog = platform_.createDialog(113);
    platform_.setControlState(dialog, u::kNodeRadio, true);
    EXPECT_TRUE(platform_.controlState(dialog, u::kNodeRadio));
    platform_.runDialog(dialog);
    EXPECT_FALSE(platform_.controlState(dialog, u::kNodeRadio));
    EXPECT_TRUE(platform_.controlState(dialog, u::kAverageRadio));
    EXPECT_TRUE(platform_.controlState(dialog, u::kExperimentalCheck));
}

// The boundary steps switch groups off while the user types; a routine runs
// on each edit, and a disabled edit cannot be typed into.
TEST_F(ScriptedPlatformTest, RoutinesRunOnTheUsersChangesAndDisabledControlsRefuseInput) {
    platform_.expectDialog(103).type(b::kTEdit, "100").type(b::kPhiEdit, "5").press(kButtonForward);
    const auto dialog = platform_.createDialog(103);
    int runs = 0;
    platform_.setControlRoutine(dialog, b::kTEdit, [&] {
        ++runs;
        const bool blank = platform_.controlText(dialog, b::kTEdit).empty();
        platform_.setControlEnabled(dialog, b::kPhiEdit, blank);
    });
    platform_.setControlText(dialog, b::kTEdit, "");  // the program's own change
    EXPECT_EQ(runs, 0);
    EXPECT_THROW(platform_.runDialog(dialog), ScriptError);
    EXPECT_EQ(runs, 1);
}

TEST_F(ScriptedPlatformTest, AButtonWithARoutineKeepsTheDialogOpen) {
    namespace g = general_step;
    platform_.expectDialog(101)
        .press(g::kSyntaxButton)
        .press(g::kSyntaxButton)
        .press(kButtonCancel);
    const auto dialog = platform_.createDialog(101);
    int syntax = 0;
    platform_.setControlRoutine(dialog, g::kSyntaxButton, [&] { ++syntax; });
    EXPECT_EQ(platform_.runDialog(dialog), kButtonCancel);
    EXPECT_EQ(syntax, 2);
}

TEST_F(ScriptedPlatformTest, ScriptsThatCloseTooEarlyOrNeverThrow) {
    platform_.expectDialog(112).press(kButtonOk).type(scale_dialog::kTminEdit, "1");
    EXPECT_THROW(platform_.runDialog(platform_.createDialog(112)), ScriptError);

    ScriptedPlatform other;
    other.expectDialog(112).type(scale_dialog::kTminEdit, "1");
    EXPECT_THROW(other.runDialog(other.createDialog(112)), ScriptError);
}

TEST_F(ScriptedPlatformTest, InspectSeesTheDialogAsTheUserFirstSeesIt) {
    std::string seen;
    platform_.expectDialog(112)
        .inspect([&](DialogHandle handle) {
            seen = platform_.controlText(handle, scale_dialog::kTmaxEdit);
        })
        .type(scale_dialog::kTmaxEdit, "99")
        .press(kButtonOk);
    const auto dialog = platform_.createDialog(112);
    platform_.setControlText(dialog, scale_dialog::kTmaxEdit, "400");
    platform_.runDialog(dialog);
    EXPECT_EQ(seen, "400");
}

// ---- menus ----------------------------------------------------------------------------

TEST_F(ScriptedPlatformTest, MenuItemsAreNumberedInOrderSeparatorsIncluded) {
    int chosen = 0;
    platform_.appendMenuItem(1, "&File", MenuItemKind::Enabled, {});
    platform_.appendMenuItem(1, "&New", MenuItemKind::Enabled, [&] { chosen = 1; });
    platform_.appendMenuItem(1, "", MenuItemKind::Separator, {});
    platform_.appendMenuItem(1, "&Open", MenuItemKind::Enabled, [&] { chosen = 3; });
    EXPECT_EQ(platform_.menuItemCount(1), 4);
    EXPECT_EQ(platform_.menuItemText(1, 3), "&Open");
    platform_.chooseMenuItem(1, 3);
    EXPECT_EQ(chosen, 3);
    EXPECT_THROW(platform_.chooseMenuItem(1, 2), ScriptError);  // separator
    EXPECT_THROW(platform_.chooseMenuItem(1, 0), ScriptError);  // title
    EXPECT_THROW(platform_.chooseMenuItem(1, 4), ScriptError);  // no such item
    EXPECT_THROW(platform_.appendMenuItem(6, "x", MenuItemKind::Enabled, {}), ScriptError);
}

TEST_F(ScriptedPlatformTest, GreyItemsAndGreyMenusCannotBeChosen) {
    int runs = 0;
    platform_.appendMenuItem(2, "&Simulation", MenuItemKind::Enabled, {});
    platform_.appendMenuItem(2, "&Begin Simulation", MenuItemKind::Enabled, [&] { ++runs; });
    platform_.setMenuItemEnabled(2, 0, false);
    EXPECT_THROW(platform_.chooseMenuItem(2, 1), ScriptError);
    platform_.setMenuItemEnabled(2, 0, true);
    platform_.setMenuItemEnabled(2, 1, false);
    EXPECT_THROW(platform_.chooseMenuItem(2, 1), ScriptError);
    platform_.setMenuItemEnabled(2, 1, true);
    platform_.chooseMenuItem(2, 1);
    EXPECT_EQ(runs, 1);
}

TEST_F(ScriptedPlatformTest, ACommandMayReplaceItselfWhileRunning) {
    std::vector<std::string> log;
    platform_.appendMenuItem(2, "&Simulation", MenuItemKind::Enabled, {});
    platform_.appendMenuItem(2, "&Begin Simulation", MenuItemKind::Enabled, [&] {
        log.push_back("begin");
        platform_.setMenuItemText(2, 1, "&Cancel Simulation");
        platform_.setMenuItemCommand(2, 1, [&] { log.push_back("cancel"); });
    });
    platform_.chooseMenuItem(2, 1);
    platform_.chooseMenuItem(2, 1);
    EXPECT_EQ(log, (std::vector<std::string>{"begin", "cancel"}));
    EXPECT_EQ(platform_.menuItemText(2, 1), "&Cancel Simulation");
    EXPECT_THROW(platform_.setMenuItemText(2, 9, "x"), ScriptError);
}

// ---- graphics -------------------------------------------------------------------------

TEST_F(ScriptedPlatformTest, LinesCarryTheColourInForceResolvedThroughThePalette) {
    Palette palette = kDefaultPalette;
    palette[9] = rgb(0, 0, 136);
    platform_.remapPalette(palette);
    platform_.setColorIndex(9);
    platform_.moveTo(10, 20);
    platform_.lineTo(30, 40);
    platform_.setColorRgb(0xFFF000);
    platform_.lineTo(50, 40);
    ASSERT_EQ(platform_.lines().size(), 2u);
    const auto& first = platform_.lines()[0];
    EXPECT_EQ((std::array{first.x1, first.y1, first.x2, first.y2}), (std::array{10, 20, 30, 40}));
    EXPECT_EQ(first.colour, (DrawnColour{9, 0x000088}));
    const auto& second = platform_.lines()[1];
    EXPECT_EQ((std::array{second.x1, second.y1}), (std::array{30, 40}));
    EXPECT_EQ(second.colour, (DrawnColour{-1, rgb(255, 240, 0)}));
    EXPECT_THROW(platform_.setColorIndex(16), ScriptError);
}

TEST_F(ScriptedPlatformTest, TextLandsAtTheCurrentPointInTheFontInForce) {
    platform_.refuseFont("t'Arial'h16");
    EXPECT_EQ(platform_.selectFont("t'Arial'h16"), -1);
    EXPECT_GE(platform_.selectFont("t'courier new'h16"), 0);
    platform_.moveTo(7, 8);
    platform_.outText("In 1.5  s");
    platform_.outText("again");
    ASSERT_EQ(platform_.texts().size(), 2u);
    EXPECT_EQ(platform_.texts()[0].text, "In 1.5  s");
    EXPECT_EQ(platform_.texts()[0].font, "t'courier new'h16");
    EXPECT_EQ((std::array{platform_.texts()[1].x, platform_.texts()[1].y}), (std::array{7, 8}));
}

TEST_F(ScriptedPlatformTest, FirstFontOfAListIsTheFirstAccepted) {
    const std::array<std::string_view, 3> fonts{"a", "b", "c"};
    platform_.refuseFont("a");
    EXPECT_EQ(selectFirstFont(platform_, fonts), 1);
    EXPECT_EQ(platform_.callsNamed("selectFont").size(), 2u);  // "c" never tried
    platform_.refuseAllFonts();
    EXPECT_EQ(selectFirstFont(platform_, fonts), -1);
}

TEST_F(ScriptedPlatformTest, BitmapsAreShownOnlyWhenTheFileExists) {
    write("Parede.bmp", "BM");
    EXPECT_TRUE(platform_.showBitmap(file("Parede.bmp"), 367, 40));
    EXPECT_FALSE(platform_.showBitmap(file("Esfera.bmp"), 320, 85));
}

// ---- shell and files ------------------------------------------------------------------

TEST_F(ScriptedPlatformTest, AWaitedForEditorActsOnTheRealFile) {
    write("Initial.txt", "300\n");
    platform_.expectEditor([](const std::string& path) { std::ofstream(path) << "350\n"; });
    platform_.editTextFile(file("Initial.txt"), true);
    EXPECT_EQ(contents(directory_ / "Initial.txt"), "350\n");
    platform_.editTextFile(file("Data.txt"), false);  // not waited for: no script needed
    EXPECT_EQ(platform_.callsNamed("editTextFile").size(), 2u);
    EXPECT_THROW(platform_.editTextFile(file("Data.txt"), true), ScriptError);
}

TEST_F(ScriptedPlatformTest, FileDialogsAnswerFromTheScriptAndRecordTheirSettings) {
    platform_.expectSaveFile(file("case.txt"));
    platform_.expectOpenFile(std::nullopt);
    const auto request = caseFileDialogRequest("Save Data File", file("Data"), "Untitled");
    const auto chosen = platform_.saveFileDialog(request);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->path, file("case.txt"));
    EXPECT_FALSE(platform_.openFileDialog(request).has_value());
    const auto saves = platform_.callsNamed("saveFileDialog");
    ASSERT_EQ(saves.size(), 1u);
    EXPECT_EQ(saves[0].texts[0], "Save Data File");
    EXPECT_EQ(saves[0].texts[2], "Untitled");
}

TEST_F(ScriptedPlatformTest, AnOpenDialogIsNotASaveDialog) {
    platform_.expectOpenFile(file("a.txt"));
    EXPECT_THROW(platform_.saveFileDialog(caseFileDialogRequest("Save", "", "Untitled")),
                 ScriptError);
}

TEST_F(ScriptedPlatformTest, PausesAdvanceTheScriptedClockWithoutWaiting) {
    platform_.setClock(10.0);
    platform_.pause(100);
    platform_.pause(50);
    EXPECT_DOUBLE_EQ(platform_.clockSeconds(), 10.15);
}

TEST(RgbTest, ComponentsRoundTrip) {
    for (const auto [r, g, bl] :
         {std::array<std::uint32_t, 3>{255, 240, 0}, std::array<std::uint32_t, 3>{0, 0, 136},
          std::array<std::uint32_t, 3>{160, 160, 160}}) {
        const Rgb colour = rgb(r, g, bl);
        EXPECT_EQ(redOf(colour), r);
        EXPECT_EQ(greenOf(colour), g);
        EXPECT_EQ(blueOf(colour), bl);
    }
    EXPECT_EQ(rgb(255, 240, 0), 0xFFF000u);
}

}  // namespace
}  // namespace calorvia::platform
