#pragma once
// Blank-padded fixed-width texts. The case files and entry fields keep texts
// of fixed widths (50 characters for numeric entries, 256 for property
// texts); inside the program they are std::string and these helpers give the
// widths back where a file or a field needs them.

#include <cstddef>
#include <string>
#include <string_view>

namespace calorvia::text {

// A blank is the padding character of fixed-width texts.
constexpr bool isBlank(char c) { return c == ' '; }

// Length of a fixed-width text: the position (1-based) of its last non-blank
// character, 0 for an empty or all-blank text.
std::size_t textLength(std::string_view text);

std::string_view trimRight(std::string_view text);
std::string_view trimLeft(std::string_view text);
std::string_view trim(std::string_view text);

// Cuts the text to at most `width` characters.
std::string cutToWidth(std::string_view text, std::size_t width);

// True when cutting the text to `width` would drop more than blanks.
bool overflowsWidth(std::string_view text, std::size_t width);

// Exactly `width` characters: cut, or padded with blanks on the right.
std::string fitToWidth(std::string_view text, std::size_t width);

// Letters A-Z become a-z; every other byte is kept.
std::string toLowerAscii(std::string_view text);

}  // namespace calorvia::text
