#include "text/text_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

#include "support/program_folder.h"

namespace calorvia::text {
namespace {

class TextFileTest : public ::testing::Test {
protected:
    void writeRaw(const std::filesystem::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    calorvia::testing::TemporaryFolder folder_;
    const std::filesystem::path& directory_ = folder_.path();
};

TEST_F(TextFileTest, LinesLoseTheirUnixOrWindowsEnds) {
    const auto path = directory_ / "lines.txt";
    writeRaw(path, " 1.0\r\n 10\n2*t\r\n\nlast");
    const auto lines = readTextLines(path);
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(*lines, (std::vector<std::string>{" 1.0", " 10", "2*t", "", "last"}));
}

TEST_F(TextFileTest, AFinalLineEndAddsNoEmptyLine) {
    const auto path = directory_ / "final.txt";
    writeRaw(path, "a\nb\n");
    EXPECT_EQ(readTextLines(path), (std::vector<std::string>{"a", "b"}));
    writeRaw(path, "");
    EXPECT_EQ(readTextLines(path), std::vector<std::string>{});
}

TEST_F(TextFileTest, MissingFilesAndFoldersAreNotReadable) {
    EXPECT_FALSE(readTextLines(directory_ / "absent.txt").has_value());
    EXPECT_FALSE(readTextLines(directory_).has_value());
}

TEST_F(TextFileTest, BinaryBytesAreKept) {
    const auto path = directory_ / "binary";
    const std::string bytes("\0\x01\xff\n\x7f", 5);
    writeRaw(path, bytes);
    const auto lines = readTextLines(path);
    ASSERT_TRUE(lines.has_value());
    ASSERT_EQ(lines->size(), 2u);
    EXPECT_EQ((*lines)[0], std::string("\0\x01\xff", 3));
}

TEST_F(TextFileTest, AtomicWriteReplacesTheWholeFileAndLeavesNoTemporary) {
    const auto path = directory_ / "cor";
    writeRaw(path, "a much longer previous content\n");
    ASSERT_TRUE(writeTextFileAtomically(path, " 12\n"));
    EXPECT_EQ(readTextLines(path), std::vector<std::string>{" 12"});
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory_),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(TextFileTest, AFolderThatCannotBeWrittenKeepsTheOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the super-user";
    const auto path = directory_ / "idioma";
    writeRaw(path, " 1\n");
    std::filesystem::permissions(directory_, std::filesystem::perms::owner_read |
                                                 std::filesystem::perms::owner_exec);
    EXPECT_FALSE(writeTextFileAtomically(path, " 2\n"));
    std::filesystem::permissions(directory_, std::filesystem::perms::owner_all);
    EXPECT_EQ(readTextLines(path), std::vector<std::string>{" 1"});
}

// Permissions do not stop the super-user, which the tests may run as; a
// folder that cannot exist because a file holds its name stops everyone.
TEST_F(TextFileTest, AFolderBlockedByAFileIsAFailureThatLeavesEverythingAsItWas) {
    const auto blocker = directory_ / "results";
    writeRaw(blocker, "a file of the user\n");
    EXPECT_FALSE(writeTextFileAtomically(blocker / "idioma", " 2\n"));
    EXPECT_EQ(readTextLines(blocker), std::vector<std::string>{"a file of the user"});
    const auto entries = std::distance(std::filesystem::directory_iterator(directory_),
                                       std::filesystem::directory_iterator());
    EXPECT_EQ(entries, 1);
}

TEST_F(TextFileTest, ATargetThatIsAFolderIsAFailure) {
    const auto folder = directory_ / "Loaded.txt";
    std::filesystem::create_directories(folder / "inside");
    EXPECT_FALSE(writeTextFileAtomically(folder, "x\n"));
    EXPECT_TRUE(std::filesystem::is_directory(folder / "inside"));
    // The temporary file the write went through is gone too.
    const auto entries = std::distance(std::filesystem::directory_iterator(directory_),
                                       std::filesystem::directory_iterator());
    EXPECT_EQ(entries, 1);
}

}  // namespace
}  // namespace calorvia::text
