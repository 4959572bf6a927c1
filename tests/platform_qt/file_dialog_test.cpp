// The open and save dialogs: the request's settings reach the dialog, the
// chosen path comes back, cancelling gives nothing.

#include <gtest/gtest.h>

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <stdexcept>
#include <thread>

#include "gui_test_support.h"
#include "platform_qt/qt_platform.h"

namespace calorvia::platform_qt {
namespace {

using namespace testing;

QLineEdit& nameField(QFileDialog& dialog) {
    auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (!field) throw std::runtime_error("the file dialog has no name field");
    return *field;
}

// What the user does: types a name and presses Open or Save (QFileDialog
// hides accept(), QDialog's is the button's).
void choose(QFileDialog& dialog, const QString& name) {
    nameField(dialog).setText(name);
    static_cast<QDialog&>(dialog).accept();
}

class FileDialogTest : public ::testing::Test {
protected:
    FileDialogTest() { std::filesystem::create_directories(folder.path() / "Data"); }

    TemporaryWorkingFolder folder;
    QtPlatform platform;
};

TEST_F(FileDialogTest, TheOpenDialogShowsTheRequestAndReturnsTheChosenFile) {
    writeFile(folder.path() / "Data" / "slab.txt", "0.5\n");
    const auto request =
        platform::caseFileDialogRequest("Open Data File", (folder.path() / "Data").string(), " ");
    QString title, directory, filter;
    QStringList filters;
    QFileDialog::AcceptMode mode = QFileDialog::AcceptSave;
    auto user = WhenModal::of<QFileDialog>([&](QFileDialog& dialog) {
        title = dialog.windowTitle();
        directory = dialog.directory().absolutePath();
        filters = dialog.nameFilters();
        filter = dialog.selectedNameFilter();
        mode = dialog.acceptMode();
        choose(dialog, QStringLiteral("slab.txt"));
    });
    const auto choice = platform.openFileDialog(request);
    EXPECT_TRUE(user->acted());
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(std::filesystem::path(choice->path), folder.path() / "Data" / "slab.txt");
    EXPECT_FALSE(choice->readOnly);
    EXPECT_EQ(title, QStringLiteral("Open Data File"));
    EXPECT_EQ(directory, QString::fromStdString((folder.path() / "Data").string()));
    EXPECT_EQ(filters, (QStringList{"Text Files (*.txt)", "All Files (*)"}));
    EXPECT_EQ(filter, QStringLiteral("Text Files (*.txt)"));
    EXPECT_EQ(mode, QFileDialog::AcceptOpen);
}

TEST_F(FileDialogTest, AMissingFileNameIsReturnedForTheProgramToCheck) {
    const auto request =
        platform::caseFileDialogRequest("Open Data File", folder.path().string(), " ");
    auto user = WhenModal::of<QFileDialog>(
        [](QFileDialog& dialog) { choose(dialog, QStringLiteral("missing.txt")); });
    const auto choice = platform.openFileDialog(request);
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(std::filesystem::path(choice->path), folder.path() / "missing.txt");
}

TEST_F(FileDialogTest, TheSaveDialogAddsTheExtensionAndLeavesReplacingToTheProgram) {
    writeFile(folder.path() / "Data" / "old.txt", "kept until the program decides\n");
    const auto request = platform::caseFileDialogRequest(
        "Save Data File", (folder.path() / "Data").string(), "Untitled");
    QString offered;
    auto user = WhenModal::of<QFileDialog>([&](QFileDialog& dialog) {
        offered = nameField(dialog).text();
        choose(dialog, QStringLiteral("fin"));
    });
    const auto fresh = platform.saveFileDialog(request);
    ASSERT_TRUE(fresh.has_value());
    EXPECT_EQ(std::filesystem::path(fresh->path), folder.path() / "Data" / "fin.txt");
    EXPECT_EQ(offered, QStringLiteral("Untitled"));

    // An existing file is returned without a question of the dialog's own.
    auto again = WhenModal::of<QFileDialog>([](QFileDialog& dialog) {
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        choose(dialog, QStringLiteral("old.txt"));
    });
    const auto existing = platform.saveFileDialog(request);
    ASSERT_TRUE(existing.has_value());
    EXPECT_EQ(std::filesystem::path(existing->path), folder.path() / "Data" / "old.txt");
    EXPECT_EQ(readFile(folder.path() / "Data" / "old.txt"), "kept until the program decides\n");
}

TEST_F(FileDialogTest, AFileDialogFromTheWorkerBlocksOnlyTheWorker) {
    const auto request =
        platform::caseFileDialogRequest("Open Data File", folder.path().string(), " ");
    std::optional<platform::FileChoice> choice;
    std::atomic<bool> done{false};
    std::thread worker([&] {
        choice = platform.openFileDialog(request);
        done = true;
    });
    auto user = WhenModal::of<QFileDialog>(
        [](QFileDialog& dialog) { choose(dialog, QStringLiteral("case.txt")); });
    EXPECT_TRUE(processEventsUntil([&] { return done.load(); }));
    worker.join();
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(std::filesystem::path(choice->path), folder.path() / "case.txt");
}

// Qt reads names in quotes as several folders and would take the first ("/"
// for a field reading "/" "tmp"): the folder dialog refuses them and stays
// open until the field names one folder.
TEST_F(FileDialogTest, TheFolderDialogRefusesSeveralFoldersAndReturnsTheOneChosen) {
    std::filesystem::create_directories(folder.path() / "kept");
    bool stayedOpen = false;
    auto user = WhenModal::of<QFileDialog>([&](QFileDialog& dialog) {
        auto refusal = WhenModal::of<QMessageBox>([](QMessageBox& box) { box.accept(); });
        choose(dialog, QStringLiteral("\"Data\" \"kept\""));
        stayedOpen = refusal->acted() && dialog.isVisible();
        dialog.selectFile(QStringLiteral("kept"));  // the one folder meant
        static_cast<QDialog&>(dialog).accept();
    });
    const auto chosen = platform.chooseFolder("Save Results As", folder.path().string());
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(chosen, (folder.path() / "kept").string());
}

}  // namespace
}  // namespace calorvia::platform_qt
