#pragma once
// The bilingual text catalogue: every sentence, menu entry, caption, label and
// file name that Calorvia shows or writes, in Portuguese and in English, in
// one table. No other file of the program spells a user-facing sentence.
//
// The texts are the program's own words, kept to the letter, including their
// odd spellings ("Gauss-Sidel", "A error has occurred!"), their leading
// blanks (they align columns and boxes) and their inner double quotes. A text
// with a line break holds "\n". A text with "{}" takes a value through
// withValue().

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace calorvia::texts {

// The interface language, kept in the settings file "idioma".
enum class Language : std::int32_t { Portuguese = 1, English = 2 };

// The language a stored code stands for: 1 is Portuguese, anything else
// English (the program's texts are chosen by "Portuguese or not").
constexpr Language languageFromCode(std::int32_t code) {
    return code == 1 ? Language::Portuguese : Language::English;
}
constexpr std::int32_t languageCode(Language language) {
    return static_cast<std::int32_t>(language);
}

// Every text belongs to one area, whose ids are an enumeration in its own
// header (common_texts.h, shell_texts.h, entry_texts.h, run_texts.h,
// graph_texts.h): a file includes only the areas it names, so a new text
// recompiles the few files of its area and not the whole program.
enum class CommonText : std::uint16_t;
enum class ShellText : std::uint16_t;
enum class EntryText : std::uint16_t;
enum class RunText : std::uint16_t;
enum class GraphText : std::uint16_t;

// A text of any area: what a caption, a message or a menu item holds.
class Text {
public:
    enum class Area : std::uint8_t { Common, Shell, Entry, Run, Graph };

    constexpr Text(CommonText id) : area_(Area::Common), index_(static_cast<std::uint16_t>(id)) {}
    constexpr Text(ShellText id) : area_(Area::Shell), index_(static_cast<std::uint16_t>(id)) {}
    constexpr Text(EntryText id) : area_(Area::Entry), index_(static_cast<std::uint16_t>(id)) {}
    constexpr Text(RunText id) : area_(Area::Run), index_(static_cast<std::uint16_t>(id)) {}
    constexpr Text(GraphText id) : area_(Area::Graph), index_(static_cast<std::uint16_t>(id)) {}

    constexpr Area area() const { return area_; }
    constexpr std::size_t index() const { return index_; }
    constexpr bool operator==(const Text&) const = default;

private:
    Area area_;
    std::uint16_t index_;
};

// The text in `language`.
std::string_view textFor(Text text, Language language);
// The same for a stored language code (1 Portuguese, anything else English).
std::string_view textFor(Text text, std::int32_t languageCode);

// The text with its first "{}" replaced by `value`; a text without "{}" is
// returned unchanged.
std::string withValue(std::string_view text, std::string_view value);

}  // namespace calorvia::texts
