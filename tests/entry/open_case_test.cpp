// File > Open: a saved case read back into the wizard, and the wizard
// rewriting it.

#include <gtest/gtest.h>

#include "entry_test_support.h"
#include "text/fixed_text.h"

namespace calorvia::entry::testing {
namespace {

using text::fitToWidth;

// A steady convective case with its transient block, as the wizard saves it.
std::string convectiveCase() {
    return lines({fitToWidth("2", 50), " 20", "1", "0", "0", " 1", " 1", "0", "1", "1",
                  fitToWidth("0.5", 50), " 1", " 10", " 1", fitToWidth("0", 50), " 1",
                  fitToWidth("1", 50), fitToWidth("0.5", 50)});
}

class OpenCaseTest : public EntryTest {
protected:
    // Opens `path` and presses forward through the steps before the east
    // one, the first with `typedN` typed into the N field when given; the
    // east step is the caller's.
    DialogScript& openToTheEastStep(const std::filesystem::path& path,
                                    const std::string& typedN = "") {
        platform.expectOpenFile(path.string());
        DialogScript& general = platform.expectDialog(g::kTemplate);
        if (!typedN.empty()) general.type(g::kNEdit, typedN);
        general.press(kButtonForward);
        for (const int step : {t::kTemplate, b::kWestTemplate}) {
            platform.expectDialog(step).press(kButtonForward);
        }
        return platform.expectDialog(b::kEastTemplate);
    }
};

TEST_F(OpenCaseTest, OpenFillsTheWizardAndOkRewritesBothFilesWithWhatWasTyped) {
    const std::string content = convectiveCase();
    writeFile(dataFile("convective.txt"), content);
    openToTheEastStep(dataFile("convective.txt")).press(kButtonForward);
    playOpen();

    const auto general = runsOf(g::kTemplate).at(0);
    EXPECT_EQ(general.atStart.at(g::kLxEdit).text, "2");
    EXPECT_EQ(general.atStart.at(g::kNEdit).text, "20");
    EXPECT_EQ(general.atStart.at(g::kUEdit).text, "0.5");
    EXPECT_TRUE(general.atStart.at(g::kSteadyRadio).on);
    EXPECT_TRUE(general.atStart.at(g::kGaussSidelCheck).on);
    EXPECT_EQ(runsOf(t::kTemplate).at(0).atStart.at(t::kNoEdit).text, "10");

    // No save dialog: the opened file is rewritten, and the working case.
    EXPECT_TRUE(platform.callsNamed("saveFileDialog").empty());
    EXPECT_EQ(readFile(dataFile("convective.txt")), content);
    EXPECT_EQ(readFile(file("Loaded.txt")),
              lines({" 2", " 20", "1", "0", "0", " 1", " 1", "0", "1", "1", " 0.5", " 1", " 10",
                     " 1", " 0", " 1", " 1", " 0.5"}));
    EXPECT_EQ(runState(), shell::RunState::CaseLoaded);
    EXPECT_EQ(commands->mode(), WizardMode::Edit);

    // Changes typed in the wizard reach the opened file.
    expectQuestion(kAnswerYes, "The loaded data will be closed. To continue the operation?");
    openToTheEastStep(dataFile("convective.txt"), "40").press(kButtonForward);
    playOpen();
    EXPECT_EQ(readFile(dataFile("convective.txt"))->substr(51, 4), " 40\n");
}

TEST_F(OpenCaseTest, WhenTheOpenedFilesFolderIsGoneAnotherPlaceIsOffered) {
    std::filesystem::create_directories(directory() / "usb");
    const std::filesystem::path opened = directory() / "usb" / "case.txt";
    writeFile(opened, convectiveCase());
    openToTheEastStep(opened)
        .inspect([&](platform::DialogHandle) { std::filesystem::remove_all(directory() / "usb"); })
        .press(kButtonForward);
    expectWarning("The case could not be written to \"" + opened.string() +
                  "\". Check that the folder exists and may be written to; the file that was "
                  "there is unchanged.");
    platform.expectSaveFile(dataFile("rescued.txt").string());
    playOpen();
    EXPECT_EQ(readFile(dataFile("rescued.txt")), convectiveCase());
    EXPECT_EQ(commands->currentCasePath(), dataFile("rescued.txt"));
    EXPECT_EQ(runState(), shell::RunState::CaseLoaded);
}

TEST_F(OpenCaseTest, ASavedFileWithoutItsVelocityLineOpensWithVelocityZero) {
    writeFile(dataFile("old.txt"), lines({fitToWidth("1", 50), " 10", "1", "0", "0", " 2", " 2",
                                          "0", "1", "1", fitToWidth("0.1", 50), " 5", " 3", " 1",
                                          fitToWidth("0", 50), " 1", fitToWidth("1", 50)}));
    platform.expectOpenFile(dataFile("old.txt").string());
    platform.expectDialog(g::kTemplate).press(kButtonCancel);
    playOpen();
    const auto general = runsOf(g::kTemplate).at(0);
    EXPECT_EQ(general.atStart.at(g::kUEdit).text, "0.0");
    EXPECT_TRUE(general.atStart.at(g::kUnsteadyRadio).on);
    EXPECT_FALSE(general.atStart.at(g::kGaussSidelCheck).on);
    EXPECT_EQ(commands->entry().Nst, "5");
}

// The open dialog is the one of the settings table; a missing file is
// reported and the dialog comes back with its name.
TEST_F(OpenCaseTest, TheOpenDialogComesBackAfterAMissingFile) {
    const std::string missing = dataFile("missing.txt").string();
    platform.expectOpenFile(missing);
    expectWarning("The file does not exist!");
    platform.expectOpenFile(std::nullopt);
    playOpen();
    const auto opens = platform.callsNamed("openFileDialog");
    ASSERT_EQ(opens.size(), 2u);
    EXPECT_EQ(opens[0].texts.at(0), "Open Data File");
    EXPECT_EQ(std::filesystem::path(opens[0].texts.at(1)), directory());
    EXPECT_EQ(opens[0].texts.at(2), " ");
    EXPECT_EQ(opens[0].texts.at(3), "txt");
    EXPECT_EQ(opens[1].texts.at(2), missing);
    // The start directory is current again afterwards.
    EXPECT_EQ(std::filesystem::current_path(), directory());
    EXPECT_EQ(runState(), shell::RunState::Idle);
}

// Which files are malformed is the reader's table (saved_case_reader_test.cpp);
// here what Open does with one.
TEST_F(OpenCaseTest, ABrokenSavedFileIsReportedAndTheWizardDoesNotStart) {
    const std::string content = " 1\n 10\n1\n0\n";  // ends early
    writeFile(dataFile("broken.txt"), content);
    writeFile(file("Loaded.txt"), "the loaded case\n");
    shell->state().caseLoaded();
    expectQuestion(kAnswerYes, "The loaded data will be closed. To continue the operation?");
    platform.expectOpenFile(dataFile("broken.txt").string());
    expectWarning("The file \"" + dataFile("broken.txt").string() +
                  "\" cannot be opened as a case: it ends before its data are complete or holds "
                  "text where a whole number belongs. Nothing was loaded.");
    playOpen();
    EXPECT_EQ(runState(), shell::RunState::Idle);
    EXPECT_FALSE(fileExists(file("Loaded.txt")));
    EXPECT_EQ(readFile(dataFile("broken.txt")), content) << "left as it was";
}

// Cancelled when nothing was loaded, Open draws nothing; declining to close
// a finished run changes nothing; cancelled after closing a loaded case, it
// redraws the geometry panel.
TEST_F(OpenCaseTest, CancellingOrDecliningChangesNothingButAClosedCase) {
    platform.expectOpenFile(std::nullopt);
    playOpen();
    EXPECT_TRUE(platform.callsNamed("showBitmap").empty());
    EXPECT_TRUE(platform.callsNamed("drawRectangle").empty());

    shell->state().runFinished();
    expectQuestion(kAnswerNo, "The current simulation will be ended. To continue the operation?");
    playOpen();
    EXPECT_EQ(runState(), shell::RunState::Finished);

    writeFile(file("Loaded.txt"), "the loaded case\n");
    shell->state().caseLoaded();
    expectQuestion(kAnswerYes, "The loaded data will be closed. To continue the operation?");
    platform.expectOpenFile(std::nullopt);
    playOpen();
    EXPECT_EQ(runState(), shell::RunState::Idle);
    EXPECT_FALSE(fileExists(file("Loaded.txt")));
    EXPECT_EQ(platform.callsNamed("showBitmap").size(), 3u);
}

}  // namespace
}  // namespace calorvia::entry::testing
