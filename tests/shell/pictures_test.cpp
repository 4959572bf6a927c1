// The home screen's pictures: the BMP encoding, the drawing primitives, and
// the composition rules the pictures keep on the panel.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "shell/pictures/home_pictures.h"
#include "shell/pictures/raster.h"
#include "shell/pictures/stroke_font.h"
#include "support/program_folder.h"

namespace calorvia::shell::pictures {
namespace {

std::uint32_t littleEndian(const std::vector<std::uint8_t>& bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | bytes[at + static_cast<std::size_t>(i)];
    return value;
}

Colour pixelOf(const std::vector<std::uint8_t>& bmp, int x, int y) {
    const auto width = static_cast<int>(littleEndian(bmp, 18, 4));
    const auto height = static_cast<int>(littleEndian(bmp, 22, 4));
    const std::size_t offset = littleEndian(bmp, 10, 4);
    const std::size_t row = static_cast<std::size_t>((width * 3 + 3) / 4 * 4);
    const std::size_t at =
        offset + static_cast<std::size_t>(height - 1 - y) * row + static_cast<std::size_t>(x) * 3;
    return {bmp[at + 2], bmp[at + 1], bmp[at]};
}

bool isInk(Colour c) {
    return c.red < 128 && c.green < 128 && c.blue < 128;
}

TEST(BmpTest, HeaderRowsAndPaddingOfA24BitPicture) {
    Raster raster(5, 3, {10, 20, 30});
    CoverageMask mark(5, 3);
    mark.stroke({0.5, 0.5}, {0.5, 0.5}, 1.0);  // the top left pixel
    raster.paint(mark, {255, 0, 0});
    const std::vector<std::uint8_t> bmp = raster.bmp();

    const std::size_t row = 16;  // 5 pixels of 3 bytes, padded to 4
    ASSERT_EQ(bmp.size(), 54u + 3 * row);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(littleEndian(bmp, 2, 4), bmp.size());
    EXPECT_EQ(littleEndian(bmp, 10, 4), 54u);
    EXPECT_EQ(littleEndian(bmp, 14, 4), 40u);
    EXPECT_EQ(littleEndian(bmp, 18, 4), 5u);
    EXPECT_EQ(littleEndian(bmp, 22, 4), 3u);
    EXPECT_EQ(littleEndian(bmp, 26, 2), 1u);
    EXPECT_EQ(littleEndian(bmp, 28, 2), 24u);
    EXPECT_EQ(littleEndian(bmp, 30, 4), 0u);
    // The top row is stored last; each pixel blue, green, red.
    EXPECT_EQ(pixelOf(bmp, 0, 0), (Colour{255, 0, 0}));
    EXPECT_EQ(pixelOf(bmp, 4, 2), (Colour{10, 20, 30}));
    EXPECT_EQ(bmp[54 + 2 * row + 0], 0);    // blue of the top left pixel
    EXPECT_EQ(bmp[54 + 2 * row + 2], 255);  // its red
    EXPECT_EQ(bmp[54 + 15], 0);             // padding
}

TEST(CoverageTest, AStrokeCoversItsWidthAndJointsDoNotDarken) {
    CoverageMask mask(20, 10);
    mask.strokePolyline({{2.0, 5.5}, {10.0, 5.5}, {18.0, 5.5}}, 2.0);
    EXPECT_DOUBLE_EQ(mask.at(10, 5), 1.0);  // the joint, once
    EXPECT_DOUBLE_EQ(mask.at(5, 5), 1.0);
    EXPECT_DOUBLE_EQ(mask.at(5, 4), 0.5);  // the anti-aliased edges
    EXPECT_DOUBLE_EQ(mask.at(5, 6), 0.5);
    EXPECT_DOUBLE_EQ(mask.at(5, 3), 0.0);
    EXPECT_DOUBLE_EQ(mask.at(-1, 5), 0.0);
    EXPECT_DOUBLE_EQ(mask.at(20, 5), 0.0);
}

TEST(CoverageTest, ShadingBlendsEdgesByTheShareOfSamplesInside) {
    Raster raster(4, 1, {0, 0, 0});
    raster.shade([](Point p) -> std::optional<Colour> {
        if (p.x < 2.5) return Colour{200, 200, 200};
        return std::nullopt;
    });
    EXPECT_EQ(raster.at(1, 0), (Colour{200, 200, 200}));
    EXPECT_EQ(raster.at(2, 0), (Colour{100, 100, 100}));
    EXPECT_EQ(raster.at(3, 0), (Colour{0, 0, 0}));
}

TEST(StrokeFontTest, WidthsAddUpAndSubscriptsAreSmaller) {
    EXPECT_DOUBLE_EQ(textWidth("TT", 10.0), 2 * textWidth("T", 10.0));
    EXPECT_DOUBLE_EQ(textWidth("T", 20.0), 2 * textWidth("T", 10.0));
    EXPECT_LT(textWidth("c_p", 10.0), textWidth("cp", 10.0));
    EXPECT_DOUBLE_EQ(textWidth("T#", 10.0), textWidth("T", 10.0));  // no glyph, no width
    for (const char c : std::string("ckptuxSTL0+=()") + Partial + Rho) {
        EXPECT_TRUE(hasGlyph(c)) << c;
    }
}

TEST(StrokeFontTest, TextIsDrawnWhereItIsPlaced) {
    CoverageMask mask(40, 30);
    const double end = drawText(mask, "L", 10.0, 20.5, 10.0);
    EXPECT_DOUBLE_EQ(end, 10.0 + textWidth("L", 10.0));
    EXPECT_GT(mask.at(10, 15), 0.5);  // the upright stroke of L
    EXPECT_GT(mask.at(13, 20), 0.5);  // its foot on the baseline
    EXPECT_DOUBLE_EQ(mask.at(30, 5), 0.0);
}

// ------------------------------------------------------------- the pictures

TEST(HomePicturesTest, TheEquationFillsTheFrameWithCentredInk) {
    const Raster equation = makeEquationPicture();
    ASSERT_EQ(equation.width(), EquationWidth);
    ASSERT_EQ(equation.height(), EquationHeight);
    int left = equation.width();
    int right = -1;
    int inkPixels = 0;
    for (int y = 0; y < equation.height(); ++y) {
        for (int x = 0; x < equation.width(); ++x) {
            if (!isInk(equation.at(x, y))) continue;
            ++inkPixels;
            left = std::min(left, x);
            right = std::max(right, x);
        }
    }
    EXPECT_GT(inkPixels, 500);
    EXPECT_GT(left, 10);
    EXPECT_LT(right, equation.width() - 10);
    EXPECT_NEAR(left, equation.width() - 1 - right, 8);
    for (int x = 0; x < equation.width(); ++x) {
        EXPECT_EQ(equation.at(x, 0), PaperWhite);
        EXPECT_EQ(equation.at(x, equation.height() - 1), PaperWhite);
    }
}

// The pictures lie on the panel at (210, 135), (367, 40) and (320, 85), drawn
// cylinder, wall, sphere: their backgrounds are the panel's grey, the
// cylinder ends before the sphere begins, and the wall keeps its drawing
// clear of the part the sphere covers.
TEST(HomePicturesTest, TheGeometryPicturesFitTogetherOnThePanel) {
    const Raster cylinder = makeCylinderPicture();
    const Raster wall = makeWallPicture();
    const Raster sphere = makeSpherePicture();
    for (const Raster* picture : {&cylinder, &wall, &sphere}) {
        const int w = picture->width() - 1;
        const int h = picture->height() - 1;
        for (const auto& [x, y] : {std::pair{0, 0}, {w, 0}, {0, h}, {w, h}}) {
            EXPECT_EQ(picture->at(x, y), PanelGrey);
        }
    }
    EXPECT_LE(210 + cylinder.width(), 320);
    const int sphereEndsInWall = 320 + sphere.width() - 367;
    for (int y = 0; y < wall.height(); ++y) {
        for (int x = 0; x < sphereEndsInWall; ++x) {
            ASSERT_EQ(wall.at(x, y), PanelGrey) << x << ", " << y;
        }
    }
    // Everything stays inside the panel's face, (14, 14) to (751, 276).
    EXPECT_LE(367 + wall.width(), 751);
    EXPECT_LE(40 + wall.height(), 276);
    EXPECT_LE(135 + cylinder.height(), 276);
    EXPECT_LE(85 + sphere.height(), 276);
    // And each holds a picture, not just grey.
    EXPECT_NE(sphere.at(sphere.width() / 2, sphere.height() / 2), PanelGrey);
    EXPECT_NE(cylinder.at(cylinder.width() / 2, cylinder.height() / 2), PanelGrey);
    EXPECT_NE(wall.at(150, 120), PanelGrey);
}

TEST(HomePicturesTest, TheWallIsWarmInTheWestAndCoolInTheEast) {
    const Raster wall = makeWallPicture();
    const Colour west = wall.at(122, 120);
    const Colour east = wall.at(194, 120);
    EXPECT_GT(west.red, west.blue);
    EXPECT_GT(east.blue, east.red);
}

TEST(HomePicturesTest, AllFourAreWrittenAsBmpFiles) {
    const calorvia::testing::TemporaryFolder temporary;
    const std::filesystem::path& folder = temporary.path();
    ASSERT_TRUE(writeHomePictures(folder / "Bitmap"));
    for (const char* name : {"Equation.bmp", "Parede.bmp", "Cilindro.bmp", "Esfera.bmp"}) {
        std::ifstream in(folder / "Bitmap" / name, std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
        ASSERT_GT(bytes.size(), 54u) << name;
        EXPECT_EQ(bytes[0], 'B');
        EXPECT_EQ(littleEndian(bytes, 2, 4), bytes.size()) << name;
    }
    std::filesystem::path failed;
    EXPECT_FALSE(writeHomePictures(folder / "Bitmap" / "Equation.bmp" / "inside", &failed));
    EXPECT_FALSE(failed.empty());
}

}  // namespace
}  // namespace calorvia::shell::pictures
