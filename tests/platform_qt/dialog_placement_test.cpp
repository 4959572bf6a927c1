// Where dialogs go: next to the area kept clear (the summary panel while the
// case entry runs), smaller where the screen is short of room, and always on
// the screen. The GUI cases hold at whatever screen the run has; ctest runs
// them at 800 x 600 and 1024 x 768 as well.

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <ostream>

#include "gui_test_support.h"
#include "platform/dialog_templates.h"
#include "platform_qt/dialog_placement.h"
#include "platform_qt/help_window.h"
#include "platform_qt/main_window.h"
#include "platform_qt/qt_platform.h"
#include "platform_qt/template_dialog.h"

namespace calorvia::platform_qt {
namespace {

using namespace testing;

// ---- the rule, on paper -------------------------------------------------------

struct SpotCase {
    const char* what;
    QRect keepClear;
    QSize frame;
    std::optional<QPoint> expected;
};

void PrintTo(const SpotCase& c, std::ostream* out) {
    *out << c.what;
}

class SpotClearOf : public ::testing::TestWithParam<SpotCase> {};

const QRect kScreen(0, 0, 800, 600);

TEST_P(SpotClearOf, PutsTheFrameNextToTheAreaOnTheScreen) {
    const SpotCase& c = GetParam();
    const auto spot = spotClearOf(c.frame, c.keepClear, kScreen);
    EXPECT_EQ(spot, c.expected);
    if (spot) {
        const QRect placed(*spot, c.frame);
        EXPECT_TRUE(kScreen.contains(placed));
        EXPECT_FALSE(placed.intersects(c.keepClear));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sides, SpotClearOf,
    ::testing::Values(
        // Below, centred under the area's middle (x 400), 4 pixels lower.
        SpotCase{"below", QRect(100, 20, 601, 200), QSize(300, 200), QPoint(250, 224)},
        // Below would leave the screen; right of the area there is room.
        SpotCase{"right", QRect(0, 100, 400, 400), QSize(300, 200), QPoint(404, 199)},
        SpotCase{"left", QRect(400, 100, 400, 400), QSize(300, 200), QPoint(96, 199)},
        SpotCase{"above", QRect(0, 400, 800, 200), QSize(300, 200), QPoint(249, 196)},
        // Lined up with the middle but kept on the screen.
        SpotCase{"pushed in", QRect(0, 0, 100, 100), QSize(300, 200), QPoint(0, 104)},
        SpotCase{"no room", QRect(10, 10, 780, 300), QSize(500, 320), std::nullopt}),
    [](const ::testing::TestParamInfo<SpotCase>& spot) {
        std::string name = spot.param.what;
        for (char& c : name) {
            if (c == ' ') c = '_';
        }
        return name;
    });

TEST(SpotCentredOn, ABigFrameKeepsItsTopLeftOnTheScreen) {
    EXPECT_EQ(spotCentredOn(QSize(200, 100), QPoint(400, 300), kScreen), QPoint(300, 250));
    EXPECT_EQ(spotCentredOn(QSize(200, 100), QPoint(790, 590), kScreen), QPoint(600, 500));
    EXPECT_EQ(spotCentredOn(QSize(900, 700), QPoint(400, 300), kScreen), QPoint(0, 0));
}

// ---- the real window ------------------------------------------------------------

class PlacementOnScreenTest : public ::testing::Test {
protected:
    PlacementOnScreenTest() {
        // The window as start-up leaves it: the graphics area as large as
        // the screen, the frame maximised.
        graphics = platform.configureGraphicsWindow("1-Dimensional");
        platform.maximizeFrame();
        processEventsUntil([this] { return platform.mainWindow().isMaximized(); });
        processEventsFor(std::chrono::milliseconds(50));
    }

    // The summary panel with its frame, at the layout origin of the 800 x 600
    // design centred in the graphics area.
    platform::PixelBox summaryPanel() const {
        const int x0 = graphics.width <= 800 ? 2 : (graphics.width - 800) / 2 + 2;
        const int y0 = graphics.width <= 800 ? 2 : (graphics.height - 600) / 2 + 2;
        return {x0 + 10, y0 + 10, x0 + 755, y0 + 280};
    }

    // Runs the dialog and notes where its frame was on the screen; `meanwhile`
    // acts while it is up.
    QRect frameOfRun(int templateNumber, double* points = nullptr,
                     const std::function<void()>& meanwhile = {}) {
        QRect frame;
        const platform::DialogHandle dialog = platform.createDialog(templateNumber);
        auto user = WhenModal::of<TemplateDialog>([&](TemplateDialog& shown) {
            processEventsFor(std::chrono::milliseconds(20));
            frame = shown.frameGeometry();
            if (points) *points = shown.pointSize();
            if (meanwhile) meanwhile();
            shown.reject();
        });
        platform.runDialog(dialog);
        platform.releaseDialog(dialog);
        EXPECT_TRUE(user->acted());
        return frame;
    }

    // Where the modal window of type W that `show` brings up has its frame.
    template <class W>
    QRect frameOf(const std::function<void()>& show) {
        QRect frame;
        auto user = WhenModal::of<W>([&](W& shown) {
            processEventsFor(std::chrono::milliseconds(20));
            frame = shown.frameGeometry();
            shown.reject();
        });
        show();
        return frame;
    }

    QRect available() const { return QGuiApplication::primaryScreen()->availableGeometry(); }

    TemporaryWorkingFolder folder;
    QtPlatform platform;
    platform::PixelSize graphics;
};

TEST_F(PlacementOnScreenTest, TheWizardsDialogsLeaveTheSummaryPanelInSight) {
    platform.keepClearOfDialogs(summaryPanel());
    const std::optional<QRect> panel = platform.areaKeptClear();
    ASSERT_TRUE(panel.has_value());
    SCOPED_TRACE(QStringLiteral("screen %1 x %2, panel at %3,%4 to %5,%6")
                     .arg(available().width())
                     .arg(available().height())
                     .arg(panel->left())
                     .arg(panel->top())
                     .arg(panel->right())
                     .arg(panel->bottom())
                     .toStdString());
    for (const int step : {platform::general_step::kTemplate, platform::transient_step::kTemplate,
                           platform::boundary_step::kWestTemplate,
                           platform::boundary_step::kEastTemplate}) {
        double points = 0.0;
        const QRect frame = frameOfRun(step, &points);
        EXPECT_FALSE(frame.intersects(*panel)) << step;
        EXPECT_TRUE(available().contains(frame)) << step;
        // Smaller where it must be, never below six points.
        EXPECT_GE(points, 6.0) << step;
    }
    // Without an area kept clear a dialog is centred over the window again.
    platform.keepClearOfDialogs(std::nullopt);
    EXPECT_FALSE(platform.areaKeptClear().has_value());
    const QRect frame = frameOfRun(platform::scale_dialog::kTemplate);
    EXPECT_LE(std::abs(frame.center().x() - platform.mainWindow().frameGeometry().center().x()),
              1);
}

TEST_F(PlacementOnScreenTest, OnAScreenWithRoomTheDialogKeepsItsOwnSize) {
    platform.keepClearOfDialogs(summaryPanel());
    const QRect panel = *platform.areaKeptClear();
    if (available().bottom() - panel.bottom() < 400) {
        GTEST_SKIP() << "the screen has no room for a full-size step below the panel";
    }
    double points = 0.0;
    frameOfRun(platform::general_step::kTemplate, &points);
    EXPECT_EQ(points, 8.0);
}

// The Syntax button opens the help while its step waits: the student reads
// it beside the step, the summary panel still in sight.
TEST_F(PlacementOnScreenTest, TheSyntaxHelpOpensBesideTheStepClearOfThePanel) {
    if (available().width() < 1024) GTEST_SKIP() << "no room beside the step on this screen";
    writeFile(folder.path() / "Syntax.html", "<h1>Syntax</h1>\n");
    platform.keepClearOfDialogs(summaryPanel());
    QRect help;
    const QRect step = frameOfRun(platform::general_step::kTemplate, nullptr, [&] {
        platform.openDocument("Syntax.html", platform::WindowShow::Normal);
        help = platform.helpWindow()->frameGeometry();
    });
    for (const QRect& area : {step, *platform.areaKeptClear()}) EXPECT_FALSE(help.intersects(area));
    EXPECT_TRUE(available().contains(help));
}

// A refused entry's message and the save dialog at the wizard's end.
TEST_F(PlacementOnScreenTest, TheWizardsMessagesAndFileDialogsLeaveThePanelInSight) {
    platform.keepClearOfDialogs(summaryPanel());
    const auto request =
        platform::caseFileDialogRequest("Save Data File", folder.path().string(), "Untitled");
    const QRect box = frameOf<QMessageBox>(
        [&] { platform.messageBox("Lx?", "Attention", platform::kMessageOk); });
    const QRect files = frameOf<QFileDialog>([&] { platform.saveFileDialog(request); });
    for (const QRect& frame : {box, files}) {
        EXPECT_FALSE(frame.intersects(*platform.areaKeptClear()));
        EXPECT_TRUE(available().contains(frame));
    }
}

TEST_F(PlacementOnScreenTest, EveryDialogStaysOnTheScreen) {
    for (const auto& layout : platform::dialogTemplates()) {
        const QRect frame = frameOfRun(layout.number);
        EXPECT_TRUE(available().contains(frame)) << layout.number;
    }
}

}  // namespace
}  // namespace calorvia::platform_qt
