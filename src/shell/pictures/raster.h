#pragma once
// A small RGB raster for drawing the program's pictures, with anti-aliased
// strokes and shapes, and its encoding as a 24-bit BMP file.
//
// Coordinates are pixels, origin at the top left, y growing downwards; the
// centre of pixel (i, j) is (i + 0.5, j + 0.5).

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

namespace calorvia::shell::pictures {

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Colour&, const Colour&) = default;
};

struct Point {
    double x = 0.0;
    double y = 0.0;
};

// How much of each pixel a shape covers, 0..1; several strokes drawn into one
// mask overlap without darkening their joints.
class CoverageMask {
public:
    CoverageMask(int width, int height);

    // A straight stroke with round ends, `width` pixels wide.
    void stroke(Point from, Point to, double width);
    void strokePolyline(const std::vector<Point>& points, double width);

    double at(int x, int y) const;
    int width() const { return width_; }
    int height() const { return height_; }

private:
    int width_;
    int height_;
    std::vector<double> coverage_;
};

class Raster {
public:
    Raster(int width, int height, Colour background);

    int width() const { return width_; }
    int height() const { return height_; }
    Colour at(int x, int y) const;

    // Mixes `colour` into every pixel by the mask's coverage.
    void paint(const CoverageMask& mask, Colour colour);

    // Paints a shape given by a function that returns the shape's colour at
    // a point, or nothing outside it; each pixel is sampled 4 x 4 times, so
    // edges come out smooth.
    using Shader = std::function<std::optional<Colour>(Point)>;
    void shade(const Shader& shader);

    // The raster as a 24-bit uncompressed BMP (bottom-up rows, each padded
    // to four bytes).
    std::vector<std::uint8_t> bmp() const;

private:
    void blend(int x, int y, Colour colour, double amount);

    int width_;
    int height_;
    std::vector<Colour> pixels_;
};

// Writes the bytes to the file; false when it cannot be written.
bool writeFile(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes);

// Linear mix of two colours, t = 0 gives a, t = 1 gives b.
Colour mix(Colour a, Colour b, double t);
// The colour scaled by `factor` (clamped to the valid range).
Colour scaled(Colour colour, double factor);

}  // namespace calorvia::shell::pictures
