#include "support/program_folder.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <system_error>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include "shell/program_folder.h"
#include "text/text_file.h"

namespace calorvia::testing {

std::filesystem::path pathOf(std::string_view text) { return text::pathFromUtf8(text); }
std::string utf8(const std::filesystem::path& path) { return text::utf8FromPath(path); }

void writeFile(const std::filesystem::path& path, std::string_view content) {
    std::error_code ignored;
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), ignored);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
}

std::optional<std::string> readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

bool fileExists(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

std::filesystem::path buildDataFolder() { return CALORVIA_DATA_DIR; }

ForeignFolderLock::ForeignFolderLock(const std::filesystem::path& folder) {
    const std::string file = (folder / text::pathFromUtf8(shell::LockFileName)).string();
    int ready[2];
    if (::pipe(ready) != 0) throw std::runtime_error("no pipe");
    child_ = ::fork();
    if (child_ == 0) {
        const int lock = ::open(file.c_str(), O_RDONLY | O_CREAT, 0644);
        const char locked = lock >= 0 && ::flock(lock, LOCK_EX | LOCK_NB) == 0 ? 'y' : 'n';
        if (::write(ready[1], &locked, 1) != 1 || locked != 'y') ::_exit(1);
        for (;;) ::pause();
    }
    char locked = 'n';
    if (child_ < 0 || ::read(ready[0], &locked, 1) != 1 || locked != 'y') release();
    ::close(ready[0]);
    ::close(ready[1]);
    if (child_ < 0) throw std::runtime_error("cannot lock " + file + " from another process");
}

void ForeignFolderLock::release() {
    if (child_ <= 0) return;
    ::kill(child_, SIGKILL);
    ::waitpid(child_, nullptr, 0);
    child_ = -1;
}

TemporaryFolder::TemporaryFolder(Current current) {
    std::string pattern = (std::filesystem::temp_directory_path() / "calorvia-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary folder under " + pattern);
    }
    path_ = pattern;
    if (current == Current::Enter) {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(path_);
    }
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    if (previous_) std::filesystem::current_path(*previous_, ignored);
    // A test may have taken its rights on a folder away to see a write fail.
    using std::filesystem::perms;
    std::filesystem::permissions(path_, perms::owner_all, std::filesystem::perm_options::add,
                                 ignored);
    for (auto entry = std::filesystem::recursive_directory_iterator(path_, ignored);
         entry != std::filesystem::recursive_directory_iterator(); entry.increment(ignored)) {
        if (entry->is_directory(ignored)) {
            std::filesystem::permissions(entry->path(), perms::owner_all,
                                         std::filesystem::perm_options::add, ignored);
        }
    }
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace calorvia::testing
