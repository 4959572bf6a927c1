#include "platform_qt/canvas.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <cmath>

#include "platform_qt/font_descriptor.h"

namespace calorvia::platform_qt {
namespace {

QRect boxOf(int x1, int y1, int x2, int y2) {
    return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                 QPoint(std::max(x1, x2), std::max(y1, y2)));
}

// Pixel-exact drawing: no smoothing, a one-pixel pen that covers the last
// pixel of a line as well as the first.
void preparePainter(QPainter& painter, const QColor& colour) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(colour);
    pen.setWidth(1);
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
}

}  // namespace

QColor toQColor(platform::Rgb colour) {
    return QColor(static_cast<int>(platform::redOf(colour)),
                  static_cast<int>(platform::greenOf(colour)),
                  static_cast<int>(platform::blueOf(colour)));
}

Canvas::Canvas(QSize size) : image_(size, QImage::Format_RGB32) {
    image_.fill(toQColor(background_));
    font_.setPixelSize(16);
}

void Canvas::resize(QSize size) {
    {
        std::lock_guard lock(mutex_);
        image_ = QImage(size, QImage::Format_RGB32);
        image_.fill(toQColor(background_));
    }
    changed();
}

QSize Canvas::size() const {
    std::lock_guard lock(mutex_);
    return image_.size();
}

QImage Canvas::image() const {
    std::lock_guard lock(mutex_);
    return image_.copy();
}

QImage Canvas::image(QRect region) const {
    std::lock_guard lock(mutex_);
    return image_.copy(region.intersected(image_.rect()));
}

void Canvas::paint(QPainter& painter, QRect region) const {
    std::lock_guard lock(mutex_);
    painter.drawImage(region.topLeft(), image_, region);
}

void Canvas::setChangeHandler(std::function<void()> handler) {
    std::lock_guard lock(mutex_);
    changeHandler_ = std::move(handler);
}

void Canvas::changed() {
    std::function<void()> handler;
    {
        std::lock_guard lock(mutex_);
        handler = changeHandler_;
    }
    if (handler) handler();
}

QColor Canvas::drawingColour() const {
    return toQColor(colourByIndex_ ? palette_[static_cast<std::size_t>(colourIndex_)] : colourRgb_);
}

void Canvas::remapPalette(const platform::Palette& palette) {
    std::lock_guard lock(mutex_);
    palette_ = palette;
}

void Canvas::setColorIndex(int index) {
    std::lock_guard lock(mutex_);
    colourByIndex_ = true;
    // Only the low four bits choose an entry, so no index can leave the
    // palette.
    colourIndex_ = index & (platform::kPaletteSize - 1);
}

void Canvas::setColorRgb(platform::Rgb colour) {
    std::lock_guard lock(mutex_);
    colourByIndex_ = false;
    colourRgb_ = colour & 0xFFFFFFu;
}

void Canvas::setBackgroundRgb(platform::Rgb colour) {
    std::lock_guard lock(mutex_);
    background_ = colour & 0xFFFFFFu;
}

void Canvas::clear() {
    {
        std::lock_guard lock(mutex_);
        image_.fill(toQColor(background_));
    }
    changed();
}

void Canvas::moveTo(int x, int y) {
    std::lock_guard lock(mutex_);
    current_ = QPoint(x, y);
}

void Canvas::lineTo(int x, int y) {
    {
        std::lock_guard lock(mutex_);
        const QPoint end(x, y);
        QPainter painter(&image_);
        preparePainter(painter, drawingColour());
        painter.drawLine(current_, end);
        // Both ends belong to the line whatever the raster engine decides.
        painter.drawPoint(current_);
        painter.drawPoint(end);
        current_ = end;
    }
    changed();
}

void Canvas::drawRectangle(platform::FillMode fill, int x1, int y1, int x2, int y2) {
    {
        std::lock_guard lock(mutex_);
        const QRect box = boxOf(x1, y1, x2, y2);
        QPainter painter(&image_);
        const QColor colour = drawingColour();
        if (fill == platform::FillMode::Filled) {
            painter.fillRect(box, colour);
        } else {
            preparePainter(painter, colour);
            // An outlined rectangle of width w covers w + 1 pixels.
            painter.drawRect(box.adjusted(0, 0, -1, -1));
        }
    }
    changed();
}

void Canvas::drawEllipse(platform::FillMode fill, int x1, int y1, int x2, int y2) {
    {
        std::lock_guard lock(mutex_);
        const QRect box = boxOf(x1, y1, x2, y2);
        QPainter painter(&image_);
        const QColor colour = drawingColour();
        preparePainter(painter, colour);
        painter.setBrush(fill == platform::FillMode::Filled ? QBrush(colour) : QBrush());
        painter.drawEllipse(box.adjusted(0, 0, -1, -1));
    }
    changed();
}

void Canvas::setTextRotation(int tenthsOfDegree) {
    std::lock_guard lock(mutex_);
    rotation_ = tenthsOfDegree;
}

void Canvas::outText(std::string_view text) {
    {
        std::lock_guard lock(mutex_);
        QPainter painter(&image_);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        painter.setPen(drawingColour());
        painter.setFont(font_);
        painter.translate(current_);
        // Positive rotation turns the text counter-clockwise on the screen,
        // whose y axis points down.
        painter.rotate(-rotation_ / 10.0);
        const QFontMetricsF metrics(font_);
        painter.drawText(QPointF(0.0, metrics.ascent()),
                         QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
    changed();
}

int Canvas::selectFont(std::string_view descriptor) {
    const auto wanted = parseFontDescriptor(descriptor);
    if (!wanted) return -1;
    QFont font(QString::fromStdString(wanted->face));
    font.setPixelSize(wanted->height);
    font.setItalic(wanted->italic);
    if (wanted->width > 0) {
        // A requested average width stretches or narrows the face.
        const double natural = QFontMetricsF(font).averageCharWidth();
        if (natural > 0.0) {
            const long stretch = std::lround(100.0 * wanted->width / natural);
            font.setStretch(static_cast<int>(std::clamp(stretch, 1L, 4000L)));
        }
    }
    // Fontconfig stands in a near face for a missing one; only when it has
    // none at all is the request refused.
    if (QFontInfo(font).family().isEmpty()) return -1;
    std::lock_guard lock(mutex_);
    font_ = font;
    return 0;
}

QFont Canvas::font() const {
    std::lock_guard lock(mutex_);
    return font_;
}

void Canvas::drawPicture(const QImage& picture, int x, int y) {
    {
        std::lock_guard lock(mutex_);
        QPainter painter(&image_);
        painter.drawImage(QPoint(x, y), picture);
    }
    changed();
}

}  // namespace calorvia::platform_qt
