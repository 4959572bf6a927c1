// Drawing through QtPlatform lands on the right pixels of the raster canvas.

#include <gtest/gtest.h>

#include <QImage>
#include <QLine>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "graphs/graph_pane.h"
#include "gui_test_support.h"
#include "platform_qt/canvas.h"
#include "platform_qt/qt_platform.h"
#include "platform_qt/template_dialog.h"

namespace calorvia::platform_qt {
namespace {

using namespace testing;
using platform::FillMode;

constexpr QRgb kRed = 0xFF0000;
constexpr QRgb kGreen = 0x00FF00;
constexpr QRgb kGrey = 0xA0A0A0;
constexpr QRgb kBlack = 0x000000;

class CanvasTest : public ::testing::Test {
protected:
    CanvasTest() {
        platform.setBackgroundRgb(platform::rgb(160, 160, 160));
        platform.clearScreen();
    }
    QRgb at(int x, int y) const { return rgbOf(platform.canvasImage(), x, y); }

    QtPlatform platform;
};

TEST_F(CanvasTest, ClearingFillsEveryPixelWithTheBackground) {
    platform.setBackgroundRgb(platform::rgb(12, 34, 56));
    platform.clearScreen();
    const QImage image = platform.canvasImage();
    for (int y = 0; y < image.height(); y += 37) {
        for (int x = 0; x < image.width(); x += 41) ASSERT_EQ(rgbOf(image, x, y), 0x0C2238u);
    }
}

TEST_F(CanvasTest, ALineCoversBothEndsAndNothingBeyond) {
    platform.setColorIndex(12);
    struct Case {
        int x1, y1, x2, y2;
        int beforeX, beforeY, afterX, afterY;  // the next pixels outside each end
    };
    const std::array cases{
        Case{10, 10, 20, 10, 9, 10, 21, 10},   // left to right
        Case{40, 30, 30, 30, 41, 30, 29, 30},  // right to left
        Case{50, 10, 50, 25, 50, 9, 50, 26},   // downwards
        Case{60, 10, 70, 20, 59, 9, 71, 21},   // diagonal
        Case{80, 10, 80, 10, 79, 10, 81, 10},  // a single point
    };
    for (const auto& c : cases) {
        platform.moveTo(c.x1, c.y1);
        platform.lineTo(c.x2, c.y2);
        const QImage image = platform.canvasImage();
        EXPECT_EQ(rgbOf(image, c.x1, c.y1), kRed) << c.x1 << "," << c.y1;
        EXPECT_EQ(rgbOf(image, c.x2, c.y2), kRed) << c.x2 << "," << c.y2;
        EXPECT_EQ(rgbOf(image, c.beforeX, c.beforeY), kGrey) << c.beforeX << "," << c.beforeY;
        EXPECT_EQ(rgbOf(image, c.afterX, c.afterY), kGrey) << c.afterX << "," << c.afterY;
    }
}

TEST_F(CanvasTest, ASeriesDrawnPointToPointPassesThroughEveryPoint) {
    const std::vector<QPoint> series{{100, 300}, {120, 280}, {140, 265}, {160, 255},
                                     {180, 250}, {200, 252}, {220, 260}, {240, 275}};
    platform.setColorIndex(10);
    platform.moveTo(series.front().x(), series.front().y());
    for (const QPoint& point : series) platform.lineTo(point.x(), point.y());
    const QImage image = platform.canvasImage();
    for (const QPoint& point : series) {
        EXPECT_EQ(rgbOf(image, point.x(), point.y()), kGreen) << point.x() << "," << point.y();
    }
    // Well away from the curve nothing was drawn.
    EXPECT_EQ(rgbOf(image, 170, 300), kGrey);
}

// The series in one call leaves the pixels of its point-to-point calls.
TEST_F(CanvasTest, ASeriesInOneCallDrawsWhatItsSingleLinesDraw) {
    const std::vector<platform::PixelPoint> series{{100, 300}, {120, 280}, {140, 265},
                                                   {160, 255}, {150, 250}, {150, 250},
                                                   {200, 252}, {-20, 260}, {240, 275}};
    platform.setColorIndex(10);
    platform.moveTo(90, 310);
    for (const auto& point : series) platform.lineTo(point.x, point.y);
    const QImage oneByOne = platform.canvasImage();
    platform.clearScreen();
    platform.moveTo(90, 310);
    platform.lineThrough(series);
    EXPECT_EQ(platform.canvasImage(), oneByOne);
    // The current point ends at the last point of the series.
    platform.lineTo(240, 290);
    EXPECT_EQ(at(240, 283), kGreen);
}

TEST_F(CanvasTest, RgbColoursAndPaletteIndicesBothDraw) {
    platform.setColorRgb(platform::rgb(1, 2, 3));
    platform.moveTo(5, 5);
    platform.lineTo(5, 5);
    platform.setColorIndex(9);
    platform.moveTo(6, 5);
    platform.lineTo(6, 5);
    EXPECT_EQ(at(5, 5), 0x010203u);
    EXPECT_EQ(at(6, 5), platform::kDefaultPalette[9]);
}

TEST_F(CanvasTest, RemappingThePaletteChangesOnlyLaterDrawing) {
    platform.setColorIndex(12);
    platform.moveTo(10, 40);
    platform.lineTo(30, 40);
    platform::Palette remapped = platform::kDefaultPalette;
    remapped[12] = 0x00FF00;
    platform.remapPalette(remapped);
    platform.moveTo(10, 50);
    platform.lineTo(30, 50);
    EXPECT_EQ(at(20, 40), kRed);
    EXPECT_EQ(at(20, 50), kGreen);
}

TEST_F(CanvasTest, RectanglesIncludeBothCorners) {
    platform.setColorIndex(0);
    platform.drawRectangle(FillMode::Border, 100, 100, 120, 110);
    platform.setColorIndex(12);
    platform.drawRectangle(FillMode::Filled, 140, 110, 130, 100);  // corners in any order
    const QImage image = platform.canvasImage();
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{
             {100, 100}, {120, 100}, {100, 110}, {120, 110}, {110, 100}, {120, 105}}) {
        EXPECT_EQ(rgbOf(image, x, y), kBlack) << x << "," << y;
    }
    EXPECT_EQ(rgbOf(image, 110, 105), kGrey) << "an outline leaves the inside";
    EXPECT_EQ(rgbOf(image, 121, 105), kGrey);
    EXPECT_EQ(rgbOf(image, 110, 111), kGrey);
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{
             {130, 100}, {140, 100}, {130, 110}, {140, 110}, {135, 105}}) {
        EXPECT_EQ(rgbOf(image, x, y), kRed) << x << "," << y;
    }
    EXPECT_EQ(rgbOf(image, 141, 105), kGrey);
    EXPECT_EQ(rgbOf(image, 135, 111), kGrey);
    EXPECT_EQ(rgbOf(image, 129, 105), kGrey);
}

TEST_F(CanvasTest, AFilledEllipseFillsItsBoxButNotItsCorners) {
    platform.setColorIndex(0);
    platform.drawEllipse(FillMode::Filled, 200, 200, 210, 210);
    const QImage image = platform.canvasImage();
    EXPECT_EQ(rgbOf(image, 205, 205), kBlack);
    EXPECT_EQ(rgbOf(image, 200, 205), kBlack);
    EXPECT_EQ(rgbOf(image, 210, 205), kBlack);
    EXPECT_EQ(rgbOf(image, 205, 200), kBlack);
    EXPECT_EQ(rgbOf(image, 205, 210), kBlack);
    EXPECT_EQ(rgbOf(image, 200, 200), kGrey);
    EXPECT_EQ(rgbOf(image, 210, 210), kGrey);
    EXPECT_EQ(rgbOf(image, 199, 205), kGrey);
    EXPECT_EQ(rgbOf(image, 211, 205), kGrey);
}

TEST_F(CanvasTest, AnOutlinedEllipseLeavesItsMiddle) {
    platform.setColorIndex(0);
    platform.drawEllipse(FillMode::Border, 300, 300, 340, 320);
    const QImage image = platform.canvasImage();
    EXPECT_EQ(rgbOf(image, 320, 310), kGrey);
    EXPECT_EQ(rgbOf(image, 300, 310), kBlack);
    EXPECT_EQ(rgbOf(image, 340, 310), kBlack);
}

// The box around the pixels that differ from the background.
QRect inkedBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (rgbOf(image, x, y) != kGrey) box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

TEST_F(CanvasTest, TextStartsAtTheCurrentPointAndLeavesItThere) {
    ASSERT_GE(platform.selectFont("t'Arial'h16"), 0);
    platform.setColorIndex(0);
    platform.moveTo(100, 100);
    platform.outText("Temperature");
    const QImage once = platform.canvasImage();
    const QRect box = inkedBox(once);
    ASSERT_FALSE(box.isEmpty());
    // Anti-aliasing may put a faint pixel of the first glyph one pixel to
    // the left of the current point, depending on the face fontconfig picks.
    EXPECT_GE(box.left(), 99);
    EXPECT_LE(box.left(), 104);
    EXPECT_GE(box.top(), 100);
    EXPECT_LE(box.bottom(), 100 + 24) << "one line of 16-pixel text";
    EXPECT_GT(box.width(), 50) << "eleven letters at 16 pixels";
    // The current point did not move: the same text again covers the same
    // pixels.
    platform.outText("Temperature");
    EXPECT_EQ(inkedBox(platform.canvasImage()), box);
    // Black text on grey: its darkest pixels are the drawing colour.
    bool foundColour = false;
    for (int y = box.top(); y <= box.bottom() && !foundColour; ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            if (rgbOf(once, x, y) == kBlack) foundColour = true;
        }
    }
    EXPECT_TRUE(foundColour);
}

// What textExtent says is where the ink ends: nothing at or beyond the
// measured width or height, and the last glyph's ink within a few pixels of
// the width; in every face and size a status box may try, italic included.
TEST_F(CanvasTest, TheMeasuredExtentIsWhereTheTextEnds) {
    platform.setColorIndex(0);
    for (const char* descriptor : {"t'Arial'h16", "t'Arial'h12", "t'times new roman'h17",
                                   "t'courier new'h16", "t'Arial'h45w30i"}) {
        for (const char* text : {"Reg. permanente", "   Steady State", "Média W", "1500000"}) {
            platform.clearScreen();
            ASSERT_GE(platform.selectFont(descriptor), 0) << descriptor;
            platform.moveTo(100, 100);
            platform.outText(text);
            const QRect box = inkedBox(platform.canvasImage());
            const platform::PixelSize extent = platform.textExtent(text);
            EXPECT_LT(box.right(), 100 + extent.width) << descriptor << " \"" << text << '"';
            EXPECT_GE(box.right(), 100 + extent.width - 6) << descriptor << " \"" << text << '"';
            EXPECT_LT(box.bottom(), 100 + extent.height) << descriptor << " \"" << text << '"';
        }
    }
    EXPECT_EQ(platform.textExtent(""), (platform::PixelSize{0, 0}));
}

TEST_F(CanvasTest, RotatedTextRunsUpwardsFromTheCurrentPoint) {
    ASSERT_GE(platform.selectFont("t'Arial'h16"), 0);
    platform.setColorIndex(0);
    platform.setTextRotation(900);
    platform.moveTo(300, 300);
    platform.outText("Temperature");
    const QRect box = inkedBox(platform.canvasImage());
    ASSERT_FALSE(box.isEmpty());
    EXPECT_LE(box.bottom(), 300 + 4);
    EXPECT_LT(box.top(), 300 - 50);
    EXPECT_LT(box.width(), 24);
    EXPECT_GE(box.left(), 300);
}

TEST_F(CanvasTest, ABitmapFileIsShownPixelForPixel) {
    TemporaryWorkingFolder folder;
    QImage picture(3, 2, QImage::Format_RGB32);
    const std::array<QRgb, 6> colours{0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0x00FFFF, 0x123456};
    for (int i = 0; i < 6; ++i)
        picture.setPixel(i % 3, i / 3, colours[static_cast<std::size_t>(i)]);
    ASSERT_TRUE(picture.save(QStringLiteral("Parede.bmp"), "BMP"));
    EXPECT_TRUE(platform.showBitmap((folder.path() / "Parede.bmp").string(), 50, 60));
    const QImage image = platform.canvasImage();
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(rgbOf(image, 50 + i % 3, 60 + i / 3), colours[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(rgbOf(image, 53, 60), kGrey);
}

TEST_F(CanvasTest, AMissingOrUnreadableBitmapDrawsNothing) {
    TemporaryWorkingFolder folder;
    writeFile(folder.path() / "Broken.bmp", "not a picture");
    const QImage before = platform.canvasImage();
    EXPECT_FALSE(platform.showBitmap((folder.path() / "Missing.bmp").string(), 0, 0));
    EXPECT_FALSE(platform.showBitmap((folder.path() / "Broken.bmp").string(), 0, 0));
    EXPECT_EQ(platform.canvasImage(), before);
}

TEST_F(CanvasTest, ManyDrawingCallsScheduleOneRepaint) {
    processEventsFor(20ms);
    const auto before = platform.repaintRequests();
    platform.setColorIndex(12);
    for (int i = 0; i < 500; ++i) {
        platform.moveTo(i % 200, 10);
        platform.lineTo(i % 200, 20);
    }
    EXPECT_EQ(platform.repaintRequests(), before + 1);
    // Once the GUI thread has repainted, the next change asks again.
    processEventsFor(20ms);
    platform.lineTo(0, 0);
    EXPECT_EQ(platform.repaintRequests(), before + 2);
}

// GRAF_2D through the real window: the scale dialog is answered with its
// proposal and the curve lands on the pixels the pane's mapping gives.
TEST_F(CanvasTest, TheGraphPaneDrawsAKnownSeriesOnItsMappedPixels) {
    TemporaryWorkingFolder folder;
    writeFile(folder.path() / "idioma", " 2\n");
    graphs::GraphPane pane(platform, folder.path() / "idioma");
    const std::vector<float> x{0.0f, 0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f, 0.9f, 1.0f};
    const std::vector<float> y{310.f, 318.f, 330.f, 345.f, 360.f, 372.f,
                               380.f, 384.f, 381.f, 370.f, 350.f};
    const int X0 = 10, Y0 = 150;
    auto answer = WhenModal::of<TemplateDialog>([](TemplateDialog& dialog) {
        auto* ok = qobject_cast<QPushButton*>(dialog.control(platform::kButtonOk));
        ASSERT_NE(ok, nullptr);
        ok->click();
    });
    pane.GRAF_2D(static_cast<std::int32_t>(x.size() - 1), x, y, 12, X0, Y0, "X", "T",
                 "Profile (Tab. LU)", {}, graphs::kLinePlot);
    EXPECT_TRUE(answer->acted());
    ASSERT_EQ(pane.scaleDefined, 1);
    EXPECT_EQ(pane.ymin, 300.0f);
    EXPECT_EQ(pane.ymax, 400.0f);

    const QImage image = platform.canvasImage();
    for (std::size_t i = 0; i < x.size(); ++i) {
        const int px = pane.pixelX(x[i], X0);
        const int py = pane.pixelY(y[i], Y0);
        EXPECT_EQ(rgbOf(image, px, py), kRed) << "point " << i << " at " << px << "," << py;
    }
    // The axes are black where they meet.
    EXPECT_EQ(rgbOf(image, X0 + 100, Y0 + 280), kBlack);
    EXPECT_EQ(rgbOf(image, X0 + 380, Y0 + 281), kBlack);
}

// Lines are written into the canvas directly, not through QPainter. These
// tests hold them to the pixels QPainter gives the canvas pen (aliased, one
// pixel wide, square caps, both ends set), which is what the canvas drew
// before, and pin a few of those pixels outright.

// What QPainter draws for `lines` in the canvas pen on a grey image.
QImage paintedByQPainter(QSize size, const std::vector<QLine>& lines) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(kGrey));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(QColor::fromRgb(kRed));
    pen.setWidth(1);
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    for (const QLine& line : lines) {
        painter.drawLine(line);
        painter.drawPoint(line.p1());
        painter.drawPoint(line.p2());
    }
    return image;
}

void drawOn(Canvas& canvas, const QLine& line) {
    canvas.moveTo(line.x1(), line.y1());
    canvas.lineTo(line.x2(), line.y2());
}

// A grey canvas that draws red lines.
struct RedOnGrey : Canvas {
    explicit RedOnGrey(QSize size) : Canvas(size) {
        setBackgroundRgb(kGrey);
        clear();
        setColorRgb(kRed);
    }
};

// Empty when the images agree, else the first pixels that differ.
std::string differences(const QImage& drawn, const QImage& expected) {
    if (drawn.size() != expected.size()) return "sizes differ";
    std::ostringstream out;
    int count = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            if (rgbOf(drawn, x, y) != rgbOf(expected, x, y) && count++ < 8) {
                out << " (" << x << "," << y << ")" << (rgbOf(drawn, x, y) == kRed ? "+" : "-");
            }
        }
    }
    if (count == 0) return {};
    return std::to_string(count) +
           " pixels differ, + set only by the canvas, - only by QPainter:" + out.str();
}

std::string describe(const QLine& line) {
    std::ostringstream out;
    out << "(" << line.x1() << "," << line.y1() << ")-(" << line.x2() << "," << line.y2() << ")";
    return out.str();
}

std::vector<QPoint> redPixels(const QImage& image) {
    std::vector<QPoint> pixels;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (rgbOf(image, x, y) == kRed) pixels.emplace_back(x, y);
        }
    }
    return pixels;
}

constexpr QSize kSmall(16, 12);

// Every direction, both ends, the edges, and lines partly or wholly outside.
// clang-format off
const std::vector<QLine>& segmentTable() {
    static const std::vector<QLine> table{
        // horizontal and vertical, both ways
        {2, 3, 9, 3}, {9, 4, 2, 4}, {5, 1, 5, 9}, {6, 9, 6, 1},
        // both diagonals, both ways
        {1, 1, 8, 8}, {8, 8, 1, 1}, {8, 1, 1, 8}, {1, 8, 8, 1},
        // the four shallow octants, then the four steep ones
        {1, 2, 11, 5}, {11, 5, 1, 2}, {1, 5, 11, 2}, {11, 2, 1, 5},
        {2, 1, 5, 10}, {5, 10, 2, 1}, {5, 1, 2, 10}, {2, 10, 5, 1},
        // short ones, where the rounding shows
        {1, 1, 6, 3}, {0, 0, 1, 0}, {0, 0, 1, 1}, {3, 3, 4, 5}, {3, 3, 5, 4},
        // zero length, inside and in the corners
        {7, 7, 7, 7}, {0, 0, 0, 0}, {15, 11, 15, 11},
        // along the edges and across the whole image
        {0, 0, 15, 0}, {15, 0, 15, 11}, {0, 11, 15, 0}, {0, 0, 15, 11},
        // partly outside
        {-5, 3, 6, 8}, {6, 8, -5, 3}, {10, -4, 3, 20}, {20, 6, -7, 2}, {4, 13, 12, -3},
        {-1, -1, 16, 12}, {-1, 5, 16, 5}, {7, -1, 7, 12}, {-20, 40, 40, -20},
        // wholly outside, also just past a corner and along an edge
        {16, 12, 20, 20}, {-10, -10, -2, -30}, {20, 5, 40, 8}, {-5, 2, 2, -5},
        {3, 12, 9, 12}, {-3, 0, -3, 11}, {16, 3, 30, 3},
        // huge coordinates
        {INT_MIN, 5, INT_MAX, 6}, {INT_MAX, 6, INT_MIN, 5}, {3, INT_MIN, 4, INT_MAX},
        {0, 0, 1000000000, 1000000003}, {-2000000000, -1999999990, 2000000000, 2000000020},
        {INT_MAX, INT_MAX, INT_MIN, INT_MIN}, {INT_MAX, 0, INT_MAX, 11},
        {7, 5, INT_MAX, INT_MAX}, {7, 5, 7, INT_MIN}, {-1000000, 6, 1000000, 5},
    };
    return table;
}
// clang-format on

TEST(CanvasLines, EachSegmentOfTheTableHasQPaintersPixels) {
    for (const QLine& line : segmentTable()) {
        RedOnGrey canvas(kSmall);
        drawOn(canvas, line);
        EXPECT_EQ(differences(canvas.image(), paintedByQPainter(kSmall, {line})), "")
            << describe(line);
    }
}

TEST(CanvasLines, EverySegmentBetweenNearbyPointsHasQPaintersPixels) {
    // All pairs of points of a grid reaching three pixels beyond a small
    // image: every slope up to 15:18, every octant, every way of leaving.
    const QSize size(10, 8);
    std::vector<QPoint> points;
    for (int y = -3; y <= size.height() + 2; ++y) {
        for (int x = -3; x <= size.width() + 2; ++x) points.emplace_back(x, y);
    }
    RedOnGrey canvas(size);
    int failures = 0;
    for (const QPoint& from : points) {
        for (const QPoint& to : points) {
            canvas.clear();
            const QLine line(from, to);
            drawOn(canvas, line);
            const std::string diff = differences(canvas.image(), paintedByQPainter(size, {line}));
            if (!diff.empty() && failures++ < 10) ADD_FAILURE() << describe(line) << ": " << diff;
        }
    }
    EXPECT_EQ(failures, 0) << "of " << points.size() * points.size() << " segments";
}

TEST(CanvasLines, LongAndFarSegmentsHaveQPaintersPixels) {
    // Slopes with long runs and clipping at distances where the rounding of
    // the clipped ends matters.
    const QSize size(64, 48);
    unsigned seed = 2024;
    auto next = [&seed](int low, int high) {
        seed = seed * 1103515245u + 12345u;
        return low + static_cast<int>((seed >> 8) % static_cast<unsigned>(high - low + 1));
    };
    RedOnGrey canvas(size);
    int failures = 0;
    for (int i = 0; i < 4000; ++i) {
        const int reach = i % 2 == 0 ? 400 : 100000;
        const QLine line(next(-reach, reach), next(-reach, reach), next(-20, 84), next(-20, 68));
        canvas.clear();
        drawOn(canvas, line);
        const std::string diff = differences(canvas.image(), paintedByQPainter(size, {line}));
        if (!diff.empty() && failures++ < 10) ADD_FAILURE() << describe(line) << ": " << diff;
    }
    EXPECT_EQ(failures, 0);
}

TEST(CanvasLines, AProfileDrawnInOneRunHasQPaintersPixels) {
    // A profile as the graphs draw it: many points a pixel or less apart,
    // passing out of the image and back.
    const QSize size(200, 120);
    std::vector<QPoint> points;
    std::vector<QLine> lines;
    QPoint previous(-4, 60);
    for (int i = 0; i <= 1000; ++i) {
        const QPoint point(-4 + i * 208 / 1000, 60 + static_cast<int>(70.0 * std::sin(i / 60.0)));
        points.push_back(point);
        lines.emplace_back(previous, point);
        previous = point;
    }
    RedOnGrey canvas(size);
    canvas.moveTo(-4, 60);
    canvas.lineThrough(points);
    const QImage expected = paintedByQPainter(size, lines);
    EXPECT_EQ(differences(canvas.image(), expected), "");
    EXPECT_GT(redPixels(expected).size(), 200u) << "the profile crosses the image";
}

TEST(CanvasLines, TheRuleSetsTheseExactPixels) {
    struct Case {
        QLine line;
        std::vector<QPoint> pixels;  // in rows from the top, each from the left
    };
    // clang-format off
    const std::vector<Case> cases{
        {{1, 1, 6, 3}, {{1, 1}, {2, 1}, {3, 1}, {4, 2}, {5, 2}, {6, 3}}},
        {{6, 3, 1, 1}, {{1, 1}, {2, 1}, {3, 1}, {4, 2}, {5, 2}, {6, 3}}},
        {{1, 5, 11, 2},
         {{8, 2}, {9, 2}, {10, 2}, {11, 2}, {5, 3}, {6, 3}, {7, 3}, {2, 4}, {3, 4}, {4, 4}, {1, 5}}},
        {{2, 1, 5, 10},
         {{2, 1}, {2, 2}, {2, 3}, {3, 4}, {3, 5}, {3, 6}, {4, 7}, {4, 8}, {4, 9}, {5, 10}}},
        {{5, 1, 2, 10},
         {{5, 1}, {4, 2}, {4, 3}, {4, 4}, {3, 5}, {3, 6}, {3, 7}, {2, 8}, {2, 9}, {2, 10}}},
        {{8, 1, 1, 8}, {{8, 1}, {7, 2}, {6, 3}, {5, 4}, {4, 5}, {3, 6}, {2, 7}, {1, 8}}},
        {{3, 3, 4, 5}, {{3, 3}, {3, 4}, {4, 5}}},
        {{3, 3, 5, 4}, {{3, 3}, {4, 3}, {5, 4}}},
        {{0, 0, 1, 1}, {{0, 0}, {1, 1}}},
        {{7, 7, 7, 7}, {{7, 7}}},
        {{-5, 3, 6, 8}, {{0, 5}, {1, 5}, {2, 6}, {3, 6}, {4, 7}, {5, 7}, {6, 8}}},
        {{7, 5, 7, INT_MIN}, {{7, 0}, {7, 1}, {7, 2}, {7, 3}, {7, 4}, {7, 5}}},
        {{-20, 40, 40, -20}, {{15, 5}, {14, 6}, {13, 7}, {12, 8}, {11, 9}, {10, 10}, {9, 11}}},
        {{-5, 2, 2, -5}, {}},
        {{16, 12, 20, 20}, {}},
    };
    // clang-format on
    for (const Case& c : cases) {
        RedOnGrey canvas(kSmall);
        drawOn(canvas, c.line);
        const std::vector<QPoint> pixels = redPixels(canvas.image());
        EXPECT_EQ(pixels, c.pixels) << describe(c.line);
    }
}

TEST(CanvasLines, LinesKeepToTheImageAndItsRows) {
    // A line leaving the image on the right sets nothing on the next row's
    // left edge, which follows it in memory.
    const QSize size(16, 12);
    RedOnGrey canvas(size);
    drawOn(canvas, QLine(10, 4, 40, 4));
    drawOn(canvas, QLine(-30, 8, 5, 8));
    const QImage image = canvas.image();
    EXPECT_EQ(rgbOf(image, 15, 4), kRed);
    EXPECT_EQ(rgbOf(image, 0, 5), kGrey);
    EXPECT_EQ(rgbOf(image, 0, 8), kRed);
    EXPECT_EQ(rgbOf(image, 15, 7), kGrey);
    EXPECT_EQ(redPixels(image).size(), 6u + 6u);
}

}  // namespace
}  // namespace calorvia::platform_qt
