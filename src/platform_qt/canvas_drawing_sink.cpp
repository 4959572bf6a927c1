#include "platform_qt/canvas_drawing_sink.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>

namespace calorvia::platform_qt {

// Enough for a profile of the largest grid; the buffer is then drawn.
constexpr std::size_t kMaxPendingLines = 4096;

void CanvasDrawingSink::flushLines() {
    canvas_.lineThrough(pendingLines_);
    pendingLines_.clear();
}

void CanvasDrawingSink::remapPalette(const platform::Palette& palette) {
    flushLines();
    canvas_.remapPalette(palette);
}
void CanvasDrawingSink::setColorIndex(int index) {
    flushLines();
    canvas_.setColorIndex(index);
}
void CanvasDrawingSink::setColorRgb(platform::Rgb colour) {
    flushLines();
    canvas_.setColorRgb(colour);
}
void CanvasDrawingSink::setBackgroundRgb(platform::Rgb colour) {
    flushLines();
    canvas_.setBackgroundRgb(colour);
}
void CanvasDrawingSink::clearScreen() {
    pendingLines_.clear();  // covered by the clearing anyway
    canvas_.clear();
}
void CanvasDrawingSink::moveTo(int x, int y) {
    flushLines();
    canvas_.moveTo(x, y);
}
void CanvasDrawingSink::lineTo(int x, int y) {
    pendingLines_.emplace_back(x, y);
    if (pendingLines_.size() >= kMaxPendingLines) flushLines();
}
void CanvasDrawingSink::drawRectangle(platform::FillMode fill, int x1, int y1, int x2, int y2) {
    flushLines();
    canvas_.drawRectangle(fill, x1, y1, x2, y2);
}
void CanvasDrawingSink::drawEllipse(platform::FillMode fill, int x1, int y1, int x2, int y2) {
    flushLines();
    canvas_.drawEllipse(fill, x1, y1, x2, y2);
}
void CanvasDrawingSink::setTextRotation(int tenthsOfDegree) {
    flushLines();
    canvas_.setTextRotation(tenthsOfDegree);
}
void CanvasDrawingSink::outText(std::string_view text) {
    flushLines();
    canvas_.outText(text);
}
std::optional<platform::PixelSize> CanvasDrawingSink::textExtent(std::string_view text) {
    return canvas_.textExtent(text);
}

int CanvasDrawingSink::selectFont(std::string_view descriptor) {
    flushLines();
    return canvas_.selectFont(descriptor);
}

bool CanvasDrawingSink::showBitmap(std::string_view path, int x, int y) {
    flushLines();
    QImage picture;
    if (!picture.load(QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())))) {
        return false;
    }
    canvas_.drawPicture(picture, x, y);
    return true;
}

QImage CanvasDrawingSink::image() {
    flushLines();
    return canvas_.image();
}

bool CanvasDrawingSink::savePng(const QString& path) {
    return image().save(path, "PNG");
}

// The pixels embedded as a PNG image: the picture is the canvas's, not a
// second drawing of the graph.
bool CanvasDrawingSink::saveSvg(const QString& path) {
    const QImage pixels = image();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!pixels.save(&buffer, "PNG")) return false;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const QByteArray width = QByteArray::number(pixels.width());
    const QByteArray height = QByteArray::number(pixels.height());
    const QByteArray svg =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\""
        " width=\"" +
        width + "\" height=\"" + height + "\" viewBox=\"0 0 " + width + " " + height +
        "\">\n<image width=\"" + width + "\" height=\"" + height +
        "\" xlink:href=\"data:image/png;base64," + png.toBase64() + "\"/>\n</svg>\n";
    return file.write(svg) == svg.size() && file.flush();
}

}  // namespace calorvia::platform_qt
