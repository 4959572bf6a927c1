#include "run/run_screen.h"

#include <array>
#include <string>
#include <vector>

#include "graphs/graph_pane.h"
#include "platform/font_descriptor.h"
#include "text/fixed_text.h"
#include "text/number_writer.h"
#include "texts/run_texts.h"

namespace calorvia::run {
namespace {

using texts::RunText;

constexpr platform::Rgb StatusCyan = platform::colorref(0xFFF000);
constexpr platform::Rgb White = platform::colorref(0xFFFFFF);

// Each box, in the order of RunScreen::Box, with the place its text starts.
struct StatusBox {
    platform::PixelBox box;
    int textX, textY;
};
constexpr std::array<StatusBox, 8> Boxes{{
    {{2, 2, 88, 25}, 5, 5},
    {{2, 30, 88, 53}, 3, 33},
    {{2, 58, 88, 81}, 4, 61},
    {{20, 2, 103, 25}, 23, 5},
    {{20, 30, 103, 53}, 25, 33},
    {{2, 58, 121, 81}, 7, 61},
    {{330, 180, 435, 203}, 333, 183},
    {{330, 208, 435, 231}, 337, 211},
}};

// The fonts a status box tries for its text: the run's faces at their own
// heights, then a pixel smaller each time down to 10 pixels, so that a text
// keeps inside its box in whatever face the system substitutes.
const std::vector<std::string>& statusBoxFonts() {
    static const std::vector<std::string> fonts = [] {
        constexpr int SmallestHeight = 10;
        std::vector<std::string> list;
        for (const std::string_view descriptor : graphs::GraphPane::fontList()) {
            const auto font = platform::parseFontDescriptor(descriptor);
            if (!font) continue;
            for (int height = font->height; height >= SmallestHeight; --height) {
                list.push_back("t'" + font->face + "'h" + std::to_string(height));
            }
        }
        return list;
    }();
    return fonts;
}

}  // namespace

// An integer as a status box shows it: free form, blanks removed.
std::string RunScreen::counterText(std::int64_t value) {
    return std::string(text::trim(text::generalInteger(value)));
}

RunScreen::RunScreen(platform::Platform& platform, texts::Language language, int screenWidth)
    : platform_(platform),
      language_(language),
      X0_(screenWidth <= 800 ? -10 : 10),
      Y0_(screenWidth <= 800 ? 150 : 250) {}

void RunScreen::clear() {
    platform::selectFirstFont(platform_, graphs::GraphPane::fontList());
    platform_.setBackgroundRgb(White);
    platform_.clearScreen();
}

void RunScreen::showStartBoxes(bool unsteady, std::int32_t stepsToMarch) {
    if (unsteady) {
        show(Box::StepsToMarch, counterText(stepsToMarch), true);
        show(Box::StepsTime, say(RunText::StepsTimeLabel), true);
    } else {
        show(Box::Wait, say(RunText::WaitLabel), true);
        show(Box::SteadyState, say(RunText::SteadyStateLabel), true);
    }
}

void RunScreen::showScheme(simulation::ConvectionScheme scheme) {
    textAt(400 + X0_, 30,
           say(scheme == simulation::ConvectionScheme::CDS ? RunText::CdsLabel
                                                           : RunText::UpwindLabel));
}

// The sweep count keeps the leading blanks of its free form.
void RunScreen::showSweepCount(std::int64_t sweeps) {
    show(Box::Sweep, text::trimRight(text::ListLine().integer(sweeps).str()));
}

void RunScreen::showComputingTime(float seconds, bool withSteadyLegend) {
    if (withSteadyLegend) textAt(X0_ + 320, Y0_ + 120, say(RunText::BlueSteadyStateLegend));
    textAt(X0_ + 320, Y0_ + (withSteadyLegend ? 150 : 120),
           std::string(say(RunText::ElapsedTimeIn)) +
               std::string(text::trimRight(text::ListLine().real(seconds).str())) +
               std::string(say(RunText::ElapsedTimeSeconds)));
}

void RunScreen::eraseStatusBoxes(bool unsteady) {
    for (const Box box : unsteady ? std::array{Box::Step, Box::StepsToMarch, Box::StepsTime}
                                  : std::array{Box::Pass, Box::Wait, Box::SteadyState}) {
        erase(box);
    }
}

// The run's font comes back after the box's own.
void RunScreen::show(Box box, std::string_view text, bool bordered) {
    const StatusBox& status = Boxes[static_cast<std::size_t>(box)];
    const auto& [x1, y1, x2, y2] = status.box;
    platform_.setColorRgb(StatusCyan);
    platform_.drawRectangle(platform::FillMode::Filled, x1, y1, x2, y2);
    if (bordered) {
        platform_.setColorIndex(0);
        platform_.drawRectangle(platform::FillMode::Border, x1, y1, x2, y2);
    }
    platform_.setColorIndex(0);
    platform::outTextFitted(platform_, status.textX, status.textY, {x2, y2}, text,
                            statusBoxFonts());
    platform::selectFirstFont(platform_, graphs::GraphPane::fontList());
}

void RunScreen::erase(Box box) {
    const auto& [x1, y1, x2, y2] = Boxes[static_cast<std::size_t>(box)].box;
    platform_.setColorRgb(White);
    platform_.drawRectangle(platform::FillMode::Filled, x1, y1, x2, y2);
}

void RunScreen::textAt(int x, int y, std::string_view text) {
    platform_.setColorIndex(0);
    platform_.moveTo(x, y);
    platform_.outText(text);
}

}  // namespace calorvia::run
