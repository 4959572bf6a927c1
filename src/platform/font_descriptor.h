#pragma once
// Font descriptors as the program writes them: "t'Arial'h16",
// "t'Arial'h45w30i". Options, in any order and with blanks allowed between
// them, letters in either case:
//   t'FACE'  the face name (required, not empty)
//   hN       character height in pixels (required, at least 1)
//   wN       average character width in pixels (0 or absent: the face's own)
//   i        italic
// Anything else makes the descriptor unreadable.

#include <optional>
#include <string>
#include <string_view>

namespace calorvia::platform {

struct FontDescriptor {
    std::string face;
    int height = 0;
    int width = 0;
    bool italic = false;
    friend bool operator==(const FontDescriptor&, const FontDescriptor&) = default;
};

// The largest height or width a descriptor may ask for; larger numbers are
// typing errors, not fonts.
inline constexpr int kLargestFontDimension = 2000;

std::optional<FontDescriptor> parseFontDescriptor(std::string_view descriptor);

}  // namespace calorvia::platform
