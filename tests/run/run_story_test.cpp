// Whole runs, from the working case to the result files, through the
// scripted platform: each test is one user story, its files read line by line.

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "interpreter/interpreter.h"
#include "run_test_support.h"
#include "shell/menus.h"
#include "simulation/property_evaluation.h"
#include "support/case_names.h"
#include "text/number_reader.h"
#include "texts/run_texts.h"
#include "texts/shell_texts.h"

namespace calorvia::run::testing {

using namespace simulation;
namespace {

using platform::kAnswerNo;
using platform::kAnswerOk;
using platform::kAnswerYes;
using texts::RunText;
using texts::ShellText;
using texts::Text;
namespace graph = platform::unsteady_graph_dialog;

// The temperature column of a "Steady.txt" row (F12.5, 4X, F14.7).
double rowTemperature(const std::string& row) {
    return text::readReal(row.substr(16)).value_or(NAN);
}
double rowPosition(const std::string& row) {
    return text::readReal(row.substr(0, 12)).value_or(NAN);
}

// Two numbers of a history row.
std::pair<double, double> historyValues(const std::string& row) {
    const std::string first = row.substr(0, 16);
    return {text::readReal(first).value_or(NAN), text::readReal(row.substr(16)).value_or(NAN)};
}

std::size_t countTextsAt(const platform::ScriptedPlatform& platform, int x, int y) {
    std::size_t count = 0;
    for (const auto& drawn : platform.texts()) count += drawn.x == x && drawn.y == y;
    return count;
}

// ------------------------------------------------------------- steady runs

// The plain steady story: one pass, the steady profile, the inspection copy
// under the case's name, the histories left empty (an earlier one too) when
// the files are not opened, and the menus of a finished run.
TEST_F(RunStoryTest, SteadyLinearCaseMakesOnePassAndWritesItsFiles) {
    startShell();
    writeCase(steadyCase());
    writeFile(file("Unsteady.txt"), "earlier contents\n");
    expectScaleThenInspect();
    EXPECT_EQ(runOnce({[] { return std::string("/home/student/cases/wall.txt"); }}),
              RunOutcome::Finished);
    platform.verifyScriptDone();

    EXPECT_EQ(run->passesOfLastStep(), 1);
    EXPECT_EQ(countTextsAt(platform, 23, 5), 1u);  // the pass counter drawn once

    const auto steady = lines("Steady.txt");
    ASSERT_EQ(steady.size(), 4u + 5u + 2u);
    EXPECT_EQ(steady[0], " One-dimensional steady state");
    EXPECT_EQ(steady[1], " ");
    EXPECT_EQ(steady[2], " Position x       Temperature");
    EXPECT_EQ(steady[3], " ");
    for (std::size_t row = 4; row < steady.size(); ++row) {
        EXPECT_EQ(steady[row].size(), 30u) << steady[row];
        // Pure conduction between 100 and 200: T = 100 + 100·x, exact at the nodes.
        EXPECT_NEAR(rowTemperature(steady[row]), 100.0 + 100.0 * rowPosition(steady[row]), 1e-4)
            << steady[row];
    }
    EXPECT_EQ(steady[4], "     0.00000       100.0000000");
    EXPECT_EQ(steady[10], "     1.00000       200.0000000");

    EXPECT_TRUE(lines("Unsteady.txt").empty());
    EXPECT_TRUE(fileExists(file("Average.txt")));  // created empty
    EXPECT_TRUE(lines("Average.txt").empty());

    // The inspection copy of a steady case has no transient lines.
    const auto data = lines("Data.txt");
    ASSERT_EQ(data.size(), 17u + 9u);
    EXPECT_EQ(data[0], " Name: wall");
    EXPECT_EQ(data[1], " This file is just for inspection purpose!");
    EXPECT_NE(data[3].find(" <= Distance Lx (west-east)"), std::string::npos);
    EXPECT_EQ(data[17].find(" <= Type of boundary cond."), 13u);
    EXPECT_EQ(data[22], "");  // the empty line after the east type
    EXPECT_NE(data.back().find(" <= Velocity of the domain"), std::string::npos);
    // The case name heads the graph.
    bool nameDrawn = false;
    for (const auto& t : platform.texts()) nameDrawn |= t.text == "wall" && t.x == 360 && t.y == 10;
    EXPECT_TRUE(nameDrawn);

    // The run ended normally: Clear Screen, results enabled, RunState 2.
    EXPECT_EQ(platform.menuItemText(shell::menu::Simulation, 1), "&Clear Screen");
    EXPECT_TRUE(platform.menuItemEnabled(shell::menu::Results, 0));
    EXPECT_TRUE(platform.menuItemEnabled(shell::menu::File, shell::item::New));
    EXPECT_EQ(shell_->state().runState(), shell::RunState::Finished);
    EXPECT_TRUE(fileExists(file("Loaded.txt")));
}

// -K·T'' = Sc with T(0) = 100, T(1) = 200, K = 2, Sc = 50: the exact profile
// is T = 100 + 100·x + 12.5·x·(1 - x).
TEST_F(RunStoryTest, WithASourceInteriorFacesCarryTheExactFluxAndVolumeRowsAre41Wide) {
    startShell();
    CaseFileContent c = steadyCase();
    c.N = 8;
    c.Sc = "50";
    c.K = "2";
    writeCase(c);
    expectScaleThenInspect();
    ASSERT_EQ(runOnce(), RunOutcome::Finished);
    // Between two nodes the difference quotient of a parabola is its slope at
    // the face, so every interior face carries the exact flux -K·T'.
    const auto fluxes = lines("Flux_x_Position.txt");
    ASSERT_EQ(fluxes.size(), 4u + 9u);
    for (std::size_t row = 5; row + 1 < fluxes.size(); ++row) {
        const double x = rowPosition(fluxes[row]);
        const double q = text::readReal(fluxes[row].substr(16)).value_or(NAN);
        EXPECT_NEAR(q, -2.0 * (100.0 + 12.5 * (1.0 - 2.0 * x)), 1e-3) << fluxes[row];
    }
    const auto volumes = lines("Flux.txt");
    ASSERT_EQ(volumes.size(), 5u + 8u);
    EXPECT_EQ(volumes[5].substr(32), "        1");
    for (std::size_t row = 5; row < volumes.size(); ++row) EXPECT_EQ(volumes[row].size(), 41u);
}

TEST_F(RunStoryTest, ConvectionDiffusionFollowsTheExponentialProfile) {
    // rho·cp·u·T' = K·T'' with T(0) = 100, T(1) = 200 and Pe = rho·cp·u·L/K = 10:
    //     T = 100 + 100·(exp(Pe·x) - 1)/(exp(Pe) - 1).
    startShell();
    CaseFileContent c = steadyCase();
    c.N = 40;
    c.K = "0.1";
    c.Ti = "0";
    c.Rho = "1";
    c.Cp = "1";
    c.Delt_t = number(1.0);
    c.Nst = 1;
    c.No = 1;
    c.u = number(1.0);
    writeCase(c);
    // The cell Peclet number 0.25 preselects CDS; the user keeps it.
    platform.expectDialog(platform::scheme_dialog::kTemplate).press(1);
    expectScaleThenInspect();
    ASSERT_NO_FATAL_FAILURE(expectFinishedRun());
    const double Pe = 10.0;
    double worst = 0.0;
    for (std::int32_t i = 1; i <= 40; ++i) {
        const double x = (i - 0.5) / 40.0;
        const double exact = 100.0 + 100.0 * std::expm1(Pe * x) / std::expm1(Pe);
        worst = std::max(worst, std::abs(run->temperatures()[i] - exact));
    }
    EXPECT_LT(worst, 1.0);
    bool cds = false;
    for (const auto& t : platform.texts()) cds |= t.text == "  CDS" && t.x == 410 && t.y == 30;
    EXPECT_TRUE(cds);
}

TEST_F(RunStoryTest, ConductivityFormulaIteratesUntilTheMiddleNodeSettles) {
    startShell();
    writeFile(file("tolera"), " 1.0E-06\n");
    CaseFileContent c = steadyCase();
    c.N = 10;
    c.K = "1+0.01*T";
    writeCase(c);
    platform.expectMessageBox(kAnswerOk, say(RunText::IterationNotice), {}, platform::kMessageOk);
    expectScaleThenInspect();
    ASSERT_NO_FATAL_FAILURE(expectFinishedRun());

    EXPECT_GT(run->passesOfLastStep(), 2);
    EXPECT_LT(run->passesOfLastStep(), 1000);
    // Kirchhoff: T + 0.005·T² is linear in x between the two prescribed ends.
    const auto steady = lines("Steady.txt");
    ASSERT_EQ(steady.size(), 4u + 10u + 2u);
    auto U = [](double T) { return T + 0.005 * T * T; };
    for (std::size_t row = 5; row + 1 < steady.size(); ++row) {
        const double x = rowPosition(steady[row]);
        const double expected = U(100.0) + (U(200.0) - U(100.0)) * x;
        EXPECT_NEAR(U(rowTemperature(steady[row])), expected, 0.5) << steady[row];
    }
    // The inspection copy shows the formula with the user's letter.
    const auto data = lines("Data.txt");
    ASSERT_GT(data.size(), 8u);
    EXPECT_EQ(data[7], "1+0.01*T <= Condutivity");
}

TEST_F(RunStoryTest, TheExitTestLooksAtTheMiddleNodeAgainstTol) {
    // With a tolerance wider than any change the first pass already settles;
    // a tighter one needs more passes than a looser one.
    std::vector<std::int32_t> passes;
    startShell();
    for (const char* tolerance : {" 1.0E+06\n", " 1.0E-01\n", " 1.0E-08\n"}) {
        writeFile(file("tolera"), tolerance);
        CaseFileContent c = steadyCase();
        c.N = 3;
        c.K = "1+0.01*T";
        writeCase(c);
        // Given once per run: the flag is cleared when a run ends.
        platform.expectMessageBox(kAnswerOk, say(RunText::IterationNotice));
        expectScaleThenInspect();
        ASSERT_NO_FATAL_FAILURE(expectFinishedRun());
        passes.push_back(run->passesOfLastStep());
    }
    EXPECT_EQ(passes[0], 1);
    EXPECT_LT(passes[1], passes[2]);
}

TEST_F(RunStoryTest, SteadyRunAnsweringYesOpensEveryFileAndMarksTheHistories) {
    startShell();
    writeCase(steadyCase());
    writeFile(file("Unsteady.txt"), "earlier contents\n");
    expectScaleThenInspect(kAnswerYes);
    ASSERT_EQ(runOnce(), RunOutcome::Finished);

    std::vector<std::string> opened;
    for (const auto& call : platform.callsNamed("editTextFile")) {
        opened.push_back(std::filesystem::path(call.texts.at(0)).filename().string());
    }
    EXPECT_EQ(opened, (std::vector<std::string>{"Data.txt", "Flux.txt", "Flux_x_Position.txt",
                                                "Unsteady.txt", "Average.txt", "West.txt",
                                                "East.txt", "Steady.txt"}));
    for (const char* name : {"Unsteady.txt", "Average.txt", "West.txt", "East.txt"}) {
        EXPECT_EQ(lines(name), std::vector<std::string>{" The simulation is for steady state!"})
            << name;
    }
}

// ---------------------------------------------------------- transient runs

struct SteadyAppend {
    int answer;
    const char* firstLine;
};

class TransientAppendTest : public RunStoryTest,
                            public ::testing::WithParamInterface<SteadyAppend> {};

TEST_P(TransientAppendTest, WritesFourHistoriesAndTheSteadyFileByTheAnswer) {
    startShell();
    writeCase(unsteadyCase());
    expectScale();
    platform.expectMessageBox(GetParam().answer, say(RunText::IncludeSteadyQuestion));
    platform.expectDialog(graph::kTemplate).click(graph::kNodeRadio).press(1);
    expectScaleThenInspect();
    ASSERT_NO_FATAL_FAILURE(expectFinishedRun());

    const auto node = lines("Unsteady.txt");
    ASSERT_EQ(node.size(), 4u + 11u);
    EXPECT_EQ(node[0], "One-dimensional unsteady state node    3 (x =     0.50000)");
    EXPECT_EQ(node[2], "    Time         Temperature");
    for (const char* name : {"Average.txt", "West.txt", "East.txt"}) {
        EXPECT_EQ(lines(name).size(), 4u + 11u) << name;
    }
    for (std::size_t row = 0; row <= 10; ++row) {
        const auto [time, value] = historyValues(node[4 + row]);
        EXPECT_NEAR(time, 0.1 * static_cast<double>(row), 1e-6);
        if (row == 0) {
            EXPECT_EQ(value, 20.0);
        } else {
            EXPECT_GT(value, historyValues(node[3 + row]).second);  // heating up
        }
    }
    const auto west = lines("West.txt");
    for (std::size_t row = 4; row < west.size(); ++row) {
        EXPECT_EQ(historyValues(west[row]).second, 100.0) << west[row];
    }
    EXPECT_EQ(historyValues(lines("East.txt")[4]).second, 20.0);

    const auto steady = lines("Steady.txt");
    ASSERT_EQ(steady.size(), 4u + 5u + 2u);
    EXPECT_EQ(steady[0], GetParam().firstLine);
    if (GetParam().answer == kAnswerYes) {
        // Insulated east, 100 west, no source: the steady state is 100 everywhere.
        for (std::size_t row = 4; row < steady.size(); ++row) {
            EXPECT_NEAR(rowTemperature(steady[row]), 100.0, 1e-4);
        }
    }
    // The time graph's title names the followed node in I4.
    bool titled = false;
    for (const auto& t : platform.texts()) titled |= t.text.rfind("Unsteady node    3", 0) == 0;
    EXPECT_TRUE(titled);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, TransientAppendTest,
    ::testing::Values(
        SteadyAppend{kAnswerYes, " One-dimensional steady state"},
        SteadyAppend{kAnswerNo,
                     " Attention: make sure that the one-dimensional steady state was reached!"}),
    [](const auto& row) { return row.param.answer == kAnswerYes ? "Yes" : "No"; });

TEST_F(RunStoryTest, NoPrescribedTemperatureIsNeverAskedAboutTheSteadyState) {
    startShell();
    CaseFileContent c = unsteadyCase();
    c.west = flux(10.0);
    c.east = convection(10.0, 20.0);
    writeCase(c);
    expectScale();
    platform.expectDialog(graph::kTemplate).press(1);
    expectScaleThenInspect();
    ASSERT_NO_FATAL_FAILURE(expectFinishedRun());
    EXPECT_EQ(lines("Steady.txt").at(0),
              " Attention: make sure that the one-dimensional steady state was reached!");
}

// A warning met at every step is given once per run: the range question
// (answered No), and the vanishing pivot — Rho·Cp and K so small that every
// pivot of every step's matrix is at the guard, the same matrix every step,
// so later steps reuse its factors and the warning still comes at the first.
TEST_F(RunStoryTest, AWarningMetAtEveryStepIsGivenOncePerRun) {
    CaseFileContent range = unsteadyCase();
    range.Sc = "1000000";
    range.Nst = 3;
    CaseFileContent pivot = unsteadyCase();
    pivot.K = "1E-13";
    pivot.Rho = "1E-13";
    const struct {
        CaseFileContent content;
        Text warning;
        int answer;
        int flags;
        std::size_t rows;  // of Unsteady.txt after its four heading lines
    } cases[]{{range, RunText::RangeHighQuestion, kAnswerNo, platform::kMessageYesNo, 4},
              {pivot, RunText::ZeroPivotWarning, kAnswerOk, platform::kMessageOk, 11}};
    for (auto c : cases) {
        startShell();
        SCOPED_TRACE(say(c.warning));
        c.content.west = flux(0.0);
        writeCase(c.content);
        expectScale();
        platform.expectMessageBox(c.answer, say(c.warning), {}, c.flags);
        platform.expectDialog(graph::kTemplate).press(1);
        expectScaleThenInspect();
        ASSERT_NO_FATAL_FAILURE(expectFinishedRun());
        EXPECT_EQ(lines("Unsteady.txt").size(), 4u + c.rows);
    }
}

TEST_F(RunStoryTest, AnsweringYesToTheRangeWarningCancelsTheRun) {
    startShell();
    CaseFileContent c = steadyCase();
    c.west = temperature(-500.0);
    writeCase(c);
    platform.expectMessageBox(kAnswerYes, say(RunText::RangeLowQuestion));
    EXPECT_EQ(runOnce(), RunOutcome::Cancelled);
    platform.verifyScriptDone();
    EXPECT_FALSE(fileExists(file("Loaded.txt")));
    EXPECT_FALSE(fileExists(file("Steady.txt")));
    EXPECT_EQ(platform.menuItemText(shell::menu::Simulation, 1), "&Begin Simulation");
}

// K = 0 everywhere makes every face conductance 0/0: the temperatures are
// NaN, which must count as out of range rather than pass both comparisons.
TEST_F(RunStoryTest, NotANumberIsOutOfRange) {
    startShell();
    CaseFileContent c = steadyCase();
    c.K = "0";
    writeCase(c);
    platform.expectMessageBox(kAnswerYes, say(RunText::RangeHighQuestion), {},
                              platform::kMessageYesNo);
    EXPECT_EQ(runOnce(), RunOutcome::Cancelled);
    platform.verifyScriptDone();
    EXPECT_TRUE(std::isnan(run->temperatures()[3]));
    EXPECT_FALSE(fileExists(file("Steady.txt")));
}

// The computing time is what the machine spent, not what the student took
// to answer: here every message box and dialog keeps the user 20 s, and
// the scripted clock moves only then.
TEST_F(RunStoryTest, TheComputingTimeLeavesOutTheUsersAnswers) {
    startShell();
    platform.setUserResponseSeconds(20.0);
    CaseFileContent steady = steadyCase();
    steady.K = "1+0.01*T";  // the iteration notice comes inside the timed passes
    CaseFileContent transient = unsteadyCase();
    transient.Nst = 3;  // the steady-state question comes between the end readings
    for (const CaseFileContent& c : {steady, transient}) {
        writeCase(c);
        if (c.state == CaseState::Steady) {
            platform.expectMessageBox(kAnswerOk, say(RunText::IterationNotice));
            expectScale();
        } else {
            expectScale();
            platform.expectMessageBox(kAnswerYes, say(RunText::IncludeSteadyQuestion));
            platform.expectDialog(graph::kTemplate).click(graph::kNodeRadio).press(1);
            expectScale();
        }
        expectInspect();
        ASSERT_NO_FATAL_FAILURE(expectFinishedRun());
        EXPECT_NEAR(run->computingSeconds(), 0.0, 1e-9) << "state " << fileNumber(c.state);
    }
}

// ----------------------------------------------- numeric errors and cancel

TEST_F(RunStoryTest, SquareRootOfANegativeTemperatureStopsTheRunThroughTheHook) {
    startShell();
    CaseFileContent c = steadyCase();
    c.west = temperature(-50.0);
    c.K = "1+sqrt(T)";
    writeCase(c);
    platform.expectMessageBox(kAnswerOk, {}, std::string("Attention"), platform::kMessageOk);
    EXPECT_EQ(runOnce(), RunOutcome::Cancelled);
    platform.verifyScriptDone();

    const auto boxes = platform.callsNamed("messageBox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].texts.at(0).find("Error:  Argument domain"), std::string::npos);
    EXPECT_EQ(run->totalPasses(), 1);
    EXPECT_FALSE(fileExists(file("Loaded.txt")));
    EXPECT_FALSE(fileExists(file("Steady.txt")));
    EXPECT_EQ(platform.menuItemText(shell::menu::Simulation, 1), "&Begin Simulation");
    EXPECT_TRUE(platform.menuItemEnabled(shell::menu::Preferences, 0));
    EXPECT_EQ(shell_->state().runState(), shell::RunState::Idle);

    // The next run starts normally.
    writeCase(steadyCase());
    expectScaleThenInspect();
    EXPECT_EQ(runOnce(), RunOutcome::Finished);
}

TEST_F(RunStoryTest, CancelRequestedBeforeAPassReturnsToTheHomeScreen) {
    startShell();
    writeCase(unsteadyCase());
    // The user chooses Cancel Simulation while the scale dialog of the first
    // profile is open; the first pass sees the request.
    platform.expectDialog(platform::scale_dialog::kTemplate)
        .inspect(
            [this](platform::DialogHandle) { platform.chooseMenuItem(shell::menu::Simulation, 1); })
        .press(1);
    EXPECT_EQ(runOnce(), RunOutcome::Cancelled);
    platform.verifyScriptDone();
    EXPECT_EQ(run->totalPasses(), 1);
    EXPECT_FALSE(fileExists(file("Loaded.txt")));
    EXPECT_EQ(platform.menuItemText(shell::menu::Simulation, 1), "&Begin Simulation");
    EXPECT_EQ(shell_->state().runState(), shell::RunState::Idle);
    // The home screen's grey was the last background cleared to.
    const auto backgrounds = platform.callsNamed("setBackgroundRgb");
    ASSERT_FALSE(backgrounds.empty());
    EXPECT_EQ(backgrounds.back().numbers.at(0), 0xA0A0A0);
}

TEST_F(RunStoryTest, MissingWorkingCaseIsReportedAndNothingStarts) {
    startShell();
    platform.expectMessageBox(kAnswerOk, say(RunText::MissingCase));
    EXPECT_EQ(runOnce(), RunOutcome::NotStarted);
    platform.verifyScriptDone();
    EXPECT_EQ(platform.menuItemText(shell::menu::Simulation, 1), "&Begin Simulation");
}

// ------------------------------------------------------------ Gauss-Seidel

TEST_F(RunStoryTest, GaussSeidelRunWithAnEditedEstimateReachesTheDirectSolution) {
    startShell();
    CaseFileContent c = steadyCase();
    c.method = SolutionMethod::GaussSeidel;
    writeCase(c);
    platform.expectMessageBox(kAnswerYes, say(RunText::EstimateOffer));
    std::vector<std::string> offered;
    platform.expectEditor([&offered](const std::string& path) {
        offered = text::readTextLines(path).value_or(std::vector<std::string>{});
        writeFile(path, "0\n0\n25,5\n0\n0\n");
    });
    expectScaleThenInspect();
    ASSERT_NO_FATAL_FAILURE(expectFinishedRun());

    // The offered estimate is the steady ramp: T(1) = 100 + 100/(2·5),
    // T(i) = 100 + i·100/5 inside, T(5) = 200 - 100/(2·5).
    ASSERT_EQ(offered.size(), 5u);
    const double ramp[] = {110.0, 140.0, 160.0, 180.0, 190.0};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(text::readReal(offered[i]), ramp[i]) << offered[i];
        EXPECT_NE(offered[i].find(" <= Node"), std::string::npos);
    }
    EXPECT_FALSE(fileExists(file("Initial.txt")));
    // From a poor start the sweeps still end on T = 100 + 100·x.
    for (std::int32_t i = 1; i <= 5; ++i) {
        EXPECT_NEAR(run->temperatures()[i], 100.0 + 100.0 * (i - 0.5) / 5.0, 1e-5);
    }
    // The method box was drawn with its label and erased at the end.
    bool label = false;
    for (const auto& t : platform.texts()) label |= t.text == "  Gauss-Sidel" && t.x == 337;
    EXPECT_TRUE(label);
    bool erased = false;
    for (const auto& r : platform.rectangles()) {
        erased |= r.x1 == 330 && r.y1 == 208 && r.x2 == 435 && r.y2 == 231 &&
                  r.fill == platform::FillMode::Filled && r.colour.rgb == 0xFFFFFF;
    }
    EXPECT_TRUE(erased);
}

TEST_F(RunStoryTest, APropertyFormulaStoppedMidwayIsReleased) {
    // The run's own stage, seen from outside: the evaluation stops at the
    // volume where the request appeared and leaves no compiled formula.
    SimulationCase c;
    c.N = 6;
    c.K = {"1+z", true, 0.0};
    c.Sc = {"0", false, 0.0};
    c.Sp = {"0", false, 0.0};
    c.Rho = {"0", false, 0.0};
    c.Cp = {"0", false, 0.0};
    interpreter::Interpreter engine;
    VolumeProperties properties(6);
    NodeArray T(7, 1.0);
    int evaluations = 0;
    EvaluationChecks checks;
    checks.cancelRequested = [&evaluations] { return ++evaluations == 3; };
    const EvaluationResult result = evaluateProperties(c, T, engine, properties, checks);
    EXPECT_EQ(result.outcome, EvaluationOutcome::Cancelled);
    EXPECT_EQ(result.volume, 3);
    EXPECT_TRUE(engine.codes().empty());
}

// --------------------------------------------------------- files and language

TEST_F(RunStoryTest, APortugueseRunWritesThePortugueseFileSet) {
    writeFile(file("idioma"), " 1\n");
    startShell();
    writeCase(unsteadyCase());
    expectScale();
    platform.expectMessageBox(kAnswerYes, say(RunText::IncludeSteadyQuestion),
                              std::string("Atenção"));
    expectTimeGraph();
    expectInspect();
    ASSERT_EQ(runOnce(), RunOutcome::Finished);
    for (const char* name : {"Permanente.txt", "Transiente.txt", "Média.txt", "Oeste.txt",
                             "Leste.txt", "Dados.txt", "Fluxo.txt", "Fluxo_x_Posição.txt"}) {
        EXPECT_TRUE(fileExists(file(name))) << name;
    }
    for (const char* name : {"Steady.txt", "Unsteady.txt", "Data.txt", "Flux.txt"}) {
        EXPECT_FALSE(fileExists(file(name))) << name;
    }
    EXPECT_EQ(lines("Permanente.txt").at(0), " Regime permanente unidimensional");
    EXPECT_EQ(lines("Transiente.txt").at(0),
              "Transiente unidimensional do nó    3 (x =     0.50000)");
    EXPECT_EQ(lines("Dados.txt").at(0), " Nome: ");
}

// A run's files are that run's: a steady cylinder run after a transient
// wall compared with its exact solution and a transient Gauss-Seidel wall
// leaves the folder as it did when it ran first after start-up.
TEST_F(RunStoryTest, ARunLeavesTheFilesItLeavesInAFreshFolder) {
    auto& shell = startStory();
    const auto contents = [this] {
        std::map<std::string, std::optional<std::string>> found;
        for (const auto& entry : std::filesystem::directory_iterator(directory()))
            found[entry.path().filename().string()] = calorvia::testing::readFile(entry.path());
        return found;
    };
    const auto runFromMenu = [&](const CaseFileContent& c, std::optional<int> includeSteady) {
        writeCase(c);
        expectScale();
        if (includeSteady) {
            platform.expectMessageBox(*includeSteady, say(RunText::IncludeSteadyQuestion));
            expectTimeGraph();
        }
        expectInspect();
        platform.chooseMenuItem(shell::menu::Simulation, 1);
        ASSERT_TRUE(shell.idleStep());
    };
    const auto clearScreen = [&] { platform.chooseMenuItem(shell::menu::Simulation, 1); };
    CaseFileContent cylinder = steadyCase();
    cylinder.geometry = Geometry::Cylinder;
    cylinder.ri = number(0.5);
    CaseFileContent gaussSeidel = unsteadyCase();
    gaussSeidel.method = SolutionMethod::GaussSeidel;

    runFromMenu(cylinder, std::nullopt);
    const auto fresh = contents();
    clearScreen();
    runFromMenu(unsteadyCase(), kAnswerYes);
    platform.chooseMenuItem(shell::menu::Results, shell::item::CompareExact);
    ASSERT_TRUE(fileExists(file("Exact.txt")));
    clearScreen();
    platform.expectMessageBox(kAnswerNo, say(RunText::EstimateOffer));
    runFromMenu(gaussSeidel, kAnswerNo);
    ASSERT_TRUE(fileExists(file("West.txt")));
    clearScreen();
    runFromMenu(cylinder, std::nullopt);
    EXPECT_EQ(contents(), fresh);
}

TEST_F(RunStoryTest, AResultFileThatCannotBeWrittenIsReportedAndTheRunEndsCleanly) {
    startShell();
    writeCase(steadyCase());
    std::filesystem::create_directory(file("Steady.txt"));  // in the way of the file
    expectScale();
    platform.expectMessageBox(kAnswerOk,
                              texts::withValue(say(RunText::FileWriteFailed), "Steady.txt"), {},
                              platform::kMessageOk);
    expectInspect();
    EXPECT_EQ(runOnce(), RunOutcome::Finished);
    platform.verifyScriptDone();
    EXPECT_EQ(shell_->state().runState(), shell::RunState::Finished);
    EXPECT_EQ(lines("Flux.txt").size(), 5u + 5u);  // the other files are written
}

// ------------------------------------------------------ keeping the results

// Begin Simulation from the menu runs through the idle loop; Save Results As
// then copies into the folder chosen and says so by its name; at Exit,
// Cancel, or a copy that fails, leaves the program open with nothing deleted.
TEST_F(RunStoryTest, ResultsAreCopiedWhereChosenAndKeptWhenExitIsCancelledOrItsCopyFails) {
    auto& shell = startStory();
    writeCase(steadyCase());
    expectScaleThenInspect();
    platform.chooseMenuItem(shell::menu::Simulation, shell::item::SimulationCommand);
    ASSERT_TRUE(shell.idleStep());
    EXPECT_FALSE(shell.state().runRequested());
    EXPECT_EQ(shell.state().runState(), shell::RunState::Finished);
    const auto steady = lines("Steady.txt");
    ASSERT_EQ(steady.size(), 11u);

    const std::filesystem::path kept = file("kept");
    std::filesystem::create_directory(kept);
    platform.expectFolder(calorvia::testing::utf8(kept / "."));
    platform.expectMessageBox(
        kAnswerOk, texts::withValue(say(ShellText::ResultsCopied), calorvia::testing::utf8(kept)));
    platform.chooseMenuItem(shell::menu::Results, shell::item::SaveResultsAs);
    EXPECT_EQ(text::readTextLines(kept / "Steady.txt"), steady);

    const auto question = [&](int answer) {
        platform.expectMessageBox(answer, say(ShellText::KeepResultsQuestion), {},
                                  platform::kMessageYesNoCancel);
    };
    question(platform::kAnswerCancel);
    platform.chooseMenuItem(shell::menu::File, shell::item::Exit);
    question(kAnswerYes);
    platform.expectFolder(calorvia::testing::utf8(file("Steady.txt") / "inside"));
    platform.expectMessageBox(kAnswerOk);  // the copy failed
    platform.chooseMenuItem(shell::menu::File, shell::item::Exit);
    platform.verifyScriptDone();
    EXPECT_FALSE(platform.closeRequested());
    EXPECT_EQ(lines("Steady.txt"), steady);
    EXPECT_TRUE(fileExists(file("Loaded.txt")));
}

}  // namespace
}  // namespace calorvia::run::testing
