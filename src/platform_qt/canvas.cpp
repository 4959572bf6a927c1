#include "platform_qt/canvas.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QLine>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

#include "platform/font_descriptor.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define CALORVIA_CLEAR_UPPER_VECTOR_STATE 1
#endif

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

// Direct line drawing.
//
// Profiles are thousands of segments mostly 0 or 1 pixel long, where setting
// up the raster engine for each one costs far more than its pixels. Lines in
// the canvas pen (aliased, one pixel, one opaque colour, both ends set) are
// therefore written straight into the image by the rule below, which is the
// raster engine's own rule for that pen, so that a picture is the same
// whichever way a line reached it; platform_qt_tests compare the two pixel
// for pixel.
//
// The rule: the ends are converted to 26.6 fixed point and each is pushed
// half a pixel outwards along the longer axis (the square cap). Every pixel
// row (column) whose centre lies in that stretch gets one pixel, at the
// 16.16 position of the line on it, stepped by a truncated 16.16 slope.
// Lines reaching outside the image are first clipped in double precision to
// one pixel beyond it on each side, then drawn pixel by pixel with the
// pixels outside left out; clipping with the same arithmetic keeps their
// visible part the same as well.

// Larger images would overflow the 16.16 positions; they go through QPainter.
constexpr int kDirectLineLimit = 16384;

struct LineTarget {
    std::uint32_t* bits;
    qsizetype pixelsPerLine;
    int width;
    int height;
    std::uint32_t pixel;

    bool contains(int x, int y) const { return x >= 0 && x < width && y >= 0 && y < height; }
    void set(int x, int y) const { bits[static_cast<qsizetype>(y) * pixelsPerLine + x] = pixel; }
    void setClipped(int x, int y) const {
        if (contains(x, y)) set(x, y);
    }
};

// a / b in 16.16 fixed point, truncated; 64 bits only where 32 would
// overflow, the division being the costly step for short segments.
int fixedRatio(int a, int b) {
    if (std::abs(a) > 0x7fff) {
        return static_cast<int>(static_cast<std::int64_t>(a) * 65536 / b);
    }
    return a * 65536 / b;
}

int toFixed26Dot6(double value) {
    return static_cast<int>(value * 64.0);
}

// One pixel per row or column between the ends, given in 26.6 fixed point.
// Without `clip`, every pixel must lie in the image: true when both ends do,
// for then every pixel lies in the box of the ends.
template <bool clip>
void strokeFixed(const LineTarget& target, int x1, int y1, int x2, int y2) {
    const auto plot = [&target](int x, int y) {
        if constexpr (clip) {
            target.setClipped(x, y);
        } else {
            target.set(x, y);
        }
    };
    if (std::abs(x2 - x1) < std::abs(y2 - y1)) {
        // Steep: one pixel per row, from top to bottom.
        if (y1 > y2) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        const int step = fixedRatio(x2 - x1, y2 - y1);
        int x = x1 * 1024 - (step >> 1);
        y1 -= 32;
        y2 += 32;
        int y = (y1 + 32) >> 6;
        const int end = (y2 + 32) >> 6;
        if (y == end) return;
        x += ((y * 64) + (step > 0 ? 32 : 0) - y1) * step >> 6;
        do {
            plot(x >> 16, y);
            x += step;
        } while (++y < end);
    } else {
        // Shallow or diagonal: one pixel per column, from left to right.
        if (x1 == x2) return;
        if (x1 > x2) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        const int step = fixedRatio(y2 - y1, x2 - x1);
        int y = y1 * 1024 - (step >> 1);
        x1 -= 32;
        x2 += 32;
        int x = (x1 + 32) >> 6;
        const int end = (x2 + 32) >> 6;
        if (x == end) return;
        y += ((x * 64) + (step > 0 ? 32 : 0) - x1) * step >> 6;
        do {
            plot(x, y >> 16);
            y += step;
        } while (++x < end);
    }
}

// Clips the line to one pixel beyond the image on every side; false when
// nothing of it is left. The arithmetic and its order are the raster
// engine's, so that a clipped line has the same pixels either way.
bool clipLine(const LineTarget& target, double& x1, double& y1, double& x2, double& y2) {
    const double xmin = -1.0;
    const double xmax = target.width + 1.0;
    const double ymin = -1.0;
    const double ymax = target.height + 1.0;
    if (x1 < xmin) {
        if (x2 <= xmin) return false;
        y1 += (y2 - y1) / (x2 - x1) * (xmin - x1);
        x1 = xmin;
    } else if (x1 > xmax) {
        if (x2 >= xmax) return false;
        y1 += (y2 - y1) / (x2 - x1) * (xmax - x1);
        x1 = xmax;
    }
    if (x2 < xmin) {
        y2 += (y2 - y1) / (x2 - x1) * (xmin - x2);
        x2 = xmin;
    } else if (x2 > xmax) {
        y2 += (y2 - y1) / (x2 - x1) * (xmax - x2);
        x2 = xmax;
    }
    if (y1 < ymin) {
        if (y2 <= ymin) return false;
        x1 += (x2 - x1) / (y2 - y1) * (ymin - y1);
        y1 = ymin;
    } else if (y1 > ymax) {
        if (y2 >= ymax) return false;
        x1 += (x2 - x1) / (y2 - y1) * (ymax - y1);
        y1 = ymax;
    }
    if (y2 < ymin) {
        x2 += (x2 - x1) / (y2 - y1) * (ymin - y2);
        y2 = ymin;
    } else if (y2 > ymax) {
        x2 += (x2 - x1) / (y2 - y1) * (ymax - y2);
        y2 = ymax;
    }
    return true;
}

// The line from `from` to `to` with both ends.
void drawLineDirect(const LineTarget& target, QPoint from, QPoint to) {
    if (from != to) {
        if (target.contains(from.x(), from.y()) && target.contains(to.x(), to.y())) {
            strokeFixed<false>(target, from.x() * 64, from.y() * 64, to.x() * 64, to.y() * 64);
            target.set(from.x(), from.y());
            target.set(to.x(), to.y());
            return;
        }
        double x1 = from.x();
        double y1 = from.y();
        double x2 = to.x();
        double y2 = to.y();
        if (clipLine(target, x1, y1, x2, y2)) {
            strokeFixed<true>(target, toFixed26Dot6(x1), toFixed26Dot6(y1), toFixed26Dot6(x2),
                              toFixed26Dot6(y2));
        }
    }
    target.setClipped(from.x(), from.y());
    target.setClipped(to.x(), to.y());
}

bool drawsLinesDirectly(const QImage& image) {
    return image.format() == QImage::Format_RGB32 && image.width() <= kDirectLineLimit &&
           image.height() <= kDirectLineLimit;
}

// With the canvas lock held: bits() may detach the image.
LineTarget lineTargetOf(QImage& image, const QColor& colour) {
    return LineTarget{reinterpret_cast<std::uint32_t*>(image.bits()), image.bytesPerLine() / 4,
                      image.width(), image.height(), static_cast<std::uint32_t>(colour.rgb())};
}

#ifdef CALORVIA_CLEAR_UPPER_VECTOR_STATE
__attribute__((target("avx"))) void zeroUpperHalves() {
    _mm256_zeroupper();
}
#endif

// Qt's raster code (filling, painting) may pick wide vector instructions at
// run time and return with the upper halves of the vector registers still
// in use. Until something clears them, the processor runs every ordinary
// SSE instruction of the caller several times slower: after the first
// cleared canvas a 10,000-step run spent twice as long in its numerics. So
// the canvas clears them before it hands control back, on the drawing
// thread, which is also the thread that computes.
void releaseVectorState() {
#ifdef CALORVIA_CLEAR_UPPER_VECTOR_STATE
    static const bool hasAvx = __builtin_cpu_supports("avx") != 0;
    if (hasAvx) zeroUpperHalves();
#endif
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
    releaseVectorState();
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

// Every change of the pixels ends here, on the thread that drew.
void Canvas::changed() {
    releaseVectorState();
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
        if (drawsLinesDirectly(image_)) {
            drawLineDirect(lineTargetOf(image_, drawingColour()), current_, end);
        } else {
            QPainter painter(&image_);
            preparePainter(painter, drawingColour());
            painter.drawLine(current_, end);
            // Both ends belong to the line whatever the raster engine decides.
            painter.drawPoint(current_);
            painter.drawPoint(end);
        }
        current_ = end;
    }
    changed();
}

void Canvas::lineThrough(std::span<const QPoint> points) {
    if (points.empty()) return;
    {
        std::lock_guard lock(mutex_);
        if (drawsLinesDirectly(image_)) {
            const LineTarget target = lineTargetOf(image_, drawingColour());
            for (const QPoint& end : points) {
                drawLineDirect(target, current_, end);
                current_ = end;
            }
        } else {
            // One colour, opaque, no smoothing: the order in which the pixels
            // are set does not matter, and a shared end needs setting only once.
            std::vector<QLine> lines;
            std::vector<QPoint> ends;
            lines.reserve(points.size());
            ends.reserve(points.size() + 1);
            ends.push_back(current_);
            for (const QPoint& end : points) {
                lines.emplace_back(current_, end);
                ends.push_back(end);
                current_ = end;
            }
            QPainter painter(&image_);
            preparePainter(painter, drawingColour());
            painter.drawLines(lines.data(), static_cast<int>(lines.size()));
            painter.drawPoints(ends.data(), static_cast<int>(ends.size()));
        }
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

platform::PixelSize Canvas::textExtent(std::string_view text) const {
    if (text.empty()) return {0, 0};
    QFont font;
    {
        std::lock_guard lock(mutex_);
        font = font_;
    }
    const QFontMetricsF metrics(font);
    const QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    // The pen advances by the advance width, but a glyph's ink may reach
    // beyond it; anti-aliasing tints one more pixel. Text hangs from the
    // current point by the font's ascent, down to its glyphs' lowest ink.
    const QRectF glyphs = metrics.boundingRect(shown);
    const double right = std::max(metrics.horizontalAdvance(shown), glyphs.right());
    const double bottom = metrics.ascent() + std::max(glyphs.bottom(), metrics.descent());
    return {static_cast<int>(std::ceil(right)) + 1, static_cast<int>(std::ceil(bottom)) + 1};
}

int Canvas::selectFont(std::string_view descriptor) {
    const auto wanted = platform::parseFontDescriptor(descriptor);
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
