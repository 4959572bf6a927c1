// Any bytes as one of the one-number settings files ("idioma", "cor",
// "tolera"): a value or the default, never a crash, and only values the
// program can use.
#include <unistd.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "settings/settings_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::filesystem::path folder = [] {
        auto path = std::filesystem::temp_directory_path() /
                    ("calorvia-settings-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    const auto file = folder / "setting";
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    (void)calorvia::settings::readIntegerSetting(file);
    using calorvia::settings::WriteBack;
    const auto language = calorvia::settings::readLanguage(file, WriteBack::Never).value;
    if (language != calorvia::texts::Language::Portuguese &&
        language != calorvia::texts::Language::English) {
        __builtin_trap();
    }
    const auto colour = calorvia::settings::readGraphColour(file, WriteBack::Never).value;
    if (colour < 0 || colour > 15) __builtin_trap();
    (void)calorvia::settings::readTolerance(file, WriteBack::Never);
    return 0;
}
