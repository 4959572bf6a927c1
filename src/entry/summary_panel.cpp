#include "entry/summary_panel.h"

#include <string>

#include "text/fixed_text.h"
#include "texts/boundary_words.h"
#include "texts/entry_texts.h"

namespace calorvia::entry {
namespace {

using platform::FillMode;
using platform::rgb;
using texts::EntryText;
using texts::Text;

constexpr platform::Rgb kBlack = rgb(0, 0, 0);
constexpr platform::Rgb kWhite = rgb(255, 255, 255);
constexpr platform::Rgb kDarkGrey = rgb(128, 128, 128);

// Left edges of the text columns and the rows of the two upper quarters.
constexpr int kLeftColumn = 40;
constexpr int kRightColumn = 394;
constexpr std::array<int, 7> kRows{40, 65, 90, 115, 140, 165, 190};
constexpr int kBoundaryRow = 240;
// A cylinder's or a sphere's line (step 1) stands in the right column just
// below the upper right quarter, so that clearing that quarter for step 2
// leaves it.
constexpr int kBodyRow = 192;
// Where the velocity text stands on the method line: after the longer
// Gauss-Sidel caption it starts further left than after tab. LU.
constexpr int kVelocityAfterGaussSidel = 290;
constexpr int kVelocityAfterTabLu = 300;

std::string trimmed(std::string_view text) {
    return std::string(text::trimRight(text));
}

}  // namespace

void SummaryPanel::fill(int x1, int y1, int x2, int y2) {
    platform_.setColorRgb(shell::PanelGrey);
    platform_.drawRectangle(FillMode::Filled, origin_.x + x1, origin_.y + y1, origin_.x + x2,
                            origin_.y + y2);
}

// A dark line with a white one a pixel further right (vertical) or down.
void SummaryPanel::engravedLine(int x1, int y1, int x2, int y2, bool vertical) {
    const int dx = vertical ? 1 : 0;
    const int dy = vertical ? 0 : 1;
    platform_.setColorRgb(kDarkGrey);
    platform_.moveTo(origin_.x + x1, origin_.y + y1);
    platform_.lineTo(origin_.x + x2, origin_.y + y2);
    platform_.setColorRgb(kWhite);
    platform_.moveTo(origin_.x + x1 + dx, origin_.y + y1 + dy);
    platform_.lineTo(origin_.x + x2 + dx, origin_.y + y2 + dy);
}

platform::PixelBox SummaryPanel::area() const {
    return {origin_.x + 10, origin_.y + 10, origin_.x + 755, origin_.y + 280};
}

void SummaryPanel::fillGrey() {
    fill(14, 14, 751, 276);
}

void SummaryPanel::clearWhole() {
    fillGrey();
    engravedLine(367, 30, 367, 170, true);
    engravedLine(367, 231, 367, 260, true);
    engravedLine(30, 214, 350, 214, false);
    engravedLine(384, 214, 735, 214, false);
}

void SummaryPanel::clearRegion(SummaryRegion region) {
    switch (region) {
        case SummaryRegion::UpperRight:
            fill(369, 14, 751, 190);
            break;
        case SummaryRegion::LowerLeft:
            fill(14, 216, 366, 276);
            break;
        case SummaryRegion::LowerRight:
            fill(369, 216, 751, 276);
            break;
    }
}

void SummaryPanel::beginText() {
    platform::selectFirstFont(platform_, SummaryFonts);
    platform_.setColorRgb(kBlack);
}

void SummaryPanel::line(int x, int y, std::string_view text) {
    platform_.moveTo(origin_.x + x, origin_.y + y);
    platform_.outText(text);
}

void SummaryPanel::drawGeneral(const CaseEntry& e) {
    beginText();
    line(kLeftColumn, kRows[0], texts::withValue(text(EntryText::SummaryLx), trimmed(e.Lx)));
    line(kLeftColumn, kRows[1], texts::withValue(text(EntryText::SummaryN), trimmed(e.N)));
    line(kLeftColumn, kRows[2], texts::withValue(text(EntryText::SummaryK), trimmed(e.K)));
    line(kLeftColumn, kRows[3], texts::withValue(text(EntryText::SummarySc), trimmed(e.Sc)));
    line(kLeftColumn, kRows[4], texts::withValue(text(EntryText::SummarySp), trimmed(e.Sp)));
    line(kLeftColumn, kRows[5],
         text(e.state == simulation::CaseState::Unsteady ? EntryText::SummaryUnsteady
                                                         : EntryText::SummarySteady));
    const bool gaussSidel = e.method == simulation::SolutionMethod::GaussSeidel;
    line(kLeftColumn, kRows[6],
         text(gaussSidel ? EntryText::SummaryGaussSidelVelocity : EntryText::SummaryTabLuVelocity));
    line(gaussSidel ? kVelocityAfterGaussSidel : kVelocityAfterTabLu, kRows[6], trimmed(e.u));
    if (simulation::isRadial(e.geometry)) {
        const Text body = e.geometry == simulation::Geometry::Cylinder ? EntryText::SummaryCylinder
                                                                       : EntryText::SummarySphere;
        line(kRightColumn, kBodyRow, texts::withValue(text(body), trimmed(e.ri)));
    }
}

void SummaryPanel::drawTransient(const CaseEntry& e) {
    clearRegion(SummaryRegion::UpperRight);
    beginText();
    const bool values = e.hasTransientData();
    const std::string placeholder(text(EntryText::SummaryPlaceholder));
    auto shown = [&](const std::string& entryText) {
        return values ? trimmed(entryText) : placeholder;
    };
    line(kRightColumn, kRows[0], texts::withValue(text(EntryText::SummaryTi), shown(e.Ti)));
    line(kRightColumn, kRows[1], texts::withValue(text(EntryText::SummaryRho), shown(e.Rho)));
    line(kRightColumn, kRows[2], texts::withValue(text(EntryText::SummaryCp), shown(e.Cp)));
    line(kRightColumn, kRows[3], texts::withValue(text(EntryText::SummaryDeltT), shown(e.Delt_t)));
    line(kRightColumn, kRows[4], texts::withValue(text(EntryText::SummaryNst), shown(e.Nst)));
    line(kRightColumn, kRows[5], texts::withValue(text(EntryText::SummaryNo), shown(e.No)));
}

// The type's line with its first value, then a part for each further value
// (so that a "{}" typed into one value cannot take another's place).
void SummaryPanel::boundaryLine(int x, const BoundaryEntry& b, bool west) {
    beginText();
    const simulation::BoundaryTypeDescription* type = simulation::describe(b.condition.type);
    if (type == nullptr) return;  // no type chosen: no line
    const texts::BoundaryTypeWords& typeWords =
        texts::kBoundaryTypeWords[static_cast<std::size_t>(type->type) - 1];
    std::string shown;
    for (const simulation::BoundaryValue value : type->values) {
        const std::string typed = trimmed(b.*(simulation::describe(value).typed));
        const std::optional<Text> part =
            texts::kBoundaryValueWords[static_cast<std::size_t>(value)].summaryPart;
        const Text words = shown.empty() || !part
                               ? (west ? typeWords.summaryLine.west : typeWords.summaryLine.east)
                               : *part;
        shown += texts::withValue(text(words), typed);
    }
    line(x, kBoundaryRow, shown);
}

void SummaryPanel::drawWest(const BoundaryEntry& west) {
    clearRegion(SummaryRegion::LowerLeft);
    boundaryLine(kLeftColumn, west, true);
}

void SummaryPanel::drawWestCentre() {
    clearRegion(SummaryRegion::LowerLeft);
    beginText();
    line(kLeftColumn, kBoundaryRow, text(EntryText::WestCentreLine));
}

// The east quarter was cleared when its dialog was shown.
void SummaryPanel::drawEast(const BoundaryEntry& east) {
    boundaryLine(kRightColumn, east, false);
}

}  // namespace calorvia::entry
