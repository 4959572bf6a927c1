#include "platform/font_descriptor.h"

namespace calorvia::platform {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Reads the digits at `pos`; nothing when there are none or the number is
// beyond any sensible font size.
std::optional<int> readDimension(std::string_view text, std::size_t& pos) {
    const std::size_t start = pos;
    int value = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        value = value * 10 + (text[pos] - '0');
        if (value > kLargestFontDimension) return std::nullopt;
        ++pos;
    }
    if (pos == start) return std::nullopt;
    return value;
}

std::string trimmed(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && isBlank(text[first])) ++first;
    while (last > first && isBlank(text[last - 1])) --last;
    return std::string(text.substr(first, last - first));
}

}  // namespace

std::optional<FontDescriptor> parseFontDescriptor(std::string_view descriptor) {
    FontDescriptor result;
    bool haveFace = false;
    bool haveHeight = false;
    std::size_t pos = 0;
    while (pos < descriptor.size()) {
        const char option = lower(descriptor[pos]);
        if (isBlank(option)) {
            ++pos;
            continue;
        }
        ++pos;
        switch (option) {
            case 't': {
                if (pos >= descriptor.size() || descriptor[pos] != '\'') return std::nullopt;
                const std::size_t close = descriptor.find('\'', pos + 1);
                if (close == std::string_view::npos) return std::nullopt;
                result.face = trimmed(descriptor.substr(pos + 1, close - pos - 1));
                if (result.face.empty()) return std::nullopt;
                haveFace = true;
                pos = close + 1;
                break;
            }
            case 'h': {
                const auto height = readDimension(descriptor, pos);
                if (!height || *height < 1) return std::nullopt;
                result.height = *height;
                haveHeight = true;
                break;
            }
            case 'w': {
                const auto width = readDimension(descriptor, pos);
                if (!width) return std::nullopt;
                result.width = *width;
                break;
            }
            case 'i':
                result.italic = true;
                break;
            default:
                return std::nullopt;
        }
    }
    if (!haveFace || !haveHeight) return std::nullopt;
    return result;
}

}  // namespace calorvia::platform
