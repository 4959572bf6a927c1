#pragma once
// Shared ground of the case entry tests: the application started on the
// scripted platform in a program folder of its own, and helpers that script what a student does in each step.

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "entry/case_commands.h"
#include "platform/dialog_templates.h"
#include "shell/home_screen.h"
#include "simulation/simulation_case.h"
#include "support/scripted_platform.h"
#include "support/scripted_story.h"

namespace calorvia::entry::testing {

using simulation::CaseState;
namespace g = platform::general_step;
namespace t = platform::transient_step;
namespace b = platform::boundary_step;
using platform::DialogScript;
using platform::kAnswerNo;
using platform::kAnswerOk;
using platform::kAnswerYes;
using platform::kButtonBack;
using platform::kButtonCancel;
using platform::kButtonForward;
using calorvia::testing::fileExists;
using calorvia::testing::readFile;
using calorvia::testing::writeFile;

// What a student types into step 1. Empty fields are left as they are.
struct GeneralEntries {
    std::string Lx = "1";
    std::string N = "10";
    std::string K = "1";
    std::string Sc = "0";
    std::string Sp = "0";
    std::string u = "0";
    std::optional<CaseState> state = CaseState::Steady;  // the radio clicked, if any
    bool gaussSidel = false;
    // A cylinder or a sphere is clicked, then ri typed when given.
    simulation::Geometry geometry = simulation::Geometry::Plane;
    std::string ri{};
};

struct TransientEntries {
    std::string Ti = "0";
    std::string Rho = "1";
    std::string Cp = "1";
    std::string Delt_t = "0.1";
    std::string Nst = "10";
    std::string No = "5";
};

// The four texts of a boundary dialog; only the non-empty ones are typed.
struct BoundaryEntries {
    std::string T;
    std::string Phi;
    std::string h;
    std::string Tinf;
};

inline BoundaryEntries temperature(std::string T) {
    return {std::move(T), "", "", ""};
}
inline BoundaryEntries flux(std::string Phi) {
    return {"", std::move(Phi), "", ""};
}
inline BoundaryEntries convection(std::string h, std::string Tinf) {
    return {"", "", std::move(h), std::move(Tinf)};
}

// The lines of a text file, each ended by a newline.
inline std::string lines(std::initializer_list<std::string> each) {
    std::string all;
    for (const auto& line : each) all += line + "\n";
    return all;
}

class EntryTest : public calorvia::testing::ScriptedStoryTest {
protected:
    void SetUp() override;
    // Runs in the fresh program directory before the shell starts.
    virtual void prepareProgramDirectory() {}

    // The menu commands as the student chooses them.
    void chooseNew() { platform.chooseMenuItem(1, 1); }
    void chooseOpen() { platform.chooseMenuItem(1, 3); }
    // The command chosen, then every dialog scripted must have come up.
    void playNew() {
        chooseNew();
        platform.verifyScriptDone();
    }
    void playOpen() {
        chooseOpen();
        platform.verifyScriptDone();
    }

    DialogScript& general(const GeneralEntries& entries);
    DialogScript& transient(const TransientEntries& entries);
    DialogScript& boundary(int templateNumber, const BoundaryEntries& entries);
    DialogScript& west(const BoundaryEntries& entries) {
        return boundary(b::kWestTemplate, entries);
    }
    DialogScript& east(const BoundaryEntries& entries) {
        return boundary(b::kEastTemplate, entries);
    }
    // An OK box in English titled "Attention" with this text.
    void expectWarning(const std::string& text, const std::string& title = "Attention");
    void expectQuestion(int answer, const std::string& text,
                        const std::string& title = "Attention");
    // The whole of a case: step 1, step 2 when given, both boundaries.
    void scriptCase(const GeneralEntries& entries, const BoundaryEntries& westEntries,
                    const BoundaryEntries& eastEntries,
                    const std::optional<TransientEntries>& transientEntries = std::nullopt);

    shell::RunState runState() { return shell->state().runState(); }
    shell::LayoutOrigin origin() const { return shell::layoutOrigin(shell->graphicsSize()); }
    // Whether `text` is still on the screen: drawn, and not covered since by
    // a filled rectangle or a cleared screen.
    bool shows(const std::string& text) const;
    std::filesystem::path dataFile(std::string_view name) const;
    // The dialog runs of one template, in order.
    std::vector<platform::DialogRun> runsOf(int templateNumber) const;

    shell::Shell* shell = nullptr;
    CaseEntryCommands* commands = nullptr;
};

// The program folder's idioma holds 1: the program speaks Portuguese.
class PortugueseEntryTest : public EntryTest {
protected:
    void prepareProgramDirectory() override { writeFile(file("idioma"), " 1\n"); }
};

}  // namespace calorvia::entry::testing
