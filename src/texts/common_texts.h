#pragma once
// the texts said everywhere: attention, the program's name, a setting not written.
// The rows, in both languages and in this order, are in text_catalogue.cpp.

#include "texts/text_catalogue.h"

namespace calorvia::texts {

enum class CommonText : std::uint16_t {
    // ---- everywhere
    AttentionTitle,
    ProgramName,
    GraphicsWindowTitle,
    SettingsWriteFailed,

    Count  // not a text: the number of texts
};

}  // namespace calorvia::texts
