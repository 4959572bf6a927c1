// The tolerance file "tolera": reading, and the default written back.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "settings/tolerance_file.h"
#include "text/number_reader.h"
#include "text/text_file.h"

namespace calorvia::settings {
namespace {

namespace fs = std::filesystem;

class ToleranceFile : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("calorvia_tolera_" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path file() const { return folder_ / std::string(ToleranceFileName); }

    void write(const std::string& bytes) const {
        std::ofstream out(file(), std::ios::binary);
        out << bytes;
    }

    // The tolerance the file holds now, read back as free-form text.
    std::optional<double> storedValue() const {
        const auto lines = text::readTextLines(file());
        if (!lines || lines->empty()) return std::nullopt;
        return text::readReal(lines->front());
    }

    fs::path folder_;
};

struct ContentRow {
    std::string name;
    std::optional<std::string> content;  // nothing: no file
    double Tol;
    bool usedDefault;
};

void PrintTo(const ContentRow& row, std::ostream* os) {
    *os << row.name;
}

class ToleranceContent : public ToleranceFile, public ::testing::WithParamInterface<ContentRow> {};

TEST_P(ToleranceContent, GivesTheFirstValueOrTheDefaultWrittenBack) {
    const ContentRow row = GetParam();
    if (row.content) write(*row.content);
    const ToleranceReading reading = readTolerance(file());
    EXPECT_EQ(reading.Tol, row.Tol);
    EXPECT_EQ(reading.usedDefault, row.usedDefault);
    EXPECT_EQ(reading.rewritten, row.usedDefault);
    ASSERT_TRUE(storedValue().has_value() || !row.content.has_value());
    if (row.usedDefault) {
        EXPECT_EQ(storedValue(), 1.0E-08);
        // Read again: the file now answers with the default itself.
        EXPECT_FALSE(readTolerance(file()).usedDefault);
    } else {
        // A good file is left as it was.
        std::ifstream in(file(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
        EXPECT_EQ(bytes, *row.content);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Contents, ToleranceContent,
    ::testing::Values(ContentRow{"Missing", std::nullopt, 1.0E-08, true},
                      ContentRow{"Empty", "", 1.0E-08, true},
                      ContentRow{"BlankLine", "   \n", 1.0E-08, true},
                      ContentRow{"NotANumber", "abc\n", 1.0E-08, true},
                      ContentRow{"ValueOnSecondLineOnly", "\n1e-5\n", 1.0E-08, true},
                      ContentRow{"FreeForm", "   1.5E-06\n", 1.5E-06, false},
                      ContentRow{"WindowsLineEnd", " 2.5e-7\r\n", 2.5E-07, false},
                      ContentRow{"FirstOfSeveral", "0.001 7 8\n9\n", 0.001, false},
                      ContentRow{"FortranExponent", "1.0D-04", 1.0E-04, false},
                      ContentRow{"Zero", "0\n", 0.0, false},
                      ContentRow{"NegativeKept", "-1e-3\n", -1.0E-03, false}),
    [](const ::testing::TestParamInfo<ContentRow>& row) { return row.param.name; });

TEST_F(ToleranceFile, WrittenValuesReadBackExactly) {
    for (double Tol : {1.0E-08, 0.1, 3.0E-12, 0.0, 123.456}) {
        ASSERT_TRUE(writeTolerance(file(), Tol));
        const ToleranceReading reading = readTolerance(file());
        EXPECT_EQ(reading.Tol, Tol);
        EXPECT_FALSE(reading.usedDefault);
    }
}

TEST_F(ToleranceFile, AFolderThatCannotBeWrittenStillGivesTheDefault) {
    const ToleranceReading inMissingFolder =
        readTolerance(folder_ / "no such folder" / std::string(ToleranceFileName));
    EXPECT_EQ(inMissingFolder.Tol, 1.0E-08);
    EXPECT_TRUE(inMissingFolder.usedDefault);
    EXPECT_FALSE(inMissingFolder.rewritten);

    // A folder in the file's place can be neither read nor replaced.
    fs::create_directories(file());
    const ToleranceReading shadowed = readTolerance(file());
    EXPECT_EQ(shadowed.Tol, 1.0E-08);
    EXPECT_FALSE(shadowed.rewritten);
    EXPECT_TRUE(fs::is_directory(file()));
}

}  // namespace
}  // namespace calorvia::settings
