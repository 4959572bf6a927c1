#pragma once
// The pictures of calorvia-batch (--png, --svg) are drawn by the desktop
// program's raster canvas, which needs Qt and its fonts. Loading Qt's
// libraries is most of the batch program's start-up, so the canvas lives in a
// module of its own, "calorvia-batch-pictures.so", opened only when a picture
// is asked for: beside the program in the build tree, in ../lib/calorvia from
// the installed program.

#include <memory>
#include <string>

#include "platform/headless_platform.h"

namespace calorvia::batch {

class PictureCanvas {
public:
    virtual ~PictureCanvas() = default;
    virtual platform::DrawingSink& sink() = 0;
    // The graphics area as a PNG or an SVG file; false when it cannot be written.
    virtual bool savePng(const std::string& path) = 0;
    virtual bool saveSvg(const std::string& path) = 0;
};

// The module's one entry point (C linkage, looked up by name): a canvas of
// width × height pixels, or nothing when Qt could not start.
using MakePictureCanvas = PictureCanvas* (*)(int width, int height);
inline constexpr const char* kMakePictureCanvasName = "calorvia_make_picture_canvas";
inline constexpr const char* kPictureModuleName = "calorvia-batch-pictures.so";

// Saves the canvas's picture at `path` as every result file is saved: into a
// temporary file beside it, checked to end as a whole PNG or SVG ends, then
// renamed over `path` (a link is written through, a device written
// directly). False, with nothing left behind, when it cannot be written.
enum class PictureFormat { Png, Svg };
bool savePicture(PictureCanvas& canvas, const std::string& path, PictureFormat format);

// Opens the module and makes a canvas; nothing, with the reason in `error`,
// when the module cannot be found or loaded.
std::unique_ptr<PictureCanvas> openPictureCanvas(platform::PixelSize size, std::string& error);

}  // namespace calorvia::batch
