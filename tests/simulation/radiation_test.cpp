// A radiating face, ε·σ·(Tsur⁴ − Tb⁴), linearised pass by pass.

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "simulation/case_loader.h"
#include "simulation/numerics_driver.h"

namespace calorvia::simulation {
namespace {

struct SteadyRun {
    StepOutcome outcome;
    ProfileEnds ends;
    EnergyBalance balance;
    std::int32_t passes;
};

SteadyRun runSteady(const std::vector<std::string>& lines) {
    const CaseLoadResult result = loadCaseFromLines(lines);
    EXPECT_TRUE(result.ok());
    if (!result.ok()) return {StepOutcome::Cancelled, {}, {}, 0};
    NumericsDriver driver;
    driver.startField(result.loaded->simulationCase.N, result.loaded->initialTemperature);
    driver.start(*result.loaded, 1.0E-8);
    const StepOutcome outcome = driver.step({});
    return {outcome, driver.updateBoundaryTemperatures(), driver.energyBalance(),
            driver.passesOfLastStep()};
}

// A plane wall of K = 1 W/(m·K), 0.1 m thick, held at 600 K on the west;
// its east face radiates (ε = 0.8) to surroundings at 300 K. With a
// constant K and no source the profile is a straight line, so the face
// temperature solves K·(600 − Tb)/Lx = ε·σ·(Tb⁴ − Tsur⁴), found here by
// bisection between Tsur and 600 K.
TEST(Radiation, TheFaceTemperatureOfAWallAgreesWithBisection) {
    const double K = 1.0, Lx = 0.1, eps = 0.8, Tsur = 300.0;
    const auto residual = [&](double Tb) {
        return K * (600.0 - Tb) / Lx -
               eps * StefanBoltzmann * (std::pow(Tb, 4) - std::pow(Tsur, 4));
    };
    double low = Tsur, high = 600.0;
    for (int i = 0; i < 200; ++i) {
        const double middle = 0.5 * (low + high);
        (residual(middle) > 0.0 ? low : high) = middle;
    }
    const SteadyRun run = runSteady(
        {" 0.1", " 40", "1", "0", "0", " 1", " 2", " 1", " 600", " 4", " 0.8", " 300", " 0"});
    ASSERT_EQ(run.outcome, StepOutcome::Done);
    EXPECT_GT(run.passes, 2) << "a radiating face makes the steady case iterate";
    EXPECT_NEAR(run.ends.east, 0.5 * (low + high), 1.0E-4);
    EXPECT_TRUE(run.balance.balanced(LinearBalanceLimit)) << run.balance.relativeResidual();
}

// Either end, every body, a source: the iteration settles and the heat
// radiated balances the heat generated and conducted.
struct BodyCase {
    std::string name;
    std::vector<std::string> lines;
};

void PrintTo(const BodyCase& c, std::ostream* out) {
    *out << c.name;
}

class RadiatingBody : public ::testing::TestWithParam<BodyCase> {};

TEST_P(RadiatingBody, SettlesAndBalances) {
    const SteadyRun run = runSteady(GetParam().lines);
    ASSERT_EQ(run.outcome, StepOutcome::Done);
    EXPECT_TRUE(run.balance.balanced(LinearBalanceLimit)) << run.balance.relativeResidual();
    EXPECT_GT(run.ends.west, 0.0);
    EXPECT_GT(run.ends.east, 0.0);
}

INSTANTIATE_TEST_SUITE_P(
    Ends, RadiatingBody,
    ::testing::Values(BodyCase{"PlaneWest",
                               {" 0.05", " 20", "15", "2e5", "0", " 1", " 2", " 4", " 0.6", " 350",
                                " 1", " 400", " 0"}},
                      BodyCase{"CylinderOuter",
                               {" 0.02", " 20", "15", "2e5", "0", " 1", " 2", " 1", " 500", " 4",
                                " 0.9", " 300", " 0", "cylinder 0.01"}},
                      BodyCase{"SolidSphereOuter",
                               {" 0.03", " 20", "40", "1e6", "0", " 1", " 2", " 2", " 0", " 4",
                                " 1", " 290", " 0", "sphere 0"}},
                      BodyCase{"ShellInnerFace",
                               {" 0.02", " 20", "15", "0", "0", " 1", " 2", " 4", " 0.5", " 900",
                                " 1", " 400", " 0", "sphere 0.05"}}),
    [](const ::testing::TestParamInfo<BodyCase>& row) { return row.param.name; });

// Temperatures typed in Celsius: the west face at −50 pulls the radiating
// face below 0 K, and the run stops instead of linearising about it.
TEST(Radiation, AFaceBelowZeroKelvinStopsTheRun) {
    const SteadyRun run =
        runSteady({" 1", " 10", "1", "0", "0", " 1", " 2", " 1", " -50", " 4", " 1", " 10", " 0"});
    EXPECT_EQ(run.outcome, StepOutcome::RadiatingFaceNotPositive);
}

}  // namespace
}  // namespace calorvia::simulation
