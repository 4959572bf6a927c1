#include "interpreter/text_preparation.h"

#include <array>
#include <cstddef>
#include <string_view>

#include "text/fixed_text.h"

// Positions below are 1-based, as in the definitions of the three operations:
// L is the position of the last non-blank character, and a position past the
// end of the string reads as a blank (the texts are blank-padded to 256).

namespace calorvia::interpreter {
namespace {

constexpr std::size_t PropertyTextWidth = 256;

char charAt(const std::string& text, std::size_t position) {
    return position >= 1 && position <= text.size() ? text[position - 1] : ' ';
}

bool startsAt(const std::string& text, std::size_t position, std::string_view word) {
    return position >= 1 && position - 1 < text.size() &&
           std::string_view(text).substr(position - 1, word.size()) == word;
}

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// What may follow a function name for the name to count as used correctly.
enum class Follower {
    OpeningOnly,   // "("
    OpeningOrDh,   // "(", "d" or "h": sin, cos, tan also begin sind, sinh, ...
    OpeningOrTen,  // "(" or "10": log also begins log10
};

struct FunctionName {
    std::string_view name;
    Follower follower;
};

constexpr std::array<FunctionName, 3> FiveLetterNames{{
    {"log10", Follower::OpeningOnly},
    {"anint", Follower::OpeningOnly},
    {"floor", Follower::OpeningOnly},
}};

constexpr std::array<FunctionName, 12> FourLetterNames{{
    {"asin", Follower::OpeningOnly},
    {"acos", Follower::OpeningOnly},
    {"atan", Follower::OpeningOnly},
    {"sinh", Follower::OpeningOnly},
    {"cosh", Follower::OpeningOnly},
    {"tanh", Follower::OpeningOnly},
    {"sind", Follower::OpeningOnly},
    {"cosd", Follower::OpeningOnly},
    {"tand", Follower::OpeningOnly},
    {"nint", Follower::OpeningOnly},
    {"aint", Follower::OpeningOnly},
    {"sqrt", Follower::OpeningOnly},
}};

constexpr std::array<FunctionName, 6> ThreeLetterNames{{
    {"sin", Follower::OpeningOrDh},
    {"cos", Follower::OpeningOrDh},
    {"tan", Follower::OpeningOrDh},
    {"log", Follower::OpeningOrTen},
    {"exp", Follower::OpeningOnly},
    {"abs", Follower::OpeningOnly},
}};

// The follow check at j: blanks are skipped; the name is misused when the
// text ends there (j >= L) or an unaccepted character follows.
bool followIsAccepted(const std::string& text, std::size_t j, std::size_t length,
                      Follower follower) {
    while (j <= text.size() && charAt(text, j) == ' ') ++j;
    if (j >= length) return false;
    const char c = charAt(text, j);
    if (c == '(') return true;
    switch (follower) {
        case Follower::OpeningOnly:
            return false;
        case Follower::OpeningOrDh:
            return c == 'd' || c == 'h';
        case Follower::OpeningOrTen:
            return startsAt(text, j, "10");
    }
    return false;
}

// True when some name of the list, found at any position 1..L-(n-1), fails
// its follow check.
template <std::size_t Count>
bool misusesName(const std::string& text, std::size_t length,
                 const std::array<FunctionName, Count>& names, std::size_t nameLength) {
    if (length < nameLength) return false;
    for (std::size_t i = 1; i + nameLength - 1 <= length; ++i) {
        for (const FunctionName& entry : names) {
            if (startsAt(text, i, entry.name) &&
                !followIsAccepted(text, i + nameLength, length, entry.follower)) {
                return true;
            }
        }
    }
    return false;
}

// Replaces the characters [position, position + count) by `with`, shifting the
// rest, and cuts the text to the property width.
void replaceAt(std::string& text, std::size_t position, std::size_t count, std::string_view with) {
    text.replace(position - 1, count, with);
    if (text.size() > PropertyTextWidth) text.resize(PropertyTextWidth);
}

// One pass of the spelling rewrite; true when it changed the text.
bool rewritePass(std::string& text) {
    const std::size_t length = text::textLength(text);
    bool changed = false;
    for (std::size_t i = 1; i + 1 <= length; ++i) {
        // After any replacement the character at i matches none of the later
        // tests, so one test per position is enough.
        const char first = lowerAscii(charAt(text, i));
        const char second = lowerAscii(charAt(text, i + 1));
        if (first == '^') {
            replaceAt(text, i, 1, "**");
        } else if (first == 'l' && second == 'n') {
            replaceAt(text, i, 2, "log");
        } else if (first == 'p' && second == 'i') {
            replaceAt(text, i, 2, "3.14159");
        } else if (first == ',') {
            text[i - 1] = '.';
        } else {
            continue;
        }
        changed = true;
    }
    // The end of the text, with L still the length at the start of the pass:
    // a "^" in the very last position is left alone.
    if (length > 2 && charAt(text, length - 1) == '^') {
        replaceAt(text, length - 1, 1, "**");
        changed = true;
    }
    if (length > 2 && charAt(text, length - 1) == ',') {
        text[length - 2] = '.';
        changed = true;
    }
    if (length > 1 && charAt(text, length) == ',') {
        text[length - 1] = '.';
        changed = true;
    }
    return changed;
}

}  // namespace

void IDENTIFICA(std::string& text) {
    const std::size_t length = text::textLength(text);
    for (std::size_t i = 0; i < length; ++i) text[i] = lowerAscii(text[i]);

    if (misusesName(text, length, FiveLetterNames, 5) ||
        misusesName(text, length, FourLetterNames, 4) ||
        misusesName(text, length, ThreeLetterNames, 3)) {
        text = "erro";
    }
}

void CONVERT_B(std::string& text) {
    if (text.size() > PropertyTextWidth) text.resize(PropertyTextWidth);
    // Every replacement removes one occurrence of "^", "ln", "pi" or "," and
    // creates none, so the passes end.
    while (rewritePass(text)) {
    }
}

void CONVERT(std::string& text) {
    if (text.empty()) return;
    const char first = text[0];
    if (first == 'F' || first == 'f' || first == 't' || first == 'T') text[0] = 'a';
    const std::size_t length = text::textLength(text);
    if (length > 1) {
        for (std::size_t i = 0; i < length; ++i) {
            if (text[i] == ',') text[i] = '.';
        }
    }
}

}  // namespace calorvia::interpreter
