// NOVO, ABRIR, OPEN1, SAVE1 and LIMPA2.

#include "entry/case_commands.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <system_error>

#include "entry/saved_case_reader.h"
#include "entry/summary_panel.h"
#include "shell/home_screen.h"
#include "shell/program_folder.h"
#include "shell/shared_state.h"
#include "simulation/simulation_case.h"
#include "text/text_file.h"
#include "texts/entry_texts.h"

namespace calorvia::entry {
namespace {

using texts::EntryText;

// The folders the two file dialogs start from, inside the start directory. A
// missing folder is no error: the current directory then stays as it was.
constexpr std::string_view kOpenStartFolder = "Dados";
constexpr std::string_view kCaseFolder = "Data";

std::string utf8(const std::filesystem::path& path) {
    return text::utf8FromPath(path);
}

// A path the dialog gave, made absolute against the current directory it
// was chosen in, before the commands change back to the start directory.
std::filesystem::path absolutePath(const std::string& chosen) {
    std::error_code error;
    const std::filesystem::path path = text::pathFromUtf8(chosen);
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute;
}

// Why an opened file loads nothing.
std::string refusalOf(const SavedCaseReading& reading, const WizardContext& context,
                      const std::string& file) {
    using texts::withValue;
    if (reading.failure == SavedCaseFailure::FormulaTooLong) {
        return withValue(
            withValue(withValue(context.text(EntryText::SavedFormulaTooLong), reading.tooLongEntry),
                      std::to_string(PropertyEntryWidth)),
            file);
    }
    return withValue(context.text(EntryText::SavedCaseUnreadable), file);
}

bool isReadableFile(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    std::ifstream test(path, std::ios::binary);
    return static_cast<bool>(test);
}

}  // namespace

void CaseEntryCommands::NOVO() {
    mode_ = WizardMode::New;
    LEITURAS();
}

void CaseEntryCommands::ABRIR() {
    WizardContext context = makeContext();
    const std::optional<bool> closed =
        closeWhatIsOnScreen(context, EntryText::CloseSimulationQuestion);
    if (!closed) return;
    const bool panelCleared = *closed;
    entry_.blank();

    platform_.setCurrentDirectory(utf8(startDirectory() / kOpenStartFolder));
    const auto choice = OPEN1();
    changeToStartDirectory();
    if (!choice) {
        if (panelCleared) {
            LIMPA2();
            deleteWorkingCase();
        }
        return;
    }

    SavedCaseReading reading = readSavedCaseFile(currentCasePath_);
    if (!reading.ok()) {
        // Nothing is loaded: the wizard does not start and RunState stays Idle.
        context.tellText(refusalOf(reading, context, utf8(currentCasePath_)));
        if (panelCleared) LIMPA2();
        return;
    }
    entry_ = std::move(reading.entry);
    tellNotes(context, reading);
    mode_ = WizardMode::Edit;
    LEITURAS();
}

void CaseEntryCommands::tellNotes(WizardContext& context, const SavedCaseReading& reading) {
    if (const auto& line = reading.unknownBody) {
        context.tellText(texts::withValue(texts::withValue(context.text(EntryText::UnknownBodyLine),
                                                           std::to_string(line->number)),
                                          line->text));
    }
    // Said here, once per opening: the wizard has no west step for the centre.
    if (entry_.westConditionUnused()) context.tell(EntryText::CentreWestConditionUnused);
}

CaseEntryCommands::Unattended CaseEntryCommands::openUnattended(const std::filesystem::path& path,
                                                                const StepEdit& edit) {
    WizardContext context = makeContext();
    if (!closeWhatIsOnScreen(context, EntryText::CloseSimulationQuestion))
        return Unattended::NotLoaded;
    entry_.blank();
    const std::filesystem::path absolute = absolutePath(utf8(path));
    if (!isReadableFile(absolute)) {
        context.tell(EntryText::FileDoesNotExist);
        return Unattended::Refused;
    }
    currentCasePath_ = absolute;
    SavedCaseReading reading = readSavedCaseFile(currentCasePath_);
    if (!reading.ok()) {
        context.tellText(refusalOf(reading, context, utf8(currentCasePath_)));
        return Unattended::Refused;
    }
    entry_ = std::move(reading.entry);
    tellNotes(context, reading);
    mode_ = WizardMode::Edit;

    for (std::optional step = WizardStep::General; step; step = stepAfter(*step, entry_)) {
        giveBackUntouched(*step);
        if (!edit(*step, entry_)) return Unattended::Refused;
        Checked<CaseEntry> checked = checkStep(std::move(entry_), *step);
        entry_ = std::move(checked.entry);
        if (checked.refusal) {
            context.tell(*checked.refusal);
            return Unattended::Refused;
        }
    }
    if (wantsToModify(context)) return Unattended::NotLoaded;
    writeCase(context);
    return shell_.state().runState() == shell::RunState::CaseLoaded ? Unattended::Loaded
                                                                    : Unattended::NotLoaded;
}

std::optional<platform::FileChoice> CaseEntryCommands::OPEN1() {
    WizardContext context = makeContext();
    platform_.setCurrentDirectory(utf8(startDirectory() / kCaseFolder));
    platform::FileDialogRequest request =
        platform::caseFileDialogRequest(shell_.openDialogTitle(), utf8(startDirectory()), " ");
    while (true) {
        auto choice = platform_.openFileDialog(request);
        if (!choice) return std::nullopt;
        const std::filesystem::path path = absolutePath(choice->path);
        if (!isReadableFile(path)) {
            context.tell(EntryText::FileDoesNotExist);
            request.fileName = choice->path;
            continue;
        }
        currentCasePath_ = path;
        choice->path = utf8(path);
        return choice;
    }
}

// An existing file is replaced only when the student says not to keep it.
// It is not deleted here: the case is written through a temporary file and
// a rename, so until the new case is complete the old file stays.
std::optional<platform::FileChoice> CaseEntryCommands::SAVE1() {
    WizardContext context = makeContext();
    platform_.setCurrentDirectory(utf8(startDirectory() / kCaseFolder));
    platform::FileDialogRequest request = platform::caseFileDialogRequest(
        shell_.saveDialogTitle(), utf8(startDirectory() / kCaseFolder), "Untitled");
    while (true) {
        auto choice = platform_.saveFileDialog(request);
        if (!choice) return std::nullopt;
        const std::filesystem::path path = absolutePath(choice->path);
        std::error_code error;
        // A name that start-up, a run or a setting would delete or rewrite.
        if (shell::programFolderFileAt(startDirectory(), path)) {
            context.tellText(texts::withValue(
                texts::textFor(EntryText::CaseNameIsProgramFile, shell_.language()),
                utf8(path.filename())));
            request.fileName = choice->path;
            continue;
        }
        if (std::filesystem::exists(path, error)) {
            if (context.tell(EntryText::FileAlreadyExists, EntryText::DataLossTitle,
                             platform::kMessageYesNo) == platform::kAnswerYes) {
                request.fileName = choice->path;
                continue;
            }
        }
        currentCasePath_ = path;
        choice->path = utf8(path);
        return choice;
    }
}

void CaseEntryCommands::LIMPA2() {
    shell_.state().backToIdle();
    shell::drawGeometryPictures(platform_, shell::layoutOrigin(shell_.graphicsSize()),
                                shell_.dataFolders());
}

}  // namespace calorvia::entry
