#include "shell/shell.h"
#include "text/text_file.h"

#include <optional>
#include <system_error>
#include <utility>

#include "settings/settings_files.h"
#include "shell/home_screen.h"
#include "texts/common_texts.h"
#include "texts/result_file_names.h"
#include "texts/shell_texts.h"

namespace calorvia::shell {

using settings::ColourFileName;
using settings::LanguageFileName;
using settings::WriteBack;
using texts::CommonText;
using texts::kResultFiles;
using texts::Language;
using texts::languageCode;
using texts::ResultFile;
using texts::resultFileName;
using texts::ShellText;
using texts::Text;
using texts::textFor;
using texts::withValue;

namespace {

// The graphics window of a 640 x 480 screen: the program does not fit.
constexpr int kRefusedWidth = 640;

// The product's version, from the build, and the year of this version.
constexpr std::string_view kProductVersion = CALORVIA_VERSION;
constexpr std::string_view kProductYear = "2026";

}  // namespace

Shell::Shell(platform::Platform& platform, DataFolders folders,
             std::optional<Language> sessionLanguage)
    : platform_(platform), folders_(std::move(folders)), sessionLanguage_(sessionLanguage) {}

settings::LanguageSetting Shell::languageSetting() const {
    if (sessionLanguage_) return settings::LanguageSetting(*sessionLanguage_);
    return programFile(LanguageFileName);
}

std::filesystem::path Shell::programFile(std::string_view name) const {
    return programDirectory_ / text::pathFromUtf8(name);
}

int Shell::tell(std::string_view text, int flags) {
    const int answer = platform_.messageBox(text, this->text(CommonText::AttentionTitle), flags);
    platform::requestTutorial(platform_);
    return answer;
}

void Shell::writeSetting(std::string_view fileName, std::int32_t value) {
    if (!settings::writeIntegerSetting(programFile(fileName), value)) tellUnwritten(fileName);
}

void Shell::tellUnwritten(std::string_view fileName) {
    tell(withValue(text(CommonText::SettingsWriteFailed), fileName));
}

// ---------------------------------------------------------------------- menus

void Shell::buildMenus() {
    const Language menuLanguage = languageSetting().read(WriteBack::Never).value;
    for (const MenuEntry& entry : menuTable()) {
        if (!entry.text) {
            platform_.appendMenuItem(entry.menu, "", platform::MenuItemKind::Separator, {});
            continue;
        }
        platform_.appendMenuItem(entry.menu, textFor(*entry.text, menuLanguage),
                                 platform::MenuItemKind::Enabled, commandFor(entry.command));
    }
    // Until start-up has ended no command may run: grey all five menus.
    for (int m = 1; m <= menu::Count; ++m) platform_.setMenuItemEnabled(m, item::Title, false);
}

platform::Command Shell::commandFor(MenuCommand command) {
    switch (command) {
        case MenuCommand::None:
            return {};
        case MenuCommand::NOVO:
            return [this] { NOVO(); };
        case MenuCommand::ABRIR:
            return [this] { ABRIR(); };
        case MenuCommand::SAIR:
            return [this] { SAIR(); };
        case MenuCommand::SimulationCommand:
            return [this] { beginSimulation(); };
        case MenuCommand::SelectGraph:
            return [this] { platform_.selectGraphics(); };
        case MenuCommand::CopyGraph:
            return [this] { platform_.copyGraphicsToClipboard(); };
        case MenuCommand::SHOW1:
            return [this] { SHOW1(); };
        case MenuCommand::SHOW2:
            return [this] { SHOW2(); };
        case MenuCommand::SHOW3:
            return [this] { SHOW3(); };
        case MenuCommand::SHOW4:
            return [this] { SHOW4(); };
        case MenuCommand::SHOW5:
            return [this] { SHOW5(); };
        case MenuCommand::SHOW6:
            return [this] { SHOW6(); };
        case MenuCommand::SHOW7:
            return [this] { SHOW7(); };
        case MenuCommand::IMPRIMIR:
            return [this] { IMPRIMIR(); };
        case MenuCommand::SaveResultsAs:
            return [this] { saveResultsAs(); };
        case MenuCommand::CompareExact:
            return [this] { compareWithExact(); };
        case MenuCommand::EnergyBalance:
            return [this] { showEnergyBalance(); };
        case MenuCommand::COR:
            return [this] { COR(); };
        case MenuCommand::LANGUAGE:
            return [this] { LANGUAGE(); };
        case MenuCommand::TOLERANCE:
            return [this] { TOLERANCE(); };
        case MenuCommand::AJUDA_SOFT:
            return [this] { AJUDA_SOFT(); };
        case MenuCommand::AJUDA_WIN:
            return [this] { AJUDA_WIN(); };
        case MenuCommand::HOMEPAGE:
            return [this] { HOMEPAGE(); };
        case MenuCommand::EMAIL:
            return [this] { EMAIL(); };
        case MenuCommand::ABOUT:
            return [this] { ABOUT(); };
    }
    return {};
}

// Every item keeps its command; only the texts follow the language. Item
// 2.1 reads Clear Screen while a finished run is on screen, else Begin
// Simulation (the Preferences menu is grey during a run, so the language
// never changes while it reads Cancel Simulation).
void Shell::retitleMenus() {
    for (const MenuEntry& entry : menuTable()) {
        if (!entry.text) continue;
        Text title = *entry.text;
        if (entry.command == MenuCommand::SimulationCommand) {
            title =
                simulationFaceText(state_.runState() == RunState::Finished ? SimulationFace::Clear
                                                                           : SimulationFace::Begin);
        }
        platform_.setMenuItemText(entry.menu, entry.item, text(title));
    }
}

void Shell::setSimulationItem(SimulationFace face) {
    platform_.setMenuItemText(menu::Simulation, item::SimulationCommand,
                              text(simulationFaceText(face)));
    if (face == SimulationFace::Begin) {
        platform_.setMenuItemCommand(menu::Simulation, item::SimulationCommand,
                                     [this] { beginSimulation(); });
    } else {
        platform_.setMenuItemCommand(menu::Simulation, item::SimulationCommand,
                                     [this] { LIMPA(); });
    }
}

void Shell::showRunStarted() {
    platform_.setMenuItemEnabled(menu::File, item::New, false);
    platform_.setMenuItemEnabled(menu::File, item::Open, false);
    platform_.setMenuItemEnabled(menu::Preferences, item::Title, false);
    setSimulationItem(SimulationFace::Cancel);
}

void Shell::showRunFinished() {
    setSimulationItem(SimulationFace::Clear);
    platform_.setMenuItemEnabled(menu::Results, item::Title, true);
    platform_.setMenuItemEnabled(menu::Preferences, item::Title, true);
    platform_.setMenuItemEnabled(menu::File, item::New, true);
    platform_.setMenuItemEnabled(menu::File, item::Open, true);
    state_.runFinished();
}

void Shell::showRunCancelled() {
    setSimulationItem(SimulationFace::Begin);
    platform_.setMenuItemEnabled(menu::File, item::New, true);
    platform_.setMenuItemEnabled(menu::File, item::Open, true);
    platform_.setMenuItemEnabled(menu::Preferences, item::Title, true);
}

// ------------------------------------------------------------------- start-up

std::string Shell::aboutText() const {
    std::string about(text(ShellText::AboutPurpose));
    about += "\n\n\n";
    about += text(CommonText::ProgramName);
    about += " ";
    about += kProductVersion;
    about += " (";
    about += kProductYear;
    about += ")\n\n";
#ifdef __EMSCRIPTEN__
    about += text(ShellText::AboutCreditsWeb);
#else
    about += text(ShellText::AboutCredits);
#endif
    return about;
}

void Shell::setDialogTitles() {
    openDialogTitle_ = std::string(text(ShellText::OpenDialogTitle));
    saveDialogTitle_ = std::string(text(ShellText::SaveDialogTitle));
}

std::filesystem::path Shell::programFolder() const {
    return programDirectory_.empty() ? std::filesystem::path(".") : programDirectory_;
}

// Before anything in the folder is written or deleted: a second program on
// the same folder would delete this one's files and mix its own among them.
// A killed program's safe writes may have left temporary files; once the
// folder is locked no other program can be writing one.
bool Shell::takeProgramFolder() {
    folderLock_ = ProgramFolderLock::lock(programFolder());
    if (folderLock_.inUse()) {
        const auto stored = languageSetting().read(WriteBack::Never);
        language_.store(languageCode(stored.value));
        platform_.setInterfaceLanguage(language_.load());
        std::error_code error;
        std::filesystem::path shown = std::filesystem::absolute(programFolder(), error);
        if (!error) shown = shown.lexically_normal();
        if (!shown.has_filename() && shown.has_parent_path()) shown = shown.parent_path();
        tell(withValue(text(ShellText::ProgramFolderInUse), text::utf8FromPath(shown)));
        platform_.closeApplication();
        return false;
    }
    // Unlocked, another program might be writing one of them.
    if (folderLock_.outcome() == ProgramFolderLock::Outcome::Locked) {
        removeLeftoverTemporaryFiles(programFolder());
    }
    return true;
}

bool Shell::startUp() {
    platform_.pause(50);
    platform_.pause(50);
    if (!takeProgramFolder()) return false;

    const auto stored = languageSetting().read(WriteBack::DefaultWhenUnreadable);
    language_.store(languageCode(stored.value));
    if (stored.writeFailed) tellUnwritten(LanguageFileName);
    platform_.setInterfaceLanguage(language_.load());

    graphicsSize_ =
        platform_.configureGraphicsWindow(textFor(CommonText::GraphicsWindowTitle, language()));
    platform_.pause(50);
    const auto colour =
        settings::readGraphColour(programFile(ColourFileName), WriteBack::DefaultWhenUnreadable);
    graphColour_.store(colour.value);
    if (colour.writeFailed) tellUnwritten(ColourFileName);

    if (graphicsSize_.width == kRefusedWidth) {
        tell(text(ShellText::ResolutionRefused));
        platform_.closeApplication();
        return false;
    }

    platform_.pause(50);
    platform_.setBackgroundRgb(HomeBackground);
    platform_.clearScreen();

    const platform::PixelSize largest = platform_.frameMaximumSize();
    platform_.setFrameSize({largest.width * 89 / 100, largest.height * 98 / 100});
    platform_.pause(50);
    const platform::PixelSize maximum = platform_.frameMaximumSize();
    const platform::PixelSize current = platform_.frameCurrentSize();
    if (current.width < maximum.width || current.height < maximum.height) {
        platform_.maximizeFrame();
    }
    platform_.pause(50);

    state_.reset();
    for (int m = 1; m <= menu::Count; ++m) platform_.setMenuItemEnabled(m, item::Title, false);

    platform_.setAboutText(aboutText());

    // The whole directory is kept, however long: a path cut short would name
    // another folder.
    const std::optional<std::string> directory = platform_.currentDirectory();
    if (!directory || directory->empty()) {
        tell(text(ShellText::CurrentDirectoryFailed));
        platform_.closeApplication();
        return false;
    }
    programDirectory_ = text::pathFromUtf8(*directory);
    folders_.setProgramDirectory(programDirectory_);
    platform_.setCurrentDirectory(*directory);

    drawHomeScreen();
    setDialogTitles();
    // Results of an earlier use of the program, the Portuguese average
    // history included: shown now, they would pass for results of this one.
    deleteFiles(true);

    for (const int m : {menu::File, menu::Simulation, menu::Preferences, menu::Information}) {
        platform_.setMenuItemEnabled(m, item::Title, true);
    }
    return true;
}

bool Shell::idleStep() {
    platform_.pause(100);
    if (!state_.runRequested()) return false;
    if (run_) run_();
    state_.clearRunRequest();
    return true;
}

void Shell::idleLoop(const std::function<bool()>& keepRunning) {
    while (keepRunning()) idleStep();
}

// ---------------------------------------------------------------- home screen

void Shell::drawHomeScreen() {
    shell::drawHomeScreen(platform_, graphicsSize_, folders_);
}

void Shell::clearToHomeScreen() {
    platform_.setBackgroundRgb(HomeBackground);
    platform_.clearScreen();
    drawHomeScreen();
}

// The working case and every result file of both languages.
void Shell::deleteFiles(bool includePortugueseAverage) {
    platform_.deleteFile(text::utf8FromPath(programFile(settings::WorkingCaseFileName)));
    deleteResultFiles(includePortugueseAverage);
}

// Exit leaves the Portuguese average history, as the program always has;
// start-up and a run remove it too.
void Shell::deleteResultFiles(bool includePortugueseAverage) {
    for (const Language each : {Language::Portuguese, Language::English}) {
        for (const ResultFile file : kResultFiles) {
            if (file == ResultFile::Average && each == Language::Portuguese &&
                !includePortugueseAverage) {
                continue;
            }
            platform_.deleteFile(text::utf8FromPath(programFile(resultFileName(file, each))));
        }
    }
}

}  // namespace calorvia::shell
