#pragma once
// GraphPane: every curve of the program, on fixed 200 x 200 pixel axes.
//
// A point (x, y) of a series lands on the pixel
//     px = X0 + 100 + trunc((x - xa)·200 / (xb - xa))
//     py = Y0 + 280 - trunc((y - ymin)·200 / (ymax - ymin))
// computed in single precision and truncated toward zero, so that the first
// abscissa xa sits on the vertical axis at X0+100, the last one xb at X0+300,
// ymin at Y0+280 and ymax at Y0+80. A line plot takes xa and xb from its own
// series and keeps them; dots placed later use the kept pair, so
// experimental points line up with the time curve they are compared with.
//
// The first call for a new graph (scale not yet defined) asks the user for
// the temperature range in the scale dialog, then draws the axes, ticks,
// limit labels, axis names and title. Later calls only add curves, so a run
// redraws its profile at every step on the same axes.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "platform/platform.h"
#include "settings/settings_files.h"

namespace calorvia::graphs {

// The ambient temperature Tinf of each boundary that has one (a convective
// boundary), which the proposed range must include.
struct GraphBoundaries {
    std::optional<double> westTinf;
    std::optional<double> eastTinf;
};

inline constexpr std::int32_t kLinePlot = 0;
inline constexpr std::int32_t kDotsOverlay = 1;

inline constexpr std::int32_t kProfileGraph = 0;
inline constexpr std::int32_t kTimeGraph = 1;

class GraphPane {
public:
    // `languageSetting` is the language settings file in the program
    // directory (or the session's language); a profile graph reads the
    // pane's language from it.
    explicit GraphPane(platform::Platform& platform,
                       settings::LanguageSetting languageSetting =
                           std::filesystem::path(settings::LanguageFileName));

    // Draws the series of n+1 points x(1..n+1), y(1..n+1) (x[0..n] here) in
    // palette colour `colour` on the pane whose origin is (X0, Y0).
    // overlay 0 draws a line through the points; 1 draws them as dots on the
    // existing graph. xName and yName name the axes, title heads the graph.
    // A call whose arrays hold fewer than n+1 values, or with n < 0, draws
    // nothing.
    void GRAF_2D(std::int32_t n, std::span<const float> x, std::span<const float> y,
                 std::int16_t colour, std::int32_t X0, std::int32_t Y0, std::string_view xName,
                 std::string_view yName, std::string_view title, const GraphBoundaries& boundaries,
                 std::int32_t overlay);

    // State kept between calls and shared with the callers.
    std::int32_t scaleDefined = 0;  // 0 until the current graph's axes are drawn
    std::int32_t graphMode = kProfileGraph;
    float ymin = 0.0f;
    float ymax = 0.0f;
    float xa = 0.0f;  // first and last abscissa of the last line plot
    float xb = 0.0f;
    std::int32_t language = 2;  // the pane's copy: 1 Portuguese, else English

    // The pixel a point maps to with the current xa, xb, ymin and ymax.
    // Equal xa and xb (a one-point line, which no caller draws) put every
    // point on the vertical axis; an equally degenerate ymin == ymax puts it
    // on the horizontal one. Offsets beyond a million pixels are held there.
    int pixelX(float x, std::int32_t X0) const;
    int pixelY(float y, std::int32_t Y0) const;

    // The fonts a call tries, in this order, each only if the one before was
    // refused.
    static std::span<const std::string_view> fontList();

private:
    void defineScale(std::span<const float> y, const GraphBoundaries& boundaries);
    void askRange(float proposedMin, float proposedMax);
    void warn(std::string_view text);
    void drawAxes(std::int32_t X0, std::int32_t Y0, float firstX, float lastX,
                  std::string_view xName, std::string_view yName, std::string_view title);
    void textAt(int x, int y, std::string_view text);

    platform::Platform& platform_;
    settings::LanguageSetting languageSetting_;
    // The pixels of the last line plot, kept so that a run drawing a profile
    // at every step allocates them once.
    std::vector<platform::PixelPoint> points_;
};

}  // namespace calorvia::graphs
