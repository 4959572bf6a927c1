#include "platform_web/bmp_reader.h"

#include <cstddef>

namespace calorvia::platform_web {
namespace {

// Bitmaps larger than this are not pictures for a graphics window.
constexpr std::int64_t kLargestSide = 16384;

std::uint32_t little(std::string_view bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at + static_cast<std::size_t>(i)]);
    }
    return value;
}

}  // namespace

// Layout: a 14-byte file header ("BM", size, offset of the pixels), an info
// header of at least 40 bytes (width, height, planes, bits, compression,
// ..., colours used), the colour table (4 bytes an entry, blue green red),
// then the rows, each padded to a multiple of 4 bytes, the bottom row first
// unless the height is negative.
std::optional<RgbaPicture> decodeBmp(std::string_view bytes) {
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
    const std::uint32_t pixelOffset = little(bytes, 10, 4);
    const std::uint32_t headerSize = little(bytes, 14, 4);
    if (headerSize < 40 || 14 + static_cast<std::uint64_t>(headerSize) > bytes.size()) {
        return std::nullopt;
    }
    const auto width = static_cast<std::int32_t>(little(bytes, 18, 4));
    const auto rawHeight = static_cast<std::int32_t>(little(bytes, 22, 4));
    const std::uint32_t bits = little(bytes, 28, 2);
    const std::uint32_t compression = little(bytes, 30, 4);
    const std::uint32_t coloursUsed = little(bytes, 46, 4);
    const bool topDown = rawHeight < 0;
    const std::int64_t height = topDown ? -static_cast<std::int64_t>(rawHeight) : rawHeight;
    if (width <= 0 || height <= 0 || width > kLargestSide || height > kLargestSide) {
        return std::nullopt;
    }
    // 3 is BI_BITFIELDS, which 32-bit files written with the usual masks use.
    const bool plain = compression == 0 || (compression == 3 && bits == 32);
    if (!plain || (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)) {
        return std::nullopt;
    }
    const std::uint64_t stride = ((static_cast<std::uint64_t>(width) * bits + 31) / 32) * 4;
    if (pixelOffset > bytes.size() ||
        stride * static_cast<std::uint64_t>(height) > bytes.size() - pixelOffset) {
        return std::nullopt;
    }
    std::vector<std::uint32_t> table;
    if (bits <= 8) {
        std::uint64_t entries = coloursUsed != 0 ? coloursUsed : (1u << bits);
        if (entries > (1u << bits)) entries = 1u << bits;
        const std::uint64_t tableStart = 14 + static_cast<std::uint64_t>(headerSize);
        if (tableStart + entries * 4 > pixelOffset) return std::nullopt;
        for (std::uint64_t i = 0; i < entries; ++i) {
            table.push_back(little(bytes, static_cast<std::size_t>(tableStart + i * 4), 4));
        }
        table.resize(std::size_t{1} << bits, 0);
    }
    RgbaPicture picture;
    picture.width = width;
    picture.height = static_cast<int>(height);
    picture.rgba.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    for (std::int64_t row = 0; row < height; ++row) {
        const std::int64_t fileRow = topDown ? row : height - 1 - row;
        const std::size_t start =
            pixelOffset + static_cast<std::size_t>(fileRow * static_cast<std::int64_t>(stride));
        std::uint8_t* out = picture.rgba.data() +
                            static_cast<std::size_t>(row) * static_cast<std::size_t>(width) * 4;
        for (std::int32_t x = 0; x < width; ++x, out += 4) {
            std::uint32_t bgr = 0;
            if (bits == 24 || bits == 32) {
                bgr = little(bytes, start + static_cast<std::size_t>(x) * (bits / 8), 3);
            } else {
                const std::size_t bit = static_cast<std::size_t>(x) * bits;
                const auto byte = static_cast<std::uint8_t>(bytes[start + bit / 8]);
                const unsigned shift = 8 - bits - static_cast<unsigned>(bit % 8);
                bgr = table[(byte >> shift) & ((1u << bits) - 1)];
            }
            out[0] = static_cast<std::uint8_t>((bgr >> 16) & 0xFF);
            out[1] = static_cast<std::uint8_t>((bgr >> 8) & 0xFF);
            out[2] = static_cast<std::uint8_t>(bgr & 0xFF);
            out[3] = 0xFF;
        }
    }
    return picture;
}

}  // namespace calorvia::platform_web
