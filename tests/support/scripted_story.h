#pragma once
// A user story on the scripted platform: the whole application, wired as the
// desktop program wires it, started in a program folder of its own. The
// script answers its dialogs and message boxes; the test reads the files and
// the recorded drawing.

#include <filesystem>
#include <memory>
#include <vector>

#include "app/application.h"
#include "support/program_folder.h"
#include "support/scripted_platform.h"

namespace calorvia::testing {

class ScriptedStoryTest : public ProgramFolderTest {
protected:
    // Builds the application and runs its start-up, which must succeed.
    app::Application& startApplication(
        std::vector<std::filesystem::path> installed = {buildDataFolder()}) {
        application_ = std::make_unique<app::Application>(
            platform, shell::DataFolders(std::move(installed)));
        EXPECT_TRUE(application_->shell().startUp());
        return *application_;
    }

    platform::ScriptedPlatform platform;

private:
    std::unique_ptr<app::Application> application_;
};

}  // namespace calorvia::testing
