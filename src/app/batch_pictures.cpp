#include "app/batch_pictures.h"

#ifndef __EMSCRIPTEN__
#include <dlfcn.h>
#endif

#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>
#include <vector>

#include "text/text_file.h"

namespace calorvia::batch {
namespace {

// Whether a written picture is whole: a PNG ends with its IEND chunk, an SVG
// with its closing tag. What is no regular file (a device) cannot be read back.
bool pictureIsWhole(const std::filesystem::path& path, PictureFormat format) {
    if (!text::isRegularFile(path)) return true;
    const std::optional<std::string> bytes = text::readTextFile(path);
    if (!bytes) return false;
    if (format == PictureFormat::Png) {
        static constexpr std::string_view iend("\0\0\0\0IEND\xAE\x42\x60\x82", 12);
        return bytes->ends_with(iend);
    }
    const std::size_t end = bytes->find_last_not_of(" \t\r\n");
    return end != std::string::npos && bytes->substr(0, end + 1).ends_with("</svg>");
}

}  // namespace

bool savePicture(PictureCanvas& canvas, const std::string& path, PictureFormat format) {
    return text::replaceFile(text::pathFromUtf8(path), [&](const std::filesystem::path& to) {
        const std::string target = text::utf8FromPath(to);
        const bool saved =
            format == PictureFormat::Png ? canvas.savePng(target) : canvas.saveSvg(target);
        return saved && pictureIsWhole(to, format);
    });
}

#ifdef __EMSCRIPTEN__
// The web build's batch runs under node, where the desktop canvas (Qt) is not.
std::unique_ptr<PictureCanvas> openPictureCanvas(platform::PixelSize, std::string& error) {
    error =
        "this build (calorvia-batch.js, for node) draws no pictures; the desktop "
        "calorvia-batch writes --png and --svg";
    return nullptr;
}
#else
std::unique_ptr<PictureCanvas> openPictureCanvas(platform::PixelSize size, std::string& error) {
    std::error_code failure;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", failure);
    if (failure) {
        error = "cannot find the program's own folder";
        return nullptr;
    }
    const std::filesystem::path folder = program.parent_path();
    const std::vector<std::filesystem::path> candidates{
        folder / kPictureModuleName,
        folder / CALORVIA_PICTURE_MODULE_FROM_BIN / kPictureModuleName};
    error = std::string("cannot find ") + kPictureModuleName;
    for (const std::filesystem::path& candidate : candidates) {
        if (!std::filesystem::is_regular_file(candidate, failure)) continue;
        // Kept open to the end: the canvas's code lives in it.
        void* module = ::dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module == nullptr) {
            const char* reason = ::dlerror();
            error = reason != nullptr ? reason : "cannot load " + candidate.string();
            return nullptr;
        }
        const auto make =
            reinterpret_cast<MakePictureCanvas>(::dlsym(module, kMakePictureCanvasName));
        if (make == nullptr) {
            error = candidate.string() + " has no " + kMakePictureCanvasName;
            return nullptr;
        }
        std::unique_ptr<PictureCanvas> canvas(make(size.width, size.height));
        if (!canvas) error = "the picture canvas could not start";
        return canvas;
    }
    return nullptr;
}
#endif

}  // namespace calorvia::batch
