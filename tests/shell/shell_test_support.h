#pragma once
// Shared ground of the shell tests: the shared program folder per test, and a
// shell alone, started on a ScriptedPlatform.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "shell/shell.h"
#include "support/program_folder.h"
#include "support/scripted_platform.h"

namespace calorvia::shell::testing {

using calorvia::testing::buildDataFolder;
using calorvia::testing::fileExists;
using calorvia::testing::pathOf;
using calorvia::testing::readFile;
using calorvia::testing::utf8;
using calorvia::testing::writeFile;

// Each test runs in an empty program directory of its own, made current.
class ProgramDirectoryTest : public calorvia::testing::ProgramFolderTest {
protected:
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

    // A shell started in Portuguese or English, as "idioma" says, on a
    // platform of its own: for tests that see both languages one after the other.
    std::unique_ptr<Shell> startedShellOn(platform::ScriptedPlatform& on, bool portuguese,
                                          std::vector<std::filesystem::path> installed = {
                                              buildDataFolder()}) {
        writeFile(file("idioma"), portuguese ? " 1\n" : " 2\n");
        auto shell = std::make_unique<Shell>(on, DataFolders(std::move(installed)));
        shell->buildMenus();
        EXPECT_TRUE(shell->startUp());
        return shell;
    }

    platform::ScriptedPlatform platform;
};

}  // namespace calorvia::shell::testing
