#include "settings/settings_files.h"

#include <algorithm>
#include <string>
#include <vector>

#include "text/fixed_text.h"
#include "text/number_reader.h"
#include "text/number_writer.h"
#include "text/text_file.h"

namespace calorvia::settings {

using texts::Language;
using texts::languageCode;

std::optional<std::int32_t> readIntegerSetting(const std::filesystem::path& file) {
    std::error_code error;
    if (std::filesystem::is_directory(file, error)) return std::nullopt;
    const std::optional<std::vector<std::string>> lines = text::readTextLines(file);
    if (!lines) return std::nullopt;
    const auto record = std::find_if(lines->begin(), lines->end(), [](const std::string& line) {
        return text::textLength(line) > 0;
    });
    if (record == lines->end()) return std::nullopt;
    return text::readInteger(*record);
}

bool writeIntegerSetting(const std::filesystem::path& file, std::int32_t value) {
    return text::writeTextFileAtomically(file, text::ListLine().integer(value).str() + "\n");
}

std::optional<Language> readLanguageSetting(const std::filesystem::path& file) {
    const std::optional<std::int32_t> code = readIntegerSetting(file);
    if (code == languageCode(Language::Portuguese)) return Language::Portuguese;
    if (code == languageCode(Language::English)) return Language::English;
    return std::nullopt;
}

std::optional<std::int32_t> readColourSetting(const std::filesystem::path& file) {
    const std::optional<std::int32_t> index = readIntegerSetting(file);
    if (index && *index >= 0 && *index <= 15) return index;
    return std::nullopt;
}

}  // namespace calorvia::settings
