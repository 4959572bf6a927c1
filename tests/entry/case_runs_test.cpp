// A case entered through the wizard is the case the run computes: File >
// New, then Begin Simulation, to the result files.

#include <gtest/gtest.h>

#include <map>

#include "entry_test_support.h"
#include "platform/dialog_templates.h"
#include "run/simulation_run.h"
#include "texts/entry_texts.h"
#include "texts/result_file_names.h"
#include "texts/run_texts.h"

namespace calorvia::entry::testing {
namespace {

class CaseRunsTest : public EntryTest {
protected:
    // Begin Simulation: the graph's scale as proposed, no look at the files.
    void scriptBeginSimulation() {
        platform.expectDialog(platform::scale_dialog::kTemplate).press(kButtonForward);
        platform.expectMessageBox(kAnswerNo,
                                  std::string(shell->text(texts::RunText::InspectFilesQuestion)));
    }
};

TEST_F(CaseRunsTest, ASteadyCaseEnteredInTheWizardRunsToItsResultFiles) {
    scriptCase({.N = "5"}, temperature("100"), temperature("200"));
    platform.expectSaveFile(dataFile("wall.txt").string());
    playNew();
    ASSERT_EQ(runState(), shell::RunState::CaseLoaded);

    scriptBeginSimulation();
    run::SimulationRun run(platform, *shell);
    ASSERT_EQ(run.run(), run::RunOutcome::Finished);
    platform.verifyScriptDone();

    // Conduction without a source is linear between the boundary values, and
    // the scheme is exact at the volume centres.
    for (int i = 1; i <= 5; ++i) {
        EXPECT_NEAR(run.temperatures()[static_cast<std::size_t>(i)], 100.0 + 100.0 * (i - 0.5) / 5,
                    1e-9)
            << "volume " << i;
    }
    EXPECT_TRUE(fileExists(file("Steady.txt")));
    EXPECT_TRUE(fileExists(file("Flux.txt")));
    EXPECT_EQ(runState(), shell::RunState::Finished);
}

// The end-of-run files of the current run, by name.
std::map<std::string, std::string> endOfRunFiles(const std::filesystem::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto file : {texts::ResultFile::Steady, texts::ResultFile::Data,
                            texts::ResultFile::Flux, texts::ResultFile::FluxPosition}) {
        const std::string name(texts::resultFileName(file, texts::Language::English));
        files[name] = readFile(folder / name).value_or("(missing)");
    }
    return files;
}

// A solid cylinder with uniform generation, entered, run, reopened with
// File > Open and run again: the same files, which give radii under the
// heading "Radius r", and a profile drawn along r.
TEST_F(CaseRunsTest, ARadialCaseSavedReopenedAndRunGivesTheSameFiles) {
    general(
        {.Lx = "0,5", .N = "5", .Sc = "100", .geometry = simulation::Geometry::Cylinder, .ri = "0"})
        .press(kButtonForward);
    east(temperature("20")).press(kButtonForward);
    platform.expectSaveFile(dataFile("rod.txt").string());
    playNew();
    ASSERT_EQ(runState(), shell::RunState::CaseLoaded);

    const auto runOnce = [this] {
        scriptBeginSimulation();
        run::SimulationRun run(platform, *shell);
        EXPECT_EQ(run.run(), run::RunOutcome::Finished);
        platform.verifyScriptDone();
        return endOfRunFiles(directory());
    };
    const auto first = runOnce();
    bool alongR = false;
    for (const auto& text : platform.texts()) alongR = alongR || text.text == "r";
    EXPECT_TRUE(alongR) << "the horizontal axis is the radius";

    // T = 20 + Sc·(R² − r²)/(4K) at the surface R = 0.5: 26.25 at the axis.
    const std::string& steady = first.at("Steady.txt");
    EXPECT_NE(steady.find("Radius r         Temperature"), std::string::npos);
    EXPECT_NE(steady.find("     0.00000        26."), std::string::npos) << steady;
    EXPECT_NE(steady.find("     0.50000        20.0000000"), std::string::npos) << steady;
    EXPECT_NE(first.at("Flux_x_Position.txt").find("Radius r            Flux"), std::string::npos);

    expectQuestion(kAnswerYes, std::string(shell->text(texts::EntryText::CloseSimulationQuestion)));
    platform.expectOpenFile(dataFile("rod.txt").string());
    platform.expectDialog(g::kTemplate).press(kButtonForward);
    platform.expectDialog(b::kEastTemplate).press(kButtonForward);
    playOpen();
    ASSERT_EQ(runState(), shell::RunState::CaseLoaded);
    EXPECT_EQ(runOnce(), first);
}

}  // namespace
}  // namespace calorvia::entry::testing
