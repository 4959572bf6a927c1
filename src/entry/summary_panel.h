#pragma once
// The panel in the main window that sums up what the wizard has accepted:
// general settings upper left, transient settings upper right, one line per
// boundary in the lower quarters, divided by engraved lines. Everything is
// placed relative to the layout origin of the 800 x 600 design.

#include <array>
#include <string_view>

#include "entry/case_entry.h"
#include "platform/platform.h"
#include "shell/home_screen.h"
#include "texts/text_catalogue.h"

namespace calorvia::entry {

enum class SummaryRegion { UpperRight, LowerLeft, LowerRight };

// The summary's fonts, tried in this order; without any the platform's
// default font serves.
inline constexpr std::array<std::string_view, 5> SummaryFonts{
    "t'Arial'h16",  "t'times new roman'h17",   "t'courier new'h16",
    "t'Tahoma'h16", "t'CAC FUTURA CASUAL'h16",
};

class SummaryPanel {
public:
    SummaryPanel(platform::Platform& platform, shell::LayoutOrigin origin, texts::Language language)
        : platform_(platform), origin_(origin), language_(language) {}

    // The panel with its bevelled frame, in pixels of the graphics area: what
    // the wizard's dialogs leave in sight.
    platform::PixelBox area() const;

    // The whole panel grey, with its engraved dividing lines.
    void clearWhole();
    // Only the panel's face grey, without dividing lines: a closed case.
    void fillGrey();
    void clearRegion(SummaryRegion region);

    void drawGeneral(const CaseEntry& entry);
    // The transient settings, or placeholders when the case has none.
    void drawTransient(const CaseEntry& entry);
    void drawWest(const BoundaryEntry& west);
    // The west line of a solid cylinder or sphere: its centre.
    void drawWestCentre();
    void drawEast(const BoundaryEntry& east);

private:
    std::string_view text(texts::Text id) const { return texts::textFor(id, language_); }
    void fill(int x1, int y1, int x2, int y2);
    void engravedLine(int x1, int y1, int x2, int y2, bool vertical);
    void beginText();
    void line(int x, int y, std::string_view text);
    void boundaryLine(int x, const BoundaryEntry& b, bool west);

    platform::Platform& platform_;
    shell::LayoutOrigin origin_;
    texts::Language language_;
};

}  // namespace calorvia::entry
