// The bilingual text catalogue as a whole: every text exists in both
// languages, is well-formed UTF-8, and the few rules that hold across
// groups of texts.

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "texts/common_texts.h"
#include "texts/entry_texts.h"
#include "texts/graph_texts.h"
#include "texts/result_file_names.h"
#include "texts/run_texts.h"
#include "texts/shell_texts.h"
#include "texts/text_catalogue.h"

namespace calorvia::texts {
namespace {

template <class Id>
void addArea(std::vector<Text>& texts) {
    for (std::size_t i = 0; i < static_cast<std::size_t>(Id::Count); ++i) {
        texts.push_back(static_cast<Id>(i));
    }
}

std::vector<Text> everyText() {
    std::vector<Text> texts;
    addArea<CommonText>(texts);
    addArea<ShellText>(texts);
    addArea<EntryText>(texts);
    addArea<RunText>(texts);
    addArea<GraphText>(texts);
    return texts;
}

bool isValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        if (lead < 0x80) {
            length = 1;
        } else if ((lead & 0xE0) == 0xC0 && lead >= 0xC2) {
            length = 2;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
        } else if ((lead & 0xF8) == 0xF0 && lead <= 0xF4) {
            length = 4;
        } else {
            return false;
        }
        if (i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        }
        i += length;
    }
    return true;
}

TEST(TextCatalogueTest, EveryTextExistsInBothLanguagesAsUtf8WithoutCarriageReturns) {
    const std::vector<Text> all = everyText();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const Text id = all[i];
        for (const Language language : {Language::Portuguese, Language::English}) {
            const std::string_view text = textFor(id, language);
            EXPECT_FALSE(text.empty()) << i;
            EXPECT_TRUE(isValidUtf8(text)) << i;
            EXPECT_EQ(text.find('\r'), std::string_view::npos) << i;
        }
    }
}

// Words an English sentence can hardly do without and Portuguese never uses:
// a Portuguese text holding one was left in English. ("and" and "or" are not
// among them: the Portuguese texts quote a book title and keep one English
// window title.)
TEST(TextCatalogueTest, PortugueseTextsAreNotLeftInEnglish) {
    const std::set<std::string> english{
        "the",  "is",   "are",   "not",  "could", "you", "your", "this", "was", "will",   "with",
        "file", "have", "would", "does", "there", "of",  "to",   "by",   "can", "cannot", "please"};
    const std::vector<Text> all = everyText();
    for (std::size_t i = 0; i < all.size(); ++i) {
        std::string word;
        for (const char c : std::string(textFor(all[i], Language::Portuguese)) + ' ') {
            if (std::isalpha(static_cast<unsigned char>(c)) || (c & 0x80)) {
                word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
                continue;
            }
            EXPECT_FALSE(english.contains(word)) << i << ": " << word;
            word.clear();
        }
    }
}

TEST(TextCatalogueTest, AnyCodeButOneSpeaksEnglish) {
    EXPECT_EQ(languageFromCode(1), Language::Portuguese);
    for (const std::int32_t code : {2, 0, 3, -1}) {
        EXPECT_EQ(languageFromCode(code), Language::English) << code;
        EXPECT_EQ(textFor(CommonText::AttentionTitle, code), "Attention");
    }
    EXPECT_EQ(textFor(CommonText::AttentionTitle, 1), "Atenção");
    EXPECT_EQ(languageCode(Language::Portuguese), 1);
    EXPECT_EQ(languageCode(Language::English), 2);
}

TEST(TextCatalogueTest, EveryMenuTextMarksOneAccessKey) {
    for (std::int32_t i = static_cast<std::int32_t>(ShellText::MenuFile);
         i <= static_cast<std::int32_t>(ShellText::MenuAbout); ++i) {
        for (const Language language : {Language::Portuguese, Language::English}) {
            const std::string_view text = textFor(static_cast<ShellText>(i), language);
            const auto mark = text.find('&');
            ASSERT_NE(mark, std::string_view::npos) << text;
            EXPECT_EQ(text.find('&', mark + 1), std::string_view::npos) << text;
            ASSERT_LT(mark + 1, text.size()) << text;
            EXPECT_NE(text[mark + 1], ' ') << text;
        }
    }
}

TEST(TextCatalogueTest, ValuesGoWhereTheTextAsksForThem) {
    EXPECT_EQ(withValue(textFor(CommonText::SettingsWriteFailed, Language::English), "cor"),
              "The file \"cor\" could not be written! The choice holds only until the program "
              "is closed.");
    EXPECT_EQ(withValue("{} and {}", "a"), "a and {}");
    EXPECT_EQ(withValue("no marker", "a"), "no marker");
}

std::size_t count(std::string_view text, std::string_view part) {
    std::size_t n = 0;
    for (auto at = text.find(part); at != std::string_view::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

// What both languages must mark alike: withValue() fills one "{}" a call, so
// a translation asks for as many values (and a lone brace would be shown, not
// filled); an access key "&" marked in one language only leaves the other
// without one.
TEST(TextCatalogueTest, BothLanguagesMarkValuesAndAccessKeysAlike) {
    const std::vector<Text> all = everyText();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const Text id = all[i];
        const std::string_view portuguese = textFor(id, Language::Portuguese);
        const std::string_view english = textFor(id, Language::English);
        EXPECT_EQ(count(portuguese, "{}"), count(english, "{}")) << english;
        EXPECT_EQ(count(portuguese, "&"), count(english, "&")) << english;
        for (const std::string_view text : {portuguese, english}) {
            EXPECT_EQ(count(text, "{") + count(text, "}"), 2 * count(text, "{}")) << text;
        }
    }
}

// A text naming a file (one word ending in an extension) names one in both
// languages, with the same extension and no folder in it.
TEST(TextCatalogueTest, FileNamesAreFileNamesInBothLanguages) {
    const auto extension = [](std::string_view text) {
        const auto dot = text.rfind('.');
        const bool name = text.find(' ') == std::string_view::npos && dot != std::string_view::npos;
        return name ? text.substr(dot) : std::string_view{};
    };
    int names = 0;
    const std::vector<Text> all = everyText();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const Text id = all[i];
        const std::string_view portuguese = textFor(id, Language::Portuguese);
        const std::string_view english = textFor(id, Language::English);
        if (extension(portuguese).empty() && extension(english).empty()) continue;
        ++names;
        EXPECT_EQ(extension(portuguese), extension(english)) << portuguese << " " << english;
        for (const std::string_view name : {portuguese, english}) {
            EXPECT_EQ(name.find_first_of("/\\:"), std::string_view::npos) << name;
        }
    }
    EXPECT_GE(names, 10);
}

// Sixteen the program has always written, and four for checking a result.
TEST(ResultFileNamesTest, TwentyDistinctTextFiles) {
    std::set<std::string_view> names;
    for (const ResultFile file : kResultFiles) {
        for (const Language language : {Language::Portuguese, Language::English}) {
            const std::string_view name = resultFileName(file, language);
            EXPECT_TRUE(name.ends_with(".txt")) << name;
            names.insert(name);
        }
    }
    EXPECT_EQ(names.size(), 20u);
    EXPECT_EQ(resultFileName(ResultFile::FluxPosition, Language::Portuguese),
              "Fluxo_x_Posição.txt");
    EXPECT_EQ(resultFileName(ResultFile::Average, Language::English), "Average.txt");
}

}  // namespace
}  // namespace calorvia::texts
