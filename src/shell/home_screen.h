#pragma once
// The home screen: the grey panel with the three geometry pictures, the
// program's title and the framed picture of the equation it solves. Drawn
// at start-up and whenever the graphics area is cleared (Clear Screen, a
// cancelled or failed run, the end of the case entry).
//
// The design is 800 x 600 pixels, placed by the layout origin.

#include <array>
#include <string_view>

#include "platform/platform.h"
#include "shell/data_folders.h"

namespace calorvia::shell {

struct LayoutOrigin {
    int x = 0;
    int y = 0;
    friend bool operator==(const LayoutOrigin&, const LayoutOrigin&) = default;
};

// (2, 2) on a graphics window at most 800 pixels wide, else the 800 x 600
// design centred: ((W - 800)/2 + 2, (H - 600)/2 + 2) in integer division.
LayoutOrigin layoutOrigin(platform::PixelSize window);

// The palette loaded at the end of every home-screen drawing.
inline constexpr platform::Palette HomePalette{
    platform::rgb(0, 0, 0),       platform::rgb(0, 0, 128),     platform::rgb(0, 128, 0),
    platform::rgb(0, 128, 128),   platform::rgb(128, 0, 0),     platform::rgb(128, 0, 128),
    platform::rgb(128, 128, 0),   platform::rgb(192, 192, 192), platform::rgb(128, 128, 128),
    platform::rgb(0, 0, 136),     platform::rgb(0, 255, 0),     platform::rgb(0, 255, 255),
    platform::rgb(255, 0, 0),     platform::rgb(136, 0, 136),   platform::rgb(255, 255, 0),
    platform::rgb(255, 255, 255),
};

// The grey the graphics area is cleared to under the home screen.
inline constexpr platform::Rgb HomeBackground = platform::rgb(160, 160, 160);
// The panel's face.
inline constexpr platform::Rgb PanelGrey = platform::rgb(192, 192, 192);

// Fonts for the title, tried in this order.
inline constexpr std::array<std::string_view, 5> TitleFonts{
    "t'Arial'h45w30i", "t'times new roman'h45",   "t'courier new'h45",
    "t'tahoma'h45",    "t'cac futura casual'h45",
};

// Draws the whole home screen on a graphics window of size `window`.
void drawHomeScreen(platform::Platform& platform, platform::PixelSize window,
                    const DataFolders& folders);

// The panel's face with the three geometry pictures, relative to `origin`:
// what the case commands redraw when a loaded case is closed.
void drawGeometryPictures(platform::Platform& platform, LayoutOrigin origin,
                          const DataFolders& folders);

}  // namespace calorvia::shell
