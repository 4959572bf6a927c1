#include "graphs/graph_pane.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "platform/dialog_bindings.h"
#include "platform/dialog_templates.h"
#include "settings/settings_files.h"
#include "text/fixed_text.h"
#include "text/number_reader.h"
#include "text/number_writer.h"
#include "texts/common_texts.h"
#include "texts/graph_texts.h"
#include "texts/text_catalogue.h"

namespace calorvia::graphs {
namespace {

namespace scale = platform::scale_dialog;

constexpr std::array<std::string_view, 5> kFonts{
    "t'Arial'h16",  "t'times new roman'h17",   "t'courier new'h16",
    "t'Tahoma'h16", "t'CAC FUTURA CASUAL'h16",
};

// The proposed range always reaches at least from 300 to 400.
constexpr float kHighestLowerLimit = 300.0f;
constexpr float kLowestUpperLimit = 400.0f;

constexpr std::size_t kTitleWidth = 50;
constexpr std::size_t kAxisNameWidth = 30;

constexpr float kFarthestOffset = 1.0e6f;

// Truncation toward zero, held to a million pixels so that a wild value can
// never overflow an int; NaN lands on the axis.
int truncatedOffset(float value) {
    if (std::isnan(value)) return 0;
    return static_cast<int>(std::clamp(value, -kFarthestOffset, kFarthestOffset));
}

// A scale box holds a number when the free-form reader takes one from it and
// the number fits a single-precision value.
std::optional<float> readScaleBox(std::string_view text) {
    const auto value = text::readReal(text);
    if (!value || std::fabs(*value) > std::numeric_limits<float>::max()) return std::nullopt;
    return static_cast<float>(*value);
}

// A limit written in the free list layout, without its blanks.
std::string proposalText(float value) {
    return std::string(text::trim(text::generalFloat(value)));
}

// F10.4 with the trailing blanks removed; the leading ones stay, so the
// label ends next to the axis.
std::string limitLabel(float value) {
    return std::string(text::trimRight(text::fixedReal(value, 10, 4)));
}

}  // namespace

GraphPane::GraphPane(platform::Platform& platform, settings::LanguageSetting languageSetting)
    : platform_(platform), languageSetting_(std::move(languageSetting)) {}

std::span<const std::string_view> GraphPane::fontList() {
    return kFonts;
}

int GraphPane::pixelX(float x, std::int32_t X0) const {
    const float width = xb - xa;
    const int offset = width == 0.0f ? 0 : truncatedOffset((x - xa) * 200.0f / width);
    return X0 + 100 + offset;
}

int GraphPane::pixelY(float y, std::int32_t Y0) const {
    const float height = ymax - ymin;
    const int offset = height == 0.0f ? 0 : truncatedOffset((y - ymin) * 200.0f / height);
    return Y0 + 280 - offset;
}

void GraphPane::GRAF_2D(std::int32_t n, std::span<const float> x, std::span<const float> y,
                        std::int16_t colour, std::int32_t X0, std::int32_t Y0,
                        std::string_view xName, std::string_view yName, std::string_view title,
                        const GraphBoundaries& boundaries, std::int32_t overlay) {
    if (n < 0) return;
    const auto count = static_cast<std::size_t>(n) + 1;
    if (x.size() < count || y.size() < count) return;
    const auto series = y.first(count);

    platform::selectFirstFont(platform_, kFonts);

    if (overlay == kDotsOverlay) {
        platform_.setColorIndex(0);
        for (std::size_t i = 0; i < count; ++i) {
            const int px = pixelX(x[i], X0);
            const int py = pixelY(y[i], Y0);
            platform_.drawEllipse(platform::FillMode::Filled, px - 2, py - 2, px + 2, py + 2);
        }
        return;
    }

    if (scaleDefined == 0) {
        defineScale(series, boundaries);
        drawAxes(X0, Y0, x[0], x[count - 1], xName, yName, title);
        scaleDefined = 1;
    }

    xa = x[0];
    xb = x[count - 1];
    platform_.setColorIndex(colour);
    if (!platform_.drawingShown()) {
        // The curve would go nowhere; only its end is the new current point.
        platform_.moveTo(pixelX(x[count - 1], X0), pixelY(y[count - 1], Y0));
        return;
    }
    // Every pixel first, then one drawing call: away from the calls, the
    // divisions of neighbouring points overlap (and vectorise).
    points_.resize(count);
    for (std::size_t i = 0; i < count; ++i) points_[i].x = pixelX(x[i], X0);
    for (std::size_t i = 0; i < count; ++i) points_[i].y = pixelY(y[i], Y0);
    platform_.moveTo(points_[0].x, points_[0].y);
    platform_.lineThrough(points_);
}

// The range of a new graph: proposed from the series, confirmed by the user.
void GraphPane::defineScale(std::span<const float> y, const GraphBoundaries& boundaries) {
    // Only finite values say anything about the range: a run that diverged
    // must still get a range it can draw in (and a batch an answer the
    // dialog accepts). With none finite the usual 300..400 is proposed.
    float lowest = std::numeric_limits<float>::infinity();
    float highest = -std::numeric_limits<float>::infinity();
    for (const float value : y) {
        if (!std::isfinite(value)) continue;
        lowest = std::min(lowest, value);
        highest = std::max(highest, value);
    }
    if (lowest > highest) {
        lowest = kHighestLowerLimit;
        highest = kLowestUpperLimit;
    }
    ymin = lowest;
    ymax = highest;
    if (graphMode == kProfileGraph) {
        language = texts::languageCode(
            languageSetting_.read(settings::WriteBack::DefaultWhenUnreadable).value);
    }

    // The proposal widens the series range to the ambient temperature of
    // each convective boundary and to at least 300..400; the values the user
    // confirms are taken as they are.
    float proposedMin = ymin;
    float proposedMax = ymax;
    const auto include = [&](std::optional<double> Tinf) {
        if (!Tinf) return;
        if (*Tinf < proposedMin) proposedMin = static_cast<float>(*Tinf);
        if (*Tinf > proposedMax) proposedMax = static_cast<float>(*Tinf);
    };
    include(boundaries.westTinf);
    include(boundaries.eastTinf);
    if (proposedMax < kLowestUpperLimit) proposedMax = kLowestUpperLimit;
    if (proposedMin > kHighestLowerLimit) proposedMin = kHighestLowerLimit;

    askRange(proposedMin, proposedMax);
    if (ymax == ymin) ymin = ymax - 1.0f;
}

// Shows the scale dialog until both boxes hold numbers in order.
void GraphPane::askRange(float proposedMin, float proposedMax) {
    for (;;) {
        const auto dialog = platform::createDialogIn(platform_, scale::kTemplate,
                                                     texts::languageFromCode(language));
        platform_.setControlText(dialog, scale::kTminEdit, proposalText(proposedMin));
        platform_.setControlText(dialog, scale::kTmaxEdit, proposalText(proposedMax));
        platform_.runDialog(dialog);
        const auto low = readScaleBox(platform_.controlText(dialog, scale::kTminEdit));
        const auto high = readScaleBox(platform_.controlText(dialog, scale::kTmaxEdit));
        platform_.releaseDialog(dialog);
        platform::requestTutorial(platform_);

        if (!low || !high) {
            warn(texts::textFor(texts::GraphText::ScaleReadingError, language));
        } else if (*low > *high) {
            warn(texts::textFor(texts::GraphText::ScaleRangeError, language));
        } else {
            ymin = *low;
            ymax = *high;
            return;
        }
    }
}

void GraphPane::warn(std::string_view text) {
    platform_.messageBox(text, texts::textFor(texts::CommonText::AttentionTitle, language),
                         platform::kMessageOk);
    platform::requestTutorial(platform_);
}

void GraphPane::drawAxes(std::int32_t X0, std::int32_t Y0, float firstX, float lastX,
                         std::string_view xName, std::string_view yName, std::string_view title) {
    auto line = [&](int x1, int y1, int x2, int y2) {
        platform_.moveTo(x1, y1);
        platform_.lineTo(x2, y2);
    };
    platform_.setColorIndex(0);
    // Two pixels thick: the axes and a copy one pixel left and below.
    platform_.moveTo(X0 + 100, Y0 + 20);
    platform_.lineTo(X0 + 100, Y0 + 280);
    platform_.lineTo(X0 + 380, Y0 + 280);
    platform_.moveTo(X0 + 99, Y0 + 20);
    platform_.lineTo(X0 + 99, Y0 + 281);
    platform_.lineTo(X0 + 380, Y0 + 281);
    // Ticks at the first and last abscissa, and at ymin, ymax and midway.
    line(X0 + 100, Y0 + 281, X0 + 100, Y0 + 285);
    line(X0 + 300, Y0 + 281, X0 + 300, Y0 + 285);
    for (const int tickY : {Y0 + 280, Y0 + 80, Y0 + 180}) line(X0 + 99, tickY, X0 + 95, tickY);

    textAt(X0 + 30, Y0 + 292, limitLabel(firstX));
    textAt(X0 + 305, Y0 + 292, limitLabel(lastX));
    textAt(X0 + 17, Y0 + 272, limitLabel(ymin));
    textAt(X0 + 17, Y0 + 72, limitLabel(ymax));
    textAt(X0 + 390, Y0 + 272, text::trimRight(xName));
    textAt(X0 + 92, Y0 - 5, text::fitToWidth(yName, kAxisNameWidth));

    platform_.setTextRotation(0);
    if (graphMode == kProfileGraph) {
        textAt(X0 + 320, Y0 + 90, text::fitToWidth(title, kTitleWidth));
    } else {
        textAt(X0 + 150, Y0 + 25, text::fitToWidth(title, kTitleWidth));
    }
}

void GraphPane::textAt(int x, int y, std::string_view text) {
    platform_.moveTo(x, y);
    platform_.outText(text);
}

}  // namespace calorvia::graphs
