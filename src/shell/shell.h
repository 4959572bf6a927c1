#pragma once
// The application shell: start-up, the home screen, the idle loop, the menu
// commands, the preference dialogs and the numeric error hook.
//
// Two threads use one Shell. The program's main thread builds the menus,
// runs startUp() and then idleLoop() for the life of the program; every
// simulation runs inside the idle loop, on that thread. The window thread
// runs the menu commands. They share only SharedState, the language and the
// graph colour (atomics); everything else is written by start-up before the
// menus are enabled and only read afterwards, or belongs to the window
// thread.
//
// Entry points of other subsystems: the run, New and Open are plain
// functions that those subsystems hand to the shell. Until they do, the
// shell's defaults do nothing: Begin Simulation is taken by the idle loop
// and simply reset, New and Open change nothing.

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "interpreter/math_functions.h"
#include "platform/platform.h"
#include "settings/settings_files.h"
#include "shell/data_folders.h"
#include "shell/menus.h"
#include "shell/program_folder.h"
#include "shell/shared_state.h"
#include "texts/text_catalogue.h"

namespace calorvia::shell {

class Shell {
public:
    using EntryPoint = std::function<void()>;

    // A session language (calorvia-batch --lang) is used instead of
    // "idioma", which is then neither read nor written; Preferences > Language
    // still writes the student's choice.
    Shell(platform::Platform& platform, DataFolders folders,
          std::optional<texts::Language> sessionLanguage = std::nullopt);
    Shell(const Shell&) = delete;
    Shell& operator=(const Shell&) = delete;

    // ---- entry points supplied by other subsystems --------------------------

    // One whole simulation, run by the idle loop on the main thread.
    void setRunEntry(EntryPoint run) { run_ = std::move(run); }
    // File > New (NOVO) and File > Open (ABRIR), run on the window thread.
    void setNewCaseEntry(EntryPoint entry) { newCase_ = std::move(entry); }
    void setOpenCaseEntry(EntryPoint entry) { openCase_ = std::move(entry); }
    // Results > Compare with the exact solution, which needs the last run.
    void setCompareExactEntry(EntryPoint entry) { compareExact_ = std::move(entry); }
    // The saved case in use (an empty path when there is none), which a copy
    // of the results takes along.
    void setSavedCaseSource(std::function<std::filesystem::path()> source) {
        savedCase_ = std::move(source);
    }

    // ---- start-up and the idle loop (main thread) -----------------------------

    // Builds the five menus in the language of "idioma" (English when it is
    // unreadable; nothing is written), all five greyed until start-up ends.
    // Runs before the main window is shown.
    void buildMenus();
    // The start-up sequence up to the idle loop. False when the program must
    // end (another program holds the folder, a 640-pixel-wide screen, no
    // current directory); it has then shown why and asked the platform to
    // close the application. The folder stays locked while the shell lives.
    bool startUp();
    // Pauses 100 ms and, when Begin Simulation has set RunRequest, runs one
    // simulation and resets RunRequest to 0. True when it ran one.
    bool idleStep();
    // idleStep() for as long as `keepRunning` says so.
    void idleLoop(const std::function<bool()>& keepRunning);

    // ---- the home screen ----------------------------------------------------------

    void drawHomeScreen();
    // Clears the graphics area to the home screen's grey and draws it.
    void clearToHomeScreen();

    // ---- menu commands (window thread) -------------------------------------------

    void NOVO();
    void ABRIR();
    void beginSimulation();
    void LIMPA();
    // Exit. When the results of a run are in the program folder it first
    // offers to keep a copy, since leaving deletes them (Yes, No, Cancel);
    // Cancel, or a copy cancelled or failed, keeps the program open with
    // nothing deleted.
    void SAIR();
    // Results > Save Results As: the result files of the program folder and
    // the saved case copied into a folder the user chooses.
    void saveResultsAs();
    void SHOW1();
    void SHOW2();
    void SHOW3();
    void SHOW4();
    void SHOW5();
    void SHOW6();
    void SHOW7();
    // Results > Compare with the exact solution (nothing until the run gives it).
    void compareWithExact();
    // Results > Energy Balance: "Balance.txt" in the editor.
    void showEnergyBalance();
    void IMPRIMIR();
    void AJUDA_SOFT();
    void AJUDA_WIN();
    void HOMEPAGE();
    void EMAIL();
    void ABOUT();
    // The case entry's Syntax button.
    void SINTAXE();

    // ---- preference dialogs (window thread) ---------------------------------------

    void TOLERANCE();
    void COR();
    void LANGUAGE();

    // ---- numeric errors (the thread of the failing call) --------------------------

    // Tells the user which function failed and why, and requests a cancel.
    // Returns 1: the library's substitute result stands.
    std::int16_t MATHERRQQ(std::string_view functionName, std::int32_t kind);
    // MATHERRQQ as the interpreter's hook.
    interpreter::MathErrorHook mathErrorHook();

    // ---- the menus through a run ------------------------------------------------------

    // A run starts: item 2.1 becomes Cancel Simulation, New, Open and the
    // Preferences menu are greyed.
    void showRunStarted();
    // A run ended normally: item 2.1 becomes Clear Screen; the Results and
    // Preferences menus, New and Open are enabled; RunState becomes Finished.
    void showRunFinished();
    // A run was cancelled or stopped by an error: item 2.1 becomes Begin
    // Simulation again; New, Open and the Preferences menu are enabled.
    void showRunCancelled();

    // ---- messages ------------------------------------------------------------------------

    // A message box titled "Attention" in the current language, followed by
    // the tutorial request every message box is followed by. Returns the
    // answer.
    int tell(std::string_view text, int flags = platform::kMessageOk);

    // ---- state ---------------------------------------------------------------------------

    SharedState& state() { return state_; }
    // Where the graphs read the language: "idioma", or the session's.
    settings::LanguageSetting languageSetting() const;
    texts::Language language() const { return texts::languageFromCode(language_.load()); }
    std::int32_t graphColour() const { return graphColour_.load(); }
    std::string_view text(texts::Text id) const { return texts::textFor(id, language()); }
    const std::filesystem::path& programDirectory() const { return programDirectory_; }
    platform::PixelSize graphicsSize() const { return graphicsSize_; }
    const DataFolders& dataFolders() const { return folders_; }
    const std::string& openDialogTitle() const { return openDialogTitle_; }
    const std::string& saveDialogTitle() const { return saveDialogTitle_; }
    // The About text in the current language.
    std::string aboutText() const;
    // A file of the program directory (the current directory before it is
    // known).
    std::filesystem::path programFile(std::string_view name) const;
    // Every result file of both languages in the program directory, and
    // nothing else (a folder of such a name stays). A run starts with this,
    // so that a student who changed the language in between finds no file
    // of an earlier run among its own.
    void deleteResultFiles(bool includePortugueseAverage = true);

private:
    platform::Command commandFor(MenuCommand command);
    void setSimulationItem(SimulationFace face);
    void retitleMenus();
    void setDialogTitles();
    bool takeProgramFolder();
    std::filesystem::path programFolder() const;
    void deleteFiles(bool includePortugueseAverage);
    void openResultFile(texts::Text fileName);
    void handOverToShell(const std::function<void()>& handOver);
    // The home page, at `section` ("#id", or "" for its top).
    void showHomePage(std::string_view section);
    void writeSetting(std::string_view fileName, std::int32_t value);
    void tellUnwritten(std::string_view fileName);
    void renameResultFiles(texts::Language from, texts::Language to);
    bool resultsPresent() const;
    std::optional<std::filesystem::path> copyResults();

    platform::Platform& platform_;
    DataFolders folders_;
    std::optional<texts::Language> sessionLanguage_;
    SharedState state_;
    std::atomic<std::int32_t> language_{texts::languageCode(texts::Language::English)};
    std::atomic<std::int32_t> graphColour_{12};
    std::filesystem::path programDirectory_;
    ProgramFolderLock folderLock_;
    platform::PixelSize graphicsSize_{};
    std::string openDialogTitle_;
    std::string saveDialogTitle_;
    EntryPoint run_;
    EntryPoint newCase_;
    EntryPoint openCase_;
    EntryPoint compareExact_;
    std::function<std::filesystem::path()> savedCase_;
};

}  // namespace calorvia::shell
