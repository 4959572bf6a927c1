#pragma once
// The desktop window's raster canvas as a DrawingSink, so that a headless run
// draws its pictures with the same renderer as the window, and saves them.
// Needs a QGuiApplication for its fonts.
//
// A profile is a long run of lineTo calls; they are gathered and drawn with
// one painter when anything else comes (the same pixels, far fewer painter
// set-ups).

#include <QPoint>
#include <QString>
#include <vector>

#include "platform/headless_platform.h"
#include "platform_qt/canvas.h"

namespace calorvia::platform_qt {

class CanvasDrawingSink final : public platform::DrawingSink {
public:
    explicit CanvasDrawingSink(QSize size) : canvas_(size) {}

    void remapPalette(const platform::Palette& palette) override;
    void setColorIndex(int index) override;
    void setColorRgb(platform::Rgb colour) override;
    void setBackgroundRgb(platform::Rgb colour) override;
    void clearScreen() override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void drawRectangle(platform::FillMode fill, int x1, int y1, int x2, int y2) override;
    void drawEllipse(platform::FillMode fill, int x1, int y1, int x2, int y2) override;
    void setTextRotation(int tenthsOfDegree) override;
    void outText(std::string_view text) override;
    int selectFont(std::string_view descriptor) override;
    std::optional<platform::PixelSize> textExtent(std::string_view text) override;
    bool showBitmap(std::string_view path, int x, int y) override;

    // The graphics area as drawn so far.
    QImage image();
    // The graphics area as a PNG file; false when it cannot be written.
    bool savePng(const QString& path);
    // The graphics area as an SVG file holding the same pixels.
    bool saveSvg(const QString& path);

private:
    void flushLines();

    Canvas canvas_;
    std::vector<QPoint> pendingLines_;
};

}  // namespace calorvia::platform_qt
