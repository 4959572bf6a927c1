#include "shell/pictures/home_pictures.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "shell/pictures/stroke_font.h"

namespace calorvia::shell::pictures {
namespace {

constexpr Colour kInk{0, 0, 0};
constexpr Colour kEdge{55, 55, 60};
constexpr Colour kHot{222, 58, 38};
constexpr Colour kCool{52, 92, 204};
constexpr Colour kCopper{196, 116, 62};
constexpr Colour kSteel{78, 124, 182};

struct Vector3 {
    double x, y, z;
};

Vector3 normalised(Vector3 v) {
    const double length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return {v.x / length, v.y / length, v.z / length};
}

double dot(Vector3 a, Vector3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// Light from the upper left, in front; x right, y down, z towards the viewer.
const Vector3 kLight = normalised({-0.45, -0.55, 0.7});

// Matte shading with a small highlight for a surface of normal `n`.
Colour lit(Colour base, Vector3 n, double shininess = 24.0, double gloss = 0.4) {
    const double diffuse = std::max(0.0, dot(n, kLight));
    const Vector3 reflected{2 * dot(n, kLight) * n.x - kLight.x,
                            2 * dot(n, kLight) * n.y - kLight.y,
                            2 * dot(n, kLight) * n.z - kLight.z};
    const double highlight = std::pow(std::max(0.0, reflected.z), shininess) * gloss;
    return mix(scaled(base, 0.35 + 0.75 * diffuse), Colour{255, 255, 255}, highlight);
}

// ------------------------------------------------------------- the equation

// One piece of the equation laid out on a line: its width and how it draws
// itself with its left edge at x.
struct Piece {
    double width;
    std::function<void(CoverageMask&, double x)> draw;
};

struct EquationMetrics {
    double axis = 29.5;          // fraction bars, and the middle of + and =
    double mainSize = 18.0;      // capitals on the main line
    double fractionSize = 15.5;  // capitals in numerators and denominators
    double numeratorBaseline = 20.0;
    double denominatorBaseline = 48.0;
    double operatorSpace = 5.0;
    double fractionPadding = 3.0;
    double parenthesisHalfHeight = 24.0;
};

Piece fraction(const EquationMetrics& m, std::string numerator, std::string denominator) {
    const double top = textWidth(numerator, m.fractionSize);
    const double bottom = textWidth(denominator, m.fractionSize);
    const double inner = std::max(top, bottom);
    const double width = inner + 2 * m.fractionPadding;
    return {width, [=](CoverageMask& mask, double x) {
                drawText(mask, numerator, x + (width - top) / 2, m.numeratorBaseline,
                         m.fractionSize);
                drawText(mask, denominator, x + (width - bottom) / 2, m.denominatorBaseline,
                         m.fractionSize);
                mask.stroke({x + 1.0, m.axis}, {x + width - 1.0, m.axis}, 1.2);
            }};
}

Piece mainText(const EquationMetrics& m, std::string text, double spaceBefore, double spaceAfter) {
    const double width = textWidth(text, m.mainSize);
    const double baseline = m.axis + 0.34 * m.mainSize;
    return {spaceBefore + width + spaceAfter, [=](CoverageMask& mask, double x) {
                drawText(mask, text, x + spaceBefore, baseline, m.mainSize);
            }};
}

// A parenthesis as tall as the fraction it encloses.
Piece bigParenthesis(const EquationMetrics& m, bool opening) {
    constexpr double kWidth = 10.0;
    constexpr double kBulge = 6.0;
    return {kWidth, [=](CoverageMask& mask, double x) {
                std::vector<Point> points;
                constexpr int kSteps = 32;
                for (int i = 0; i <= kSteps; ++i) {
                    const double t = -1.0 + 2.0 * i / kSteps;  // -1 top .. 1 bottom
                    const double bend = kBulge * (1.0 - t * t);
                    const double px =
                        opening ? x + 2.0 + kBulge - bend : x + kWidth - 2.0 - kBulge + bend;
                    points.push_back({px, m.axis + t * m.parenthesisHalfHeight});
                }
                mask.strokePolyline(points, 1.4);
            }};
}

// ---------------------------------------------------------------- the wall

bool insideConvex(Point p, const std::vector<Point>& corners) {
    bool positive = false;
    bool negative = false;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const Point a = corners[i];
        const Point b = corners[(i + 1) % corners.size()];
        const double cross = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
        if (cross > 0) positive = true;
        if (cross < 0) negative = true;
    }
    return !(positive && negative);
}

}  // namespace

Raster makeEquationPicture() {
    const EquationMetrics m;
    const std::string partial(1, Partial);
    const std::string rho(1, Rho);
    const std::vector<Piece> pieces{
        fraction(m, partial + "(" + rho + "c_pT)", partial + "t"),
        mainText(m, "+", m.operatorSpace, m.operatorSpace),
        fraction(m, partial + "(" + rho + "c_puT)", partial + "x"),
        mainText(m, "=", m.operatorSpace, m.operatorSpace),
        fraction(m, partial, partial + "x"),
        bigParenthesis(m, true),
        mainText(m, "k", 0.0, 2.0),
        fraction(m, partial + "T", partial + "x"),
        bigParenthesis(m, false),
        mainText(m, "+", m.operatorSpace, m.operatorSpace),
        mainText(m, "S", 0.0, 0.0),
    };
    double total = 0.0;
    for (const Piece& piece : pieces) total += piece.width;

    Raster raster(EquationWidth, EquationHeight, PaperWhite);
    CoverageMask ink(EquationWidth, EquationHeight);
    double x = std::round((EquationWidth - total) / 2.0);
    for (const Piece& piece : pieces) {
        piece.draw(ink, x);
        x += piece.width;
    }
    raster.paint(ink, kInk);
    return raster;
}

// The slab in an oblique view: front face from x = 0 (west, warm) to x = L
// (east, cool), coloured by a linear temperature profile; the top face
// carries the same profile in a lighter tone, the east face is in shade.
Raster makeWallPicture() {
    constexpr int kWidth = 260;
    constexpr int kHeight = 225;
    constexpr double kLeft = 118.0;
    constexpr double kRight = 198.0;
    constexpr double kTop = 62.0;
    constexpr double kBottom = 190.0;
    constexpr Point kDepth{40.0, -32.0};

    const std::vector<Point> front{
        {kLeft, kTop}, {kRight, kTop}, {kRight, kBottom}, {kLeft, kBottom}};
    const std::vector<Point> top{{kLeft, kTop},
                                 {kRight, kTop},
                                 {kRight + kDepth.x, kTop + kDepth.y},
                                 {kLeft + kDepth.x, kTop + kDepth.y}};
    const std::vector<Point> east{{kRight, kTop},
                                  {kRight + kDepth.x, kTop + kDepth.y},
                                  {kRight + kDepth.x, kBottom + kDepth.y},
                                  {kRight, kBottom}};

    Raster raster(kWidth, kHeight, PanelGrey);
    raster.shade([&](Point p) -> std::optional<Colour> {
        if (insideConvex(p, front)) {
            return scaled(mix(kHot, kCool, (p.x - kLeft) / (kRight - kLeft)), 1.0);
        }
        if (insideConvex(p, top)) {
            const double depth = (kTop - p.y) / -kDepth.y;
            const double across = (p.x - kLeft - depth * kDepth.x) / (kRight - kLeft);
            return mix(mix(kHot, kCool, std::clamp(across, 0.0, 1.0)), Colour{255, 255, 255}, 0.3);
        }
        if (insideConvex(p, east)) return scaled(kCool, 0.62);
        return std::nullopt;
    });

    CoverageMask edges(kWidth, kHeight);
    edges.strokePolyline({front[0], front[1], front[2], front[3], front[0]}, 1.2);
    edges.strokePolyline({top[0], top[3], top[2], top[1]}, 1.2);
    edges.strokePolyline({east[1], east[2], east[3]}, 1.2);
    // The x axis under the slab, with x = 0 and x = L marked.
    const double axisY = 204.0;
    edges.stroke({kLeft, axisY}, {kRight + 18.0, axisY}, 1.3);
    edges.strokePolyline(
        {{kRight + 11.0, axisY - 4.0}, {kRight + 18.0, axisY}, {kRight + 11.0, axisY + 4.0}}, 1.3);
    edges.stroke({kLeft, axisY - 3.0}, {kLeft, axisY + 3.0}, 1.2);
    edges.stroke({kRight, axisY - 3.0}, {kRight, axisY + 3.0}, 1.2);
    drawText(edges, "x", kRight + 22.0, axisY + 4.0, 11.0);
    drawText(edges, "0", kLeft - 3.0, 221.0, 10.0);
    drawText(edges, "L", kRight - 3.0, 221.0, 10.0);
    raster.paint(edges, kEdge);
    return raster;
}

// A standing cylinder seen a little from above.
Raster makeCylinderPicture() {
    constexpr int kWidth = 100;
    constexpr int kHeight = 120;
    constexpr double kCentre = 50.0;
    constexpr double kRadius = 40.0;   // half the width
    constexpr double kEllipse = 11.0;  // half the height of the end faces
    constexpr double kTopCentre = 16.0;
    constexpr double kBottomCentre = 104.0;

    Raster raster(kWidth, kHeight, PanelGrey);
    raster.shade([&](Point p) -> std::optional<Colour> {
        const double across = (p.x - kCentre) / kRadius;
        if (std::fabs(across) > 1.0) return std::nullopt;
        const double bulge = kEllipse * std::sqrt(1.0 - across * across);
        const double inTop = across * across + std::pow((p.y - kTopCentre) / kEllipse, 2);
        if (inTop <= 1.0) {
            return mix(lit(kCopper, normalised({0.0, -1.0, 0.35}), 40.0, 0.2),
                       Colour{255, 255, 255}, 0.22);
        }
        if (p.y >= kTopCentre && p.y <= kBottomCentre + bulge) {
            return lit(kCopper, {across, 0.0, std::sqrt(1.0 - across * across)});
        }
        return std::nullopt;
    });
    return raster;
}

Raster makeSpherePicture() {
    constexpr int kSize = 150;
    constexpr double kCentre = 75.0;
    constexpr double kRadius = 68.0;

    Raster raster(kSize, kSize, PanelGrey);
    raster.shade([&](Point p) -> std::optional<Colour> {
        const double nx = (p.x - kCentre) / kRadius;
        const double ny = (p.y - kCentre) / kRadius;
        const double r2 = nx * nx + ny * ny;
        if (r2 > 1.0) return std::nullopt;
        return lit(kSteel, {nx, ny, std::sqrt(1.0 - r2)}, 30.0, 0.5);
    });
    return raster;
}

bool writeHomePictures(const std::filesystem::path& folder, std::filesystem::path* failed) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::vector<std::pair<std::string, Raster>> pictures{
        {"Equation.bmp", makeEquationPicture()},
        {"Parede.bmp", makeWallPicture()},
        {"Cilindro.bmp", makeCylinderPicture()},
        {"Esfera.bmp", makeSpherePicture()},
    };
    for (const auto& [name, raster] : pictures) {
        if (!writeFile(folder / name, raster.bmp())) {
            if (failed != nullptr) *failed = folder / name;
            return false;
        }
    }
    return true;
}

}  // namespace calorvia::shell::pictures
