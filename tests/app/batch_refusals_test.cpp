// What calorvia-batch refuses and what it only notes: a folder another
// program uses, odd lines of a saved case; its guard against answering a
// refusing dialog for ever; and its private folder, gone however the run
// ends.

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
#include <vector>

#include "batch_test_support.h"
#include "support/case_names.h"
#include "text/text_file.h"

namespace calorvia::batch {
namespace {

using calorvia::testing::fileExists;
using calorvia::testing::readFile;
using calorvia::testing::writeFile;
using texts::Language;

int exitStatus(const BatchOptions& options, std::ostringstream& messages) {
    std::ostringstream out;
    return runBatch(options, nullptr, out, messages);
}

TEST_F(BatchRunTest, AFolderInUseRefusesTheRunUntilTheOtherProgramIsGone) {
    writeFile(file("Steady.txt"), "the other's\n");
    std::optional<calorvia::testing::ForeignFolderLock> other(std::in_place, directory());
    BatchOptions options = example("plane-wall.txt");
    options.language = Language::Portuguese;
    std::ostringstream messages;
    EXPECT_EQ(exitStatus(options, messages), kExitRefused);
    EXPECT_EQ(messages.str(), "Atenção: Outro Calorvia está usando a pasta \"" +
                                  calorvia::testing::utf8(std::filesystem::current_path()) +
                                  "\"; os resultados dos dois se misturariam. Feche o outro "
                                  "programa ou abra este em outra pasta.\n");
    EXPECT_EQ(readFile(file("Steady.txt")), "the other's\n");
    EXPECT_FALSE(fileExists(file("idioma")));  // --lang wrote nothing either

    other.reset();  // killed: its lock ends with it
    EXPECT_EQ(exitStatus(options, messages), kExitWritten) << messages.str();
}

// A line of a saved case replaced (or, at -1, added), and what the run gives.
struct OddInput {
    const char* name;
    const char* example;
    int line;
    std::string text;
    Language language;
    int status;
    const char* firstMessage;  // the start of the first line on standard error
};

void PrintTo(const OddInput& odd, std::ostream* out) {
    *out << odd.name;
}

class OddInputTest : public BatchRunTest, public ::testing::WithParamInterface<OddInput> {};

TEST_P(OddInputTest, IsReadAsWrittenOrSaidPlainly) {
    const OddInput& odd = GetParam();
    BatchOptions options = example(odd.example);
    auto lines = *text::readTextLines(options.casePath);
    if (odd.line < 0) lines.push_back(odd.text);
    if (odd.line >= 0) lines.at(static_cast<std::size_t>(odd.line)) = odd.text;
    std::string content;
    for (const std::string& line : lines) content += line + '\n';
    writeFile(file("odd.txt"), content);
    options.casePath = file("odd.txt");
    options.language = odd.language;
    std::ostringstream messages;
    EXPECT_EQ(exitStatus(options, messages), odd.status) << messages.str();
    EXPECT_EQ(messages.str().rfind(odd.firstMessage, 0), 0u) << messages.str();
}

std::string repeated(std::string_view piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

constexpr const char* kEnded = "Attention: The simulation was ended.";

INSTANTIATE_TEST_SUITE_P(
    Inputs, OddInputTest,
    ::testing::Values(
        OddInput{"MisspeltSphere", "plane-wall.txt", -1, "esfera 0", Language::English, 0,
                 "Attention: Line 13 of the case, \"esfera 0\", follows the velocity but names no "
                 "body (plane, cylinder or sphere): the case runs as a plane wall.\n"},
        OddInput{"MisspeltCylinder", "plane-wall.txt", -1, "  cylnder 0.1", Language::Portuguese, 0,
                 "Atenção: A linha 13 do caso, \"cylnder 0.1\", vem depois da velocidade"},
        OddInput{"PlaneKeyword", "plane-wall.txt", -1, "plane 0", Language::English, 0, kEnded},
        // 0*T+11+1+…+1 is worth 161; cut to 256 characters it would be 136.
        OddInput{"LongFormula", "plane-wall.txt", 2, "0*T+11" + repeated("+1", 150),
                 Language::English, kExitRefused,
                 "Attention: The entry K is longer than the 256 characters of its field in the "
                 "file \""},
        OddInput{"LongSourceInPortuguese", "plane-wall.txt", 4, repeated("0", 257),
                 Language::Portuguese, kExitRefused,
                 "Atenção: A entrada Sp tem mais que os 256 caracteres do seu campo"},
        OddInput{"LongFormulaOfBlanks", "plane-wall.txt", 2, "10" + std::string(300, ' '),
                 Language::English, 0, kEnded},
        OddInput{"HugeInnerRadius", "fuel-rod.txt", 13, "cylinder 1e300", Language::English,
                 kExitRefused,
                 "Attention: The inner radius is too large: the outer radius ri + Lx must be at "
                 "most 1E+38!\n"},
        OddInput{"JustBeyondTheLimit", "fuel-rod.txt", 13, "sphere 1.0000001e38", Language::English,
                 kExitRefused, "Attention: The inner radius is too large"},
        OddInput{"InnerRadiusAtTheLimit", "fuel-rod.txt", 13, "cylinder 1e38", Language::English, 0,
                 kEnded}),
    [](const auto& each) { return std::string(each.param.name); });

// What each dialog showed, in turn, and the first showing that must stop
// the run (or none).
struct Sequence {
    const char* name;
    std::vector<std::string> shown;
    int stopsAt;  // index into shown, -1 for never
};

class RefusalWatchTest : public ::testing::TestWithParam<Sequence> {};

TEST_P(RefusalWatchTest, StopsAtTheSecondRefusalInARow) {
    const Sequence& sequence = GetParam();
    RefusalWatch watch;
    int stopped = -1;
    for (std::size_t i = 0; i < sequence.shown.size() && stopped < 0; ++i) {
        if (watch.refusedTwice(sequence.shown[i])) stopped = static_cast<int>(i);
    }
    EXPECT_EQ(stopped, sequence.stopsAt);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, RefusalWatchTest,
    ::testing::Values(
        Sequence{"AcceptedAtOnce", {"112\nnan\n400", "113\n10"}, -1},
        Sequence{"RefusedOnceThenAccepted", {"112\na", "112\na", "113\n10"}, -1},
        Sequence{"RefusedTwice", {"112\na", "112\na", "112\na"}, 2},
        // Another dialog in between starts the count again.
        Sequence{"InterruptedRefusals", {"112\na", "112\na", "113", "112\na", "112\na"}, -1},
        // The same dialog showing something else is a new question.
        Sequence{"NewProposalEachTime", {"112\n1", "112\n2", "112\n3", "112\n4"}, -1}),
    [](const auto& each) { return std::string(each.param.name); });

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
        ::_exit(exitStatus(options, messages));
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

INSTANTIATE_TEST_SUITE_P(Signals, EndingSignalTest, ::testing::Values(SIGINT, SIGTERM, SIGHUP),
                         [](const auto& row) {
                             return std::string("SIG") + ::sigabbrev_np(row.param);
                         });

}  // namespace
}  // namespace calorvia::batch
