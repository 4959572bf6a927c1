// The names of the bodies and the geometry line of the case files.

#include "simulation/geometry.h"

#include <gtest/gtest.h>

#include <optional>

namespace calorvia::simulation {
namespace {

TEST(Geometry, KeywordsNameEachBodyInAnyCase) {
    for (Geometry g : {Geometry::Plane, Geometry::Cylinder, Geometry::Sphere}) {
        EXPECT_EQ(geometryFromKeyword(geometryKeyword(g)), g);
    }
    EXPECT_EQ(geometryFromKeyword("Cylinder"), Geometry::Cylinder);
    EXPECT_EQ(geometryFromKeyword("SPHERE"), Geometry::Sphere);
    for (const char* word : {"", "cylinders", "sphere ", "cilindro", "esfera", "plan"}) {
        EXPECT_EQ(geometryFromKeyword(word), std::nullopt) << word;
    }
    EXPECT_FALSE(isRadial(Geometry::Plane));
    EXPECT_TRUE(isRadial(Geometry::Cylinder));
    EXPECT_TRUE(isRadial(Geometry::Sphere));
}

TEST(Geometry, LineTextReadsBackToItsValue) {
    for (Geometry g : {Geometry::Cylinder, Geometry::Sphere}) {
        for (const char* value : {"0.05", "0", "  1e-3   ", ""}) {
            const std::optional<GeometryLine> line = readGeometryLine(geometryLineText(g, value));
            ASSERT_TRUE(line) << value;
            EXPECT_EQ(line->geometry, g);
            EXPECT_EQ(line->value, value);
        }
    }
    // The plane has no geometry line.
    EXPECT_FALSE(readGeometryLine("plane 0"));
    EXPECT_FALSE(readGeometryLine(" 0.5"));
    EXPECT_FALSE(readGeometryLine(""));
}

TEST(Geometry, InnerRadiusIsANumberZeroOrGreater) {
    struct Row {
        const char* value;
        std::optional<double> ri;
    };
    for (const Row& row : {Row{"0.05", 0.05}, Row{" 0", 0.0}, Row{"2.5e-3 m", 2.5e-3},
                           Row{"-0.1", std::nullopt}, Row{"", std::nullopt},
                           Row{"x", std::nullopt}, Row{"1e999", std::nullopt}}) {
        EXPECT_EQ(innerRadiusOf(GeometryLine{Geometry::Sphere, row.value}), row.ri) << row.value;
    }
}

}  // namespace
}  // namespace calorvia::simulation
