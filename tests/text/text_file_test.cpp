#include "text/text_file.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <fstream>
#include <iterator>

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

TEST_F(TextFileTest, AByteOrderMarkIsSkippedAtTheStartOnly) {
    const auto path = directory_ / "bom.txt";
    writeRaw(path, "\xEF\xBB\xBF 1.0\r\n\xEF\xBB\xBF 2\n");
    EXPECT_EQ(readTextLines(path), (std::vector<std::string>{" 1.0", "\xEF\xBB\xBF 2"}));
}

// What is at a path decides how it is read and written: a link is followed
// (the target replaced atomically, the link kept), a FIFO is never read
// (it would block) and is written in place, never replaced.
TEST_F(TextFileTest, OddPathsAreWrittenThroughAndNeverReplaced) {
    const auto target = directory_ / "target.txt";
    writeRaw(target, "old\n");
    for (const std::filesystem::path& link :
         {directory_ / "absolute-link", directory_ / "relative-link"}) {
        std::filesystem::create_symlink(
            link.filename() == "absolute-link" ? target : target.filename(), link);
        ASSERT_TRUE(writeTextFileAtomically(link, link.filename().string() + "\n"));
        EXPECT_TRUE(std::filesystem::is_symlink(link));
        EXPECT_EQ(readTextLines(link), std::vector<std::string>{link.filename().string()});
    }
    const auto loop = directory_ / "loop";
    std::filesystem::create_symlink(loop.filename(), loop);
    EXPECT_FALSE(writeTextFileAtomically(loop, "x\n"));

    const auto fifo = directory_ / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(readTextLines(fifo).has_value());
    EXPECT_FALSE(readTextFile(fifo).has_value());
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    ASSERT_TRUE(writeTextFileAtomically(fifo, "through\n"));
    char received[16] = {};
    EXPECT_EQ(::read(reader, received, sizeof received), 8);
    ::close(reader);
    EXPECT_EQ(std::string(received), "through\n");
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
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
