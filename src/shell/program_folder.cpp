#include "shell/program_folder.h"

#include <algorithm>
#include <cctype>
#include <mutex>
#include <system_error>

#include "settings/settings_files.h"
#include "text/text_file.h"
#include "texts/result_file_names.h"
#include "texts/run_texts.h"

#if defined(CALORVIA_HAVE_FLOCK)
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace calorvia::shell {

#if defined(CALORVIA_HAVE_FLOCK)

// One open lock file of this process, locked; closing it unlocks.
struct ProgramFolderLock::Hold {
    int descriptor = -1;
    dev_t device = 0;
    ino_t inode = 0;
    ~Hold() { ::close(descriptor); }
};

namespace {

// The holds of this process, so that a second lock of the same folder shares
// the first instead of being refused by it (flock counts open files, not
// processes).
std::mutex holdsMutex;
std::vector<std::weak_ptr<ProgramFolderLock::Hold>>& holds() {
    static std::vector<std::weak_ptr<ProgramFolderLock::Hold>> all;
    return all;
}

}  // namespace

ProgramFolderLock ProgramFolderLock::lock(const std::filesystem::path& folder) {
    ProgramFolderLock result;
    const std::filesystem::path file = folder / text::pathFromUtf8(LockFileName);
    // Close-on-exec: an editor the program starts must not keep the folder
    // locked after the program has ended. No link is followed and nothing
    // waits on a FIFO: only a regular file of our own is locked.
    const int descriptor =
        ::open(file.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0644);
    if (descriptor < 0) return result;
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return result;
    }
    const std::lock_guard guard(holdsMutex);
    auto& all = holds();
    std::erase_if(all, [](const auto& hold) { return hold.expired(); });
    for (const auto& weak : all) {
        auto hold = weak.lock();
        if (hold && hold->device == status.st_dev && hold->inode == status.st_ino) {
            ::close(descriptor);
            result.outcome_ = Outcome::Locked;
            result.hold_ = std::move(hold);
            return result;
        }
    }
    if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        result.outcome_ = errno == EWOULDBLOCK ? Outcome::InUse : Outcome::Unlockable;
        ::close(descriptor);
        return result;
    }
    result.hold_ = std::make_shared<Hold>();
    result.hold_->descriptor = descriptor;
    result.hold_->device = status.st_dev;
    result.hold_->inode = status.st_ino;
    all.push_back(result.hold_);
    result.outcome_ = Outcome::Locked;
    return result;
}

#else

// A build without flock (the coming web build, one program per browser page
// and its folder its own) keeps runs apart otherwise: there is nothing to lock.
struct ProgramFolderLock::Hold {};

ProgramFolderLock ProgramFolderLock::lock(const std::filesystem::path&) {
    ProgramFolderLock result;
    result.outcome_ = Outcome::Locked;
    return result;
}

#endif

namespace {

// One or more digits from `at`; the position after them, or npos.
std::size_t afterDigits(std::string_view text, std::size_t at) {
    const std::size_t start = at;
    while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) ++at;
    return at > start ? at : std::string_view::npos;
}

}  // namespace

std::vector<std::string> resultFileNames() {
    std::vector<std::string> names;
    for (const texts::Language language : {texts::Language::Portuguese, texts::Language::English}) {
        for (const texts::ResultFile file : texts::kResultFiles) {
            names.emplace_back(texts::resultFileName(file, language));
        }
    }
    return names;
}

std::vector<std::string> programFolderFileNames() {
    std::vector<std::string> names{
        std::string(settings::LanguageFileName), std::string(settings::ColourFileName),
        std::string(settings::ToleranceFileName), std::string(settings::WorkingCaseFileName)};
    for (const texts::Language language : {texts::Language::Portuguese, texts::Language::English}) {
        names.emplace_back(texts::textFor(texts::RunText::InitialEstimateFileName, language));
    }
    const std::vector<std::string> results = resultFileNames();
    names.insert(names.end(), results.begin(), results.end());
    return names;
}

std::optional<std::string> programFolderFileAt(const std::filesystem::path& folder,
                                               const std::filesystem::path& file) {
    const std::vector<std::string> names = programFolderFileNames();
    std::error_code error;
    if (std::filesystem::equivalent(file.parent_path().empty() ? "." : file.parent_path(), folder,
                                    error)) {
        const std::string name = text::utf8FromPath(file.filename());
        if (std::find(names.begin(), names.end(), name) != names.end()) return name;
    }
    for (const std::string& name : names) {
        if (std::filesystem::equivalent(file, folder / text::pathFromUtf8(name), error)) {
            return name;
        }
    }
    return std::nullopt;
}

// The writer names them path + ".tmp" + process id + "-" + a counter.
bool isLeftoverTemporaryName(std::string_view name) {
    constexpr std::string_view marker = ".tmp";
    for (const std::string& own : programFolderFileNames()) {
        if (!name.starts_with(own) || name.substr(own.size(), marker.size()) != marker) continue;
        const std::size_t dash = afterDigits(name, own.size() + marker.size());
        if (dash == std::string_view::npos || dash >= name.size() || name[dash] != '-') continue;
        if (afterDigits(name, dash + 1) == name.size()) return true;
    }
    return false;
}

std::vector<std::string> removeLeftoverTemporaryFiles(const std::filesystem::path& folder) {
    // Listed first, removed after: a folder changed while it is read may
    // list an entry twice or not at all.
    std::vector<std::string> found;
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        std::string name = text::utf8FromPath(entries->path().filename());
        if (isLeftoverTemporaryName(name)) found.push_back(std::move(name));
    }
    std::vector<std::string> removed;
    for (std::string& name : found) {
        const std::filesystem::path path = folder / text::pathFromUtf8(name);
        std::error_code ignored;
        if (!std::filesystem::is_regular_file(std::filesystem::symlink_status(path, ignored))) {
            continue;
        }
        if (std::filesystem::remove(path, ignored)) removed.push_back(std::move(name));
    }
    return removed;
}

}  // namespace calorvia::shell
