#pragma once
// The program folder's own files, and the one home of its settings files:
// "idioma" (the interface language), "cor" (the graph colour) and "tolera"
// (the Gauss-Seidel tolerance Tol). A settings file holds one record with one
// value in free form; a missing or empty file, or a record that is not a value
// the setting takes, is unreadable and means the setting's default.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

#include "texts/text_catalogue.h"

namespace calorvia::settings {

inline constexpr std::string_view LanguageFileName = "idioma";
inline constexpr std::string_view ColourFileName = "cor";
inline constexpr std::string_view ToleranceFileName = "tolera";
inline constexpr std::string_view WorkingCaseFileName = "Loaded.txt";  // the case a run reads

inline constexpr texts::Language DefaultLanguage = texts::Language::English;
inline constexpr std::int32_t DefaultGraphColour = 12;  // red
inline constexpr double DefaultTolerance = 1.0E-08;

// What a reader does with an unreadable file: the menus built before start-up
// only look; start-up, the graphs, the run and the tolerance dialog write the
// default into it at once.
enum class WriteBack { Never, DefaultWhenUnreadable };

template <class T>
struct SettingReading {
    T value{};
    bool usedDefault = false;  // the file was unreadable
    bool writeFailed = false;  // the default was due in the file but could not be written
};

// "idioma": 1 Portuguese or 2 English.
SettingReading<texts::Language> readLanguage(const std::filesystem::path& file, WriteBack rule);
// Where the language is read at each use: "idioma" at `file`, or, for a
// session given its language (calorvia-batch --lang), that language, with
// the file neither read nor written.
class LanguageSetting {
public:
    LanguageSetting(std::filesystem::path file)
        : file_(std::move(file)) {}  // NOLINT: a file is the usual source
    explicit LanguageSetting(texts::Language session) : session_(session) {}
    SettingReading<texts::Language> read(WriteBack rule) const {
        if (session_) return {*session_};
        return readLanguage(file_, rule);
    }

private:
    std::filesystem::path file_;
    std::optional<texts::Language> session_;
};

// "cor": a palette index 0..15, no colour the palette does not have.
SettingReading<std::int32_t> readGraphColour(const std::filesystem::path& file, WriteBack rule);
// "tolera": the first value of the first line, zero and negative ones too.
SettingReading<double> readTolerance(const std::filesystem::path& file, WriteBack rule);

// The integer of the file's first non-blank record (a free-form read skips
// blank records); nothing when there is none.
std::optional<std::int32_t> readIntegerSetting(const std::filesystem::path& file);

// The file replaced by one record holding the value (read back exactly),
// through a temporary file and a rename. False when the file could not be
// written; the old file, if any, is then untouched.
bool writeIntegerSetting(const std::filesystem::path& file, std::int32_t value);
bool writeTolerance(const std::filesystem::path& file, double Tol);

}  // namespace calorvia::settings
