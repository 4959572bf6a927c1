// The settings files: the tolerance file "tolera" read and the default
// written back, and the write-back rule of every reader.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "settings/settings_files.h"
#include "support/program_folder.h"
#include "text/number_reader.h"
#include "text/text_file.h"

namespace calorvia::settings {
namespace {

namespace fs = std::filesystem;

class ToleranceFile : public ::testing::Test {
protected:
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

    calorvia::testing::TemporaryFolder temporary_;
    const fs::path& folder_ = temporary_.path();
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
    const auto reading = readTolerance(file(), WriteBack::DefaultWhenUnreadable);
    EXPECT_EQ(reading.value, row.Tol);
    EXPECT_EQ(reading.usedDefault, row.usedDefault);
    EXPECT_FALSE(reading.writeFailed);
    ASSERT_TRUE(storedValue().has_value() || !row.content.has_value());
    if (row.usedDefault) {
        EXPECT_EQ(storedValue(), 1.0E-08);
        // Read again: the file now answers with the default itself.
        EXPECT_FALSE(readTolerance(file(), WriteBack::DefaultWhenUnreadable).usedDefault);
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
        const auto reading = readTolerance(file(), WriteBack::DefaultWhenUnreadable);
        EXPECT_EQ(reading.value, Tol);
        EXPECT_FALSE(reading.usedDefault);
    }
}

// A FIFO in the file's place is neither read (it would block) nor written
// back into: the default holds and the failed write is said.
TEST_F(ToleranceFile, AFifoIsUnreadableAndKeptAsItIs) {
    ASSERT_EQ(::mkfifo(file().c_str(), 0600), 0);
    const auto reading = readTolerance(file(), WriteBack::DefaultWhenUnreadable);
    EXPECT_EQ(reading.value, 1.0E-08);
    EXPECT_TRUE(reading.writeFailed);
    EXPECT_TRUE(fs::is_fifo(file()));
}

TEST_F(ToleranceFile, AFolderThatCannotBeWrittenStillGivesTheDefault) {
    const auto inMissingFolder =
        readTolerance(folder_ / "no such folder" / std::string(ToleranceFileName),
                      WriteBack::DefaultWhenUnreadable);
    EXPECT_EQ(inMissingFolder.value, 1.0E-08);
    EXPECT_TRUE(inMissingFolder.usedDefault);
    EXPECT_TRUE(inMissingFolder.writeFailed);

    // A folder in the file's place can be neither read nor replaced.
    fs::create_directories(file());
    const auto shadowed = readTolerance(file(), WriteBack::DefaultWhenUnreadable);
    EXPECT_EQ(shadowed.value, 1.0E-08);
    EXPECT_TRUE(shadowed.writeFailed);
    EXPECT_TRUE(fs::is_directory(file()));
}

// ---- the write-back rule, the same for every reader

// One reader seen through what the rule decides: the value as a number and
// the reading's flags.
struct Reader {
    std::string name;
    std::string_view fileName;
    std::function<SettingReading<double>(const fs::path&, WriteBack)> read;
    std::string outOfRange;  // an integer the setting does not take
    double fallback;
    std::string readable;  // a value in a form its writer does not give
    double readableValue;
};

double number(double value) {
    return value;
}
double number(texts::Language language) {
    return texts::languageCode(language);
}

template <class T, class Read>
Reader reader(std::string name, std::string_view fileName, Read read, std::string outOfRange,
              double fallback, std::string readable, double readableValue) {
    return {std::move(name),
            fileName,
            [read](const fs::path& file, WriteBack rule) {
                const SettingReading<T> reading = read(file, rule);
                return SettingReading<double>{number(reading.value), reading.usedDefault,
                                              reading.writeFailed};
            },
            std::move(outOfRange),
            fallback,
            std::move(readable),
            readableValue};
}

void PrintTo(const Reader& reader, std::ostream* os) {
    *os << reader.name;
}

class WriteBackRule : public ToleranceFile, public ::testing::WithParamInterface<Reader> {
protected:
    fs::path setting() const { return folder_ / std::string(GetParam().fileName); }
    std::optional<std::string> bytes() const { return text::readTextFile(setting()); }
    // The file holding `content` (nothing: no file) read by `rule`, as
    // (value, used default, write failed).
    std::tuple<double, bool, bool> readWith(const std::optional<std::string>& content,
                                            WriteBack rule) const {
        fs::remove(setting());
        if (content) std::ofstream(setting(), std::ios::binary) << *content;
        const SettingReading<double> reading = GetParam().read(setting(), rule);
        return {reading.value, reading.usedDefault, reading.writeFailed};
    }
};

TEST_P(WriteBackRule, NeverLeavesAnUnreadableFileAsItIs) {
    const Reader& r = GetParam();
    for (const std::optional<std::string>& content :
         {std::optional<std::string>{}, std::optional<std::string>{""},
          std::optional<std::string>{"x\n"}, std::optional<std::string>{r.outOfRange}}) {
        EXPECT_EQ(readWith(content, WriteBack::Never), std::make_tuple(r.fallback, true, false));
        EXPECT_EQ(bytes(), content);
    }
}

TEST_P(WriteBackRule, DefaultWhenUnreadableLeavesAFileThatReadsAsTheDefault) {
    const Reader& r = GetParam();
    EXPECT_EQ(readWith(r.outOfRange, WriteBack::DefaultWhenUnreadable),
              std::make_tuple(r.fallback, true, false));
    const std::optional<std::string> written = bytes();
    EXPECT_EQ(readWith(written, WriteBack::Never), std::make_tuple(r.fallback, false, false));
}

TEST_P(WriteBackRule, AReadableFileIsNeverWritten) {
    const Reader& r = GetParam();
    EXPECT_EQ(readWith(r.readable, WriteBack::DefaultWhenUnreadable),
              std::make_tuple(r.readableValue, false, false));
    EXPECT_EQ(bytes(), r.readable);
}

INSTANTIATE_TEST_SUITE_P(
    Readers, WriteBackRule,
    ::testing::Values(reader<texts::Language>("Language", LanguageFileName, readLanguage, "3\n", 2,
                                              "\n 1 words\n", 1),
                      reader<std::int32_t>("Colour", ColourFileName, readGraphColour, "16\n", 12,
                                           "\t0", 0),
                      reader<double>("Tolerance", ToleranceFileName, readTolerance, "\n1e-3\n",
                                     1.0E-08, "2,5E-3 9", 2.0)),
    [](const ::testing::TestParamInfo<Reader>& each) { return each.param.name; });

}  // namespace
}  // namespace calorvia::settings
