#include "text/number_reader.h"

#include <fast_float/fast_float.h>

#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace calorvia::text {
namespace {

// Blanks and tabs separate values, as in any list-directed record.
bool isSeparatorBlank(char c) { return c == ' ' || c == '\t'; }

bool isTerminator(char c) { return isSeparatorBlank(c) || c == ',' || c == '/'; }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t skipBlanks(std::string_view text, std::size_t pos) {
    while (pos < text.size() && isSeparatorBlank(text[pos])) ++pos;
    return pos;
}

bool endsHere(std::string_view text, std::size_t pos) {
    return pos == text.size() || isTerminator(text[pos]);
}

// The pieces of one free-form real, as found in the text.
struct RealParts {
    bool negative = false;
    std::string_view integerDigits;
    std::string_view fractionDigits;
    bool exponentNegative = false;
    std::string_view exponentDigits;
};

std::optional<RealParts> scanReal(std::string_view text) {
    RealParts parts;
    std::size_t pos = skipBlanks(text, 0);
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        parts.negative = text[pos] == '-';
        ++pos;
    }
    std::size_t start = pos;
    while (pos < text.size() && isDigit(text[pos])) ++pos;
    parts.integerDigits = text.substr(start, pos - start);
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        start = pos;
        while (pos < text.size() && isDigit(text[pos])) ++pos;
        parts.fractionDigits = text.substr(start, pos - start);
    }
    if (parts.integerDigits.empty() && parts.fractionDigits.empty()) return std::nullopt;

    if (pos < text.size()) {
        const char c = text[pos];
        const bool letter = c == 'e' || c == 'E' || c == 'd' || c == 'D';
        const bool bareSign = c == '+' || c == '-';
        if (letter || bareSign) {
            if (letter) ++pos;
            if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
                parts.exponentNegative = text[pos] == '-';
                ++pos;
            }
            start = pos;
            while (pos < text.size() && isDigit(text[pos])) ++pos;
            parts.exponentDigits = text.substr(start, pos - start);
            if (parts.exponentDigits.empty()) return std::nullopt;
        }
    }
    if (!endsHere(text, pos)) return std::nullopt;
    return parts;
}

}  // namespace

std::optional<double> readReal(std::string_view text) {
    const std::optional<RealParts> parts = scanReal(text);
    if (!parts) return std::nullopt;

    // Rebuild the number in the one form the conversion routine knows.
    std::string normalised;
    normalised.reserve(parts->integerDigits.size() + parts->fractionDigits.size() +
                       parts->exponentDigits.size() + 4);
    normalised.append(parts->integerDigits.empty() ? "0" : parts->integerDigits);
    normalised.push_back('.');
    normalised.append(parts->fractionDigits);
    normalised.push_back('0');
    if (!parts->exponentDigits.empty()) {
        normalised.push_back('e');
        if (parts->exponentNegative) normalised.push_back('-');
        normalised.append(parts->exponentDigits);
    }

    double value = 0.0;
    const char* first = normalised.data();
    const char* last = first + normalised.size();
    // fast_float rounds to nearest as std::from_chars does, and is used
    // because the web build's standard library has only the integer
    // conversions. It gives zero for a value too small for a double (which
    // is what we want) and infinity for one too large, which is no number.
    const auto [end, error] = fast_float::from_chars(first, last, value);
    if (error != std::errc() || end != last || std::isinf(value)) return std::nullopt;
    return parts->negative ? -value : value;
}

std::optional<std::int32_t> readInteger(std::string_view text) {
    std::size_t pos = skipBlanks(text, 0);
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t start = pos;
    while (pos < text.size() && isDigit(text[pos])) ++pos;
    if (pos == start || !endsHere(text, pos)) return std::nullopt;

    std::int64_t magnitude = 0;
    for (std::size_t i = start; i < pos; ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) {
            return std::nullopt;
        }
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

}  // namespace calorvia::text
