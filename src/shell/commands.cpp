// The menu commands. Each runs on the window thread, also while the main
// thread runs a simulation; they reach the run only through SharedState.

#include <array>
#include <string>

#include "shell/home_screen.h"
#include "text/text_file.h"
#include "shell/shell.h"
#include "simulation/simulation_case.h"

namespace calorvia::shell {
namespace {


constexpr std::array<std::string_view, 5> kWaitFonts{
    "t'Arial'h30",  "t'times new roman'h30",   "t'courier new'h30",
    "t'tahoma'h30", "t'cac futura casual'h30",
};

constexpr int kBeepHz = 100;
constexpr int kBeepMs = 100;

}  // namespace

void Shell::NOVO() {
    if (newCase_) newCase_();
}

void Shell::ABRIR() {
    if (openCase_) openCase_();
}

void Shell::beginSimulation() {
    state_.RunRequest.store(1);
}

// Item 2.1 while a run is in progress (cancel) or its results are on screen
// (clear). The cancel branch only asks: the run stops at its next check.
void Shell::LIMPA() {
    const std::int32_t runState = state_.RunState.load();
    if (runState != run_state::Finished && runState != run_state::CaseLoaded) {
        platform_.beep(kBeepHz, kBeepMs);
        platform::selectFirstFont(platform_, kWaitFonts);
        platform_.setColorRgb(platform::rgb(0, 0, 0));
        platform_.moveTo(50, 90);
        platform_.outText(text(Text::PleaseWait));
        platform_.setColorRgb(platform::rgb(208, 208, 208));
        platform_.moveTo(51, 91);
        platform_.outText(text(Text::PleaseWait));
        state_.RunState.store(run_state::CancelRequested);
        return;
    }
    clearToHomeScreen();
    setSimulationItem(SimulationFace::Begin);
    platform_.setMenuItemEnabled(menu::Results, item::Title, false);
    state_.RunState.store(run_state::Idle);
    state_.RunRequest.store(0);
    state_.clearRunFlags();
    platform_.deleteFile(text::utf8FromPath(programFile(simulation::WorkingCaseFileName)));
}

void Shell::SAIR() {
    platform_.setCurrentDirectory(text::utf8FromPath(programDirectory_));
    deleteFiles(false);
    platform_.closeApplication();
}

// ------------------------------------------------------------- result files

// The editor opens the file of the current language in the program
// directory, without waiting; a missing file is the editor's concern.
void Shell::openResultFile(Text fileName) {
    platform_.editTextFile(text::utf8FromPath(programFile(text(fileName))), false);
}

void Shell::SHOW1() {
    openResultFile(Text::DataFileName);
}
void Shell::SHOW2() {
    openResultFile(Text::FluxFileName);
}
void Shell::SHOW3() {
    openResultFile(Text::FluxPositionFileName);
}
void Shell::SHOW4() {
    openResultFile(Text::UnsteadyFileName);
    openResultFile(Text::AverageFileName);
}
void Shell::SHOW5() {
    openResultFile(Text::WestFileName);
}
void Shell::SHOW6() {
    openResultFile(Text::EastFileName);
}
void Shell::SHOW7() {
    openResultFile(Text::SteadyFileName);
}

void Shell::IMPRIMIR() {
    platform_.printGraphics();
}

// ---------------------------------------------------------------- information

// While the help, the home page or the e-mail address is handed to the
// desktop the Information menu is grey.
void Shell::handOverToShell(const std::function<void()>& handOver) {
    platform_.setMenuItemEnabled(menu::Information, item::Title, false);
    handOver();
    platform_.setMenuItemEnabled(menu::Information, item::Title, true);
}

void Shell::AJUDA_SOFT() {
    handOverToShell(
        [this] { platform_.openDocument(text(Text::HelpDocument), platform::WindowShow::Normal); });
}

void Shell::AJUDA_WIN() {
    platform_.showPlatformHelp();
}

// Calorvia has no home page and no support address of its own: both
// commands show the README that ships with the program, which says so and
// tells where to turn. Without it they hand nothing over.
void Shell::HOMEPAGE() {
    handOverToShell([this] {
        if (const auto readme = folders_.shipped(ShippedReadme)) {
            platform_.openAddress(fileAddress(std::filesystem::absolute(*readme)));
        }
    });
}

void Shell::EMAIL() {
    HOMEPAGE();
}

void Shell::ABOUT() {
    platform_.beep(kBeepHz, kBeepMs);
    platform_.showAbout();
}

void Shell::SINTAXE() {
    platform_.openDocument(text(Text::SyntaxDocument), platform::WindowShow::Normal);
}

}  // namespace calorvia::shell
