// The preference dialogs: the Gauss-Seidel tolerance, the graph colour and
// the interface language. Each preference is in force as soon as its file
// is written; the run reads "tolera" at its start, the drawing code reads
// the colour and the language when it next draws or speaks.

#include <array>
#include <optional>
#include <string>

#include "interpreter/text_preparation.h"
#include "platform/dialog_bindings.h"
#include "platform/dialog_templates.h"
#include "settings/settings_files.h"
#include "shell/shell.h"
#include "text/fixed_text.h"
#include "text/number_reader.h"
#include "text/number_writer.h"
#include "text/text_file.h"
#include "texts/result_file_names.h"
#include "texts/shell_texts.h"

namespace calorvia::shell {

using settings::ColourFileName;
using settings::LanguageFileName;
using texts::kResultFiles;
using texts::Language;
using texts::languageCode;
using texts::ResultFile;
using texts::resultFileName;
using texts::ShellText;

namespace {

// The tolerance field holds 50 characters.
constexpr std::size_t kToleranceFieldWidth = 50;

struct ColourChoice {
    int control;
    std::int32_t paletteIndex;
};

// In the order the dialog's buttons are read: when several are on, the last
// one wins.
constexpr std::array<ColourChoice, 5> kColourChoices{{
    {platform::colour_dialog::kBlackRadio, 0},
    {platform::colour_dialog::kRedRadio, 12},
    {platform::colour_dialog::kMagentaRadio, 13},
    {platform::colour_dialog::kGreenRadio, 10},
    {platform::colour_dialog::kYellowRadio, 14},
}};

}  // namespace

// The text shown is the shortest one the number reader reads back to the
// same value ("1e-08"). Any number is accepted, zero and negative ones too.
void Shell::TOLERANCE() {
    namespace dialog = platform::tolerance_dialog;
    const std::filesystem::path file = programFile(settings::ToleranceFileName);
    const auto reading =
        settings::readTolerance(file, settings::WriteBack::DefaultWhenUnreadable);
    if (reading.writeFailed) tellUnwritten(settings::ToleranceFileName);

    std::string shown = text::shortestReal(reading.value);
    for (;;) {
        const auto handle = platform::createDialogIn(platform_, dialog::kTemplate, language());
        platform_.setControlText(handle, dialog::kToleranceEdit, shown);
        const int button = platform_.runDialog(handle);
        if (button == platform::kButtonCancel) {
            platform_.releaseDialog(handle);
            platform::requestTutorial(platform_);
            return;
        }
        std::string typed = text::cutToWidth(platform_.controlText(handle, dialog::kToleranceEdit),
                                             kToleranceFieldWidth);
        platform_.releaseDialog(handle);
        platform::requestTutorial(platform_);

        interpreter::CONVERT(typed);
        const std::optional<double> Tol = text::readReal(typed);
        if (!Tol) {
            tell(text(ShellText::ToleranceReadingError));
            shown = std::string(text::trimRight(typed));
            continue;
        }
        if (!settings::writeTolerance(file, *Tol)) tellUnwritten(settings::ToleranceFileName);
        return;
    }
}

void Shell::COR() {
    namespace dialog = platform::colour_dialog;
    const auto handle = platform::createDialogIn(platform_, dialog::kTemplate, language());
    for (const ColourChoice& choice : kColourChoices) {
        if (choice.paletteIndex == graphColour()) {
            platform_.setControlState(handle, choice.control, true);
        }
    }
    if (platform_.runDialog(handle) == platform::kButtonCancel) {
        platform_.releaseDialog(handle);
        platform::requestTutorial(platform_);
        return;
    }
    std::int32_t chosen = graphColour();
    for (const ColourChoice& choice : kColourChoices) {
        if (platform_.controlState(handle, choice.control)) chosen = choice.paletteIndex;
    }
    platform_.releaseDialog(handle);
    platform::requestTutorial(platform_);
    graphColour_.store(chosen);
    writeSetting(ColourFileName, chosen);
}

// However the dialog is closed, the button that is on decides. Everything
// after the choice runs even when the language chosen is the current one.
void Shell::LANGUAGE() {
    namespace dialog = platform::language_dialog;
    const Language before = language();
    const auto handle = platform::createDialogIn(platform_, dialog::kTemplate, before);
    platform_.setControlState(
        handle, before == Language::Portuguese ? dialog::kPortugueseRadio : dialog::kEnglishRadio,
        true);
    platform_.runDialog(handle);
    const Language chosen = platform_.controlState(handle, dialog::kPortugueseRadio)
                                ? Language::Portuguese
                                : Language::English;
    platform_.releaseDialog(handle);
    platform::requestTutorial(platform_);

    language_.store(languageCode(chosen));
    writeSetting(LanguageFileName, languageCode(chosen));
    platform_.setInterfaceLanguage(languageCode(chosen));
    retitleMenus();
    platform_.setAboutText(aboutText());
    setDialogTitles();
    renameResultFiles(chosen == Language::Portuguese ? Language::English : Language::Portuguese,
                      chosen);
}

// A missing file is skipped; a file whose new name is taken stays as it is
// (the platform never replaces a file silently).
void Shell::renameResultFiles(Language from, Language to) {
    for (const ResultFile file : kResultFiles) {
        platform_.renameFile(text::utf8FromPath(programFile(resultFileName(file, from))),
                             text::utf8FromPath(programFile(resultFileName(file, to))));
    }
}

}  // namespace calorvia::shell
