#include "entry_test_support.h"

#include <algorithm>

namespace calorvia::entry::testing {

void EntryTest::SetUp() {
    prepareProgramDirectory();
    app::Application& application = startApplication();
    shell = &application.shell();
    commands = &application.caseEntry();
    std::filesystem::create_directories(directory() / "Data");
    platform.clearRecords();
}

DialogScript& EntryTest::general(const GeneralEntries& e) {
    DialogScript& script = platform.expectDialog(g::kTemplate);
    script.type(g::kLxEdit, e.Lx)
        .type(g::kNEdit, e.N)
        .type(g::kKEdit, e.K)
        .type(g::kScEdit, e.Sc)
        .type(g::kSpEdit, e.Sp)
        .type(g::kUEdit, e.u);
    if (e.state == CaseState::Steady) script.click(g::kSteadyRadio);
    if (e.state == CaseState::Unsteady) script.click(g::kUnsteadyRadio);
    if (e.gaussSidel) script.click(g::kGaussSidelCheck);
    if (e.geometry == simulation::Geometry::Cylinder) script.click(g::kCylinderRadio);
    if (e.geometry == simulation::Geometry::Sphere) script.click(g::kSphereRadio);
    if (!e.ri.empty()) script.type(g::kRiEdit, e.ri);
    return script;
}

DialogScript& EntryTest::transient(const TransientEntries& e) {
    return platform.expectDialog(t::kTemplate)
        .type(t::kTiEdit, e.Ti)
        .type(t::kRhoEdit, e.Rho)
        .type(t::kCpEdit, e.Cp)
        .type(t::kDeltTEdit, e.Delt_t)
        .type(t::kNstEdit, e.Nst)
        .type(t::kNoEdit, e.No);
}

DialogScript& EntryTest::boundary(int templateNumber, const BoundaryEntries& e) {
    DialogScript& script = platform.expectDialog(templateNumber);
    if (!e.T.empty()) script.type(b::kTEdit, e.T);
    if (!e.Phi.empty()) script.type(b::kPhiEdit, e.Phi);
    if (!e.h.empty()) script.type(b::kHEdit, e.h);
    if (!e.Tinf.empty()) script.type(b::kTinfEdit, e.Tinf);
    return script;
}

void EntryTest::expectWarning(const std::string& text, const std::string& title) {
    platform.expectMessageBox(kAnswerOk, text, title, platform::kMessageOk);
}

void EntryTest::expectQuestion(int answer, const std::string& text, const std::string& title) {
    platform.expectMessageBox(answer, text, title, platform::kMessageYesNo);
}

void EntryTest::scriptCase(const GeneralEntries& entries, const BoundaryEntries& westEntries,
                           const BoundaryEntries& eastEntries,
                           const std::optional<TransientEntries>& transientEntries) {
    general(entries).press(kButtonForward);
    if (transientEntries) transient(*transientEntries).press(kButtonForward);
    west(westEntries).press(kButtonForward);
    east(eastEntries).press(kButtonForward);
}

bool EntryTest::shows(const std::string& text) const {
    struct Shown {
        std::int64_t x, y;
        std::string text;
    };
    std::vector<Shown> shown;
    for (const auto& call : platform.calls()) {
        if (call.operation == "clearScreen") shown.clear();
        if (call.operation == "drawRectangle" && call.numbers[0] == 1) {
            std::erase_if(shown, [&](const Shown& each) {
                return each.x >= call.numbers[1] && each.x <= call.numbers[3] &&
                       each.y >= call.numbers[2] && each.y <= call.numbers[4];
            });
        }
        if (call.operation == "outText") {
            shown.push_back({call.numbers[0], call.numbers[1], call.texts[0]});
        }
    }
    return std::any_of(shown.begin(), shown.end(),
                       [&](const Shown& each) { return each.text == text; });
}

std::filesystem::path EntryTest::dataFile(std::string_view name) const {
    return directory() / "Data" / calorvia::testing::pathOf(name);
}

std::vector<platform::DialogRun> EntryTest::runsOf(int templateNumber) const {
    std::vector<platform::DialogRun> runs;
    for (const auto& run : platform.dialogRuns()) {
        if (run.templateNumber == templateNumber) runs.push_back(run);
    }
    return runs;
}

}  // namespace calorvia::entry::testing
