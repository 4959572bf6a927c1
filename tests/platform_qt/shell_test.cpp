// The shell and built-in services: documents, addresses, the text editor,
// the clipboard and selection, About, printing, files and the clock.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QFileInfo>
#include <QScreen>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QTest>
#include <QUrl>
#include <set>
#include <thread>

#include "gui_test_support.h"
#include "platform_qt/canvas_widget.h"
#include "platform_qt/main_window.h"
#include "platform_qt/qt_platform.h"
#include "platform_qt/text_editor_window.h"

namespace calorvia::platform_qt {
namespace {

using namespace testing;

class ShellTest : public ::testing::Test {
protected:
    ShellTest() {
        platform.setUrlOpener([this](const QUrl& url) { opened.push_back(url); });
    }

    TemporaryWorkingFolder folder;
    QtPlatform platform;
    std::vector<QUrl> opened;
};

TEST_F(ShellTest, AMissingDocumentDoesNothing) {
    platform.openDocument(platform::kTutorialDocument, platform::WindowShow::Minimized);
    platform::requestTutorial(platform);
    EXPECT_TRUE(opened.empty());
}

TEST_F(ShellTest, AnExistingDocumentOpensFromTheCurrentDirectory) {
    std::filesystem::create_directories(folder.path() / "docs");
    writeFile(folder.path() / "docs" / "Syntax.pdf", "%PDF");
    platform.setCurrentDirectory((folder.path() / "docs").string());
    platform.openDocument("Syntax.pdf", platform::WindowShow::Normal);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl::fromLocalFile(QString::fromStdString(
                             (folder.path() / "docs" / "Syntax.pdf").string())));
}

// A kind of document the help window does not show goes to the desktop;
// the help documents themselves open in the help window (help_window_test).
TEST_F(ShellTest, TheDocumentMapperChoosesWhatOpens) {
    writeFile(folder.path() / "Help.pdf", "%PDF");
    platform.setDocumentMapper([](const std::filesystem::path& requested) {
        if (requested.extension() == ".hlp") {
            return std::filesystem::path(requested).replace_extension(".pdf");
        }
        return requested;
    });
    platform.openDocument("Help.hlp", platform::WindowShow::Normal);
    platform.openDocument("Ajuda.hlp", platform::WindowShow::Normal);  // nothing shipped
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].toLocalFile().toStdString(), (folder.path() / "Help.pdf").string());
    EXPECT_EQ(platform.helpWindow(), nullptr);
}

TEST_F(ShellTest, AddressesGoToTheDesktop) {
    platform.openAddress("https://calorvia.example/home");
    platform.openAddress("mailto:support@calorvia.example");
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], QUrl(QStringLiteral("https://calorvia.example/home")));
    EXPECT_EQ(opened[1].scheme(), QStringLiteral("mailto"));
}

TextEditorWindow* openEditor() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* editor = qobject_cast<TextEditorWindow*>(widget); editor && editor->isVisible()) {
            return editor;
        }
    }
    return nullptr;
}

TEST_F(ShellTest, TheEditorShowsTheFileAndSavesIt) {
    writeFile(folder.path() / "Data.txt", "  x    T\n 0.0  300.0\n");
    platform.editTextFile("Data.txt", false);
    TextEditorWindow* editor = openEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->editor().toPlainText(), QStringLiteral("  x    T\n 0.0  300.0\n"));
    editor->editor().moveCursor(QTextCursor::End);
    editor->editor().insertPlainText(QStringLiteral(" 0.1  310.0"));
    ASSERT_TRUE(editor->save());
    EXPECT_EQ(readFile(folder.path() / "Data.txt"), "  x    T\n 0.0  300.0\n 0.1  310.0");
    editor->close();
    EXPECT_TRUE(processEventsUntil([] { return openEditor() == nullptr; }));
}

// "Inspect the files" opens eight editors at once: each comes a step lower
// and to the right of the one before, all on the screen.
TEST_F(ShellTest, EditorsOpenedTogetherAreCascadedOnTheScreen) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    std::vector<TextEditorWindow*> editors;
    for (const char* name : {"Data.txt", "Flux.txt", "Flux_x_Position.txt", "Unsteady.txt",
                             "Average.txt", "West.txt", "East.txt", "Steady.txt"}) {
        writeFile(folder.path() / name, name);
        platform.editTextFile(name, false);
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* editor = qobject_cast<TextEditorWindow*>(widget);
            if (editor && editor->isVisible() &&
                QFileInfo(editor->path()).fileName() == QString::fromLatin1(name)) {
                editors.push_back(editor);
            }
        }
    }
    ASSERT_EQ(editors.size(), 8u);
    processEventsFor(50ms);
    std::set<std::pair<int, int>> corners;
    for (std::size_t i = 0; i < editors.size(); ++i) {
        const QRect frame = editors[i]->frameGeometry();
        EXPECT_TRUE(screen.contains(frame)) << i;
        corners.insert({frame.x(), frame.y()});
    }
    EXPECT_EQ(corners.size(), editors.size());  // none hides another exactly
    const QPoint step = editors[1]->frameGeometry().topLeft() - editors[0]->frameGeometry().topLeft();
    EXPECT_GT(step.x(), 0);
    EXPECT_EQ(step.x(), step.y());
    for (TextEditorWindow* editor : editors) editor->close();
}

TEST_F(ShellTest, AMissingFileOpensAnEmptyEditorThatCreatesIt) {
    platform.editTextFile((folder.path() / "Inicial.txt").string(), false);
    TextEditorWindow* editor = openEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->editor().toPlainText().isEmpty());
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Inicial.txt"));
    editor->editor().setPlainText(QStringLiteral("300\n"));
    ASSERT_TRUE(editor->save());
    EXPECT_EQ(readFile(folder.path() / "Inicial.txt"), "300\n");
    editor->close();
    EXPECT_TRUE(processEventsUntil([] { return openEditor() == nullptr; }));
}

TEST_F(ShellTest, AWaitedEditorBlocksTheWorkerUntilItCloses) {
    writeFile(folder.path() / "Initial.txt", "300\n300\n");
    std::atomic<bool> returned{false};
    bool returnedWhileOpen = true;
    Qt::WindowModality modality = Qt::NonModal;
    auto user = WhenModal::of<TextEditorWindow>([&](TextEditorWindow& editor) {
        modality = editor.windowModality();
        processEventsFor(50ms);
        returnedWhileOpen = returned.load();
        editor.editor().setPlainText(QStringLiteral("310\n320\n"));
        EXPECT_TRUE(editor.save());
        editor.close();
    });
    std::thread worker([&] {
        platform.editTextFile("Initial.txt", true);
        returned = true;
    });
    EXPECT_TRUE(processEventsUntil([&] { return returned.load(); }));
    worker.join();
    EXPECT_TRUE(user->acted());
    EXPECT_EQ(modality, Qt::ApplicationModal);
    EXPECT_FALSE(returnedWhileOpen);
    EXPECT_EQ(readFile(folder.path() / "Initial.txt"), "310\n320\n");
}

TEST_F(ShellTest, CopyTakesTheWholeGraphicsOrTheSelection) {
    platform.configureGraphicsWindow("1-Dimensional");
    platform.setBackgroundRgb(0xFFFFFF);
    platform.clearScreen();
    platform.setColorIndex(12);
    platform.drawRectangle(platform::FillMode::Filled, 40, 40, 59, 49);
    platform.copyGraphicsToClipboard();
    EXPECT_EQ(QApplication::clipboard()->image().size(), platform.canvasImage().size());

    // Select graphics, then drag over the red block.
    platform.selectGraphics();
    CanvasWidget& canvas = platform.mainWindow().canvasWidget();
    EXPECT_TRUE(canvas.selectionArmed());
    QTest::mousePress(&canvas, Qt::LeftButton, {}, QPoint(40, 40));
    QTest::mouseMove(&canvas, QPoint(50, 45));
    QTest::mouseRelease(&canvas, Qt::LeftButton, {}, QPoint(60, 50));
    ASSERT_TRUE(platform.graphicsSelection().has_value());
    EXPECT_EQ(*platform.graphicsSelection(), QRect(QPoint(40, 40), QPoint(60, 50)));

    platform.copyGraphicsToClipboard();
    const QImage copied = QApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), QSize(21, 11));
    EXPECT_EQ(copied.pixel(0, 0) & 0xFFFFFFu, 0xFF0000u);
    EXPECT_EQ(copied.pixel(20, 5) & 0xFFFFFFu, 0xFFFFFFu);
    // The selection served that copy; the next takes everything again.
    EXPECT_FALSE(platform.graphicsSelection().has_value());
    platform.copyGraphicsToClipboard();
    EXPECT_EQ(QApplication::clipboard()->image().size(), platform.canvasImage().size());
}

TEST_F(ShellTest, TheAboutBoxShowsTheTextSet) {
    platform.setAboutText("This software is destined to the one-dimensional heat transfer study.");
    QString shown;
    auto user = WhenModal::of<QMessageBox>([&](QMessageBox& box) {
        shown = box.text();
        box.accept();
    });
    platform.showAbout();
    EXPECT_TRUE(user->acted());
    EXPECT_EQ(shown.toStdString(),
              "This software is destined to the one-dimensional heat transfer study.");
}

TEST_F(ShellTest, PrintingAsksForThePrinterFirst) {
    bool asked = false;
    auto user = WhenModal::of<QPrintDialog>([&](QPrintDialog& dialog) {
        asked = true;
        dialog.reject();
    });
    platform.printGraphics();
    EXPECT_TRUE(asked);
}

TEST_F(ShellTest, FilesAreDeletedAndRenamedWithoutReplacingAny) {
    writeFile(folder.path() / "Steady.txt", "steady");
    writeFile(folder.path() / "West.txt", "west");
    platform.deleteFile("Steady.txt");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Steady.txt"));
    platform.deleteFile("Steady.txt");  // a missing file is no error
    std::filesystem::create_directory(folder.path() / "Data.txt");
    platform.deleteFile("Data.txt");  // a folder, even empty, is not a file
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "Data.txt"));

    EXPECT_TRUE(platform.renameFile("West.txt", "Oeste.txt"));
    EXPECT_EQ(readFile(folder.path() / "Oeste.txt"), "west");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "West.txt"));
    EXPECT_FALSE(platform.renameFile("West.txt", "Leste.txt")) << "no source";
    writeFile(folder.path() / "East.txt", "east");
    EXPECT_FALSE(platform.renameFile("East.txt", "Oeste.txt")) << "target exists";
    EXPECT_EQ(readFile(folder.path() / "Oeste.txt"), "west");
    EXPECT_EQ(readFile(folder.path() / "East.txt"), "east");
}

TEST_F(ShellTest, TheCurrentDirectoryIsReadAndChanged) {
    const auto start = platform.currentDirectory();
    ASSERT_TRUE(start.has_value());
    EXPECT_EQ(std::filesystem::path(*start), folder.path());
    std::filesystem::create_directories(folder.path() / "Dados");
    EXPECT_TRUE(platform.setCurrentDirectory("Dados"));
    EXPECT_EQ(std::filesystem::path(*platform.currentDirectory()), folder.path() / "Dados");
    EXPECT_FALSE(platform.setCurrentDirectory((folder.path() / "Data").string()));
    EXPECT_EQ(std::filesystem::path(*platform.currentDirectory()), folder.path() / "Dados");
}

TEST_F(ShellTest, TheClockAdvancesByAtLeastAPause) {
    const double before = platform.clockSeconds();
    platform.pause(30);
    const double elapsed = platform.clockSeconds() - before;
    EXPECT_GE(elapsed, 0.030);
    EXPECT_LT(elapsed, 2.0);
}

}  // namespace
}  // namespace calorvia::platform_qt
