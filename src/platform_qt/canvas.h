#pragma once
// The graphics area's pixels and drawing state.
//
// Any thread may draw: the program's main thread draws its graphs while the
// GUI thread paints them and menu commands write their notices. Every
// operation takes the canvas lock, so a drawing call never waits for the GUI
// thread, only for another drawing call or a paint in progress. After each
// change the canvas calls its change handler, which schedules a repaint.
//
// Colours follow the palette rule: a colour chosen by index is looked up
// when something is drawn, so a remapped palette changes later drawing and
// leaves the pixels already drawn as they are.

#include <QFont>
#include <QImage>
#include <QRect>
#include <functional>
#include <mutex>
#include <span>
#include <string_view>

#include "platform/platform.h"

class QPainter;

namespace calorvia::platform_qt {

class Canvas {
public:
    explicit Canvas(QSize size);

    // A new, cleared area of `size`; the drawing state is kept.
    void resize(QSize size);
    QSize size() const;
    // A copy of the pixels, whole or of `region` (clipped to the area).
    QImage image() const;
    QImage image(QRect region) const;
    // Paints the part `region` of the area at the same place on `painter`.
    void paint(QPainter& painter, QRect region) const;

    void setChangeHandler(std::function<void()> handler);

    void remapPalette(const platform::Palette& palette);
    void setColorIndex(int index);
    void setColorRgb(platform::Rgb colour);
    void setBackgroundRgb(platform::Rgb colour);
    void clear();
    void moveTo(int x, int y);
    // Lines in the canvas pen (aliased, one pixel, both ends) are written
    // straight into the image with the raster engine's pixels; see canvas.cpp.
    void lineTo(int x, int y);
    // lineTo to each point in turn: the same pixels as the single calls,
    // without their per-call locking and set-up.
    void lineThrough(std::span<const QPoint> points);
    void drawRectangle(platform::FillMode fill, int x1, int y1, int x2, int y2);
    void drawEllipse(platform::FillMode fill, int x1, int y1, int x2, int y2);
    void setTextRotation(int tenthsOfDegree);
    void outText(std::string_view text);
    // How far right of and below the current point outText draws `text`
    // (horizontal), its ink and the anti-aliased edge included.
    platform::PixelSize textExtent(std::string_view text) const;
    // -1 when the descriptor is unreadable or no face can be had.
    int selectFont(std::string_view descriptor);
    void drawPicture(const QImage& picture, int x, int y);

    // The font in use, for tests.
    QFont font() const;

private:
    QColor drawingColour() const;  // with the lock held
    void changed();

    mutable std::mutex mutex_;
    QImage image_;
    platform::Palette palette_ = platform::kDefaultPalette;
    bool colourByIndex_ = true;
    int colourIndex_ = 15;
    platform::Rgb colourRgb_ = 0;
    platform::Rgb background_ = 0;
    QPoint current_;
    int rotation_ = 0;
    QFont font_;
    std::function<void()> changeHandler_;
};

QColor toQColor(platform::Rgb colour);

}  // namespace calorvia::platform_qt
