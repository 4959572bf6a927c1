// calorvia-batch's run as a library: --graph none leaves the time graph out
// altogether.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "app/batch_run.h"
#include "batch_test_support.h"

namespace calorvia::batch {
namespace {

using platform::FillMode;
using platform::Palette;
using platform::Rgb;

// Keeps the texts drawn; every font is there.
class TextSink final : public platform::DrawingSink {
public:
    void remapPalette(const Palette&) override {}
    void setColorIndex(int) override {}
    void setColorRgb(Rgb) override {}
    void setBackgroundRgb(Rgb) override {}
    void clearScreen() override {}
    void moveTo(int, int) override {}
    void lineTo(int, int) override {}
    void drawRectangle(FillMode, int, int, int, int) override {}
    void drawEllipse(FillMode, int, int, int, int) override {}
    void setTextRotation(int) override {}
    void outText(std::string_view text) override { texts.emplace_back(text); }
    int selectFont(std::string_view) override { return 1; }
    bool showBitmap(std::string_view, int, int) override { return true; }

    bool drew(std::string_view start) const {
        return std::any_of(texts.begin(), texts.end(),
                           [&](const std::string& text) { return text.rfind(start, 0) == 0; });
    }
    std::vector<std::string> texts;
};

// Runs an example case with the time graph `graph`.
void run(const char* example, GraphAnswer graph, TextSink& sink) {
    BatchOptions options = BatchRunTest::example(example);
    options.graph = graph;
    std::ostringstream out, messages;
    EXPECT_EQ(runBatch(options, &sink, out, messages), kExitWritten) << messages.str();
}

TEST_F(BatchRunTest, NoGraphDrawsNoTimeGraphAndTheOthersDrawTheirs) {
    TextSink none, node, average;
    run("transient-slab-cooling.txt", GraphAnswer::None, none);
    run("transient-slab-cooling.txt", GraphAnswer::Node, node);
    run("transient-slab-cooling.txt", GraphAnswer::Average, average);
    // The profile is drawn in every case, the time graph only when chosen.
    for (const TextSink* sink : {&none, &node, &average}) EXPECT_TRUE(sink->drew("Profile"));
    EXPECT_FALSE(none.drew("Unsteady node"));
    EXPECT_FALSE(none.drew("Unsteady average"));
    // Not even the time axis: its name is "t".
    EXPECT_EQ(std::count(none.texts.begin(), none.texts.end(), "t"), 0);
    EXPECT_EQ(std::count(node.texts.begin(), node.texts.end(), "t"), 1);
    EXPECT_TRUE(node.drew("Unsteady node"));
    EXPECT_TRUE(average.drew("Unsteady average temperature"));
}

}  // namespace
}  // namespace calorvia::batch
