// The help window: help documents, the README and the page on the window
// open in the program's own window, with no desktop launcher at all; Back and
// Forward; and the window stays usable beside a wizard dialog.

#include <gtest/gtest.h>

#include <QAction>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <QWindow>

#include "gui_test_support.h"
#include "platform/dialog_templates.h"
#include "platform_qt/help_window.h"
#include "platform_qt/qt_platform.h"
#include "platform_qt/template_dialog.h"

namespace calorvia::platform_qt {
namespace {

using namespace testing;

class HelpWindowTest : public ::testing::Test {
protected:
    HelpWindowTest() {
        // No desktop launcher: whatever reaches the desktop is noted and
        // goes nowhere, as where none is installed.
        platform.setUrlOpener([this](const QUrl& url) { handedToDesktop.push_back(url); });
        // The help documents of the installation: "Name.hlp" is help/Name.html.
        std::filesystem::create_directories(folder.path() / "help");
        platform.setDocumentMapper([this](const std::filesystem::path& requested) {
            if (requested.extension() != ".hlp") return requested;
            return folder.path() / "help" / requested.filename().replace_extension(".html");
        });
        page("Syntax", "Syntax of the formulas", "<a href=\"Help.html\">Software help</a>");
        page("Help", "Calorvia - Help", "<a href=\"https://example.org/fvm\">more</a>");
        page("Window", "Using the window", "Menus");
        page("Janela", "Usando a janela", "Menus");
    }

    void page(const std::string& name, const std::string& title, const std::string& body) {
        writeFile(folder.path() / "help" / (name + ".html"),
                  "<html><head><title>" + title + "</title></head><body>" + body +
                      "</body></html>");
    }

    // The file the help window shows, by name.
    std::string shown() {
        HelpWindow* window = platform.helpWindow();
        if (!window) return {};
        return QFileInfo(window->browser().source().toLocalFile()).fileName().toStdString();
    }

    TemporaryWorkingFolder folder;
    QtPlatform platform;
    std::vector<QUrl> handedToDesktop;
};

TEST_F(HelpWindowTest, AHelpDocumentOpensInTheProgramsOwnWindow) {
    platform.openDocument("Syntax.hlp", platform::WindowShow::Normal);
    HelpWindow* window = platform.helpWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(shown(), "Syntax.html");
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Syntax of the formulas"));
    EXPECT_TRUE(handedToDesktop.empty());
    // A document nobody ships opens nothing, here as on the desktop.
    platform.openDocument("Ajuda.hlp", platform::WindowShow::Normal);
    EXPECT_EQ(shown(), "Syntax.html");
}

TEST_F(HelpWindowTest, LinksAreFollowedInsideAndBackAndForwardRetraceThem) {
    platform.openDocument("Syntax.hlp", platform::WindowShow::Normal);
    HelpWindow& window = *platform.helpWindow();
    EXPECT_FALSE(window.backAction().isEnabled());
    emit window.browser().anchorClicked(QUrl(QStringLiteral("Help.html")));
    EXPECT_EQ(shown(), "Help.html");
    ASSERT_TRUE(window.backAction().isEnabled());
    window.backAction().trigger();
    EXPECT_EQ(shown(), "Syntax.html");
    ASSERT_TRUE(window.forwardAction().isEnabled());
    window.forwardAction().trigger();
    EXPECT_EQ(shown(), "Help.html");
    // A link to the web is the desktop's.
    emit window.browser().anchorClicked(QUrl(QStringLiteral("https://example.org/fvm")));
    EXPECT_EQ(shown(), "Help.html");
    ASSERT_EQ(handedToDesktop.size(), 1u);
    EXPECT_EQ(handedToDesktop[0].host(), QStringLiteral("example.org"));
}

TEST_F(HelpWindowTest, ALocalMarkdownAddressIsShownAsMarkdown) {
    writeFile(folder.path() / "README.md", "# Calorvia\n\nNo home page of its **own**.\n");
    platform.openAddress(
        QUrl::fromLocalFile(QString::fromStdString((folder.path() / "README.md").string()))
            .toString()
            .toStdString());
    EXPECT_EQ(shown(), "README.md");
    const QString text = platform.helpWindow()->browser().toPlainText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Calorvia"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("**")));  // read as Markdown, not shown raw
    EXPECT_TRUE(handedToDesktop.empty());
}

TEST_F(HelpWindowTest, WindowsHelpIsThePageOnTheWindowInTheLanguage) {
    platform.showPlatformHelp();
    EXPECT_EQ(shown(), "Window.html");
    HelpWindow& window = *platform.helpWindow();
    EXPECT_EQ(window.backAction().text(), QStringLiteral("&Back"));

    platform.setInterfaceLanguage(platform::kLanguagePortuguese);
    platform.showPlatformHelp();
    EXPECT_EQ(shown(), "Janela.html");
    EXPECT_EQ(window.backAction().text(), QStringLiteral("&Voltar"));
    EXPECT_EQ(window.forwardAction().text(), QStringLiteral("&Avançar"));
    EXPECT_TRUE(handedToDesktop.empty());
}

// Clicks `action`'s button as the window system delivers a click, which a
// window blocked by a modal one never receives.
void clickThroughTheWindowSystem(HelpWindow& window, QAction& action) {
    auto* bar = window.findChild<QToolBar*>();
    ASSERT_NE(bar, nullptr);
    QWidget* button = bar->widgetForAction(&action);
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.windowHandle()));
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                      button->mapTo(&window, button->rect().center()));
}

TEST_F(HelpWindowTest, TheSyntaxPageCanBeUsedWhileTheWizardsDialogWaits) {
    platform.openDocument("Help.hlp", platform::WindowShow::Normal);
    const platform::DialogHandle step = platform.createDialog(platform::general_step::kTemplate);
    platform.setControlRoutine(step, platform::general_step::kSyntaxButton, [this] {
        platform.openDocument("Syntax.hlp", platform::WindowShow::Normal);
    });
    std::string afterBack;
    auto student = WhenModal::of<TemplateDialog>([&](TemplateDialog& dialog) {
        qobject_cast<QPushButton*>(dialog.control(platform::general_step::kSyntaxButton))->click();
        HelpWindow& help = *platform.helpWindow();
        EXPECT_EQ(shown(), "Syntax.html");
        clickThroughTheWindowSystem(help, help.backAction());
        afterBack = shown();
        dialog.reject();
    });
    EXPECT_EQ(platform.runDialog(step), platform::kButtonCancel);
    platform.releaseDialog(step);
    EXPECT_TRUE(student->acted());
    EXPECT_EQ(afterBack, "Help.html");
}

// The control: an application-modal message box does block the help window,
// so the click above went through because the dialog let it.
TEST_F(HelpWindowTest, AMessageBoxStillBlocksIt) {
    platform.openDocument("Help.hlp", platform::WindowShow::Normal);
    platform.openDocument("Syntax.hlp", platform::WindowShow::Normal);
    std::string afterBack;
    auto user = WhenModal::of<QMessageBox>([&](QMessageBox& box) {
        HelpWindow& help = *platform.helpWindow();
        clickThroughTheWindowSystem(help, help.backAction());
        afterBack = shown();
        box.accept();
    });
    platform.messageBox("Attention", "Attention", platform::kMessageOk);
    EXPECT_TRUE(user->acted());
    EXPECT_EQ(afterBack, "Syntax.html");
}

}  // namespace
}  // namespace calorvia::platform_qt
