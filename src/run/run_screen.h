#pragma once
// The screen of a run around its profile graph: the case name and the
// convection scheme above the graph, the status boxes in the upper left
// corner (the steps or the passes), the method box with the Gauss-Seidel
// sweep count beside the graph and the computing time under it. A status box
// is light cyan (the COLORREF 0xFFF000); its text stops short of the box's
// right and bottom borders, so that erasing the box in white leaves nothing.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "simulation/scheme_choice.h"
#include "texts/run_texts.h"
#include "texts/text_catalogue.h"

namespace calorvia::run {

class RunScreen {
public:
    // The graph's origin (X0, Y0) is (10, 250) on screens wider than 800
    // pixels, else (-10, 150); the texts around the graph follow it.
    RunScreen(platform::Platform& platform, texts::Language language, int screenWidth);
    std::int32_t X0() const { return X0_; }
    std::int32_t Y0() const { return Y0_; }

    void clear();  // the graphics area white, in the run's first font
    void showCaseName(std::string_view name) { textAt(350 + X0_, 10, name); }
    void showMethodBox() { show(Box::Method, say(texts::RunText::GaussSidelLabel), true); }
    // Unsteady: the steps to march, "Steps - time"; steady: "Wait", "Steady State".
    void showStartBoxes(bool unsteady, std::int32_t stepsToMarch);
    void showScheme(simulation::ConvectionScheme scheme);
    void showSweepCount(std::int64_t sweeps);
    void showPass(std::int32_t pass) { show(Box::Pass, counterText(pass)); }
    void showStep(std::int32_t step) { show(Box::Step, counterText(step)); }
    // Under the graph, below the legend of the blue steady curve if asked.
    void showComputingTime(float seconds, bool withSteadyLegend);
    void eraseSweepCount() { erase(Box::Sweep); }
    void eraseMethodBox() { erase(Box::Method); }
    void eraseStatusBoxes(bool unsteady);  // the counter's box and the start's

private:
    enum class Box { Step, StepsToMarch, StepsTime, Pass, Wait, SteadyState, Sweep, Method };
    // Filled light cyan, bordered in black if asked, with its text.
    void show(Box box, std::string_view text, bool bordered = false);
    void erase(Box box);
    void textAt(int x, int y, std::string_view text);
    static std::string counterText(std::int64_t value);
    std::string_view say(texts::Text text) const { return texts::textFor(text, language_); }

    platform::Platform& platform_;
    texts::Language language_;
    std::int32_t X0_;
    std::int32_t Y0_;
};

}  // namespace calorvia::run
