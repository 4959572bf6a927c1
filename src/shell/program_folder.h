#pragma once
// The program folder as one program's own: a lock that keeps a second
// program (desktop or batch) out of it for as long as the first uses it, and
// the sweep of the temporary files a program killed part way left there.
//
// The lock is advisory (flock on LockFileName): it ends with the process
// that holds it, however that process ends, so a killed program leaves no
// lock behind. Within one process the folder is locked once and the lock is
// shared: the batch runner and the shell it starts are one program.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace calorvia::shell {

// Not a result file: start-up and Exit delete files by name and never this
// one, and it stays after the program ends (removing it could let two
// programs lock two different files of this name).
inline constexpr std::string_view LockFileName = ".calorvia.lock";

class ProgramFolderLock {
public:
    enum class Outcome {
        Locked,      // this process holds the folder (or no lock is kept, see below)
        InUse,       // another process holds it: the program must not start
        Unlockable,  // the lock file cannot be made or locked; the program goes on
    };

    // The open, locked file behind the locks of this process on one folder.
    struct Hold;

    ProgramFolderLock() = default;

    // Locks `folder`, or shares the lock this process already holds on it.
    static ProgramFolderLock lock(const std::filesystem::path& folder);

    Outcome outcome() const { return outcome_; }
    bool inUse() const { return outcome_ == Outcome::InUse; }
    // Gives the lock up (the folder stays locked while another holder of
    // this process shares it).
    void release() { hold_.reset(); }

private:
    Outcome outcome_ = Outcome::Unlockable;
    std::shared_ptr<Hold> hold_;
};

// The names of the files the program keeps in its folder, which start-up, a
// run or a setting deletes or rewrites: the settings, the working case, the
// initial estimate and every result file, in both languages. A file of the
// user's under one of these names is lost to the program.
std::vector<std::string> programFolderFileNames();
// Of them, the result files of both languages.
std::vector<std::string> resultFileNames();

// The name of the program's own file in `folder` that `file` is, or would
// be: by its name when it lies in that folder, or, when it exists, as another
// path, link or hard link to one. Nothing for any other file.
std::optional<std::string> programFolderFileAt(const std::filesystem::path& folder,
                                               const std::filesystem::path& file);

// A temporary file of a safe write: one of the program folder's own file
// names (a settings file, the working case, a result file or the initial
// estimate, in either language) followed by ".tmp<digits>-<digits>".
bool isLeftoverTemporaryName(std::string_view name);

// Removes the regular files of `folder` that are leftover temporary files,
// and only those; the names removed.
std::vector<std::string> removeLeftoverTemporaryFiles(const std::filesystem::path& folder);

}  // namespace calorvia::shell
