#include "shell/home_screen.h"
#include "text/text_file.h"

#include <string>

namespace calorvia::shell {
namespace {

using platform::FillMode;
using platform::Rgb;
using platform::rgb;

constexpr int kDesignWidth = 800;
constexpr int kDesignHeight = 600;

constexpr Rgb kBlack = rgb(0, 0, 0);
constexpr Rgb kWhite = rgb(255, 255, 255);
constexpr Rgb kDarkGrey = rgb(128, 128, 128);
constexpr Rgb kLightGrey = rgb(224, 224, 224);
constexpr Rgb kTitleHighlight = rgb(208, 208, 208);

// The panel's corners relative to the origin; its face starts four pixels in.
constexpr int kPanelLeft = 10;
constexpr int kPanelTop = 10;
constexpr int kPanelRight = 755;
constexpr int kPanelBottom = 280;
constexpr int kFaceInset = 4;

constexpr std::string_view kTitle = "Calorvia";

// One ring of the bevel `inset` pixels inside the panel's outline: its top
// and left edges in one colour, its bottom and right edges in another.
void bevelRing(platform::Platform& platform, LayoutOrigin o, int inset, Rgb topLeft,
               Rgb bottomRight) {
    const int left = o.x + kPanelLeft + inset;
    const int top = o.y + kPanelTop + inset;
    const int right = o.x + kPanelRight - inset;
    const int bottom = o.y + kPanelBottom - inset;
    platform.setColorRgb(topLeft);
    platform.moveTo(left, bottom);
    platform.lineTo(left, top);
    platform.lineTo(right, top);
    platform.setColorRgb(bottomRight);
    platform.lineTo(right, bottom);
    platform.lineTo(left, bottom);
}

// The panel: a grey outline, an etched groove (a ring dark at the top left
// and light at the bottom right, then the opposite one), a ring in the
// face's grey, then the face with the pictures.
void drawPanel(platform::Platform& platform, LayoutOrigin o, const DataFolders& folders) {
    platform.setColorRgb(kDarkGrey);
    platform.drawRectangle(FillMode::Border, o.x + kPanelLeft, o.y + kPanelTop, o.x + kPanelRight,
                           o.y + kPanelBottom);
    bevelRing(platform, o, 1, kBlack, kWhite);
    bevelRing(platform, o, 2, kWhite, kBlack);
    bevelRing(platform, o, 3, PanelGrey, PanelGrey);
    drawGeometryPictures(platform, o, folders);
}

// The title, black with a light copy three pixels down and right, in the
// first title font that can be had (the current font when none can).
void drawTitle(platform::Platform& platform, int tx, int ty) {
    platform::selectFirstFont(platform, TitleFonts);
    platform.setColorRgb(kBlack);
    platform.moveTo(tx + 175, ty + 340);
    platform.outText(kTitle);
    platform.setColorRgb(kTitleHighlight);
    platform.moveTo(tx + 178, ty + 343);
    platform.outText(kTitle);
}

// The equation's frame, raised: light on the top and left inside, dark on
// the bottom and right, and one pixel further out white over black.
void drawEquation(platform::Platform& platform, int tx, int ty, const DataFolders& folders) {
    platform.setColorRgb(kLightGrey);
    platform.moveTo(tx + 269, ty + 309);
    platform.lineTo(tx + 269, ty + 249);
    platform.lineTo(tx + 633, ty + 249);
    platform.setColorRgb(kDarkGrey);
    platform.lineTo(tx + 633, ty + 309);
    platform.lineTo(tx + 269, ty + 309);

    platform.setColorIndex(15);
    platform.moveTo(tx + 268, ty + 310);
    platform.lineTo(tx + 268, ty + 248);
    platform.lineTo(tx + 634, ty + 248);
    platform.setColorIndex(0);
    platform.lineTo(tx + 634, ty + 310);
    platform.lineTo(tx + 268, ty + 310);

    platform.showBitmap(text::utf8FromPath(folders.picture(EquationPicture)), tx + 270, ty + 250);
}

}  // namespace

LayoutOrigin layoutOrigin(platform::PixelSize window) {
    if (window.width <= kDesignWidth) return {2, 2};
    return {(window.width - kDesignWidth) / 2 + 2, (window.height - kDesignHeight) / 2 + 2};
}

void drawGeometryPictures(platform::Platform& platform, LayoutOrigin o,
                          const DataFolders& folders) {
    platform.setColorRgb(PanelGrey);
    platform.drawRectangle(FillMode::Filled, o.x + kPanelLeft + kFaceInset,
                           o.y + kPanelTop + kFaceInset, o.x + kPanelRight - kFaceInset,
                           o.y + kPanelBottom - kFaceInset);
    platform.showBitmap(text::utf8FromPath(folders.picture(CylinderPicture)), o.x + 210, o.y + 135);
    platform.showBitmap(text::utf8FromPath(folders.picture(WallPicture)), o.x + 367, o.y + 40);
    platform.showBitmap(text::utf8FromPath(folders.picture(SpherePicture)), o.x + 320, o.y + 85);
}

void drawHomeScreen(platform::Platform& platform, platform::PixelSize window,
                    const DataFolders& folders) {
    drawPanel(platform, layoutOrigin(window), folders);

    // The title and the equation have an origin of their own.
    const bool wide = window.width > kDesignWidth;
    const int tx = wide ? (window.width - kDesignWidth) / 2 - 65 : -65;
    int ty = wide ? window.height - 550 : 50;
    drawTitle(platform, tx, ty);
    ty += 10;
    drawEquation(platform, tx, ty, folders);

    platform.pause(50);
    platform.remapPalette(HomePalette);
    platform.pause(100);
}

}  // namespace calorvia::shell
