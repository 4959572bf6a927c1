// The shell on the real Qt window, offscreen: start-up in a temporary
// program directory brings up the menus and paints the home screen; Exit
// cleans up and closes. And the desktop program itself, started in a folder
// of its own.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QColor>
#include <QImage>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <thread>

#include "platform_qt/main_window.h"
#include "platform_qt/qt_platform.h"
#include "shell/home_screen.h"
#include "settings/settings_files.h"
#include "shell/shell.h"
#include "support/program_folder.h"
#include "support/real_program.h"

namespace calorvia::shell {

using settings::readIntegerSetting;

namespace {

// Lets the GUI thread serve the worker until `done` says so, at most
// `milliseconds`.
bool serveUntil(const std::function<bool()>& done, int milliseconds = 20000) {
    return calorvia::testing::serveEventsUntil(done, std::chrono::milliseconds(milliseconds));
}

using ShellOnQtTest = calorvia::testing::ProgramFolderTest;

// Builds the menus and runs start-up on a thread of its own, as the program
// does, the GUI thread serving it; true when start-up ended and succeeded.
bool startedOnQt(platform_qt::QtPlatform& platform, Shell& shell) {
    shell.buildMenus();
    std::atomic<int> started{-1};
    std::thread mainThread([&] { started = shell.startUp() ? 1 : 0; });
    const bool finished = serveUntil([&] { return started.load() >= 0; });
    if (!finished) platform.closeApplication();
    mainThread.join();
    return started.load() == 1;
}

bool isGrey(QRgb pixel, int level) {
    return qRed(pixel) == level && qGreen(pixel) == level && qBlue(pixel) == level;
}

TEST_F(ShellOnQtTest, StartUpBringsUpTheMenusAndPaintsTheHomeScreen) {
    std::ofstream(file("Steady.txt")) << "old\n";
    platform_qt::QtPlatform platform;
    Shell shell(platform, DataFolders({CALORVIA_DATA_DIR}));
    ASSERT_TRUE(startedOnQt(platform, shell));

    // The menu bar, in English on a first start, the Results menu grey.
    auto& window = platform.mainWindow();
    EXPECT_EQ(window.menuItem(1, 0)->text(), QStringLiteral("&File"));
    EXPECT_EQ(window.menuItem(2, 1)->text(), QStringLiteral("&Begin Simulation"));
    EXPECT_EQ(window.menuItem(4, 4)->text(), QStringLiteral("&Language"));
    EXPECT_EQ(window.menuItemCount(3), 27);
    EXPECT_TRUE(window.menuItem(3, 2)->isSeparator());
    EXPECT_TRUE(window.menuItem(1, 0)->isEnabled());
    EXPECT_FALSE(window.menuItem(3, 0)->isEnabled());
    EXPECT_EQ(readIntegerSetting(file("idioma")), 2);
    EXPECT_EQ(readIntegerSetting(file("cor")), 12);
    EXPECT_FALSE(std::filesystem::exists(file("Steady.txt")));

    // The home screen's pixels.
    const QImage screen = platform.canvasImage();
    const auto size = shell.graphicsSize();
    ASSERT_EQ(screen.width(), size.width);
    ASSERT_EQ(screen.height(), size.height);
    const LayoutOrigin o = layoutOrigin(size);
    EXPECT_TRUE(isGrey(screen.pixel(o.x + 5, o.y + 5), 160)) << "the background";
    EXPECT_TRUE(isGrey(screen.pixel(o.x + 10, o.y + 150), 128)) << "the panel's outline";
    EXPECT_TRUE(isGrey(screen.pixel(o.x + 30, o.y + 30), 192)) << "the panel's face";
    EXPECT_TRUE(isGrey(screen.pixel(o.x + 740, o.y + 260), 192)) << "the panel's face";
    const QColor sphere = screen.pixelColor(o.x + 320 + 75, o.y + 85 + 75);
    EXPECT_GT(sphere.blue(), sphere.red()) << "the sphere's picture";

    // The title: dark pixels where the black title is written.
    const bool wide = size.width > 800;
    const int tx = wide ? (size.width - 800) / 2 - 65 : -65;
    const int ty = wide ? size.height - 550 : 50;
    int dark = 0;
    for (int y = ty + 340; y < ty + 400 && y < screen.height(); ++y) {
        for (int x = tx + 175; x < tx + 500 && x < screen.width(); ++x) {
            if (qGray(screen.pixel(x, y)) < 60) ++dark;
        }
    }
    EXPECT_GT(dark, 200) << "the title";
    // The equation's picture inside its frame: white paper with ink.
    EXPECT_TRUE(isGrey(screen.pixel(tx + 272, ty + 262), 255));
    EXPECT_TRUE(isGrey(screen.pixel(tx + 268, ty + 300), 255)) << "the frame's white edge";

    // Exit deletes the working case and closes the program.
    std::ofstream(file("Loaded.txt")) << "case\n";
    window.menuItem(1, 5)->trigger();
    EXPECT_TRUE(serveUntil([&] { return platform.closed(); }));
    EXPECT_FALSE(std::filesystem::exists(file("Loaded.txt")));
}

TEST_F(ShellOnQtTest, APortugueseStartShowsPortugueseMenus) {
    std::ofstream(file("idioma")) << " 1\n";
    platform_qt::QtPlatform platform;
    Shell shell(platform, DataFolders({CALORVIA_DATA_DIR}));
    ASSERT_TRUE(startedOnQt(platform, shell));
    auto& window = platform.mainWindow();
    EXPECT_EQ(window.menuItem(1, 0)->text(), QString::fromUtf8("&Arquivo"));
    EXPECT_EQ(window.menuItem(2, 1)->text(), QString::fromUtf8("&Iniciar Simulação"));
    EXPECT_EQ(window.menuItem(4, 3)->text(), QString::fromUtf8("&Idioma"));
}

// --------------------------------------------------------- the program itself

TEST(DesktopProgramTest, StartsInTheFolderItIsGivenAndCreatesIt) {
    const calorvia::testing::TemporaryFolder parent;
    const std::filesystem::path folder = parent.path() / "new folder";
    EXPECT_EQ(calorvia::testing::startUpWritesTheSettings(CALORVIA_PROGRAM, folder), "");
    EXPECT_EQ(readIntegerSetting(folder / "idioma"), 2);
    EXPECT_EQ(readIntegerSetting(folder / "cor"), 12);
}

TEST(DesktopProgramTest, WithoutADisplayItSaysSoAndEnds) {
    const calorvia::testing::TemporaryFolder folder;
    const auto program =
        calorvia::testing::runToEnd(CALORVIA_PROGRAM, {QString::fromStdString(folder.path().string())},
                                    calorvia::testing::environmentWithoutDisplay(), {},
                                    std::chrono::seconds(10));
    ASSERT_TRUE(program.finished);
    EXPECT_NE(program.exitCode, 0);
    EXPECT_NE(program.err.find("no display"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder.file("idioma")));
}

// Qt takes its own options; any other option is refused rather than taken
// for the name of a folder to work in.
TEST(DesktopProgramTest, AnOptionItDoesNotKnowIsRefusedAndMakesNoFolder) {
    const calorvia::testing::TemporaryFolder parent;
    const auto program = calorvia::testing::runToEnd(
        CALORVIA_PROGRAM,
        {QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--frobnicate")},
        calorvia::testing::offscreenEnvironment(), parent.path(), std::chrono::seconds(10));
    ASSERT_TRUE(program.finished);
    EXPECT_EQ(program.exitCode, 2);
    EXPECT_NE(program.err.find("usage: calorvia [FOLDER]"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_empty(parent.path()));
}

TEST(DesktopProgramTest, AFolderThatCannotBeMadeIsReported) {
    const calorvia::testing::TemporaryFolder parent;
    const std::filesystem::path blocker = parent.file("a file");
    std::ofstream(blocker) << "not a folder\n";
    const auto program = calorvia::testing::runToEnd(
        CALORVIA_PROGRAM, {QString::fromStdString((blocker / "inside").string())},
        calorvia::testing::offscreenEnvironment(), {}, std::chrono::seconds(10));
    ASSERT_TRUE(program.finished);
    EXPECT_EQ(program.exitCode, 2);
    EXPECT_NE(program.err.find("cannot work in the folder"), std::string::npos);
}

}  // namespace
}  // namespace calorvia::shell

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Calorvia"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
