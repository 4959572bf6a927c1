#include "simulation/case_loader.h"

#include <gtest/gtest.h>

#include <fstream>

#include "interpreter/math_functions.h"
#include "support/program_folder.h"
#include "text/fixed_text.h"

namespace calorvia::simulation {
namespace {

using Lines = std::vector<std::string>;

// A steady conduction case without convection: no transient block.
Lines steadyCase() {
    return {" 1", " 5", "10", "0", "0", " 1", " 2", " 1", " 100", " 1", " 200", " 0"};
}

// An unsteady case with every kind of line, convection at the east end.
Lines unsteadyCase() {
    return {" 0.5",  " 10",  "0.5+0.01*T", "1000", "-2", " 2",  " 1",   "20*x",  "8000",
            "500",   " 0.1", " 40",        " 3",   " 2", " 150", " 3",   " 25",  " 30",
            " 0"};
}

CaseLoadResult load(const Lines& lines, const CaseLoadContext& context = {}) {
    return loadCaseFromLines(lines, context);
}

// The loaded case by value (the result is usually a temporary).
LoadedCase loaded(const CaseLoadResult& result) {
    EXPECT_TRUE(result.ok());
    return result.loaded.value_or(LoadedCase{});
}

TEST(CaseLoader, SteadyCaseWithoutVelocityHasNoTransientBlock) {
    const CaseLoadResult result = load(steadyCase());
    ASSERT_TRUE(result.ok());
    const LoadedCase& l = *result.loaded;
    const SimulationCase& c = l.simulationCase;
    EXPECT_EQ(c.Lx, 1.0);
    EXPECT_EQ(c.N, 5);
    EXPECT_EQ(c.K.constant, 10.0);
    EXPECT_FALSE(c.K.isFormula);
    EXPECT_EQ(c.state, CaseState::Steady);
    EXPECT_EQ(c.method, SolutionMethod::TabLU);
    EXPECT_EQ(c.Rho, PropertyExpression{});
    EXPECT_EQ(c.Cp, PropertyExpression{});
    EXPECT_EQ(c.Delt_t, 1.0);
    EXPECT_EQ(c.Nst, 1);
    EXPECT_EQ(l.stepsToMarch, 1);
    EXPECT_EQ(l.transientSwitch, 0.0f);
    EXPECT_EQ(l.initialTemperature, std::vector<double>(5, 1.0));
    EXPECT_EQ(l.outerIterationLimit, 0);
    EXPECT_EQ(c.west, (BoundaryCondition{BoundaryType::Temperature, 100.0, 0.0, 0.0, 0.0}));
    EXPECT_EQ(c.east, (BoundaryCondition{BoundaryType::Temperature, 200.0, 0.0, 0.0, 0.0}));
    EXPECT_EQ(c.u, 0.0);
}

TEST(CaseLoader, UnsteadyCaseReadsEveryField) {
    const CaseLoadResult result = load(unsteadyCase());
    ASSERT_TRUE(result.ok());
    const LoadedCase& l = *result.loaded;
    const SimulationCase& c = l.simulationCase;
    EXPECT_EQ(c.K.text, "0.5+0.01*z");
    EXPECT_TRUE(c.K.isFormula);
    EXPECT_EQ(c.Sc.constant, 1000.0);
    EXPECT_EQ(c.Sp.constant, -2.0);
    EXPECT_EQ(c.Ti.text, "20*x");
    EXPECT_TRUE(c.Ti.isFormula);
    EXPECT_EQ(c.Rho.constant, 8000.0);
    EXPECT_EQ(c.Cp.constant, 500.0);
    EXPECT_EQ(c.Delt_t, 0.1);
    EXPECT_EQ(c.Nst, 40);
    EXPECT_EQ(c.No, 3);
    EXPECT_EQ(l.stepsToMarch, 40);
    EXPECT_EQ(l.transientSwitch, 1.0f);
    EXPECT_EQ(l.outerIterationLimit, 0);
    EXPECT_EQ(l.stateInForce, CaseState::Unsteady);
    EXPECT_EQ(c.west, (BoundaryCondition{BoundaryType::Flux, 0.0, 150.0, 0.0, 0.0}));
    EXPECT_EQ(c.east, (BoundaryCondition{BoundaryType::Convection, 0.0, 0.0, 25.0, 30.0}));
}

TEST(CaseLoader, FormulaInitialTemperatureUsesSinglePrecisionAccumulatedCentres) {
    Lines lines = unsteadyCase();
    lines[0] = " 0.3";  // dx = 0.03 is not exact in binary: accumulation shows
    lines[1] = " 1000";
    lines[7] = "1000*X";
    const LoadedCase l = loaded(load(lines));
    ASSERT_EQ(l.initialTemperature.size(), 1000u);
    const double dx = 0.3 / 1000;
    float x = static_cast<float>(dx / 2);
    for (std::size_t i = 0; i < 1000; ++i) {
        EXPECT_EQ(l.initialTemperature[i], 1000.0 * static_cast<double>(x)) << "volume " << i + 1;
        x = static_cast<float>(static_cast<double>(x) + dx);
    }
    // The same field computed with exact centres differs somewhere.
    bool differs = false;
    for (std::size_t i = 0; i < 1000; ++i) {
        differs |= l.initialTemperature[i] != 1000.0 * (static_cast<double>(i) + 0.5) * dx;
    }
    EXPECT_TRUE(differs);
}

TEST(CaseLoader, ConstantInitialTemperatureFillsEveryVolume) {
    Lines lines = unsteadyCase();
    lines[7] = "  25,5";
    const LoadedCase l = loaded(load(lines));
    EXPECT_FALSE(l.simulationCase.Ti.isFormula);
    EXPECT_EQ(l.initialTemperature, std::vector<double>(10, 25.5));
}

TEST(CaseLoader, SteadyCaseWithVelocityReadsTheBlockThenNormalises) {
    Lines lines = unsteadyCase();
    lines[5] = " 1";         // steady
    lines[11] = " 1";        // Nst = 1 is fine for a steady case
    lines.back() = " 0.25";  // u > 0 brings the transient block
    const LoadedCase l = loaded(load(lines));
    const SimulationCase& c = l.simulationCase;
    EXPECT_EQ(c.Rho.constant, 8000.0);
    EXPECT_EQ(c.Cp.constant, 500.0);
    EXPECT_EQ(c.Ti.text, "20*x");
    EXPECT_EQ(c.No, 3);
    EXPECT_EQ(c.Delt_t, 1.0);
    EXPECT_EQ(c.Nst, 1);
    EXPECT_EQ(l.stepsToMarch, 1);
    EXPECT_EQ(l.transientSwitch, 0.0f);
    EXPECT_EQ(l.initialTemperature, std::vector<double>(10, 1.0));
    EXPECT_EQ(l.outerIterationLimit, 1000);  // Sp = -2 is not zero
    EXPECT_EQ(c.u, 0.25);
}

TEST(CaseLoader, OuterIterationLimitFollowsTheSourceSlope) {
    struct Case {
        const char* Sp;
        std::int32_t limit;
    };
    for (const Case& k : {Case{"0", 0}, Case{"0.0e5", 0}, Case{"-5", 1000}, Case{"3", 1000},
                          Case{"0.01*T", 1000}, Case{"2*3", 1000}}) {
        Lines lines = steadyCase();
        lines[4] = k.Sp;
        EXPECT_EQ(loaded(load(lines)).outerIterationLimit, k.limit) << k.Sp;
    }
}

TEST(CaseLoader, MissingVelocityLineMeansNoConvection) {
    Lines lines = unsteadyCase();
    lines.pop_back();
    const LoadedCase l = loaded(load(lines));
    EXPECT_EQ(l.simulationCase.u, 0.0);
    EXPECT_EQ(l.simulationCase.east.Tinf, 30.0);
}

TEST(CaseLoader, AFormulaTextBeforeTheLastLineDoesNotBringTheBlock) {
    Lines lines = steadyCase();
    lines[2] = "2+0.01*t";
    const LoadedCase l = loaded(load(lines));
    EXPECT_TRUE(l.simulationCase.K.isFormula);
    EXPECT_EQ(l.simulationCase.K.text, "2+0.01*z");
    EXPECT_EQ(l.simulationCase.west.T, 100.0);
}

TEST(CaseLoader, PropertyTextsAreNormalisedAndClassified) {
    struct Case {
        const char* typed;
        const char* text;
        bool isFormula;
        double constant;
    };
    const Case cases[] = {
        {"tan(t)", "tan(z)", true, 0.0},       {"sqrt(T)", "sqrt(z)", true, 0.0},
        {"2*3", "2*3", true, 0.0},             {"1.5", "1.5", false, 1.5},
        {"1,5", "1.5", false, 1.5},            {"2+3", "2+3", false, 2000.0},
        {"LN(T)", "log(z)", true, 0.0},        {"2*PI*T", "2*3.14159*z", true, 0.0},
        {"  7.25  ", "  7.25", false, 7.25},
    };
    for (const Case& k : cases) {
        Lines lines = steadyCase();
        lines[2] = k.typed;
        const CaseLoadResult result = load(lines);
        ASSERT_TRUE(result.ok()) << k.typed;
        const PropertyExpression& K = result.loaded->simulationCase.K;
        EXPECT_EQ(text::trimRight(K.text), k.text) << k.typed;
        EXPECT_EQ(K.isFormula, k.isFormula) << k.typed;
        EXPECT_EQ(K.constant, k.constant) << k.typed;
    }
}

TEST(CaseLoader, PositionVariableMarksOnlyTheInitialTemperatureAsFormula) {
    Lines lines = unsteadyCase();
    lines[2] = "x";  // K = x is a constant text that is not a number
    EXPECT_EQ(load(lines).failure, CaseLoadFailure::CorruptedFile);
    lines = unsteadyCase();
    lines[7] = "x";
    EXPECT_TRUE(loaded(load(lines)).simulationCase.Ti.isFormula);
    lines[7] = "T";  // T as Ti is a constant text that is not a number
    EXPECT_EQ(load(lines).failure, CaseLoadFailure::CorruptedFile);
}

TEST(CaseLoader, BoundaryTypesConsumeTheirValueLines) {
    struct Case {
        Lines boundaryLines;
        BoundaryCondition west;
        BoundaryCondition east;
    };
    const Case cases[] = {
        {{" 1", " 10", " 2", " -5"},
         {BoundaryType::Temperature, 10, 0, 0, 0},
         {BoundaryType::Flux, 0, -5, 0, 0}},
        {{" 3", " 12", " 20", " 1", " 0"},
         {BoundaryType::Convection, 0, 0, 12, 20},
         {BoundaryType::Temperature, 0, 0, 0, 0}},
        {{" 3", " 1", " 2", " 3", " 4", " 5"},
         {BoundaryType::Convection, 0, 0, 1, 2},
         {BoundaryType::Convection, 0, 0, 4, 5}},
        // An unknown type reads no value line and keeps zeros.
        {{" 5", " 2", " 7"},
         {fromFileNumber<BoundaryType>(5), 0, 0, 0, 0},
         {BoundaryType::Flux, 0, 7, 0, 0}},
        {{" 4", " 0.8", " 300", " 1", " 9"},
         {BoundaryType::Radiation, 0, 0, 0, 0, 0.8, 300},
         {BoundaryType::Temperature, 9, 0, 0, 0}},
    };
    for (const Case& k : cases) {
        const Lines steady = steadyCase();
        Lines lines(steady.begin(), steady.begin() + 7);
        lines.insert(lines.end(), k.boundaryLines.begin(), k.boundaryLines.end());
        lines.push_back(" 0");
        const CaseLoadResult result = load(lines);
        ASSERT_TRUE(result.ok()) << ::testing::PrintToString(k.boundaryLines);
        EXPECT_EQ(result.loaded->simulationCase.west, k.west);
        EXPECT_EQ(result.loaded->simulationCase.east, k.east);
    }
}

TEST(CaseLoader, CorruptedFilesAreRecognised) {
    struct Case {
        std::size_t line;
        const char* replacement;
    };
    const Case cases[] = {
        {0, "abc"},  {0, ""},      {1, "3.5"},    {1, "0"},     {1, "1001"},  {1, "-4"},
        {2, "2x"},   {2, "(T+1"},  {2, "sin T"},  {2, "T2"},    {2, "2^-1"},  {3, "erro"},
        {4, ""},     {5, "x"},     {6, ""},       {7, "x*2)"},  {7, "y"},     {8, "a"},
        {10, "0.1s"}, {11, "1"},   {11, "40.5"},  {12, "0"},    {12, "11"},   {13, "one"},
        {14, ""},    {15, "3.0"},  {17, "thirty"}, {1, "1"},    {1, "2"},
    };
    for (const Case& k : cases) {
        Lines lines = unsteadyCase();
        lines[k.line] = k.replacement;
        EXPECT_EQ(load(lines).failure, CaseLoadFailure::CorruptedFile)
            << "line " << k.line + 1 << " = \"" << k.replacement << '"';
    }
}

TEST(CaseLoader, EveryTruncationIsCorruptedExceptAMissingVelocity) {
    const Lines full = unsteadyCase();
    for (std::size_t size = 0; size < full.size(); ++size) {
        const Lines prefix(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(size));
        const CaseLoadResult result = load(prefix);
        if (size == full.size() - 1) {
            EXPECT_TRUE(result.ok());
        } else {
            EXPECT_EQ(result.failure, CaseLoadFailure::CorruptedFile) << size << " lines";
        }
    }
}

TEST(CaseLoader, LongLinesAreCutAndBinaryBytesRefused) {
    Lines lines = steadyCase();
    lines[2] = "2" + std::string(100000, ' ');  // the blanks beyond 256 are dropped
    EXPECT_EQ(loaded(load(lines)).simulationCase.K.constant, 2.0);
    lines[2] += "junk";  // more than blanks: cut short, it would be another text
    EXPECT_EQ(load(lines).failure, CaseLoadFailure::CorruptedFile);
    lines[2] = std::string("\0\xff\x01", 3);
    EXPECT_EQ(load(lines).failure, CaseLoadFailure::CorruptedFile);
    lines[2] = std::string(256, '(') + "t" + std::string(256, ')');
    EXPECT_EQ(load(lines).failure, CaseLoadFailure::CorruptedFile);
}

TEST(CaseLoader, TrailingBlankLinesDoNotHideTheVelocity) {
    Lines lines = unsteadyCase();
    lines[5] = " 1";
    lines.back() = " 0.5";
    lines.push_back("");
    lines.push_back("   ");
    const LoadedCase l = loaded(load(lines));
    EXPECT_EQ(l.simulationCase.u, 0.5);
    EXPECT_EQ(l.simulationCase.Rho.constant, 8000.0);
}

TEST(CaseLoader, CancelBetweenVolumesAbandonsTheLoad) {
    Lines lines = unsteadyCase();
    int evaluations = 0;
    CaseLoadContext context;
    context.cancelRequested = [&] { return ++evaluations == 4; };
    EXPECT_EQ(load(lines, context).failure, CaseLoadFailure::Cancelled);
    EXPECT_EQ(evaluations, 4);

    // A constant initial temperature evaluates nothing, so there is nothing to cancel.
    lines[7] = "20";
    evaluations = 0;
    context.cancelRequested = [&] { return ++evaluations > 0; };
    EXPECT_TRUE(load(lines, context).ok());
    EXPECT_EQ(evaluations, 0);
}

TEST(CaseLoader, NumericFailureInTheInitialTemperatureReachesTheHook) {
    Lines lines = unsteadyCase();
    lines[7] = "sqrt(x-0.2)";  // negative at the first centres
    std::vector<std::string> reported;
    bool cancel = false;
    CaseLoadContext context;
    context.mathErrorHook = [&](std::string_view name, interpreter::MathErrorKind kind) {
        reported.emplace_back(name);
        EXPECT_EQ(kind, interpreter::MathErrorKind::ArgumentDomain);
        cancel = true;  // as the application does: a numeric failure requests a cancel
    };
    context.cancelRequested = [&] { return cancel; };
    EXPECT_EQ(load(lines, context).failure, CaseLoadFailure::Cancelled);
    EXPECT_EQ(reported, std::vector<std::string>{"sqrt"});
}

// ---------------------------------------------------------------------------
// Cylinders and spheres: one geometry line after the velocity.

Lines withLine(Lines lines, const std::string& last) {
    lines.push_back(last);
    return lines;
}

// The case as it loads without its geometry line.
SimulationCase asPlane(SimulationCase c) {
    c.geometry = Geometry::Plane;
    c.ri = 0.0;
    return c;
}

TEST(CaseLoader, GeometryLineGivesTheBodyAndLeavesTheRestAsItWas) {
    struct Case {
        Lines lines;
        const char* geometryLine;
        Geometry geometry;
        double ri;
    };
    const Case cases[] = {
        {unsteadyCase(), "cylinder 0.05", Geometry::Cylinder, 0.05},
        {unsteadyCase(), "sphere 0", Geometry::Sphere, 0.0},
        {unsteadyCase(), "  SPHERE  2.5e-3", Geometry::Sphere, 2.5e-3},
        {steadyCase(), "cylinder 1", Geometry::Cylinder, 1.0},
        {steadyCase(), "sphere 3 and a remark", Geometry::Sphere, 3.0},
        {steadyCase(), "sphere\t1.5", Geometry::Sphere, 1.5},
    };
    for (const Case& k : cases) {
        const CaseLoadResult plane = load(k.lines);
        Lines radial = withLine(k.lines, k.geometryLine);
        // Blank lines an editor adds after the geometry line are no part of it.
        radial.push_back("   ");
        const LoadedCase l = loaded(load(radial));
        EXPECT_EQ(l.simulationCase.geometry, k.geometry) << k.geometryLine;
        EXPECT_EQ(l.simulationCase.ri, k.ri) << k.geometryLine;
        EXPECT_EQ(asPlane(l.simulationCase), plane.loaded->simulationCase) << k.geometryLine;
        EXPECT_EQ(l.stepsToMarch, plane.loaded->stepsToMarch);
    }
}

// The velocity before the geometry line decides the transient block, as the
// last line does in a plane case: a steady radial case has none.
TEST(CaseLoader, VelocityIsTakenFromTheLineBeforeTheGeometryLine) {
    const LoadedCase l = loaded(load(withLine(steadyCase(), "sphere 0.5")));
    EXPECT_EQ(l.simulationCase.Rho, PropertyExpression{});
    EXPECT_EQ(l.simulationCase.east.T, 200.0);
    EXPECT_EQ(l.simulationCase.u, 0.0);
}

// x is the radius in a radial body: ri plus the accumulated centre.
TEST(CaseLoader, FormulaInitialTemperatureIsAFunctionOfTheRadius) {
    Lines lines = unsteadyCase();
    lines[0] = " 0.3";
    lines[7] = "1000*x";
    const LoadedCase l = loaded(load(withLine(lines, "cylinder 2")));
    const std::vector<float> centres = accumulatedCentres(0.3, 10);
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(l.initialTemperature[i], 1000.0 * (2.0 + static_cast<double>(centres[i])));
    }
}

TEST(CaseLoader, MalformedGeometryLinesAndRadialFlowAreCorrupted) {
    for (const char* line : {"cylinder", "cylinder ", "sphere x", "sphere -0.1", "cylinder 1e999",
                             "Cylinder,5"}) {
        EXPECT_EQ(load(withLine(unsteadyCase(), line)).failure, CaseLoadFailure::CorruptedFile)
            << line;
    }
    Lines flowing = unsteadyCase();
    flowing.back() = " 0.5";
    EXPECT_EQ(load(withLine(flowing, "sphere 1")).failure, CaseLoadFailure::CorruptedFile);
    flowing.back() = " -0.5";
    EXPECT_EQ(load(withLine(flowing, "sphere 1")).failure, CaseLoadFailure::CorruptedFile);
}

// A last line whose first word is no geometry keyword is what it always was:
// a velocity that is not a number, after the one the case has already read.
TEST(CaseLoader, OtherWordsAreNoGeometryLine) {
    for (const char* line : {"cylinders 1", "spherex 1e-2", "plane 0", "cone 0.1"}) {
        const LoadedCase l = loaded(load(withLine(unsteadyCase(), line)));
        EXPECT_EQ(l.simulationCase.geometry, Geometry::Plane) << line;
    }
}

TEST(CaseLoader, MissingFileIsReportedAsAMissingCase) {
    const calorvia::testing::TemporaryFolder folder;
    const std::filesystem::path& directory = folder.path();
    EXPECT_EQ(loadCase(directory / "Loaded.txt").failure, CaseLoadFailure::MissingCase);

    std::ofstream(directory / "Loaded.txt", std::ios::binary)
        << " 1\r\n 5\r\n10\r\n0\r\n0\r\n 1\r\n 2\r\n 1\r\n 100\r\n 1\r\n 200\r\n 0\r\n";
    const CaseLoadResult fromWindows = loadCase(directory / "Loaded.txt");
    ASSERT_TRUE(fromWindows.ok());
    EXPECT_EQ(fromWindows.loaded->simulationCase, load(steadyCase()).loaded->simulationCase);
}

}  // namespace
}  // namespace calorvia::simulation
