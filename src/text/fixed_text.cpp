#include "text/fixed_text.h"

namespace calorvia::text {

std::size_t textLength(std::string_view text) {
    std::size_t length = text.size();
    while (length > 0 && isBlank(text[length - 1])) --length;
    return length;
}

std::string_view trimRight(std::string_view text) { return text.substr(0, textLength(text)); }

std::string_view trimLeft(std::string_view text) {
    std::size_t first = 0;
    while (first < text.size() && isBlank(text[first])) ++first;
    return text.substr(first);
}

std::string_view trim(std::string_view text) { return trimLeft(trimRight(text)); }

std::string cutToWidth(std::string_view text, std::size_t width) {
    return std::string(text.substr(0, width));
}

bool overflowsWidth(std::string_view text, std::size_t width) {
    return textLength(text) > width;
}

std::string fitToWidth(std::string_view text, std::size_t width) {
    std::string fitted = cutToWidth(text, width);
    fitted.resize(width, ' ');
    return fitted;
}

std::string toLowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

}  // namespace calorvia::text
