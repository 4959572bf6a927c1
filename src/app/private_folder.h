#pragma once
// calorvia-batch's private folder (under the system's temporary folder) for
// its working copy of the case. It is removed with its contents on every way
// out of the run: when the object ends, and when SIGINT, SIGTERM or SIGHUP
// ends the program, whose handler removes it with async-signal-safe calls
// and then lets the signal end the program as it would have.

#include <filesystem>

namespace calorvia::batch {

class PrivateFolder {
public:
    // Makes the folder for a file of that name; path() is empty when it
    // cannot be made.
    explicit PrivateFolder(const std::filesystem::path& fileName);
    ~PrivateFolder();
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace calorvia::batch
