#pragma once
// The one-number settings files of the program directory: "idioma" (the
// interface language) and "cor" (the graph colour). Each holds one record
// with one integer in free form, preceded by blanks. The tolerance file
// "tolera" has its own reader beside the solvers.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

#include "texts/text_catalogue.h"

namespace calorvia::settings {

inline constexpr std::string_view LanguageFileName = "idioma";
inline constexpr std::string_view ColourFileName = "cor";

inline constexpr texts::Language DefaultLanguage = texts::Language::English;
inline constexpr std::int32_t DefaultGraphColour = 12;  // red

// The integer of the file's first non-blank record (a free-form read skips
// blank records). Nothing when the file is missing, empty, or its record
// does not read as an integer.
std::optional<std::int32_t> readIntegerSetting(const std::filesystem::path& file);

// Replaces the file with one record holding `value`, through a temporary
// file and a rename. False when the file could not be written; the old file,
// if any, is then untouched.
bool writeIntegerSetting(const std::filesystem::path& file, std::int32_t value);

// "idioma": 1 Portuguese or 2 English. Any other content is unreadable.
std::optional<texts::Language> readLanguageSetting(const std::filesystem::path& file);

// "cor": a palette index 0..15. Any other content is unreadable, so that no
// drawing is ever asked for a colour the palette does not have.
std::optional<std::int32_t> readColourSetting(const std::filesystem::path& file);

}  // namespace calorvia::settings
