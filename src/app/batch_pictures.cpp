#include "app/batch_pictures.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>
#include <vector>

namespace calorvia::batch {

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

}  // namespace calorvia::batch
