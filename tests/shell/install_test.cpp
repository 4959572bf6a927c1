// The installation as `cmake --install` lays it out (the test fixture installs
// the build into a tree of its own first): both programs in bin/, the
// pictures, help documents and README where the installed program looks for
// them, a desktop entry that starts it, and the manual pages. The same tests
// look at the Debian package unpacked when CALORVIA_INSTALL_PREFIX names that
// tree instead, and run its programs.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <algorithm>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "shell/data_folders.h"
#include "settings/settings_files.h"
#include "support/program_folder.h"
#include "support/real_program.h"

namespace calorvia::shell {


namespace {

// The installed tree: the fixture's, unless the environment names another.
std::filesystem::path installPrefix() {
    const QByteArray named = qgetenv("CALORVIA_INSTALL_PREFIX");
    if (named.isEmpty()) return CALORVIA_INSTALL_PREFIX;
    return named.toStdString();
}

const std::filesystem::path kPrefix = installPrefix();

const auto contentOf = calorvia::testing::readFile;

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

using calorvia::testing::environmentWithoutDisplay;
using Finished = calorvia::testing::FinishedProgram;

// Runs an installed program to its end, in `folder` when one is given.
Finished runInstalled(const std::string& program, const QStringList& arguments,
                      const QProcessEnvironment& environment,
                      const std::filesystem::path& folder = {}) {
    return calorvia::testing::runToEnd(kPrefix / "bin" / program, arguments, environment, folder);
}

constexpr const char* kPrograms[] = {"calorvia", "calorvia-batch"};

// The folders the installed program searches, as it computes them from its
// own place; an empty program directory, so that only shipped files count.
class InstalledDataTest : public ::testing::Test {
protected:
    void SetUp() override { folders.setProgramDirectory(userFolder.path()); }
    calorvia::testing::TemporaryFolder userFolder;
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

// --version and --help need no display, so that they work on a terminal and
// for help2man at build time.
TEST(InstalledPrograms, EachPrintsTheProjectVersionAndItsHelpWithoutADisplay) {
    for (const std::string program : kPrograms) {
        SCOPED_TRACE(program);
        const Finished version = runInstalled(program, {QStringLiteral("--version")}, environmentWithoutDisplay());
        ASSERT_TRUE(version.finished);
        EXPECT_EQ(version.exitCode, 0) << version.err;
        EXPECT_EQ(version.out, program + " " CALORVIA_VERSION "\n");
        const Finished help = runInstalled(program, {QStringLiteral("--help")}, environmentWithoutDisplay());
        ASSERT_TRUE(help.finished);
        EXPECT_EQ(help.exitCode, 0) << help.err;
        EXPECT_NE(help.out.find("Usage: " + program), std::string::npos) << help.out;
        EXPECT_NE(help.out.find("--version"), std::string::npos) << help.out;
    }
}

// Each program's manual page, gzipped where man looks for it, made from that
// program's own --help and --version.
TEST(InstalledManualPages, EachProgramHasOneWithItsVersionAndOptions) {
    for (const std::string program : kPrograms) {
        SCOPED_TRACE(program);
        const std::filesystem::path page = kPrefix / "share/man/man1" / (program + ".1.gz");
        ASSERT_TRUE(std::filesystem::is_regular_file(page)) << page;
        QProcess gunzip;
        gunzip.start(QStringLiteral("gzip"), {QStringLiteral("-dc"), QString::fromStdString(page.string())});
        ASSERT_TRUE(gunzip.waitForFinished(10000));
        ASSERT_EQ(gunzip.exitCode(), 0);
        const std::string text = gunzip.readAllStandardOutput().toStdString();
        std::string title = program;
        std::transform(title.begin(), title.end(), title.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        // .TH CALORVIA "1" "<month year>" "calorvia <version>" "User Commands"
        const auto header = text.find(".TH " + title + " \"1\"");
        ASSERT_NE(header, std::string::npos) << text;
        const std::string headerLine = text.substr(header, text.find('\n', header) - header);
        EXPECT_NE(headerLine.find("\"" + program + " " CALORVIA_VERSION "\""), std::string::npos)
            << headerLine;
        EXPECT_NE(text.find("\\-\\-version"), std::string::npos);
    }
}

#ifdef CALORVIA_HAS_BATCH
// The installed batch program runs an example in a folder of its own and
// writes the same result files, to the bit, as the build it came from, and
// its picture.
TEST(InstalledPrograms, TheBatchProgramRunsAnExampleInAFreshFolder) {
    const calorvia::testing::TemporaryFolder parent;
    const std::filesystem::path folder = parent.file("run");
    ASSERT_TRUE(std::filesystem::create_directory(folder));
    const std::filesystem::path source = CALORVIA_SOURCE_DIR;
    const Finished run = runInstalled(
        "calorvia-batch",
        {QStringLiteral("--png"), QStringLiteral("graph.png"),
         QString::fromStdString((source / "examples/plane-wall.txt").string())},
        environmentWithoutDisplay(), folder);
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    // The picture comes from the installed module, opened on demand.
    EXPECT_NE(run.out.find("Picture: graph.png"), std::string::npos) << run.out;
    EXPECT_GT(std::filesystem::file_size(folder / "graph.png"), 0u);
    const std::filesystem::path golden = source / "tests/examples/golden/plane-wall";
    int compared = 0;
    for (const auto& stored : std::filesystem::directory_iterator(golden)) {
        const std::string name = stored.path().filename().string();
        SCOPED_TRACE(name);
        EXPECT_NE(run.out.find(name), std::string::npos) << run.out;
        const auto written = contentOf(folder / name);
        ASSERT_TRUE(written.has_value());
        EXPECT_EQ(*written, contentOf(stored.path()));
        ++compared;
    }
    EXPECT_GT(compared, 0);
}
#endif

// The installed program starts on its own (no build tree needed to link or
// run it) and makes a new folder its program directory.
TEST(InstalledPrograms, TheDesktopProgramStartsOffscreen) {
    const calorvia::testing::TemporaryFolder parent;
    EXPECT_EQ(calorvia::testing::startUpWritesTheSettings(kPrefix / "bin" / "calorvia",
                                                          parent.file("work")),
              "");
}

}  // namespace
}  // namespace calorvia::shell

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
