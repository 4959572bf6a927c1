#pragma once
// Shared ground of the run stories: a program folder per test, a started
// shell (or the whole application) on the scripted platform, working cases written the way the
// wizard writes them, and the result files read back line by line.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialog_templates.h"
#include "run/simulation_run.h"
#include "shell/shell.h"
#include "simulation/case_writer.h"
#include "support/scripted_platform.h"
#include "support/scripted_story.h"
#include "text/text_file.h"
#include "texts/run_texts.h"
#include "texts/text_catalogue.h"

namespace calorvia::run::testing {

using namespace simulation;

using calorvia::testing::fileExists;
using calorvia::testing::pathOf;
using calorvia::testing::writeFile;

inline CaseFileNumber number(double value) {
    std::ostringstream text;
    text << value;
    return {text.str(), value};
}

// A boundary entered as the texts of its condition's values.
inline BoundaryEntry entered(const BoundaryCondition& condition) {
    BoundaryEntry b;
    b.condition = condition;
    for (const BoundaryValue value : describe(condition.type)->values) {
        b.*describe(value).typed = number(condition.*describe(value).number).text;
    }
    return b;
}

inline BoundaryEntry temperature(double T) {
    return entered({.type = BoundaryType::Temperature, .T = T});
}

inline BoundaryEntry flux(double Phi) {
    return entered({.type = BoundaryType::Flux, .Phi = Phi});
}

inline BoundaryEntry convection(double h, double Tinf) {
    return entered({.type = BoundaryType::Convection, .h = h, .Tinf = Tinf});
}

inline BoundaryEntry radiation(double eps, double Tsur) {
    return entered({.type = BoundaryType::Radiation, .eps = eps, .Tsur = Tsur});
}

// A steady direct case: 1 m, N = 5, K = 1, no source, 100 west, 200 east.
inline CaseFileContent steadyCase() {
    CaseFileContent c;
    c.Lx = number(1.0);
    c.N = 5;
    c.K = "1";
    c.Sc = "0";
    c.Sp = "0";
    c.state = CaseState::Steady;
    c.method = SolutionMethod::TabLU;
    c.west = temperature(100.0);
    c.east = temperature(200.0);
    c.u = number(0.0);
    return c;
}

// An unsteady direct case: Ti = 20, Rho = Cp = 1, 10 steps of 0.1, node 3,
// 100 west, insulated east.
inline CaseFileContent unsteadyCase() {
    CaseFileContent c = steadyCase();
    c.state = CaseState::Unsteady;
    c.Ti = "20";
    c.Rho = "1";
    c.Cp = "1";
    c.Delt_t = number(0.1);
    c.Nst = 10;
    c.No = 3;
    c.east = flux(0.0);
    return c;
}

class RunStoryTest : public calorvia::testing::ScriptedStoryTest {
protected:
    // The shell alone, started in the test's folder, in the language of "idioma".
    shell::Shell& startShell() {
        run.reset();  // the run and shell before go first
        ownShell_.reset();
        ownShell_ = std::make_unique<shell::Shell>(platform, shell::DataFolders({CALORVIA_DATA_DIR}));
        ownShell_->buildMenus();
        EXPECT_TRUE(ownShell_->startUp());
        return *(shell_ = ownShell_.get());
    }
    // The whole application, its runs begun from the Simulation menu.
    shell::Shell& startStory() {
        run.reset();
        return *(shell_ = &startApplication().shell());
    }

    void writeCase(const CaseFileContent& content) {
        ASSERT_TRUE(writeCaseFile(file("Loaded.txt"), content, CaseFileLayout::Working));
    }

    // A run of the working case, kept in `run` for the test to look at.
    RunOutcome runOnce(RunOptions options = {}) {
        run.reset();
        run = std::make_unique<SimulationRun>(platform, *shell_, std::move(options));
        return run->run();
    }
    // A run that must end normally with every scripted answer used.
    void expectFinishedRun(RunOptions options = {}) {
        ASSERT_EQ(runOnce(std::move(options)), RunOutcome::Finished);
        platform.verifyScriptDone();
    }

    std::vector<std::string> lines(std::string_view name) const {
        return text::readTextLines(file(name)).value_or(std::vector<std::string>{});
    }

    std::string say(texts::Text text) const { return std::string(shell_->text(text)); }

    // The scale dialog of a new graph, confirmed as proposed.
    void expectScale() { platform.expectDialog(platform::scale_dialog::kTemplate).press(1); }
    // The time graph of a transient run: the node's curve, on the proposed scale.
    void expectTimeGraph() {
        platform.expectDialog(platform::unsteady_graph_dialog::kTemplate).press(1);
        expectScale();
    }
    void expectInspect(int answer = platform::kAnswerNo) {
        platform.expectMessageBox(answer, say(texts::RunText::InspectFilesQuestion));
    }
    // The end of a run: a graph's scale confirmed, then whether to open the files.
    void expectScaleThenInspect(int inspect = platform::kAnswerNo) {
        expectScale();
        expectInspect(inspect);
    }

    shell::Shell* shell_ = nullptr;

private:
    std::unique_ptr<shell::Shell> ownShell_;

protected:
    // After the shell, so that it goes first.
    std::unique_ptr<SimulationRun> run;
};

}  // namespace calorvia::run::testing
