#pragma once
// Shared ground of the shell tests: a fresh program directory per test (the
// shell keeps its settings and results in the current directory), small
// file helpers, and a shell started on a ScriptedPlatform.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/scripted_platform.h"
#include "text/text_file.h"
#include "shell/shell.h"

namespace calorvia::shell::testing {

// Short names for the UTF-8 path conversions used throughout the tests.
inline std::filesystem::path pathOf(std::string_view text) { return text::pathFromUtf8(text); }
inline std::string utf8(const std::filesystem::path& path) { return text::utf8FromPath(path); }

inline void writeFile(const std::filesystem::path& path, std::string_view content) {
    std::filesystem::create_directories(path.parent_path().empty() ? "." : path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}

inline std::optional<std::string> readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

inline bool fileExists(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

// The build tree's data folder, with the pictures, help documents and README.
inline std::filesystem::path buildDataFolder() {
    return CALORVIA_DATA_DIR;
}

// Each test runs in an empty program directory of its own, made current.
class ProgramDirectoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::random_device seed;
        directory_ = std::filesystem::temp_directory_path() /
                     ("calorvia-shell-" + std::to_string(seed()) + "-" + std::to_string(seed()));
        std::filesystem::create_directories(directory_);
        std::filesystem::current_path(directory_);
    }
    void TearDown() override {
        std::error_code error;
        std::filesystem::current_path(previous_, error);
        std::filesystem::remove_all(directory_, error);
    }

    const std::filesystem::path& directory() const { return directory_; }
    std::filesystem::path file(std::string_view name) const { return directory_ / pathOf(name); }

    // A shell on the scripted platform whose data folder is the build's.
    std::unique_ptr<Shell> makeShell(std::vector<std::filesystem::path> installed = {
                                         buildDataFolder()}) {
        return std::make_unique<Shell>(platform, DataFolders(std::move(installed)));
    }

    // Builds the menus and runs start-up; the start-up must succeed.
    std::unique_ptr<Shell> startedShell(std::vector<std::filesystem::path> installed = {
                                            buildDataFolder()}) {
        auto shell = makeShell(std::move(installed));
        shell->buildMenus();
        EXPECT_TRUE(shell->startUp());
        return shell;
    }

    platform::ScriptedPlatform platform;

private:
    std::filesystem::path previous_;
    std::filesystem::path directory_;
};

}  // namespace calorvia::shell::testing
