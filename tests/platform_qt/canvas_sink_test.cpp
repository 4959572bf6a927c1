// The canvas as calorvia-batch's drawing sink: the same pixels as the
// desktop canvas drawn call by call, and pictures that hold them.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "platform_qt/canvas.h"
#include "platform_qt/canvas_drawing_sink.h"

namespace calorvia::platform_qt {
namespace {

// A zigzag profile in two colours with a move in between, as a run draws.
template <typename Target>
void drawProfiles(Target& target) {
    target.setColorIndex(12);
    target.moveTo(10, 100);
    for (int i = 1; i <= 150; ++i) target.lineTo(10 + 2 * i, 100 + ((i * 37) % 61) - 30);
    target.setColorRgb(platform::rgb(0, 0, 255));
    target.moveTo(5, 20);
    for (int i = 1; i <= 80; ++i) target.lineTo(5 + 3 * i, 20 + (i % 7) * 9);
    target.drawRectangle(platform::FillMode::Border, 50, 50, 90, 70);
    target.lineTo(300, 190);  // continues from where the last line ended
    // Lines of every slope and direction, some leaving the area.
    target.setColorIndex(2);
    unsigned seed = 12345;
    auto next = [&seed](int range) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 16) % static_cast<unsigned>(range));
    };
    for (int i = 0; i < 600; ++i) target.lineTo(next(360) - 20, next(240) - 20);
}

struct CallByCall {
    Canvas canvas{QSize(320, 200)};
    void setColorIndex(int index) { canvas.setColorIndex(index); }
    void setColorRgb(platform::Rgb colour) { canvas.setColorRgb(colour); }
    void moveTo(int x, int y) { canvas.moveTo(x, y); }
    void lineTo(int x, int y) { canvas.lineTo(x, y); }
    void drawRectangle(platform::FillMode fill, int x1, int y1, int x2, int y2) {
        canvas.drawRectangle(fill, x1, y1, x2, y2);
    }
};

TEST(CanvasDrawingSink, GatheredLinesGiveTheSamePixelsAsSingleCalls) {
    CallByCall reference;
    drawProfiles(reference);
    CanvasDrawingSink sink(QSize(320, 200));
    drawProfiles(sink);
    const QImage expected = reference.canvas.image();
    const QImage drawn = sink.image();
    ASSERT_EQ(drawn.size(), expected.size());
    EXPECT_TRUE(drawn == expected);
    // Something was drawn at all.
    EXPECT_NE(drawn, CanvasDrawingSink(QSize(320, 200)).image());
}

TEST(CanvasDrawingSink, PicturesHoldTheCanvasPixels) {
    CanvasDrawingSink sink(QSize(64, 48));
    sink.setColorIndex(12);
    sink.moveTo(0, 0);
    sink.lineTo(63, 47);
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString png = folder.filePath(QStringLiteral("graph.png"));
    const QString svg = folder.filePath(QStringLiteral("graph.svg"));
    ASSERT_TRUE(sink.savePng(png));
    ASSERT_TRUE(sink.saveSvg(svg));
    EXPECT_EQ(QImage(png).convertToFormat(QImage::Format_RGB32), sink.image());
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("width=\"64\" height=\"48\""));
    EXPECT_TRUE(text.contains("data:image/png;base64,"));
    EXPECT_FALSE(sink.savePng(folder.filePath(QStringLiteral("missing/graph.png"))));
}

}  // namespace
}  // namespace calorvia::platform_qt
