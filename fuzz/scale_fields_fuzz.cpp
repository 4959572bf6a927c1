// Any texts typed into the two boxes of the scale dialog of a new graph:
// a refused pair is told and asked again, an accepted one becomes the range;
// never a crash, and the range the pane keeps is ordered.
//
// The input is the lower limit, a line end, the upper limit; the rest of the
// input, four bytes at a time, is the series drawn (any float, NaN and
// infinities included).
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "graphs/graph_pane.h"
#include "platform/dialog_templates.h"
#include "support/scripted_platform.h"

namespace {

namespace scale = calorvia::platform::scale_dialog;
using calorvia::platform::ScriptedPlatform;

// The pane's "idioma", in a folder removed when the fuzzer ends (kept on the
// heap so that it outlives the exit handler).
const std::filesystem::path& languageFile() {
    static const std::filesystem::path* const file = [] {
        const auto folder = std::filesystem::temp_directory_path() /
                            ("calorvia-scale-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(languageFile().parent_path(), ignored);
        });
        return new std::filesystem::path(folder / "idioma");
    }();
    return *file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::size_t first = text.find('\n');
    const std::string_view low = text.substr(0, first);
    std::string_view high;
    std::string_view rest;
    if (first != std::string_view::npos) {
        const std::size_t second = text.find('\n', first + 1);
        high = text.substr(first + 1, second == std::string_view::npos ? std::string_view::npos
                                                                       : second - first - 1);
        if (second != std::string_view::npos) rest = text.substr(second + 1);
    }
    std::vector<float> y;
    for (std::size_t i = 0; i + sizeof(float) <= rest.size() && y.size() < 64; i += sizeof(float)) {
        float value = 0.0f;
        std::memcpy(&value, rest.data() + i, sizeof(float));
        y.push_back(value);
    }
    if (y.size() < 2) y = {20.0f, 80.0f};
    std::vector<float> x(y.size());
    for (std::size_t i = 0; i < x.size(); ++i) x[i] = static_cast<float>(i);

    ScriptedPlatform platform;
    platform.expectDialog(scale::kTemplate)
        .type(scale::kTminEdit, std::string(low))
        .type(scale::kTmaxEdit, std::string(high))
        .press(calorvia::platform::kButtonOk);
    // A refused pair is told once; the student then accepts a plain range.
    platform.expectMessageBox(calorvia::platform::kAnswerOk);
    platform.expectDialog(scale::kTemplate)
        .type(scale::kTminEdit, "0")
        .type(scale::kTmaxEdit, "100")
        .press(calorvia::platform::kButtonOk);

    calorvia::graphs::GraphPane pane(platform, languageFile());
    const calorvia::graphs::GraphBoundaries boundaries{1.0e30, -1.0e30};
    pane.GRAF_2D(static_cast<std::int32_t>(y.size()) - 1, x, y, 12, 0, 0, "X", "T", "title",
                 boundaries, calorvia::graphs::kLinePlot);
    if (pane.scaleDefined != 1) __builtin_trap();
    // Equal limits are widened by one below, which a float of 2^25 or more
    // cannot show; the pane draws such a range flat on the axis.
    if (!(pane.ymin <= pane.ymax)) __builtin_trap();
    return 0;
}
