// The bilingual text catalogue as a whole: every text exists in both
// languages, is well-formed UTF-8, and the few rules that hold across
// groups of texts.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

#include "texts/result_file_names.h"
#include "texts/text_catalogue.h"

namespace calorvia::texts {
namespace {

constexpr auto kTextCount = static_cast<std::int32_t>(Text::Count);

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
    for (std::int32_t i = 0; i < kTextCount; ++i) {
        const auto id = static_cast<Text>(i);
        for (const Language language : {Language::Portuguese, Language::English}) {
            const std::string_view text = textFor(id, language);
            EXPECT_FALSE(text.empty()) << i;
            EXPECT_TRUE(isValidUtf8(text)) << i;
            EXPECT_EQ(text.find('\r'), std::string_view::npos) << i;
        }
    }
}

TEST(TextCatalogueTest, PortugueseTextsAreNotLeftInEnglish) {
    // Texts that are the same in both languages: names, labels and marks
    // that the program shows untranslated.
    const std::set<Text> same{
        Text::ProgramName, Text::GraphicsWindowTitle, Text::MenuIdioma, Text::MenuLanguage,
        Text::MenuHomePage, Text::ColourMagenta, Text::GaussSidelLabel, Text::CdsLabel,
        Text::UpwindLabel, Text::ElapsedTimeSeconds, Text::PecletSuffix,
        // the case entry wizard's untranslated captions and summary parts
        Text::WizardGaussSidelOption, Text::OkButton, Text::SummaryGaussSidelVelocity,
        Text::SummaryTabLuVelocity, Text::SummaryPlaceholder, Text::ConvectionTinfPart,
        // the dialog templates' window titles and fixed captions
        Text::GeneralStepWindowTitle, Text::TransientStepWindowTitle, Text::WestBoundaryWindowTitle,
        Text::EastBoundaryWindowTitle, Text::ToleranceWindowTitle, Text::ScaleWindowTitle,
        Text::TimeGraphWindowTitle, Text::PortugueseOption, Text::EnglishOption,
        Text::ToleranceLabel, Text::CdsOption, Text::UpwindOption, Text::TminLabel, Text::TmaxLabel,
        Text::BlankHelpLine};
    for (std::int32_t i = 0; i < kTextCount; ++i) {
        const auto id = static_cast<Text>(i);
        if (same.contains(id)) {
            EXPECT_EQ(textFor(id, Language::Portuguese), textFor(id, Language::English)) << i;
        } else {
            EXPECT_NE(textFor(id, Language::Portuguese), textFor(id, Language::English)) << i;
        }
    }
}

TEST(TextCatalogueTest, AnyCodeButOneSpeaksEnglish) {
    EXPECT_EQ(languageFromCode(1), Language::Portuguese);
    for (const std::int32_t code : {2, 0, 3, -1}) {
        EXPECT_EQ(languageFromCode(code), Language::English) << code;
        EXPECT_EQ(textFor(Text::AttentionTitle, code), "Attention");
    }
    EXPECT_EQ(textFor(Text::AttentionTitle, 1), "Atenção");
    EXPECT_EQ(languageCode(Language::Portuguese), 1);
    EXPECT_EQ(languageCode(Language::English), 2);
}

TEST(TextCatalogueTest, EveryMenuTextMarksOneAccessKey) {
    for (std::int32_t i = static_cast<std::int32_t>(Text::MenuFile);
         i <= static_cast<std::int32_t>(Text::MenuAbout); ++i) {
        for (const Language language : {Language::Portuguese, Language::English}) {
            const std::string_view text = textFor(static_cast<Text>(i), language);
            const auto mark = text.find('&');
            ASSERT_NE(mark, std::string_view::npos) << text;
            EXPECT_EQ(text.find('&', mark + 1), std::string_view::npos) << text;
            ASSERT_LT(mark + 1, text.size()) << text;
            EXPECT_NE(text[mark + 1], ' ') << text;
        }
    }
}

TEST(TextCatalogueTest, ValuesGoWhereTheTextAsksForThem) {
    EXPECT_EQ(withValue(textFor(Text::SettingsWriteFailed, Language::English), "cor"),
              "The file \"cor\" could not be written! The choice holds only until the program "
              "is closed.");
    EXPECT_EQ(withValue("{} and {}", "a"), "a and {}");
    EXPECT_EQ(withValue("no marker", "a"), "no marker");
    // Only the texts that take a value have the marker.
    const std::set<Text> takesValue{
        Text::SettingsWriteFailed, Text::FileWriteFailed, Text::FilesIncomplete,
        Text::HistoriesExceedDisk, Text::CaseNameIsProgramFile, Text::ProgramFolderInUse,
        // the case entry's messages and summary lines
        Text::CaseWriteFailed, Text::SavedCaseUnreadable, Text::SavedFormulaTooLong,
        Text::RiTooLarge, Text::UnknownBodyLine, Text::SummaryLx, Text::SummaryN,
        Text::SummaryK, Text::SummarySc, Text::SummarySp, Text::SummaryTi, Text::SummaryRho,
        Text::SummaryCp, Text::SummaryDeltT, Text::SummaryNst, Text::SummaryNo,
        Text::WestTemperatureLine, Text::WestFluxLine, Text::WestConvectionLine,
        Text::EastTemperatureLine, Text::EastFluxLine, Text::EastConvectionLine,
        Text::ConvectionTinfPart, Text::SummaryCylinder, Text::SummarySphere,
        // keeping the results
        Text::ResultsCopyFailed, Text::ResultsCopied,
        // checking a result
        Text::ExactLargest, Text::ExactRms, Text::BalanceHeading, Text::BalanceVerdict,
        Text::BalanceNotBalanced,
        // the desktop's text editor
        Text::EditorSaveFailed, Text::EditorSaveChanges};
    for (std::int32_t i = 0; i < kTextCount; ++i) {
        const auto id = static_cast<Text>(i);
        const bool marked = textFor(id, Language::English).find("{}") != std::string_view::npos;
        EXPECT_EQ(marked, takesValue.contains(id)) << i;
        EXPECT_EQ(textFor(id, Language::Portuguese).find("{}") != std::string_view::npos, marked);
    }
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
