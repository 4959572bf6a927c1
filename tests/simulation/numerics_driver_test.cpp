#include "simulation/numerics_driver.h"

#include <gtest/gtest.h>

#include <cmath>

#include "simulation/case_loader.h"

namespace calorvia::simulation {
namespace {

// A steady wall of five volumes between 100 and 200 degrees, with K, Sp and
// the method of each row; passes made without a screen (no hooks).
struct Row {
    const char* K;
    const char* Sp;
    const char* method;  // 1 Gauss-Seidel, 2 Tab. LU
    bool iterates;
};

TEST(NumericsDriver, ASteadyStepRepeatsItsPassUntilTheMiddleNodeSettles) {
    for (const Row& row : {Row{"10", "0", " 2", false}, Row{"10+0.1*T", "0", " 2", true},
                           Row{"10", "3", " 2", true}, Row{"10", "0", " 1", false}}) {
        const CaseLoadResult result = loadCaseFromLines(
            {" 1", " 5", row.K, "0", row.Sp, " 1", row.method, " 1", " 100", " 1", " 200", " 0"});
        ASSERT_TRUE(result.ok());
        NumericsDriver driver;
        driver.startField(5, result.loaded->initialTemperature);
        driver.start(*result.loaded, 1.0E-8);
        ASSERT_EQ(driver.step({}), StepOutcome::Done) << row.K << " " << row.Sp;
        const TemperatureLevels& levels = driver.levels();
        EXPECT_EQ(driver.passesOfLastStep() > 1, row.iterates) << row.K << " " << row.Sp;
        if (row.iterates) {
            EXPECT_LE(std::abs(levels.Told[2] - levels.T[2]), 1.0E-8);
        }
    }
}

}  // namespace
}  // namespace calorvia::simulation
