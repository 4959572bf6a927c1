#include "settings/settings_files.h"

#include <algorithm>
#include <string>
#include <system_error>
#include <vector>

#include "text/fixed_text.h"
#include "text/number_reader.h"
#include "text/number_writer.h"
#include "text/text_file.h"

namespace calorvia::settings {

using std::filesystem::path;
using texts::Language;
using texts::languageCode;

namespace {

// What the file holds, or the default, written back by rule; never into
// something that is there but is no regular file (a FIFO would block, a
// device would swallow it): that counts as a failed write, and is said so.
template <class T, class Write>
SettingReading<T> settle(const path& file, WriteBack rule, std::optional<T> stored, T fallback,
                         Write write) {
    if (stored) return {*stored, false, false};
    std::error_code error;
    const bool writable = !std::filesystem::exists(file, error) || text::isRegularFile(file);
    return {fallback, true,
            rule == WriteBack::DefaultWhenUnreadable && (!writable || !write(file, fallback))};
}

}  // namespace

SettingReading<Language> readLanguage(const path& file, WriteBack rule) {
    const std::optional<std::int32_t> code = readIntegerSetting(file);
    const bool known =
        code == languageCode(Language::Portuguese) || code == languageCode(Language::English);
    return settle(file, rule, known ? std::optional(texts::languageFromCode(*code)) : std::nullopt,
                  DefaultLanguage, [](const path& to, Language language) {
                      return writeIntegerSetting(to, languageCode(language));
                  });
}

SettingReading<std::int32_t> readGraphColour(const path& file, WriteBack rule) {
    std::optional<std::int32_t> stored = readIntegerSetting(file);
    if (stored && (*stored < 0 || *stored > 15)) stored.reset();
    return settle(file, rule, stored, DefaultGraphColour, writeIntegerSetting);
}

SettingReading<double> readTolerance(const path& file, WriteBack rule) {
    const std::optional<std::vector<std::string>> lines = text::readTextLines(file);
    const std::optional<double> stored =
        lines && !lines->empty() ? text::readReal(lines->front()) : std::nullopt;
    return settle(file, rule, stored, DefaultTolerance, writeTolerance);
}

std::optional<std::int32_t> readIntegerSetting(const path& file) {
    const std::optional<std::vector<std::string>> lines = text::readTextLines(file);
    if (!lines) return std::nullopt;
    const auto record = std::find_if(lines->begin(), lines->end(), [](const std::string& line) {
        return text::textLength(line) > 0;
    });
    if (record == lines->end()) return std::nullopt;
    return text::readInteger(*record);
}

bool writeIntegerSetting(const path& file, std::int32_t value) {
    return text::writeTextFileAtomically(file, text::ListLine().integer(value).str() + "\n");
}

bool writeTolerance(const path& file, double Tol) {
    return text::writeTextFileAtomically(file, " " + text::shortestReal(Tol) + "\n");
}

}  // namespace calorvia::settings
