// What calorvia-batch refuses: a folder another program uses; and its
// private folder, gone however the run ends.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <thread>

#include "batch_test_support.h"

namespace calorvia::batch {
namespace {

using calorvia::testing::fileExists;
using calorvia::testing::readFile;
using calorvia::testing::writeFile;
using texts::Language;

int runQuietly(const BatchOptions& options, std::ostringstream& messages) {
    std::ostringstream out;
    return runBatch(options, nullptr, out, messages);
}

TEST_F(BatchRunTest, AFolderInUseRefusesTheRunUntilTheOtherProgramIsGone) {
    writeFile(file("Steady.txt"), "the other's\n");
    std::optional<calorvia::testing::ForeignFolderLock> other(std::in_place, directory());
    BatchOptions options = example("plane-wall.txt");
    options.language = Language::Portuguese;
    std::ostringstream messages;
    EXPECT_EQ(runQuietly(options, messages), kExitRefused);
    EXPECT_EQ(messages.str(), "Atenção: Outro Calorvia está usando a pasta \"" +
                                  calorvia::testing::utf8(std::filesystem::current_path()) +
                                  "\"; os resultados dos dois se misturariam. Feche o outro "
                                  "programa ou abra este em outra pasta.\n");
    EXPECT_EQ(readFile(file("Steady.txt")), "the other's\n");
    EXPECT_FALSE(fileExists(file("idioma")));  // --lang wrote nothing either

    other.reset();  // killed: its lock ends with it
    EXPECT_EQ(runQuietly(options, messages), kExitWritten) << messages.str();
}

// Killed part way, the run takes its private folder along.
class EndingSignalTest : public BatchRunTest, public ::testing::WithParamInterface<int> {};

TEST_P(EndingSignalTest, LeavesNoPrivateFolderBehind) {
    const calorvia::testing::TemporaryFolder temporary;
    BatchOptions options = example("transient-slab-cooling.txt");
    options.overrides = {{"N", "1000"}, {"Nst", "100000000"}};
    options.graph = GraphAnswer::None;
    const pid_t child = ::fork();
    if (child == 0) {
        ::setenv("TMPDIR", temporary.path().c_str(), 1);
        std::ostringstream messages;
        ::_exit(runQuietly(options, messages));
    }
    const auto copyMade = [&] {
        for (const auto& entry : std::filesystem::directory_iterator(temporary.path())) {
            if (fileExists(entry.path() / "transient-slab-cooling.txt")) return true;
        }
        return false;
    };
    for (int wait = 0; wait < 500 && !copyMade(); ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_TRUE(copyMade());
    ::kill(child, GetParam());
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == GetParam()) << status;
    EXPECT_TRUE(std::filesystem::is_empty(temporary.path()));
}

INSTANTIATE_TEST_SUITE_P(Signals, EndingSignalTest, ::testing::Values(SIGINT, SIGTERM, SIGHUP));

}  // namespace
}  // namespace calorvia::batch
