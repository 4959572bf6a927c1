// ScriptedPlatform's options for headless runs: answers by policy when the
// script is empty, no records when recording is off, drawing handed to a
// sink, and the real clock.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "platform/dialog_templates.h"
#include "support/scripted_platform.h"

namespace calorvia::platform {
namespace {

class CountingPolicy final : public AnswerPolicy {
public:
    int answerMessageBox(std::string_view text, std::string_view title, int flags) override {
        asked.push_back(std::string(title) + ": " + std::string(text));
        return flags == kMessageYesNo ? kAnswerNo : kAnswerOk;
    }
    DialogScript answerDialog(HeadlessPlatform& platform, DialogHandle dialog,
                              int number) override {
        proposed = platform.controlText(dialog, scale_dialog::kTminEdit);
        DialogScript script(number);
        script.type(scale_dialog::kTminEdit, "-5");
        return script.press(kButtonOk);
    }
    std::optional<FileChoice> answerFileDialog(bool save, const FileDialogRequest&) override {
        if (save) return std::nullopt;
        return FileChoice{"case.txt", false};
    }
    void answerEditor(const std::string& path) override { edited.push_back(path); }

    std::vector<std::string> asked;
    std::string proposed;
    std::vector<std::string> edited;
};

class CountingSink final : public DrawingSink {
public:
    void remapPalette(const Palette&) override { ++calls; }
    void setColorIndex(int) override { ++calls; }
    void setColorRgb(Rgb) override { ++calls; }
    void setBackgroundRgb(Rgb) override { ++calls; }
    void clearScreen() override { ++calls; }
    void moveTo(int, int) override { ++calls; }
    void lineTo(int x, int y) override { lineEnds.push_back({x, y}); }
    void drawRectangle(FillMode, int, int, int, int) override { ++calls; }
    void drawEllipse(FillMode, int, int, int, int) override { ++calls; }
    void setTextRotation(int) override { ++calls; }
    void outText(std::string_view text) override { texts.emplace_back(text); }
    int selectFont(std::string_view descriptor) override {
        return descriptor == "t'Arial'h16" ? 1 : -1;
    }
    bool showBitmap(std::string_view, int, int) override { return true; }

    int calls = 0;
    std::vector<PixelSize> lineEnds;
    std::vector<std::string> texts;
};

TEST(HeadlessOptions, ThePolicyAnswersOnlyWhatTheScriptDoesNotForesee) {
    ScriptedPlatform platform;
    CountingPolicy policy;
    platform.setAnswerPolicy(&policy);
    platform.expectMessageBox(kAnswerYes, "first");
    EXPECT_EQ(platform.messageBox("first", "T", kMessageYesNo), kAnswerYes);
    EXPECT_TRUE(policy.asked.empty());
    EXPECT_EQ(platform.messageBox("second", "T", kMessageYesNo), kAnswerNo);
    EXPECT_EQ(platform.messageBox("third", "T", kMessageOk), kAnswerOk);
    EXPECT_EQ(policy.asked, (std::vector<std::string>{"T: second", "T: third"}));

    EXPECT_EQ(platform.openFileDialog({})->path, "case.txt");
    EXPECT_FALSE(platform.saveFileDialog({}).has_value());
    platform.editTextFile("notes.txt", true);
    EXPECT_EQ(policy.edited, (std::vector<std::string>{"notes.txt"}));
}

TEST(HeadlessOptions, APolicyDialogSeesTheProposalAndActsOnTheControls) {
    ScriptedPlatform platform;
    CountingPolicy policy;
    platform.setAnswerPolicy(&policy);
    const DialogHandle dialog = platform.createDialog(scale_dialog::kTemplate);
    platform.setControlText(dialog, scale_dialog::kTminEdit, "0");
    EXPECT_EQ(platform.runDialog(dialog), kButtonOk);
    EXPECT_EQ(policy.proposed, "0");
    EXPECT_EQ(platform.controlText(dialog, scale_dialog::kTminEdit), "-5");
}

TEST(HeadlessOptions, RecordingOffKeepsNothingHoweverMuchIsDrawn) {
    ScriptedPlatform platform;
    platform.setRecording(false);
    CountingPolicy policy;
    platform.setAnswerPolicy(&policy);
    for (int i = 0; i < 10000; ++i) {
        platform.moveTo(i, 0);
        platform.lineTo(i, 10);
        platform.drawRectangle(FillMode::Filled, 0, 0, i, i);
        platform.outText("profile");
    }
    platform.messageBox("m", "T", kMessageOk);
    const DialogHandle dialog = platform.createDialog(scale_dialog::kTemplate);
    platform.runDialog(dialog);
    EXPECT_TRUE(platform.calls().empty());
    EXPECT_TRUE(platform.lines().empty());
    EXPECT_TRUE(platform.rectangles().empty());
    EXPECT_TRUE(platform.texts().empty());
    EXPECT_TRUE(platform.dialogRuns().empty());
}

TEST(HeadlessOptions, TheSinkGetsTheDrawingAndDecidesTheFonts) {
    ScriptedPlatform platform;
    CountingSink sink;
    platform.setDrawingSink(&sink);
    platform.moveTo(1, 2);
    platform.lineTo(3, 4);
    platform.outText("T");
    EXPECT_EQ(sink.lineEnds, (std::vector<PixelSize>{{3, 4}}));
    EXPECT_EQ(sink.texts, (std::vector<std::string>{"T"}));
    EXPECT_EQ(platform.selectFont("t'Arial'h16"), 1);
    EXPECT_EQ(platform.selectFont("t'Courier'h16"), -1);
    EXPECT_TRUE(platform.showBitmap("/no/such/picture.bmp", 0, 0));
    // Recording is independent of the sink.
    EXPECT_EQ(platform.lines().size(), 1u);
}

// A series drawn in one call is, for the record and for a sink, the
// point-to-point calls; with neither, only the current point moves.
TEST(HeadlessOptions, ASeriesInOneCallIsItsPointToPointLines) {
    const std::vector<PixelPoint> series{{5, 6}, {7, 9}, {7, 9}, {-3, 12}};
    ScriptedPlatform recorded;
    recorded.moveTo(1, 2);
    recorded.lineThrough(series);
    ScriptedPlatform oneByOne;
    oneByOne.moveTo(1, 2);
    for (const PixelPoint& point : series) oneByOne.lineTo(point.x, point.y);
    ASSERT_EQ(recorded.lines().size(), series.size());
    for (std::size_t i = 0; i < series.size(); ++i) {
        const DrawnLine& a = recorded.lines()[i];
        const DrawnLine& b = oneByOne.lines()[i];
        EXPECT_EQ((std::array{a.x1, a.y1, a.x2, a.y2}), (std::array{b.x1, b.y1, b.x2, b.y2}));
    }
    EXPECT_EQ(recorded.callsNamed("lineTo").size(), series.size());

    ScriptedPlatform sunk;
    CountingSink sink;
    sunk.setRecording(false);
    sunk.setDrawingSink(&sink);
    sunk.lineThrough(series);
    EXPECT_EQ(sink.lineEnds, (std::vector<PixelSize>{{5, 6}, {7, 9}, {7, 9}, {-3, 12}}));

    ScriptedPlatform headless;
    headless.setRecording(false);
    headless.moveTo(1, 2);
    headless.lineThrough(series);
    headless.lineThrough({});
    headless.setRecording(true);
    headless.lineTo(0, 0);
    ASSERT_EQ(headless.lines().size(), 1u);
    EXPECT_EQ((std::array{headless.lines()[0].x1, headless.lines()[0].y1}), (std::array{-3, 12}));
}

TEST(HeadlessOptions, TheRealClockMovesAndPauseDoesNotAdvanceIt) {
    ScriptedPlatform platform;
    platform.useRealClock();
    const double before = platform.clockSeconds();
    platform.pause(60000);
    const double after = platform.clockSeconds();
    EXPECT_GE(after, before);
    EXPECT_LT(after - before, 30.0);  // the minute was not waited for, nor counted
}

TEST(HeadlessPlatform, OnItsOwnItAnswersByRuleAndDrawsNowhere) {
    CountingPolicy policy;
    HeadlessPlatform platform(&policy);
    EXPECT_FALSE(platform.drawingShown());
    EXPECT_EQ(platform.messageBox("m", "T", kMessageYesNo), kAnswerNo);
    const DialogHandle dialog = platform.createDialog(scale_dialog::kTemplate);
    EXPECT_EQ(platform.runDialog(dialog), kButtonOk);
    EXPECT_EQ(platform.controlText(dialog, scale_dialog::kTminEdit), "-5");
    HeadlessPlatform unruled;
    EXPECT_THROW(unruled.messageBox("m", "T", kMessageOk), HeadlessError);
}

}  // namespace
}  // namespace calorvia::platform
