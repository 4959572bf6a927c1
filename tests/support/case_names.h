#pragma once

// Names for the cases of parameterised tests, which gtest and ctest accept
// only as letters, digits and underscores.

#include <gtest/gtest.h>

#include <cctype>
#include <charconv>
#include <string>
#include <string_view>

namespace calorvia::testing {

// A description such as "ends early" or "N=2 Tol=1e-08": letters and digits
// kept, every other run of characters one underscore.
inline std::string caseName(std::string_view description) {
    std::string name;
    for (const char c : description) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            name += c;
        } else if (!name.empty() && name.back() != '_') {
            name += '_';
        }
    }
    while (!name.empty() && name.back() == '_') name.pop_back();
    return name.empty() ? "empty" : name;
}

// A typed or read text, where every blank and sign tells a case from its
// neighbour: each is spelt out, so that "1.5", " 1.5" and "1,5" stay apart.
inline std::string textName(std::string_view text) {
    if (text.empty()) return "empty";
    std::string name;
    const auto word = [&](std::string_view spelt) {
        if (!name.empty()) name += '_';
        name += spelt;
    };
    bool inWord = false;
    for (const char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            if (!inWord) word("");
            name += c;
            inWord = true;
            continue;
        }
        inWord = false;
        switch (c) {
            case ' ':
                word("space");
                break;
            case '\t':
                word("tab");
                break;
            case '\r':
                word("cr");
                break;
            case '\n':
                word("nl");
                break;
            case '.':
                word("point");
                break;
            case ',':
                word("comma");
                break;
            case '+':
                word("plus");
                break;
            case '-':
                word("minus");
                break;
            case '*':
                word("times");
                break;
            case '/':
                word("slash");
                break;
            case '^':
                word("caret");
                break;
            case '(':
                word("open");
                break;
            case ')':
                word("close");
                break;
            case '<':
                word("less");
                break;
            case '=':
                word("equals");
                break;
            case ';':
                word("semicolon");
                break;
            case '_':
                word("underscore");
                break;
            case '\'':
                word("quote");
                break;
            default:
                word("char" + std::to_string(static_cast<unsigned char>(c)));
        }
    }
    return name;
}

// A number in its shortest exact writing, so that neighbours stay apart.
template <typename Number>
std::string numberName(Number value) {
    char written[32];
    const auto end = std::to_chars(written, written + sizeof written, value).ptr;
    return textName(std::string_view(written, static_cast<std::size_t>(end - written)));
}

// For a parameter that gtest prints readably (a PrintTo of its own).
inline constexpr auto printedName = [](const auto& info) {
    return caseName(::testing::PrintToString(info.param));
};

}  // namespace calorvia::testing
