#pragma once
// The commands through which a student creates, opens and saves a case, and
// the case entry wizard they run:
//  - NOVO (File > New): the wizard on a blank record;
//  - ABRIR (File > Open): a saved case read into the record, then the wizard
//    on it, which rewrites that file when it completes;
//  - OPEN1 and SAVE1: the open and save dialogs with their checks;
//  - LIMPA2: the geometry panel redrawn, no case loaded;
//  - LEITURAS: the wizard itself (general settings, transient settings, the
//    two boundaries, the closing checks, and the writing of the saved case
//    file and of the working case file "Loaded.txt").
//
// Everything here runs on the window thread; the run learns of a written
// case only through RunState (CaseLoaded) and the working case file.

#include <filesystem>
#include <functional>
#include <optional>

#include "entry/case_entry.h"
#include "entry/wizard_context.h"
#include "platform/platform.h"
#include "shell/shell.h"

namespace calorvia::entry {

struct SavedCaseReading;

class CaseEntryCommands {
public:
    CaseEntryCommands(platform::Platform& platform, shell::Shell& shell)
        : platform_(platform), shell_(shell) {}
    CaseEntryCommands(const CaseEntryCommands&) = delete;
    CaseEntryCommands& operator=(const CaseEntryCommands&) = delete;

    void NOVO();
    void ABRIR();
    // The chosen file, or nothing when the student cancelled; the chosen
    // path becomes the current case path.
    std::optional<platform::FileChoice> OPEN1();
    std::optional<platform::FileChoice> SAVE1();
    void LIMPA2();
    // The wizard, in the mode set before.
    void LEITURAS();

    // File > Open with no one at its dialogs (calorvia-batch): the saved case
    // at `path` read, then each step the wizard would show checked as though
    // Forward were pressed on it, after `edit` changed the record as typing
    // into that step's dialog would (false: the edit itself refuses the case,
    // and has said why). Messages, closing warnings and the writing of the
    // case are the wizard's; a refusal ends it.
    enum class Unattended { Loaded, Refused, NotLoaded };
    using StepEdit = std::function<bool(WizardStep, CaseEntry&)>;
    Unattended openUnattended(const std::filesystem::path& path, const StepEdit& edit);

    void setMode(WizardMode mode) { mode_ = mode; }
    WizardMode mode() const { return mode_; }
    CaseEntry& entry() { return entry_; }
    const CaseEntry& entry() const { return entry_; }
    const std::filesystem::path& currentCasePath() const { return currentCasePath_; }

private:
    // The wizard's steps in the order of WizardStep, then the checks of the
    // whole case.
    enum class Stage { General, Transient, West, East, ClosingChecks };
    static_assert(static_cast<int>(Stage::East) == static_cast<int>(WizardStep::East));

    WizardContext makeContext();
    // The notes on a case read: a line that names no body, a solid body's
    // unused west condition.
    void tellNotes(WizardContext& context, const SavedCaseReading& reading);
    StepResult runGeneralStep(WizardContext& context);
    StepResult runTransientStep(WizardContext& context);
    // True when the student wants to change the case after a warning.
    bool wantsToModify(WizardContext& context);
    Stage stageBeforeWest() const;
    // The step's texts as its dialog gives them back when nothing is typed.
    void giveBackUntouched(WizardStep step);
    void writeCase(WizardContext& context);
    enum class WriteOutcome { Written, SavedFileFailed, WorkingFileFailed };
    // Writes the saved case file, then the working one; a failure has been
    // told to the student.
    WriteOutcome writeBothFiles(WizardContext& context, const std::filesystem::path& target);
    bool askToClose(WizardContext& context, texts::Text question);
    // Asks to close a finished run or a loaded case, whichever is on screen,
    // and closes it. Nothing when the user keeps it; otherwise whether the
    // panel of a loaded case was cleared.
    std::optional<bool> closeWhatIsOnScreen(WizardContext& context,
                                            texts::Text finishedRunQuestion);
    void changeToStartDirectory();
    void deleteWorkingCase();
    std::filesystem::path startDirectory() const { return shell_.programDirectory(); }

    platform::Platform& platform_;
    shell::Shell& shell_;
    CaseEntry entry_;
    WizardMode mode_ = WizardMode::New;
    std::filesystem::path currentCasePath_;
};

}  // namespace calorvia::entry
