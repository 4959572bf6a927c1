#pragma once
// The shape of the body: a plane wall, or a cylinder or a sphere conducting
// in the radial direction only.
//
// The body fills ri <= r <= ri + Lx (the plane wall 0 <= x <= Lx). Each
// finite volume balance is written with the areas of the volume's faces and
// its volume, per radian of a unit length of cylinder and per steradian of
// a sphere:
//     plane      A(r) = 1      ΔV = r_e − r_w
//     cylinder   A(r) = r      ΔV = (r_e² − r_w²)/2 = (r_e − r_w)·(r_w + r_e)/2
//     sphere     A(r) = r²     ΔV = (r_e³ − r_w³)/3 = (r_e − r_w)·(r_w² + r_w·r_e + r_e²)/3
// (the second forms do not cancel when the body is thin beside its radius).
// A heat rate of the whole body is a rate per radian times 2π (W per metre
// of cylinder) or per steradian times 4π (W for the sphere); the plane wall
// keeps rates per unit area (W/m²).
//
// With ri = 0 the body is solid: its west face is the axis or the centre,
// of zero area, where no boundary condition acts.
//
// In the case files a plane case has no geometry line. A radial case adds
// one line after the velocity, a keyword and the inner radius:
//     cylinder 0.05
//     sphere 0
// (in a saved file the radius is the entry text as typed, 50 characters).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace calorvia::simulation {

enum class Geometry : std::int32_t { Plane = 0, Cylinder = 1, Sphere = 2 };

constexpr bool isRadial(Geometry geometry) {
    return geometry == Geometry::Cylinder || geometry == Geometry::Sphere;
}

// "plane", "cylinder" or "sphere": the keyword of the geometry line, also
// the name a summary or a batch option uses.
std::string_view geometryKeyword(Geometry geometry);

// The geometry a keyword names, in any letter case; nothing for any other word.
std::optional<Geometry> geometryFromKeyword(std::string_view word);

// A(r) and ΔV between the faces r_w and r_e, as in the table above.
double faceArea(Geometry geometry, double r);
double volumeBetween(Geometry geometry, double rw, double re);

// 1 for the plane wall, 2π for the cylinder, 4π for the sphere: turns a rate
// per unit area, per radian or per steradian into the rate the energy
// balance reports.
double heatRateFactor(Geometry geometry);

// The geometry line of a case file: its radial keyword and the text after
// the keyword and the one blank that separates them.
struct GeometryLine {
    Geometry geometry = Geometry::Plane;
    std::string value;
};

// A line whose first word of letters (after leading blanks) is "cylinder"
// or "sphere", in any letter case; nothing for any other line, among them
// every line of a plane case. What follows the word, less one blank, is the
// value, whatever it holds: "cylinder" alone or "sphere,1" are geometry
// lines with a malformed radius, not lines to pass over.
std::optional<GeometryLine> readGeometryLine(std::string_view line);

// keyword + " " + value, for a radial geometry.
std::string geometryLineText(Geometry geometry, std::string_view value);

// The inner radius a geometry line holds: its value read as a number that
// is zero or greater; nothing when it is not one (a malformed line).
std::optional<double> innerRadiusOf(const GeometryLine& line);

}  // namespace calorvia::simulation
