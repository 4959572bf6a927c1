#pragma once
// The few sentences the graph pane and the scheme dialog show, in both
// languages. Kept here until the program's bilingual text catalogue takes
// them over.

#include <cstdint>
#include <string_view>

namespace calorvia::graphs {

// Language codes as the settings file "idioma" holds them.
inline constexpr std::int32_t kPortuguese = 1;
inline constexpr std::int32_t kEnglish = 2;

enum class GraphText {
    AttentionTitle,      // title of every warning box
    ScaleGroupCaption,   // group box of the scale dialog
    ScaleReadingError,   // a scale box does not hold a number
    ScaleRangeError,     // ymin greater than ymax
    SchemeGroupCaption,  // group box of the scheme dialog
};

// The text in `language`: Portuguese for 1, English for anything else.
std::string_view graphText(GraphText text, std::int32_t language);

}  // namespace calorvia::graphs
