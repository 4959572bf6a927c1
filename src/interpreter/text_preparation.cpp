#include "interpreter/text_preparation.h"

#include <cstddef>
#include <string_view>

#include "interpreter/function_table.h"
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

// The follow check of a function name ending before position j: blanks are
// skipped; the name is misused when the text ends there (j >= L) or when
// neither "(" nor the rest of a longer function name follows (sin: "d" of
// sind, "h" of sinh; log: "10" of log10).
bool followIsAccepted(const std::string& text, std::size_t j, std::size_t length,
                      std::string_view name) {
    while (j <= text.size() && charAt(text, j) == ' ') ++j;
    if (j >= length) return false;
    if (charAt(text, j) == '(') return true;
    for (const FormulaFunction& longer : FormulaFunctions) {
        if (longer.name.size() > name.size() && longer.name.starts_with(name) &&
            startsAt(text, j, longer.name.substr(name.size()))) {
            return true;
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

    // Every name at every position 1..L, also inside longer words: the "sin"
    // of "asin(" passes because "(" follows it.
    for (std::size_t i = 1; i <= length; ++i) {
        for (const FormulaFunction& function : FormulaFunctions) {
            if (startsAt(text, i, function.name) &&
                !followIsAccepted(text, i + function.name.size(), length, function.name)) {
                text = "erro";
                return;
            }
        }
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
