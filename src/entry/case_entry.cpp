#include "entry/case_entry.h"

#include "interpreter/text_preparation.h"
#include "text/fixed_text.h"
#include "text/number_reader.h"

namespace calorvia::entry {
namespace {

simulation::CaseFileNumber number(const std::string& text, double value) {
    return {text, value};
}

}  // namespace

BoundaryEntry CaseEntry::effectiveWest() const {
    if (!westIsCentre()) return west;
    BoundaryEntry centre;
    centre.Phi = "0";
    centre.condition.type = simulation::BoundaryType::Flux;
    return centre;
}

// ri and Phi read as the wizard reads them (a decimal comma is a point):
// riValue is not the wizard's until its first step was accepted.
bool CaseEntry::westConditionUnused() const {
    const auto read = [](std::string typed) {
        interpreter::CONVERT(typed);
        return text::readReal(typed);
    };
    if (!simulation::isRadial(geometry) || read(ri) != 0.0) return false;
    return !(west.condition.type == simulation::BoundaryType::Flux && read(west.Phi) == 0.0);
}

void CaseEntry::blank() {
    *this = CaseEntry{};
}

bool isBlankEntry(std::string_view text) {
    return text::textLength(text) == 0;
}

simulation::CaseFileContent caseFileContent(const CaseEntry& entry) {
    simulation::CaseFileContent content;
    content.Lx = number(entry.Lx, entry.LxValue);
    content.N = entry.NValue;
    content.K = entry.K;
    content.Sc = entry.Sc;
    content.Sp = entry.Sp;
    content.state = entry.state;
    content.method = entry.method;
    content.Ti = entry.Ti;
    content.Rho = entry.Rho;
    content.Cp = entry.Cp;
    content.Delt_t = number(entry.Delt_t, entry.Delt_tValue);
    content.Nst = entry.NstValue;
    content.No = entry.NoValue;
    content.west = entry.effectiveWest();
    content.east = entry.east;
    content.u = number(entry.u, entry.uValue);
    content.geometry = entry.geometry;
    content.ri = number(entry.ri, entry.riValue);
    return content;
}

}  // namespace calorvia::entry
