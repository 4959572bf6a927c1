// calorvia-batch's guard against answering a refusing dialog for ever.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/batch_run.h"

namespace calorvia::batch {
namespace {

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

}  // namespace
}  // namespace calorvia::batch
