#include "shell/pictures/stroke_font.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <vector>

namespace calorvia::shell::pictures {
namespace {

// Glyph coordinates are in em units: the baseline at y = 0, capitals 1.0
// high, small letters 0.58, descenders to -0.32; y grows upwards.
using Stroke = std::vector<Point>;

struct Glyph {
    double advance = 0.0;
    bool italic = false;
    std::vector<Stroke> strokes;
};

constexpr double kSlant = 0.18;           // italic lean per unit of height
constexpr double kSubscriptScale = 0.68;  // subscripts are smaller...
constexpr double kSubscriptDrop = 0.22;   // ...and sit lower, in ems of the main size

Stroke arc(double cx, double cy, double rx, double ry, double fromDegrees, double toDegrees) {
    constexpr int kSteps = 28;
    Stroke points;
    for (int i = 0; i <= kSteps; ++i) {
        const double angle =
            (fromDegrees + (toDegrees - fromDegrees) * i / kSteps) * std::numbers::pi / 180.0;
        points.push_back({cx + rx * std::cos(angle), cy + ry * std::sin(angle)});
    }
    return points;
}

// A smooth curve through the points (Catmull-Rom).
Stroke smooth(const Stroke& through) {
    constexpr int kSteps = 8;
    Stroke points;
    for (std::size_t i = 0; i + 1 < through.size(); ++i) {
        const Point p0 = through[i == 0 ? 0 : i - 1];
        const Point p1 = through[i];
        const Point p2 = through[i + 1];
        const Point p3 = through[std::min(i + 2, through.size() - 1)];
        for (int s = 0; s < kSteps; ++s) {
            const double t = static_cast<double>(s) / kSteps;
            const double t2 = t * t;
            const double t3 = t2 * t;
            auto blend = [&](double a, double b, double c, double d) {
                return 0.5 * (2 * b + (-a + c) * t + (2 * a - 5 * b + 4 * c - d) * t2 +
                              (-a + 3 * b - 3 * c + d) * t3);
            };
            points.push_back({blend(p0.x, p1.x, p2.x, p3.x), blend(p0.y, p1.y, p2.y, p3.y)});
        }
    }
    points.push_back(through.back());
    return points;
}

Stroke joined(Stroke first, const Stroke& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

std::map<char, Glyph> makeGlyphs() {
    std::map<char, Glyph> glyphs;
    glyphs['T'] = {0.78, true, {{{0.04, 1.0}, {0.74, 1.0}}, {{0.39, 1.0}, {0.39, 0.0}}}};
    glyphs['L'] = {0.58, false, {{{0.08, 1.0}, {0.08, 0.0}, {0.52, 0.0}}}};
    glyphs['S'] = {0.7,
                   true,
                   {smooth({{0.6, 0.86},
                            {0.48, 0.97},
                            {0.3, 1.0},
                            {0.13, 0.92},
                            {0.09, 0.76},
                            {0.2, 0.61},
                            {0.4, 0.51},
                            {0.56, 0.39},
                            {0.59, 0.2},
                            {0.48, 0.05},
                            {0.3, 0.0},
                            {0.12, 0.04},
                            {0.03, 0.14}})}};
    glyphs['t'] = {0.5,
                   true,
                   {smooth({{0.22, 0.84}, {0.2, 0.3}, {0.21, 0.08}, {0.3, 0.0}, {0.44, 0.04}}),
                    {{0.04, 0.58}, {0.42, 0.58}}}};
    glyphs['x'] = {0.56, true, {{{0.03, 0.58}, {0.51, 0.0}}, {{0.03, 0.0}, {0.51, 0.58}}}};
    glyphs['u'] = {
        0.58,
        true,
        {joined(joined({{0.05, 0.58}}, arc(0.25, 0.2, 0.2, 0.2, 180.0, 360.0)), {{0.45, 0.58}}),
         {{0.45, 0.58}, {0.45, 0.0}}}};
    glyphs['k'] = {
        0.56,
        true,
        {{{0.06, 1.0}, {0.06, 0.0}}, {{0.47, 0.58}, {0.07, 0.22}}, {{0.2, 0.34}, {0.49, 0.0}}}};
    glyphs['c'] = {0.52, true, {arc(0.27, 0.29, 0.23, 0.29, 40.0, 320.0)}};
    glyphs['p'] = {
        0.6, true, {{{0.05, 0.58}, {0.05, -0.32}}, arc(0.28, 0.29, 0.23, 0.29, 0.0, 360.0)}};
    glyphs[Rho] = {
        0.6, true, {arc(0.29, 0.29, 0.23, 0.29, 0.0, 360.0), {{0.06, 0.3}, {0.06, -0.32}}}};
    glyphs[Partial] = {
        0.62,
        true,
        {arc(0.28, 0.27, 0.23, 0.27, 0.0, 360.0),
         smooth({{0.51, 0.3}, {0.53, 0.56}, {0.47, 0.8}, {0.35, 0.95}, {0.2, 1.0}, {0.09, 0.94}})}};
    glyphs['0'] = {0.56, false, {arc(0.28, 0.5, 0.22, 0.5, 0.0, 360.0)}};
    glyphs['('] = {0.4, false, {arc(0.5, 0.34, 0.34, 0.68, 118.0, 242.0)}};
    glyphs[')'] = {0.46, false, {arc(-0.02, 0.34, 0.34, 0.68, 62.0, -62.0)}};
    glyphs['+'] = {0.72, false, {{{0.1, 0.34}, {0.62, 0.34}}, {{0.36, 0.08}, {0.36, 0.6}}}};
    glyphs['='] = {0.72, false, {{{0.1, 0.45}, {0.62, 0.45}}, {{0.1, 0.23}, {0.62, 0.23}}}};
    glyphs[' '] = {0.3, false, {}};
    return glyphs;
}

const std::map<char, Glyph>& glyphTable() {
    static const std::map<char, Glyph> glyphs = makeGlyphs();
    return glyphs;
}

// The pen grows with the size but never below a pixel.
double penWidth(double size) {
    return std::max(1.0, 0.085 * size);
}

// Walks the text, calling `each` with every glyph, its pen position and size.
template <typename Visit>
double walk(std::string_view text, double x, double baseline, double size, Visit each) {
    bool subscript = false;
    for (const char c : text) {
        if (c == '_') {
            subscript = true;
            continue;
        }
        const auto found = glyphTable().find(c);
        if (found == glyphTable().end()) continue;
        const double glyphSize = subscript ? size * kSubscriptScale : size;
        const double glyphBaseline = subscript ? baseline + size * kSubscriptDrop : baseline;
        each(found->second, x, glyphBaseline, glyphSize);
        x += found->second.advance * glyphSize;
        subscript = false;
    }
    return x;
}

}  // namespace

bool hasGlyph(char c) {
    return glyphTable().contains(c);
}

double textWidth(std::string_view text, double size) {
    return walk(text, 0.0, 0.0, size, [](const Glyph&, double, double, double) {});
}

double drawText(CoverageMask& mask, std::string_view text, double x, double baseline, double size) {
    return walk(text, x, baseline, size,
                [&](const Glyph& glyph, double left, double glyphBaseline, double glyphSize) {
                    const double slant = glyph.italic ? kSlant : 0.0;
                    for (const Stroke& stroke : glyph.strokes) {
                        std::vector<Point> pixels;
                        pixels.reserve(stroke.size());
                        for (const Point& p : stroke) {
                            pixels.push_back({left + (p.x + slant * p.y) * glyphSize,
                                              glyphBaseline - p.y * glyphSize});
                        }
                        mask.strokePolyline(pixels, penWidth(glyphSize));
                    }
                });
}

}  // namespace calorvia::shell::pictures
