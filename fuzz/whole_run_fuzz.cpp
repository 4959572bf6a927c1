// Any bytes as the working case file "Loaded.txt", run as Begin Simulation
// runs it: loader, property evaluation, assembly, both solvers, the range
// check, the result files and the graphs all see hostile but loadable cases.
// Every question is answered by rule, and after a few passes or steps (a
// budget of drawing calls: every pass, step and Gauss-Seidel progress report
// draws) the run is cancelled, so each input stays short. A drawing call
// does not measure work: a Gauss-Seidel pass of 1000 volumes that never
// converges reports its progress every 5000 sweeps, 5 million node updates
// apart. So the budget is also half a second of processor time, looked at
// at every drawing call (at most a few milliseconds apart): no input runs
// for a second. Never a crash, a hang or a read past an array.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/dialog_templates.h"
#include "platform/headless_platform.h"
#include "run/simulation_run.h"
#include "settings/settings_files.h"
#include "shell/shell.h"
#include "simulation/simulation_case.h"
#include "text/text_file.h"
#include "texts/run_texts.h"

namespace {

using namespace calorvia;

// No to every question (go on past a range warning, keep the estimate, do
// not open the files), except Yes to the appended steady state; every dialog
// confirmed as proposed.
class Answers final : public platform::AnswerPolicy {
public:
    int answerMessageBox(std::string_view text, std::string_view, int flags) override {
        if (flags != platform::kMessageYesNo) return platform::kAnswerOk;
        const bool steady =
            text == texts::textFor(texts::RunText::IncludeSteadyQuestion, texts::Language::English);
        return steady ? platform::kAnswerYes : platform::kAnswerNo;
    }
    platform::DialogScript answerDialog(platform::HeadlessPlatform&, platform::DialogHandle,
                                        int number) override {
        platform::DialogScript script(number);
        if (number == platform::unsteady_graph_dialog::kTemplate) {
            script.click(platform::unsteady_graph_dialog::kNodeRadio);
        }
        return script.press(platform::kButtonOk);
    }
    std::optional<platform::FileChoice> answerFileDialog(
        bool, const platform::FileDialogRequest&) override {
        return std::nullopt;
    }
    void answerEditor(const std::string&) override {}
};

// Counts drawing calls and asks for a cancel once the budget is spent.
class DrawingBudget final : public platform::DrawingSink {
public:
    explicit DrawingBudget(shell::SharedState*& state) : state_(state) {}
    void remapPalette(const platform::Palette&) override { spend(); }
    void setColorIndex(int) override {}
    void setColorRgb(platform::Rgb) override {}
    void setBackgroundRgb(platform::Rgb) override {}
    void clearScreen() override { spend(); }
    void moveTo(int, int) override {}
    void lineTo(int, int) override { spend(); }
    void drawRectangle(platform::FillMode, int, int, int, int) override { spend(); }
    void drawEllipse(platform::FillMode, int, int, int, int) override { spend(); }
    void setTextRotation(int) override {}
    void outText(std::string_view) override { spend(); }
    int selectFont(std::string_view) override { return 0; }
    bool showBitmap(std::string_view, int, int) override { return false; }

private:
    void spend() {
        const bool spent = ++calls_ > 20000 || std::clock() - start_ > CLOCKS_PER_SEC / 2;
        if (spent && state_ != nullptr) state_->requestCancel();
    }
    shell::SharedState*& state_;
    long calls_ = 0;
    std::clock_t start_ = std::clock();
};

// The folder every input runs in, removed when the fuzzer exits. It is
// never destroyed itself, so the exit handler can still read it.
const std::filesystem::path& workFolder() {
    static const std::filesystem::path* const folder = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "calorvia-fuzz-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) std::abort();
        auto* path = new std::filesystem::path(pattern);
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(workFolder(), ignored);
        });
        return path;
    }();
    return *folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path folder = workFolder();
    std::error_code error;
    std::filesystem::current_path(folder, error);
    if (error) std::abort();

    Answers answers;
    platform::HeadlessPlatform platform(&answers);
    shell::SharedState* state = nullptr;
    DrawingBudget budget(state);
    platform.setDrawingSink(&budget);

    shell::Shell shell(platform, shell::DataFolders(std::vector<std::filesystem::path>{}));
    shell.buildMenus();
    if (!shell.startUp()) return 0;
    state = &shell.state();
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    if (!text::writeTextFileAtomically(folder / settings::WorkingCaseFileName, content)) {
        std::abort();
    }
    run::SimulationRun run(platform, shell);
    run.run();
    return 0;
}
