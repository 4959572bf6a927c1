#include "app/private_folder.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <system_error>

#if defined(__linux__)
#include <sys/syscall.h>
#endif

namespace calorvia::batch {
namespace {

constexpr std::array kEndingSignals{SIGINT, SIGTERM, SIGHUP};

// What the handler needs, made before it can run: it may neither allocate
// nor build a path.
char armedFolder[PATH_MAX];
char armedFile[PATH_MAX];
volatile sig_atomic_t armed = 0;
std::array<struct sigaction, kEndingSignals.size()> previousActions{};
std::array<bool, kEndingSignals.size()> handled{};

// The folder's entries, whatever their names (a safe write of the copy may
// have left a temporary file beside it). Linux lists a folder with a plain
// system call; elsewhere only the copy, whose name is known, is removed.
void removeEntries() {
#if defined(__linux__)
    const int folder = ::open(armedFolder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) return;
    alignas(8) char buffer[4096];
    // A linux_dirent64: inode (8 bytes), offset (8), record length (2),
    // type (1), then the name, NUL-terminated.
    constexpr std::size_t kLengthAt = 16;
    constexpr std::size_t kNameAt = 19;
    long read = 0;
    while ((read = ::syscall(SYS_getdents64, folder, buffer, sizeof buffer)) > 0) {
        for (long at = 0; at < read;) {
            unsigned short length = 0;
            std::memcpy(&length, buffer + at + kLengthAt, sizeof length);
            const char* name = buffer + at + kNameAt;
            if (std::strcmp(name, ".") != 0 && std::strcmp(name, "..") != 0) {
                ::unlinkat(folder, name, 0);
            }
            at += length;
        }
    }
    ::close(folder);
#endif
    ::unlink(armedFile);
}

extern "C" void removeAndEnd(int signal) {
    const int savedErrno = errno;
    if (armed) {
        removeEntries();
        ::rmdir(armedFolder);
        armed = 0;
    }
    errno = savedErrno;
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

bool copyInto(char (&target)[PATH_MAX], const std::string& text) {
    if (text.size() >= PATH_MAX) return false;
    std::memcpy(target, text.c_str(), text.size() + 1);
    return true;
}

// Holds the ending signals back while the folder is made and the handler
// armed: a signal between the two would leave the folder behind.
class EndingSignalsHeld {
public:
    EndingSignalsHeld() {
        sigset_t held;
        sigemptyset(&held);
        for (const int signal : kEndingSignals) sigaddset(&held, signal);
        pthread_sigmask(SIG_BLOCK, &held, &previous_);
    }
    ~EndingSignalsHeld() { pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }
    EndingSignalsHeld(const EndingSignalsHeld&) = delete;
    EndingSignalsHeld& operator=(const EndingSignalsHeld&) = delete;

private:
    sigset_t previous_;
};

void arm(const std::filesystem::path& folder, const std::filesystem::path& file) {
    if (!copyInto(armedFolder, folder.string()) || !copyInto(armedFile, file.string())) return;
    armed = 1;
    for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
        struct sigaction action {};
        action.sa_handler = removeAndEnd;
        sigemptyset(&action.sa_mask);
        handled[i] = sigaction(kEndingSignals[i], &action, &previousActions[i]) == 0;
        // A signal the program was started to ignore (nohup) stays ignored.
        if (handled[i] && previousActions[i].sa_handler == SIG_IGN) {
            sigaction(kEndingSignals[i], &previousActions[i], nullptr);
            handled[i] = false;
        }
    }
}

void disarm() {
    for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
        if (handled[i]) sigaction(kEndingSignals[i], &previousActions[i], nullptr);
        handled[i] = false;
    }
    armed = 0;
}

}  // namespace

PrivateFolder::PrivateFolder(const std::filesystem::path& fileName) {
    std::error_code error;
    std::string pattern =
        (std::filesystem::temp_directory_path(error) / "calorvia-batch-XXXXXX").string();
    if (error) return;
    const EndingSignalsHeld held;
    if (mkdtemp(pattern.data()) == nullptr) return;
    path_ = pattern;
    arm(path_, path_ / fileName);
}

// Removed first, then disarmed: a signal meanwhile finds the handler still
// there to finish the removal.
PrivateFolder::~PrivateFolder() {
    if (path_.empty()) return;
    std::error_code error;
    std::filesystem::remove_all(path_, error);
    disarm();
}

}  // namespace calorvia::batch
