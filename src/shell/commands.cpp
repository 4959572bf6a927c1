// The menu commands. Each runs on the window thread, also while the main
// thread runs a simulation; they reach the run only through SharedState.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "settings/settings_files.h"
#include "shell/home_screen.h"
#include "shell/shell.h"
#include "text/text_file.h"
#include "texts/result_file_names.h"
#include "texts/run_texts.h"
#include "texts/shell_texts.h"

namespace calorvia::shell {

using texts::kResultFiles;
using texts::ResultFile;
using texts::resultFileName;
using texts::RunText;
using texts::ShellText;
using texts::Text;
using texts::withValue;

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
    state_.requestRun();
}

// Item 2.1 while a run is in progress (cancel) or its results are on screen
// (clear). The cancel branch only asks: the run stops at its next check.
void Shell::LIMPA() {
    const RunState runState = state_.runState();
    if (runState != RunState::Finished && runState != RunState::CaseLoaded) {
        platform_.beep(kBeepHz, kBeepMs);
        platform::selectFirstFont(platform_, kWaitFonts);
        platform_.setColorRgb(platform::rgb(0, 0, 0));
        platform_.moveTo(50, 90);
        platform_.outText(text(ShellText::PleaseWait));
        platform_.setColorRgb(platform::rgb(208, 208, 208));
        platform_.moveTo(51, 91);
        platform_.outText(text(ShellText::PleaseWait));
        state_.requestCancel();
        return;
    }
    clearToHomeScreen();
    setSimulationItem(SimulationFace::Begin);
    platform_.setMenuItemEnabled(menu::Results, item::Title, false);
    state_.reset();
    platform_.deleteFile(text::utf8FromPath(programFile(settings::WorkingCaseFileName)));
}

void Shell::SAIR() {
    if (resultsPresent()) {
        const int answer =
            tell(text(ShellText::KeepResultsQuestion), platform::kMessageYesNoCancel);
        if (answer == platform::kAnswerCancel) return;
        if (answer == platform::kAnswerYes && !copyResults()) return;
    }
    platform_.setCurrentDirectory(text::utf8FromPath(programDirectory_));
    deleteFiles(false);
    platform_.closeApplication();
}

// ------------------------------------------------------------- result files

// Every finished run writes these four; a cancelled one writes none.
bool Shell::resultsPresent() const {
    std::error_code error;
    for (const ResultFile file :
         {ResultFile::Steady, ResultFile::Data, ResultFile::Flux, ResultFile::FluxPosition}) {
        if (std::filesystem::is_regular_file(programFile(resultFileName(file, language())),
                                             error)) {
            return true;
        }
    }
    return false;
}

// Asks for a folder and copies there every result file of the program
// folder and the saved case in use, each through a temporary file, so an
// earlier copy of the same name is replaced whole or not at all. The folder,
// or nothing when the user cancelled or a copy failed (said why).
std::optional<std::filesystem::path> Shell::copyResults() {
    const auto chosen = platform_.chooseFolder(text(ShellText::SaveResultsTitle),
                                               text::utf8FromPath(programDirectory_));
    if (!chosen) return std::nullopt;
    // Every message names the folder as the files reach it: absolute, without
    // "." or ".." steps or a closing separator.
    std::error_code error;
    std::filesystem::path folder =
        std::filesystem::absolute(text::pathFromUtf8(*chosen), error).lexically_normal();
    if (error) folder = text::pathFromUtf8(*chosen);
    if (!folder.has_filename() && folder.has_relative_path()) folder = folder.parent_path();
    if (std::filesystem::equivalent(folder, programDirectory_, error)) {
        tell(text(ShellText::ResultsAlreadyInFolder));
        return std::nullopt;
    }
    std::vector<std::filesystem::path> sources;
    for (const ResultFile file : kResultFiles) {
        const std::filesystem::path source = programFile(resultFileName(file, language()));
        if (std::filesystem::is_regular_file(source, error)) sources.push_back(source);
    }
    if (savedCase_) {
        const std::filesystem::path saved = savedCase_();
        if (!saved.empty() && std::filesystem::is_regular_file(saved, error)) {
            sources.push_back(saved);
        }
    }
    for (const std::filesystem::path& source : sources) {
        const std::filesystem::path target = folder / source.filename();
        const auto content = text::readTextFile(source);
        if (!content || !text::writeTextFileAtomically(target, *content)) {
            tell(withValue(withValue(text(ShellText::ResultsCopyFailed),
                                     text::utf8FromPath(source.filename())),
                           text::utf8FromPath(folder)));
            return std::nullopt;
        }
    }
    return folder;
}

void Shell::saveResultsAs() {
    if (const auto folder = copyResults()) {
        tell(withValue(text(ShellText::ResultsCopied), text::utf8FromPath(*folder)));
    }
}

// The editor opens the file of the current language in the program
// directory, without waiting; a missing file is the editor's concern.
void Shell::openResultFile(Text fileName) {
    platform_.editTextFile(text::utf8FromPath(programFile(text(fileName))), false);
}

void Shell::SHOW1() {
    openResultFile(RunText::DataFileName);
}
void Shell::SHOW2() {
    openResultFile(RunText::FluxFileName);
}
void Shell::SHOW3() {
    openResultFile(RunText::FluxPositionFileName);
}
void Shell::SHOW4() {
    openResultFile(RunText::UnsteadyFileName);
    openResultFile(RunText::AverageFileName);
}
void Shell::SHOW5() {
    openResultFile(RunText::WestFileName);
}
void Shell::SHOW6() {
    openResultFile(RunText::EastFileName);
}
void Shell::SHOW7() {
    openResultFile(RunText::SteadyFileName);
}

void Shell::compareWithExact() {
    if (compareExact_) compareExact_();
}
void Shell::showEnergyBalance() {
    openResultFile(RunText::BalanceFileName);
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
    handOverToShell([this] {
        platform_.openDocument(text(ShellText::HelpDocument), platform::WindowShow::Normal);
    });
}

void Shell::AJUDA_WIN() {
    platform_.showPlatformHelp();
}

// Calorvia has no web site and no support address of its own: both commands
// show the page for students shipped with the help documents (what Calorvia
// is, where to get it, how to report a problem), in the program's language;
// Send Email opens it at the section on reporting. Without the page they
// hand nothing over.
void Shell::showHomePage(std::string_view section) {
    handOverToShell([&] {
        const std::string page =
            std::string(HelpFolder) + "/" + std::string(text(ShellText::HomePageDocument));
        if (const auto shipped = folders_.shipped(page)) {
            platform_.openAddress(fileAddress(std::filesystem::absolute(*shipped)) +
                                  std::string(section));
        }
    });
}

void Shell::HOMEPAGE() {
    showHomePage("");
}

void Shell::EMAIL() {
    showHomePage(ReportSection);
}

void Shell::ABOUT() {
    platform_.beep(kBeepHz, kBeepMs);
    platform_.showAbout();
}

void Shell::SINTAXE() {
    platform_.openDocument(text(ShellText::SyntaxDocument), platform::WindowShow::Normal);
}

}  // namespace calorvia::shell
