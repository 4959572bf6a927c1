// The main window: its title, the graphics area's size, the five menus with
// their numbered items, commands and greying.

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <thread>

#include "gui_test_support.h"
#include "platform_qt/main_window.h"
#include "platform_qt/qt_platform.h"

namespace calorvia::platform_qt {
namespace {

using namespace testing;
using platform::MenuItemKind;

// The menu bar as the program builds it: titles, items and separators.
void buildProgramMenus(platform::Platform& platform, std::vector<std::string>& chosen) {
    auto command = [&chosen](std::string name) {
        return [&chosen, name] { chosen.push_back(name); };
    };
    auto item = [&](int menu, const char* text) {
        platform.appendMenuItem(menu, text, MenuItemKind::Enabled, command(text));
    };
    auto separator = [&](int menu) {
        platform.appendMenuItem(menu, "", MenuItemKind::Separator, {});
    };
    item(1, "&File");
    item(1, "&New");
    separator(1);
    item(1, "&Open");
    separator(1);
    item(1, "&Exit");
    separator(1);
    item(2, "&Simulation");
    item(2, "&Begin Simulation");
    separator(2);
    item(3, "&Results");
    item(3, "&Select Graph");
    separator(3);
    item(3, "&Copy Graph");
    separator(3);
    item(4, "&Preferences");
    item(4, "&Color of the Graphs");
    separator(4);
    platform.appendMenuItem(4, "&Idioma", MenuItemKind::Grayed, command("&Idioma"));
    item(5, "&Information");
    item(5, "&About");
}

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() { buildProgramMenus(platform, chosen); }

    QMenuBar* bar() { return platform.mainWindow().menuBar(); }
    QAction* item(int menu, int index) { return platform.mainWindow().menuItem(menu, index); }
    std::vector<QString> visibleTitles() {
        std::vector<QString> titles;
        for (QAction* action : bar()->actions()) {
            if (action->isVisible()) titles.push_back(action->text());
        }
        return titles;
    }

    QtPlatform platform;
    std::vector<std::string> chosen;
};

TEST_F(MainWindowTest, ComesUpTitledWithTheGraphicsAreaOfTheScreen) {
    const auto size = platform.configureGraphicsWindow("1-Dimensional");
    MainWindow& window = platform.mainWindow();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("1-Dimensional"));
    const QSize screen = QGuiApplication::primaryScreen()->size();
    EXPECT_EQ(size.width, screen.width());
    EXPECT_EQ(size.height, screen.height());
    EXPECT_EQ(platform.canvasImage().size(), screen);
}

TEST_F(MainWindowTest, HasFiveMenusInOrder) {
    const std::vector<QString> expected{"&File", "&Simulation", "&Results", "&Preferences",
                                        "&Information"};
    EXPECT_EQ(visibleTitles(), expected);
}

TEST_F(MainWindowTest, ItemsAreNumberedInTheOrderAppendedSeparatorsIncluded) {
    MainWindow& window = platform.mainWindow();
    EXPECT_EQ(window.menuItemCount(1), 7);
    EXPECT_EQ(item(1, 1)->text(), QStringLiteral("&New"));
    EXPECT_TRUE(item(1, 2)->isSeparator());
    EXPECT_EQ(item(1, 3)->text(), QStringLiteral("&Open"));
    EXPECT_TRUE(item(1, 4)->isSeparator());
    EXPECT_EQ(item(1, 5)->text(), QStringLiteral("&Exit"));
    EXPECT_EQ(item(1, 0), window.menu(1)->menuAction());
    EXPECT_EQ(item(1, 7), nullptr);
    // The menu shows them in that order too.
    const auto actions = window.menu(1)->actions();
    ASSERT_EQ(actions.size(), 6);
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(actions[i - 1], item(1, i));
}

TEST_F(MainWindowTest, ChoosingAnItemRunsItsCommandOnTheGuiThread) {
    std::thread::id ranOn;
    platform.setMenuItemCommand(2, 1, [&] { ranOn = std::this_thread::get_id(); });
    item(1, 3)->trigger();
    item(2, 1)->trigger();
    EXPECT_EQ(chosen, std::vector<std::string>{"&Open"});
    EXPECT_EQ(ranOn, std::this_thread::get_id());
}

TEST_F(MainWindowTest, ReplacedTextsAndCommandsTakeEffect) {
    platform.setMenuItemText(2, 1, "&Cancel Simulation");
    platform.setMenuItemCommand(2, 1, [&] { chosen.push_back("cancel"); });
    platform.setMenuItemText(3, 0, "&Resultados");
    EXPECT_EQ(item(2, 1)->text(), QStringLiteral("&Cancel Simulation"));
    EXPECT_EQ(platform.mainWindow().menu(3)->title(), QStringLiteral("&Resultados"));
    item(2, 1)->trigger();
    EXPECT_EQ(chosen, std::vector<std::string>{"cancel"});
}

TEST_F(MainWindowTest, ACommandMayReplaceItsOwnCommand) {
    // The Simulation menu's first item does this on every run.
    int begun = 0, cancelled = 0;
    platform.setMenuItemCommand(2, 1, [&] {
        ++begun;
        platform.setMenuItemCommand(2, 1, [&] { ++cancelled; });
    });
    item(2, 1)->trigger();
    item(2, 1)->trigger();
    EXPECT_EQ(begun, 1);
    EXPECT_EQ(cancelled, 1);
}

TEST_F(MainWindowTest, ItemsAndWholeMenusGreyAndEnable) {
    EXPECT_FALSE(item(4, 3)->isEnabled()) << "appended grey";
    EXPECT_TRUE(item(4, 1)->isEnabled());
    platform.setMenuItemEnabled(1, 1, false);
    platform.setMenuItemEnabled(3, 0, false);
    EXPECT_FALSE(item(1, 1)->isEnabled());
    EXPECT_FALSE(platform.mainWindow().menu(3)->menuAction()->isEnabled());
    EXPECT_TRUE(item(1, 3)->isEnabled());
    // A grey item cannot be chosen.
    item(1, 1)->trigger();
    EXPECT_TRUE(chosen.empty());
    platform.setMenuItemEnabled(1, 1, true);
    platform.setMenuItemEnabled(3, 0, true);
    platform.setMenuItemEnabled(4, 3, true);
    EXPECT_TRUE(item(1, 1)->isEnabled());
    EXPECT_TRUE(platform.mainWindow().menu(3)->menuAction()->isEnabled());
    EXPECT_TRUE(item(4, 3)->isEnabled());
}

TEST_F(MainWindowTest, MenusBuiltFromAWorkerThreadWorkTheSame) {
    QtPlatform other;
    std::vector<std::string> otherChosen;
    std::atomic<bool> built{false};
    std::thread worker([&] {
        buildProgramMenus(other, otherChosen);
        other.setMenuItemEnabled(3, 0, false);
        built = true;
    });
    EXPECT_TRUE(processEventsUntil([&] { return built.load(); }));
    worker.join();
    EXPECT_EQ(other.mainWindow().menuItemCount(1), 7);
    EXPECT_FALSE(other.mainWindow().menu(3)->menuAction()->isEnabled());
    other.mainWindow().menuItem(1, 5)->trigger();
    EXPECT_EQ(otherChosen, std::vector<std::string>{"&Exit"});
}

TEST_F(MainWindowTest, UnknownMenusAndItemsAreIgnored) {
    platform.appendMenuItem(6, "&Extra", MenuItemKind::Enabled, {});
    platform.appendMenuItem(0, "&Extra", MenuItemKind::Enabled, {});
    platform.setMenuItemText(1, 40, "x");
    platform.setMenuItemEnabled(9, 0, false);
    EXPECT_EQ(visibleTitles().size(), 5u);
}

TEST_F(MainWindowTest, TheFrameTakesTheSizeAskedFor) {
    platform.configureGraphicsWindow("1-Dimensional");
    const auto maximum = platform.frameMaximumSize();
    const QSize available = QGuiApplication::primaryScreen()->availableGeometry().size();
    EXPECT_EQ(maximum.width, available.width());
    EXPECT_EQ(maximum.height, available.height());
    const platform::PixelSize wanted{maximum.width * 89 / 100, maximum.height * 98 / 100};
    platform.setFrameSize(wanted);
    EXPECT_EQ(platform.frameCurrentSize(), wanted);
}

// Where no window manager maximises a window, the frame takes the available
// area itself, so the right part of the drawing is not left out of sight.
TEST_F(MainWindowTest, MaximisingTakesTheAvailableAreaWithoutTheWindowSystemsHelp) {
    platform.configureGraphicsWindow("1-Dimensional");
    const auto maximum = platform.frameMaximumSize();
    platform.setFrameSize({maximum.width * 89 / 100, maximum.height * 98 / 100});
    platform.maximizeFrame();  // no event processed: the window system has not answered
    EXPECT_EQ(platform.frameCurrentSize(), maximum);
}

TEST_F(MainWindowTest, TheCloseBoxRunsTheCloseCommand) {
    int asked = 0;
    platform.setWindowCloseCommand([&] { ++asked; });
    platform.configureGraphicsWindow("1-Dimensional");
    EXPECT_FALSE(platform.mainWindow().close());
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(platform.mainWindow().isVisible());
}

}  // namespace
}  // namespace calorvia::platform_qt
