// The installation as `cmake --install` lays it out (the test fixture installs
// the build into a tree of its own first): both programs in bin/, the
// pictures, help documents and README where the installed program looks for
// them, and a desktop entry that starts it.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "shell/data_folders.h"
#include "shell/settings_files.h"

namespace calorvia::shell {
namespace {

const std::filesystem::path kPrefix = CALORVIA_INSTALL_PREFIX;

std::optional<std::string> contentOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

// True when `path` lies inside the installed tree (so that a file found in
// the build tree does not count).
bool insideInstallation(const std::filesystem::path& path) {
    const auto prefix = std::filesystem::weakly_canonical(kPrefix);
    const auto found = std::filesystem::weakly_canonical(path);
    const auto [end, rest] =
        std::mismatch(prefix.begin(), prefix.end(), found.begin(), found.end());
    (void)rest;
    return end == prefix.end();
}

bool isExecutableFile(const std::filesystem::path& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    return !error && std::filesystem::is_regular_file(status) &&
           (status.permissions() & std::filesystem::perms::owner_exec) !=
               std::filesystem::perms::none;
}

// The folders the installed program searches, as it computes them from its
// own place; an empty program directory, so that only shipped files count.
class InstalledDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(userFolder.isValid());
        folders.setProgramDirectory(userFolder.path().toStdString());
    }
    QTemporaryDir userFolder;
    DataFolders folders{{dataFolderBesideProgram(kPrefix / "bin")}};
};

TEST(InstalledPrograms, BothProgramsAreInBin) {
    EXPECT_TRUE(isExecutableFile(kPrefix / "bin" / "calorvia"));
#ifdef CALORVIA_HAS_BATCH
    EXPECT_TRUE(isExecutableFile(kPrefix / "bin" / "calorvia-batch"));
#endif
}

TEST_F(InstalledDataTest, TheProgramFindsEveryPictureInTheInstalledTree) {
    for (const std::string_view picture :
         {CylinderPicture, WallPicture, SpherePicture, EquationPicture}) {
        SCOPED_TRACE(std::string(picture));
        const std::filesystem::path found = folders.picture(picture);
        EXPECT_TRUE(insideInstallation(found)) << found;
        const auto installed = contentOf(found);
        const auto built = contentOf(std::filesystem::path(CALORVIA_DATA_DIR) / picture);
        ASSERT_TRUE(installed.has_value());
        ASSERT_TRUE(built.has_value());
        EXPECT_EQ(*installed, *built);
    }
}

TEST_F(InstalledDataTest, TheProgramFindsItsHelpDocumentsInTheInstalledTree) {
    for (const char* requested : {"Help.hlp", "Ajuda.hlp", "Syntax.hlp", "Sintaxe.hlp", "Window.hlp",
                                  "Janela.hlp"}) {
        SCOPED_TRACE(requested);
        const std::filesystem::path shown = helpDocumentPath(requested, folders);
        EXPECT_NE(shown, std::filesystem::path(requested));
        EXPECT_TRUE(insideInstallation(shown)) << shown;
        EXPECT_EQ(shown.extension(), ".html");
        const auto content = contentOf(shown);
        ASSERT_TRUE(content.has_value());
        // The page's style sheet, which it links to, is installed beside it.
        if (content->find("help.css") != std::string::npos) {
            EXPECT_TRUE(std::filesystem::is_regular_file(shown.parent_path() / "help.css"));
        }
    }
}

TEST_F(InstalledDataTest, TheReadmeIsShippedAsTheRepositoryHasIt) {
    const auto readme = folders.shipped(ShippedReadme);
    ASSERT_TRUE(readme.has_value());
    EXPECT_TRUE(insideInstallation(*readme));
    EXPECT_EQ(contentOf(*readme),
              contentOf(std::filesystem::path(CALORVIA_SOURCE_DIR) / "README.md"));
}

TEST(InstalledDesktopEntry, StartsTheInstalledProgram) {
    const auto entry = contentOf(kPrefix / "share" / "applications" / "calorvia.desktop");
    ASSERT_TRUE(entry.has_value());
    std::istringstream lines(*entry);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "[Desktop Entry]");
    std::vector<std::string> keys;
    while (std::getline(lines, line)) keys.push_back(line);
    const auto has = [&](std::string_view wanted) {
        return std::find(keys.begin(), keys.end(), wanted) != keys.end();
    };
    EXPECT_TRUE(has("Type=Application"));
    EXPECT_TRUE(has("Name=Calorvia"));
    EXPECT_TRUE(has("Exec=calorvia"));
    EXPECT_TRUE(has("Terminal=false"));
    EXPECT_TRUE(isExecutableFile(kPrefix / "bin" / "calorvia"));
}

// The installed program starts on its own (no build tree needed to link or
// run it) and makes a new folder its program directory.
TEST(InstalledPrograms, TheDesktopProgramStartsOffscreen) {
    QTemporaryDir parent;
    ASSERT_TRUE(parent.isValid());
    const std::filesystem::path folder =
        std::filesystem::path(parent.path().toStdString()) / "work";
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QString::fromStdString((kPrefix / "bin" / "calorvia").string()),
                  {QString::fromStdString(folder.string())});
    ASSERT_TRUE(program.waitForStarted(10000));
    bool started = false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!started && std::chrono::steady_clock::now() < deadline &&
           program.state() == QProcess::Running) {
        started = readIntegerSetting(folder / "idioma").has_value() &&
                  readIntegerSetting(folder / "cor").has_value();
        if (!started) QThread::msleep(50);
    }
    program.kill();
    program.waitForFinished(10000);
    EXPECT_TRUE(started) << program.readAllStandardError().toStdString();
}

}  // namespace
}  // namespace calorvia::shell

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
