// A case entered through the wizard is the case the run computes: File >
// New, then Begin Simulation, to the result files.

#include <gtest/gtest.h>

#include "entry_test_support.h"
#include "platform/dialog_templates.h"
#include "run/simulation_run.h"

namespace calorvia::entry::testing {
namespace {

class CaseRunsTest : public EntryTest {};

TEST_F(CaseRunsTest, ASteadyCaseEnteredInTheWizardRunsToItsResultFiles) {
    GeneralEntries entries;
    entries.N = "5";
    scriptSteadyCase(entries, temperature("100"), temperature("200"));
    platform.expectSaveFile(dataFile("wall.txt").string());
    chooseNew();
    platform.verifyScriptDone();
    ASSERT_EQ(runState(), shell::RunState::CaseLoaded);

    // Begin Simulation: the graph's scale as proposed, no look at the files.
    platform.expectDialog(platform::scale_dialog::kTemplate).press(kButtonForward);
    platform.expectMessageBox(kAnswerNo,
                              std::string(shell->text(texts::Text::InspectFilesQuestion)));
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

}  // namespace
}  // namespace calorvia::entry::testing
