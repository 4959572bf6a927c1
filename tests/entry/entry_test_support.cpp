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

void EntryTest::scriptSteadyCase(const GeneralEntries& entries, const BoundaryEntries& westEntries,
                                 const BoundaryEntries& eastEntries) {
    general(entries).press(kButtonForward);
    west(westEntries).press(kButtonForward);
    east(eastEntries).press(kButtonForward);
}

void EntryTest::scriptCase(const GeneralEntries& entries, const TransientEntries& transientEntries,
                           const BoundaryEntries& westEntries, const BoundaryEntries& eastEntries) {
    general(entries).press(kButtonForward);
    transient(transientEntries).press(kButtonForward);
    west(westEntries).press(kButtonForward);
    east(eastEntries).press(kButtonForward);
}

std::vector<ShownText> EntryTest::shownTexts() const {
    std::vector<ShownText> shown;
    const shell::LayoutOrigin o = origin();
    for (const auto& call : platform.calls()) {
        if (call.operation == "clearScreen") shown.clear();
        if (call.operation == "drawRectangle" && call.numbers[0] == 1) {
            const auto x1 = call.numbers[1], y1 = call.numbers[2];
            const auto x2 = call.numbers[3], y2 = call.numbers[4];
            std::erase_if(shown, [&](const ShownText& text) {
                const int x = text.x + o.x, y = text.y + o.y;
                return x >= x1 && x <= x2 && y >= y1 && y <= y2;
            });
        }
        if (call.operation == "outText") {
            shown.push_back({static_cast<int>(call.numbers[0]) - o.x,
                             static_cast<int>(call.numbers[1]) - o.y, call.texts[0]});
        }
    }
    return shown;
}

bool EntryTest::shows(const std::string& text) const {
    const auto shown = shownTexts();
    return std::any_of(shown.begin(), shown.end(),
                       [&](const ShownText& each) { return each.text == text; });
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
