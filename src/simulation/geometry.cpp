#include "simulation/geometry.h"

#include <cctype>
#include <cmath>
#include <numbers>

#include "text/fixed_text.h"
#include "text/number_reader.h"

namespace calorvia::simulation {

std::string_view geometryKeyword(Geometry geometry) {
    switch (geometry) {
        case Geometry::Plane:
            return "plane";
        case Geometry::Cylinder:
            return "cylinder";
        case Geometry::Sphere:
            return "sphere";
    }
    return "plane";
}

std::optional<Geometry> geometryFromKeyword(std::string_view word) {
    const std::string lower = text::toLowerAscii(word);
    for (Geometry g : {Geometry::Plane, Geometry::Cylinder, Geometry::Sphere}) {
        if (lower == geometryKeyword(g)) return g;
    }
    return std::nullopt;
}

double faceArea(Geometry geometry, double r) {
    switch (geometry) {
        case Geometry::Plane:
            break;
        case Geometry::Cylinder:
            return r;
        case Geometry::Sphere:
            return r * r;
    }
    return 1.0;
}

double volumeBetween(Geometry geometry, double rw, double re) {
    const double width = re - rw;
    switch (geometry) {
        case Geometry::Plane:
            break;
        case Geometry::Cylinder:
            return width * (rw + re) / 2.0;
        case Geometry::Sphere:
            return width * (rw * rw + rw * re + re * re) / 3.0;
    }
    return width;
}

double heatRateFactor(Geometry geometry) {
    switch (geometry) {
        case Geometry::Plane:
            break;
        case Geometry::Cylinder:
            return 2.0 * std::numbers::pi;
        case Geometry::Sphere:
            return 4.0 * std::numbers::pi;
    }
    return 1.0;
}

std::optional<GeometryLine> readGeometryLine(std::string_view line) {
    const std::string_view rest = text::trimLeft(line);
    for (Geometry g : {Geometry::Cylinder, Geometry::Sphere}) {
        const std::string_view keyword = geometryKeyword(g);
        if (rest.size() < keyword.size()) continue;
        if (text::toLowerAscii(rest.substr(0, keyword.size())) != keyword) continue;
        std::string_view value = rest.substr(keyword.size());
        if (!value.empty() && std::isalpha(static_cast<unsigned char>(value.front()))) continue;
        if (!value.empty() && text::isBlank(value.front())) value.remove_prefix(1);
        return GeometryLine{g, std::string(value)};
    }
    return std::nullopt;
}

std::string geometryLineText(Geometry geometry, std::string_view value) {
    std::string line(geometryKeyword(geometry));
    line += ' ';
    line += value;
    return line;
}

std::optional<double> innerRadiusOf(const GeometryLine& line) {
    const std::optional<double> ri = text::readReal(line.value);
    if (!ri || !std::isfinite(*ri) || *ri < 0.0) return std::nullopt;
    return *ri;
}

}  // namespace calorvia::simulation
