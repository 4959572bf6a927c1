#pragma once
// Windows bitmap files (.bmp) read into RGBA pixels for the page's canvas:
// uncompressed 1, 4, 8, 24 and 32 bits per pixel, bottom-up or top-down.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace calorvia::platform_web {

struct RgbaPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;  // rows top to bottom, 4 bytes a pixel
};

// Nothing when the bytes are not a bitmap of those kinds, or are cut short.
std::optional<RgbaPicture> decodeBmp(std::string_view bytes);

}  // namespace calorvia::platform_web
