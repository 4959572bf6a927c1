// The per-pass stages before assembly: grid positions, property evaluation,
// source linearisation, scheme choice; and the boundary temperatures after a
// step.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "interpreter/interpreter.h"
#include "simulation/boundary_condition.h"
#include "simulation/control_volume_grid.h"
#include "simulation/property_evaluation.h"
#include "simulation/scheme_choice.h"
#include "simulation/simulation_case.h"
#include "simulation/source_linearisation.h"

namespace calorvia::simulation {
namespace {

// ---------------------------------------------------------------------------
// Grid

TEST(ControlVolumeGrid, DisplayPositionsRunFromFaceToFaceThroughAccumulatedCentres) {
    for (const auto& [Lx, N] : {std::pair{1.0, 3}, std::pair{0.1, 1000}, std::pair{2.7, 7}}) {
        const ControlVolumeGrid grid(Lx, N);
        const std::vector<float> p = grid.displayPositions();
        ASSERT_EQ(p.size(), static_cast<std::size_t>(N) + 2);
        EXPECT_EQ(p.front(), 0.0f);
        EXPECT_EQ(p.back(), static_cast<float>(Lx));
        EXPECT_EQ(p[1], static_cast<float>(grid.dx / 2.0));
        // Each centre is the single-precision sum of the previous one and dx.
        for (std::int32_t i = 2; i <= N; ++i) {
            const auto k = static_cast<std::size_t>(i);
            EXPECT_EQ(p[k], static_cast<float>(static_cast<double>(p[k - 1]) + grid.dx)) << i;
        }
    }
}

TEST(ControlVolumeGrid, AccumulatedCentresDriftFromTheExactOnesInSinglePrecision) {
    const ControlVolumeGrid grid(0.1, 1000);
    const std::vector<float> p = grid.displayPositions();
    int differing = 0;
    for (std::int32_t i = 1; i <= grid.N; ++i) {
        if (p[static_cast<std::size_t>(i)] != static_cast<float>(grid.centre(i))) ++differing;
    }
    EXPECT_GT(differing, 0);
}

TEST(TemperatureLevels, StartFromTheInitialFieldAndCopyAtEveryPass) {
    TemperatureLevels levels(3);
    levels.start({5.0, 6.0, 7.0});
    EXPECT_EQ(levels.TbW, 5.0);
    EXPECT_EQ(levels.TbE, 7.0);
    levels.T[2] = 42.0;
    levels.startPass();
    EXPECT_EQ(levels.Told, levels.T);
    EXPECT_EQ(levels.Tsweep, levels.T);
}

// ---------------------------------------------------------------------------
// Property evaluation

PropertyExpression constant(double value) {
    PropertyExpression p;
    p.text = std::to_string(value);
    p.constant = value;
    return p;
}

PropertyExpression formula(std::string text) {
    PropertyExpression p;
    p.text = std::move(text);
    p.isFormula = true;
    return p;
}

SimulationCase caseWith(std::int32_t N) {
    SimulationCase c;
    c.N = N;
    c.Lx = 1.0;
    c.K = constant(2.0);
    c.Rho = constant(3.0);
    c.Cp = constant(4.0);
    c.Sc = constant(5.0);
    c.Sp = constant(-6.0);
    return c;
}

TEST(PropertyEvaluation, CopiesConstantsAndEvaluatesFormulasAtEveryVolumeTemperature) {
    SimulationCase c = caseWith(3);
    c.K = formula("1+z/100");
    c.Sp = formula("-z*z");
    const NodeArray T{0.0, 300.0, 350.0, 400.0};
    VolumeProperties p(3);
    interpreter::Interpreter engine;
    const EvaluationResult result = evaluateProperties(c, T, engine, p);
    EXPECT_EQ(result.outcome, EvaluationOutcome::Completed);
    EXPECT_EQ(p.K, (NodeArray{0.0, 4.0, 4.5, 5.0}));
    EXPECT_EQ(p.Rho, (NodeArray{0.0, 3.0, 3.0, 3.0}));
    EXPECT_EQ(p.Cp, (NodeArray{0.0, 4.0, 4.0, 4.0}));
    EXPECT_EQ(p.Sc, (NodeArray{0.0, 5.0, 5.0, 5.0}));
    EXPECT_EQ(p.Sp, (NodeArray{0.0, -90000.0, -122500.0, -160000.0}));
    EXPECT_TRUE(engine.codes().empty()) << "the formula was not released";
}

struct StopRow {
    std::string name;
    std::int32_t stopAtCheck;  // the n-th evaluation is followed by the stop
    bool numeric;              // numeric failure (else a cancel request)
    EvaluationOutcome outcome;
    std::int32_t volume;
    // Which arrays hold values afterwards (all five are formulas of T, N = 3,
    // evaluated in the order K, Rho, Cp, Sc, Sp).
    std::vector<std::int32_t> filledCounts;
};

void PrintTo(const StopRow& row, std::ostream* os) {
    *os << row.name;
}

class PropertyEvaluationStops : public ::testing::TestWithParam<StopRow> {};

TEST_P(PropertyEvaluationStops, AtTheFirstFailedCheckAndReleasesTheFormula) {
    const StopRow row = GetParam();
    SimulationCase c = caseWith(3);
    c.K = formula("z+1");
    c.Rho = formula("z+2");
    c.Cp = formula("z+3");
    c.Sc = formula("z+4");
    c.Sp = formula("z+5");
    const NodeArray T{0.0, 10.0, 20.0, 30.0};
    VolumeProperties p(3);
    interpreter::Interpreter engine;
    std::int32_t checks = 0;
    std::int32_t failureChecks = 0;
    EvaluationChecks hooks;
    hooks.numericFailure = [&] { return row.numeric && ++failureChecks == row.stopAtCheck; };
    hooks.cancelRequested = [&] { return !row.numeric && ++checks == row.stopAtCheck; };
    const EvaluationResult result = evaluateProperties(c, T, engine, p, hooks);
    EXPECT_EQ(result.outcome, row.outcome);
    EXPECT_EQ(result.volume, row.volume);
    EXPECT_TRUE(engine.codes().empty()) << "the formula was not released";
    const std::vector<const NodeArray*> arrays{&p.K, &p.Rho, &p.Cp, &p.Sc, &p.Sp};
    for (std::size_t a = 0; a < arrays.size(); ++a) {
        std::int32_t filled = 0;
        for (std::size_t i = 1; i <= 3; ++i) {
            if ((*arrays[a])[i] == T[i] + static_cast<double>(a + 1)) ++filled;
        }
        EXPECT_EQ(filled, row.filledCounts[a]) << "property " << a;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Checks, PropertyEvaluationStops,
    ::testing::Values(
        StopRow{"CancelAtFirstVolume", 1, false, EvaluationOutcome::Cancelled, 1, {1, 0, 0, 0, 0}},
        StopRow{"CancelInRho", 5, false, EvaluationOutcome::Cancelled, 2, {3, 2, 0, 0, 0}},
        StopRow{
            "CancelAtLastEvaluation", 15, false, EvaluationOutcome::Cancelled, 3, {3, 3, 3, 3, 3}},
        StopRow{
            "NumericFailureInSc", 11, true, EvaluationOutcome::NumericFailure, 2, {3, 3, 3, 2, 0}},
        StopRow{"NoStop", 99, false, EvaluationOutcome::Completed, 0, {3, 3, 3, 3, 3}}),
    [](const ::testing::TestParamInfo<StopRow>& row) { return row.param.name; });

TEST(PropertyEvaluation, ANumericFailureIsSeenBeforeACancelRequest) {
    SimulationCase c = caseWith(3);
    c.Cp = formula("z");
    VolumeProperties p(3);
    interpreter::Interpreter engine;
    const EvaluationResult result = evaluateProperties(c, NodeArray{0, 1, 2, 3}, engine, p,
                                                       {[] { return true; }, [] { return true; }});
    EXPECT_EQ(result.outcome, EvaluationOutcome::NumericFailure);
    EXPECT_EQ(result.volume, 1);
}

TEST(PropertyEvaluation, TheMathLibraryHookStopsTheEvaluationAtTheFailingVolume) {
    SimulationCase c = caseWith(4);
    c.K = formula("log(z)");
    VolumeProperties p(4);
    bool numericError = false;
    interpreter::Interpreter engine(
        [&](std::string_view, interpreter::MathErrorKind) { numericError = true; });
    EvaluationChecks hooks;
    hooks.numericFailure = [&] { return numericError; };
    const EvaluationResult result =
        evaluateProperties(c, NodeArray{0.0, 1.0, 2.0, 0.0, 3.0}, engine, p, hooks);
    EXPECT_EQ(result.outcome, EvaluationOutcome::NumericFailure);
    EXPECT_EQ(result.volume, 3);
    EXPECT_TRUE(engine.codes().empty());
}

TEST(PropertyEvaluation, AFormulaThatDoesNotCompileIsReported) {
    SimulationCase c = caseWith(3);
    c.Rho = formula("z+*");
    VolumeProperties p(3);
    interpreter::Interpreter engine;
    const EvaluationResult result = evaluateProperties(c, NodeArray{0, 1, 2, 3}, engine, p);
    EXPECT_EQ(result.outcome, EvaluationOutcome::FormulaRejected);
    EXPECT_EQ(p.K[3], 2.0);  // K came first and is complete
    EXPECT_EQ(p.Cp[1], 0.0);
    EXPECT_TRUE(engine.codes().empty());
}

// ---------------------------------------------------------------------------
// Source linearisation

struct LinearisationRow {
    std::string name;
    NodeArray Sp;  // N = 5
    bool applied;
};

void PrintTo(const LinearisationRow& row, std::ostream* os) {
    *os << row.name;
}

class SourceLinearisation : public ::testing::TestWithParam<LinearisationRow> {};

TEST_P(SourceLinearisation, LooksAtTheFirstSecondAndLastVolumesOnly) {
    const LinearisationRow row = GetParam();
    VolumeProperties p(5);
    p.Sp = row.Sp;
    p.Sc = {0.0, 1.0, -2.0, 3.0, 0.5, 8.0};
    const NodeArray T{0.0, 10.0, 20.0, 30.0, 40.0, 50.0};
    bool appliedInRun = false;
    EXPECT_EQ(lineariseSource(5, T, p, appliedInRun), row.applied);
    EXPECT_EQ(appliedInRun, row.applied);
    for (std::size_t i = 1; i <= 5; ++i) {
        // The linearised source equals S = Sp·T + Sc at the current temperature ...
        EXPECT_DOUBLE_EQ(p.ScPrime[i] + p.Sp[i] * T[i], row.Sp[i] * T[i] + p.Sc[i]) << i;
        if (row.applied) {
            // ... with the slope mirrored to -Sp, never positive where Sp was positive.
            EXPECT_EQ(p.Sp[i], -row.Sp[i]) << i;
        } else {
            EXPECT_EQ(p.Sp[i], row.Sp[i]) << i;
            EXPECT_EQ(p.ScPrime[i], p.Sc[i]) << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, SourceLinearisation,
    ::testing::Values(LinearisationRow{"AllNegative", {0, -1, -2, -3, -4, -5}, false},
                      LinearisationRow{"AllZero", {0, 0, 0, 0, 0, 0}, false},
                      LinearisationRow{"FirstPositive", {0, 0.5, -1, -1, -1, -1}, true},
                      LinearisationRow{"SecondAlonePositive", {0, -1, 0.25, -1, -1, -1}, true},
                      LinearisationRow{"LastPositive", {0, -1, -1, -1, -1, 2}, true},
                      LinearisationRow{"ThirdAlonePositive", {0, -1, -1, 4, -1, -1}, false},
                      LinearisationRow{"FourthAlonePositive", {0, 0, 0, 0, 4, 0}, false},
                      LinearisationRow{"MixedSignsAllLinearised", {0, 1, -2, 3, -4, 5}, true}),
    [](const ::testing::TestParamInfo<LinearisationRow>& row) { return row.param.name; });

TEST(SourceLinearisation, TheRunFlagStaysSetOnLaterPassesWithoutLinearisation) {
    VolumeProperties p(3);
    const NodeArray T{0.0, 1.0, 2.0, 3.0};
    bool appliedInRun = false;
    p.Sp = {0, 1, 1, 1};
    EXPECT_TRUE(lineariseSource(3, T, p, appliedInRun));
    p.Sp = {0, -1, -1, -1};
    EXPECT_FALSE(lineariseSource(3, T, p, appliedInRun));
    EXPECT_TRUE(appliedInRun);
}

// ---------------------------------------------------------------------------
// Scheme choice

struct DialogCall {
    float Pe;
    ConvectionScheme preselected;
    std::string line;
};

struct SchemeRow {
    std::string name;
    double u;
    double Rho1;
    double K1;
    double dx;
    std::optional<ConvectionScheme> preselected;  // nothing: no dialog
    std::string line;
};

void PrintTo(const SchemeRow& row, std::ostream* os) {
    *os << row.name;
}

class SchemeChoice : public ::testing::TestWithParam<SchemeRow> {};

TEST_P(SchemeChoice, AsksOnlyForFlowAndPreselectsByThePecletNumber) {
    const SchemeRow row = GetParam();
    VolumeProperties p(3);
    p.Rho[1] = row.Rho1;
    p.Cp[1] = 1.0;
    p.K[1] = row.K1;
    std::vector<DialogCall> calls;
    const SchemeDialog dialog = [&](float Pe, ConvectionScheme preselected, std::string_view line) {
        calls.push_back({Pe, preselected, std::string(line)});
        return preselected;
    };
    SchemeState state;
    EXPECT_TRUE(chooseScheme(row.u, p, row.dx, dialog, state));
    EXPECT_TRUE(state.chosen);
    if (!row.preselected) {
        EXPECT_TRUE(calls.empty());
        EXPECT_EQ(state.scheme, ConvectionScheme::CDS);
        return;
    }
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].preselected, *row.preselected);
    EXPECT_EQ(calls[0].line, row.line);
    EXPECT_EQ(state.scheme, *row.preselected);
    EXPECT_EQ(state.Pe, calls[0].Pe);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, SchemeChoice,
    ::testing::Values(SchemeRow{"NegativeVelocity", -2.0, 1.0, 1.0, 1.0, std::nullopt, ""},
                      SchemeRow{"ZeroVelocity", 0.0, 1.0, 1.0, 1.0, std::nullopt, ""},
                      // Pe = Rho·Cp·u/(K/dx) = 1·1·0.4/(1/1).
                      SchemeRow{"SmallPeclet", 0.4, 1.0, 1.0, 1.0, ConvectionScheme::CDS,
                                "    0.4000  <= Peclet"},
                      SchemeRow{"ExactlyOneAndAHalf", 1.0, 1.5, 1.0, 1.0, ConvectionScheme::Upwind,
                                "    1.5000  <= Peclet"},
                      SchemeRow{"JustBelow", 1.0, 1.4999, 1.0, 1.0, ConvectionScheme::CDS,
                                "    1.4999  <= Peclet"},
                      // 1.49999999 is below 1.5 in double precision but is 1.5 in single.
                      SchemeRow{"RoundsToOneAndAHalfInSingle", 1.0, 1.49999999, 1.0, 1.0,
                                ConvectionScheme::Upwind, "    1.5000  <= Peclet"},
                      // dx enters through the conductance K/dx: 2·1·1/(4/0.5) = 0.25.
                      SchemeRow{"WidthOfTheVolume", 1.0, 2.0, 4.0, 0.5, ConvectionScheme::CDS,
                                "    0.2500  <= Peclet"},
                      SchemeRow{"LargePeclet", 1.0, 12345.678, 1.0, 1.0, ConvectionScheme::Upwind,
                                "12345.6777  <= Peclet"}),
    [](const ::testing::TestParamInfo<SchemeRow>& row) { return row.param.name; });

TEST(SchemeChoice, TheUsersAnswerIsTakenAndTheChoiceIsMadeOncePerRun) {
    VolumeProperties p(3);
    p.Rho[1] = p.Cp[1] = p.K[1] = 1.0;
    int calls = 0;
    const SchemeDialog dialog = [&](float, ConvectionScheme, std::string_view) {
        ++calls;
        return ConvectionScheme::Upwind;  // overrides the preselected CDS (Pe = 0.1)
    };
    SchemeState state;
    EXPECT_TRUE(chooseScheme(0.1, p, 1.0, dialog, state));
    EXPECT_EQ(state.scheme, ConvectionScheme::Upwind);
    EXPECT_FALSE(chooseScheme(0.1, p, 1.0, dialog, state));
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(state.scheme, ConvectionScheme::Upwind);
}

// ---------------------------------------------------------------------------
// Boundary temperatures

TEST(BoundaryTemperatures, APrescribedTemperatureIsDrawnButNotStored) {
    const ControlVolumeGrid grid(1.0, 4);
    TemperatureLevels levels(4);
    levels.T = {0, 10, 20, 30, 40};
    levels.TbW = -1.0;
    levels.TbE = -2.0;
    BoundaryCondition west;
    west.type = BoundaryType::Temperature;
    west.T = 5.0;
    BoundaryCondition east = west;
    east.T = 45.0;
    const ProfileEnds ends =
        updateBoundaryTemperatures(grid, NodeArray(5, 1.0), west, east, levels);
    EXPECT_EQ(ends.west, 5.0);
    EXPECT_EQ(ends.east, 45.0);
    EXPECT_EQ(levels.TbW, -1.0);
    EXPECT_EQ(levels.TbE, -2.0);
}

// The flux through the half volume, (2K/dx)·(Tb - T_node), equals the
// prescribed flux or the convective flux h·(Tinf - Tb).
TEST(BoundaryTemperatures, CarryTheBoundaryFluxThroughTheHalfVolume) {
    const ControlVolumeGrid grid(2.0, 4);  // dx = 0.5
    const NodeArray K{0.0, 3.0, 1.0, 1.0, 0.25};
    for (BoundaryType type : {BoundaryType::Flux, BoundaryType::Convection}) {
        TemperatureLevels levels(4);
        levels.T = {0, 80, 60, 40, 20};
        BoundaryCondition west;
        west.type = type;
        BoundaryCondition east = west;
        if (type == BoundaryType::Flux) {
            west.Phi = 120.0;
            east.Phi = -7.0;
        } else {
            west.h = 10.0;
            west.Tinf = 300.0;
            east.h = 2.0;
            east.Tinf = -5.0;
        }
        const ProfileEnds ends = updateBoundaryTemperatures(grid, K, west, east, levels);
        EXPECT_EQ(ends.west, levels.TbW);
        EXPECT_EQ(ends.east, levels.TbE);
        const double westConduction = 2.0 * K[1] / grid.dx * (levels.TbW - levels.T[1]);
        const double eastConduction = 2.0 * K[4] / grid.dx * (levels.TbE - levels.T[4]);
        if (type == BoundaryType::Flux) {
            EXPECT_NEAR(westConduction, west.Phi, 1.0E-12);
            EXPECT_NEAR(eastConduction, east.Phi, 1.0E-12);
        } else {
            EXPECT_NEAR(westConduction, west.h * (west.Tinf - levels.TbW), 1.0E-11);
            EXPECT_NEAR(eastConduction, east.h * (east.Tinf - levels.TbE), 1.0E-11);
        }
    }
}

}  // namespace
}  // namespace calorvia::simulation
