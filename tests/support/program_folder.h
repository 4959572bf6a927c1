#pragma once
// The ground every suite stands on: a temporary folder of its own (the
// programs keep settings, working case and result files in the folder they
// run in), and small file helpers.

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace calorvia::testing {

// Short names for the UTF-8 path conversions.
std::filesystem::path pathOf(std::string_view text);
std::string utf8(const std::filesystem::path& path);

// Writes the bytes as they are, making the folders on the way.
void writeFile(const std::filesystem::path& path, std::string_view content);
std::optional<std::string> readFile(const std::filesystem::path& path);
bool fileExists(const std::filesystem::path& path);

// The build tree's data folder: pictures, help documents, README.
std::filesystem::path buildDataFolder();

// A fresh, empty folder under the system's temporary folder, removed with
// everything in it (read-only folders inside included). Entered, it is the
// current folder while it lives, and the previous one is current again after.
class TemporaryFolder {
public:
    enum class Current { Keep, Enter };
    explicit TemporaryFolder(Current current = Current::Keep);
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path file(std::string_view name) const { return path_ / pathOf(name); }

private:
    std::filesystem::path path_;
    std::optional<std::filesystem::path> previous_;
};

// Another program holding `folder`: a child process that locks it as every
// Calorvia does and lives until release() kills it, as a user might.
class ForeignFolderLock {
public:
    explicit ForeignFolderLock(const std::filesystem::path& folder);
    ~ForeignFolderLock() { release(); }
    ForeignFolderLock(const ForeignFolderLock&) = delete;
    ForeignFolderLock& operator=(const ForeignFolderLock&) = delete;
    void release();

private:
    int child_ = -1;
};

// Each test in an empty program folder of its own, made current.
class ProgramFolderTest : public ::testing::Test {
protected:
    const std::filesystem::path& directory() const { return folder_.path(); }
    std::filesystem::path file(std::string_view name) const { return folder_.file(name); }

private:
    TemporaryFolder folder_{TemporaryFolder::Current::Enter};
};

}  // namespace calorvia::testing
