#include "shell/pictures/raster.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace calorvia::shell::pictures {
namespace {

constexpr int kSamplesPerAxis = 4;

std::uint8_t channel(double value) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

double distanceToSegment(Point p, Point a, Point b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double lengthSquared = dx * dx + dy * dy;
    double t = 0.0;
    if (lengthSquared > 0.0) {
        t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared, 0.0, 1.0);
    }
    const double cx = a.x + t * dx - p.x;
    const double cy = a.y + t * dy - p.y;
    return std::sqrt(cx * cx + cy * cy);
}

void putLittleEndian(std::vector<std::uint8_t>& bytes, std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) {
        bytes.push_back(static_cast<std::uint8_t>((value >> (8 * i)) & 0xFFu));
    }
}

}  // namespace

Colour mix(Colour a, Colour b, double t) {
    return {channel(a.red + (b.red - a.red) * t), channel(a.green + (b.green - a.green) * t),
            channel(a.blue + (b.blue - a.blue) * t)};
}

Colour scaled(Colour colour, double factor) {
    return {channel(colour.red * factor), channel(colour.green * factor),
            channel(colour.blue * factor)};
}

// ---------------------------------------------------------------- coverage

CoverageMask::CoverageMask(int width, int height)
    : width_(width), height_(height), coverage_(static_cast<std::size_t>(width * height), 0.0) {}

// A pixel is covered in proportion to how far its centre lies inside the
// stroke's edge, over a one-pixel ramp.
void CoverageMask::stroke(Point from, Point to, double width) {
    const double reach = width / 2.0 + 1.0;
    const int left = std::max(0, static_cast<int>(std::floor(std::min(from.x, to.x) - reach)));
    const int right =
        std::min(width_ - 1, static_cast<int>(std::ceil(std::max(from.x, to.x) + reach)));
    const int top = std::max(0, static_cast<int>(std::floor(std::min(from.y, to.y) - reach)));
    const int bottom =
        std::min(height_ - 1, static_cast<int>(std::ceil(std::max(from.y, to.y) + reach)));
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            const double distance = distanceToSegment({x + 0.5, y + 0.5}, from, to);
            const double cover = std::clamp(width / 2.0 + 0.5 - distance, 0.0, 1.0);
            double& cell = coverage_[static_cast<std::size_t>(y * width_ + x)];
            cell = std::max(cell, cover);
        }
    }
}

void CoverageMask::strokePolyline(const std::vector<Point>& points, double width) {
    for (std::size_t i = 1; i < points.size(); ++i) stroke(points[i - 1], points[i], width);
}

double CoverageMask::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0.0;
    return coverage_[static_cast<std::size_t>(y * width_ + x)];
}

// ------------------------------------------------------------------- raster

Raster::Raster(int width, int height, Colour background)
    : width_(width),
      height_(height),
      pixels_(static_cast<std::size_t>(width * height), background) {}

Colour Raster::at(int x, int y) const {
    return pixels_[static_cast<std::size_t>(y * width_ + x)];
}

void Raster::blend(int x, int y, Colour colour, double amount) {
    Colour& pixel = pixels_[static_cast<std::size_t>(y * width_ + x)];
    pixel = mix(pixel, colour, amount);
}

void Raster::paint(const CoverageMask& mask, Colour colour) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const double cover = mask.at(x, y);
            if (cover > 0.0) blend(x, y, colour, cover);
        }
    }
}

void Raster::shade(const Shader& shader) {
    constexpr double step = 1.0 / kSamplesPerAxis;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            double red = 0.0;
            double green = 0.0;
            double blue = 0.0;
            int inside = 0;
            for (int sy = 0; sy < kSamplesPerAxis; ++sy) {
                for (int sx = 0; sx < kSamplesPerAxis; ++sx) {
                    const Point sample{x + (sx + 0.5) * step, y + (sy + 0.5) * step};
                    if (const std::optional<Colour> colour = shader(sample)) {
                        red += colour->red;
                        green += colour->green;
                        blue += colour->blue;
                        ++inside;
                    }
                }
            }
            if (inside == 0) continue;
            const Colour average{channel(red / inside), channel(green / inside),
                                 channel(blue / inside)};
            blend(x, y, average, static_cast<double>(inside) / (kSamplesPerAxis * kSamplesPerAxis));
        }
    }
}

std::vector<std::uint8_t> Raster::bmp() const {
    const auto rowBytes = static_cast<std::uint32_t>((width_ * 3 + 3) / 4 * 4);
    const auto imageBytes = rowBytes * static_cast<std::uint32_t>(height_);
    constexpr std::uint32_t headerBytes = 14 + 40;
    std::vector<std::uint8_t> bytes;
    bytes.reserve(headerBytes + imageBytes);
    // File header.
    bytes.push_back('B');
    bytes.push_back('M');
    putLittleEndian(bytes, headerBytes + imageBytes, 4);
    putLittleEndian(bytes, 0, 4);
    putLittleEndian(bytes, headerBytes, 4);
    // Information header: BITMAPINFOHEADER, 24 bits, no compression, 72 dpi.
    putLittleEndian(bytes, 40, 4);
    putLittleEndian(bytes, static_cast<std::uint32_t>(width_), 4);
    putLittleEndian(bytes, static_cast<std::uint32_t>(height_), 4);
    putLittleEndian(bytes, 1, 2);
    putLittleEndian(bytes, 24, 2);
    putLittleEndian(bytes, 0, 4);
    putLittleEndian(bytes, imageBytes, 4);
    putLittleEndian(bytes, 2835, 4);
    putLittleEndian(bytes, 2835, 4);
    putLittleEndian(bytes, 0, 4);
    putLittleEndian(bytes, 0, 4);
    // Rows from the bottom up, each pixel blue, green, red.
    for (int y = height_ - 1; y >= 0; --y) {
        for (int x = 0; x < width_; ++x) {
            const Colour pixel = at(x, y);
            bytes.push_back(pixel.blue);
            bytes.push_back(pixel.green);
            bytes.push_back(pixel.red);
        }
        for (auto pad = static_cast<std::uint32_t>(width_ * 3); pad < rowBytes; ++pad) {
            bytes.push_back(0);
        }
    }
    return bytes;
}

bool writeFile(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace calorvia::shell::pictures
