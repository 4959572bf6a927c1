#include "entry/case_checks.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>

#include "interpreter/property_text.h"
#include "interpreter/text_preparation.h"
#include "platform/dialog_templates.h"
#include "simulation/simulation_case.h"
#include "text/number_reader.h"
#include "texts/boundary_words.h"
#include "texts/entry_texts.h"

namespace calorvia::entry {
namespace {

namespace g = platform::general_step;
namespace t = platform::transient_step;
namespace b = platform::boundary_step;
using interpreter::PropertyVariable;
using texts::EntryText;
using texts::Text;
using Check = std::optional<Refusal>;

constexpr std::int32_t kMinVolumes = simulation::MinControlVolumes;
constexpr std::int32_t kMaxVolumes = simulation::MaxControlVolumes;

// A radial body's positions r are written in single precision, accumulated
// volume by volume: the outer radius keeps a margin below FLT_MAX (3.4E+38)
// for the rounding of the sums.
constexpr double kLargestOuterRadius = 1.0E+38;

std::string largestOuterRadiusText() {
    char shown[16];
    std::snprintf(shown, sizeof shown, "%G", kLargestOuterRadius);
    return shown;
}

Refusal refuse(Text message, int control) {
    return Refusal{.message = message, .control = control};
}

struct PropertyMessages {
    Text blank, unreadable, notPositive, syntaxError;
};

// A property entry: blank, or classified as a constant or a formula by the
// rule the case loader uses. A constant is read in single precision (a value
// beyond its range is unreadable) and, for a physical property, must be
// positive; a formula must compile.
Check checkProperty(const std::string& typed, int control, PropertyVariable variable,
                    bool mustBePositive, const PropertyMessages& messages) {
    if (isBlankEntry(typed)) return refuse(messages.blank, control);
    const interpreter::CheckedProperty checked = interpreter::checkPropertyText(typed, variable);
    switch (checked.outcome) {
        case interpreter::PropertyOutcome::UnreadableConstant:
            return refuse(messages.unreadable, control);
        case interpreter::PropertyOutcome::SyntaxError:
            return refuse(messages.syntaxError, control);
        case interpreter::PropertyOutcome::Formula:
            return std::nullopt;
        case interpreter::PropertyOutcome::Constant:
            break;
    }
    if (!(std::fabs(checked.constant) <= FLT_MAX)) return refuse(messages.unreadable, control);
    const auto single = static_cast<float>(checked.constant);
    if (mustBePositive && !(single > 0.0f)) return refuse(messages.notPositive, control);
    return std::nullopt;
}

// A real entry: blank; else prepared in place (decimal comma to point) and
// read as one double.
std::optional<double> prepareAndRead(std::string& typed) {
    interpreter::CONVERT(typed);
    return text::readReal(typed);
}

Check checkGeneral(CaseEntry& e) {
    if (e.steadyChosen) e.state = simulation::CaseState::Steady;
    if (e.unsteadyChosen) e.state = simulation::CaseState::Unsteady;
    e.method = e.gaussSidelChosen ? simulation::SolutionMethod::GaussSeidel
                                  : simulation::SolutionMethod::TabLU;

    if (isBlankEntry(e.Lx)) return refuse(EntryText::LxBlank, g::kLxEdit);
    const auto Lx = prepareAndRead(e.Lx);
    if (!Lx) return refuse(EntryText::LxUnreadable, g::kLxEdit);
    if (!(*Lx > 0.0)) return refuse(EntryText::LxNotPositive, g::kLxEdit);
    e.LxValue = *Lx;

    // Whole numbers are read unprepared: 1,5 reads as 1.
    if (isBlankEntry(e.N)) {
        return Refusal{
            .message = EntryText::NBlank, .title = EntryText::BlankNTitle, .control = g::kNEdit};
    }
    const auto N = text::readInteger(e.N);
    if (!N) return refuse(EntryText::NUnreadable, g::kNEdit);
    if (*N < kMinVolumes || *N > kMaxVolumes) return refuse(EntryText::NOutOfRange, g::kNEdit);
    e.NValue = *N;

    if (auto refused = checkProperty(e.K, g::kKEdit, PropertyVariable::Temperature, true,
                                     {EntryText::KBlank, EntryText::KUnreadable,
                                      EntryText::KNotPositive, EntryText::KSyntaxError})) {
        return refused;
    }
    if (auto refused = checkProperty(e.Sc, g::kScEdit, PropertyVariable::Temperature, false,
                                     {EntryText::ScBlank, EntryText::ScUnreadable,
                                      EntryText::ScUnreadable, EntryText::ScSyntaxError})) {
        return refused;
    }
    if (auto refused = checkProperty(e.Sp, g::kSpEdit, PropertyVariable::Temperature, false,
                                     {EntryText::SpBlank, EntryText::SpUnreadable,
                                      EntryText::SpUnreadable, EntryText::SpSyntaxError})) {
        return refused;
    }

    if (isBlankEntry(e.u)) return refuse(EntryText::UBlank, g::kUEdit);
    const auto u = prepareAndRead(e.u);
    if (!u) return refuse(EntryText::UUnreadable, g::kUEdit);
    if (*u < 0.0) return refuse(EntryText::UNegative, g::kUEdit);
    e.uValue = *u;

    // A cylinder or a sphere: ri >= 0 (0 is a solid body) and no flow, the
    // radial grid carrying no convection term.
    if (simulation::isRadial(e.geometry)) {
        if (isBlankEntry(e.ri)) return refuse(EntryText::RiBlank, g::kRiEdit);
        const auto ri = prepareAndRead(e.ri);
        if (!ri || !std::isfinite(*ri)) return refuse(EntryText::RiUnreadable, g::kRiEdit);
        if (!(*ri >= 0.0)) return refuse(EntryText::RiNegative, g::kRiEdit);
        if (!(*ri + e.LxValue <= kLargestOuterRadius)) {
            return Refusal{.message = EntryText::RiTooLarge,
                           .value = largestOuterRadiusText(),
                           .control = g::kRiEdit};
        }
        e.riValue = *ri;
        if (e.uValue != 0.0) return refuse(EntryText::RadialVelocity, g::kUEdit);
    }

    if (e.state == NoStateChosen) return refuse(EntryText::StateMissing, g::kSteadyRadio);
    return std::nullopt;
}

Check checkTransient(CaseEntry& e) {
    if (auto refused = checkProperty(e.Ti, t::kTiEdit, PropertyVariable::Position, false,
                                     {EntryText::TiBlank, EntryText::TiUnreadable,
                                      EntryText::TiUnreadable, EntryText::TiSyntaxError})) {
        return refused;
    }
    if (auto refused = checkProperty(e.Rho, t::kRhoEdit, PropertyVariable::Temperature, true,
                                     {EntryText::RhoBlank, EntryText::RhoUnreadable,
                                      EntryText::RhoNotPositive, EntryText::RhoSyntaxError})) {
        return refused;
    }
    if (auto refused = checkProperty(e.Cp, t::kCpEdit, PropertyVariable::Temperature, true,
                                     {EntryText::CpBlank, EntryText::CpUnreadable,
                                      EntryText::CpNotPositive, EntryText::CpSyntaxError})) {
        return refused;
    }

    if (isBlankEntry(e.Delt_t)) return refuse(EntryText::DeltTBlank, t::kDeltTEdit);
    const auto Delt_t = prepareAndRead(e.Delt_t);
    if (!Delt_t) return refuse(EntryText::DeltTUnreadable, t::kDeltTEdit);
    if (!(*Delt_t > 0.0)) return refuse(EntryText::DeltTNotPositive, t::kDeltTEdit);
    e.Delt_tValue = *Delt_t;

    // A steady diffusion-convection case marches one step; an unsteady one
    // needs at least two.
    if (isBlankEntry(e.Nst)) return refuse(EntryText::NstBlank, t::kNstEdit);
    const auto Nst = text::readInteger(e.Nst);
    if (!Nst) return refuse(EntryText::NstUnreadable, t::kNstEdit);
    if (*Nst < 2 && e.state == simulation::CaseState::Unsteady) {
        return refuse(EntryText::NstTooFew, t::kNstEdit);
    }
    e.NstValue = *Nst;

    if (isBlankEntry(e.No)) return refuse(EntryText::NoBlank, t::kNoEdit);
    const auto No = text::readInteger(e.No);
    if (!No) return refuse(EntryText::NoUnreadable, t::kNoEdit);
    if (*No < 1 || *No > e.NValue) return refuse(EntryText::NoOutOfRange, t::kNoEdit);
    e.NoValue = *No;
    return std::nullopt;
}

using simulation::BoundaryValue;

static_assert(b::kLastValueEdit - b::kTEdit + 1 == simulation::BoundaryValueCount,
              "one edit control per boundary value, in the order of the values");

// The first type, in the order of the descriptions, with a value that holds
// text; its values must all hold text, read as numbers and keep within
// their limits, in their order. On success the condition holds the type and
// its values.
Check checkBoundary(BoundaryEntry& boundary, BoundarySide side) {
    const bool west = side == BoundarySide::West;
    const auto pick = [west](texts::SideWords words) { return west ? words.west : words.east; };
    const simulation::BoundaryTypeDescription* type = typedBoundaryType(boundary);
    if (type == nullptr)
        return refuse(west ? EntryText::WestBlank : EntryText::EastBlank, b::kTEdit);
    const texts::BoundaryTypeWords& typeWords =
        texts::kBoundaryTypeWords[static_cast<std::size_t>(type->type) - 1];
    for (const BoundaryValue value : type->values) {
        if (isBlankEntry(boundary.*(simulation::describe(value).typed))) {
            return refuse(pick(typeWords.incomplete), valueControl(value));
        }
    }
    simulation::BoundaryCondition condition{.type = type->type};
    for (const BoundaryValue value : type->values) {
        const simulation::BoundaryValueDescription& held = simulation::describe(value);
        const texts::BoundaryValueWords& words =
            texts::kBoundaryValueWords[static_cast<std::size_t>(value)];
        const auto number = prepareAndRead(boundary.*held.typed);
        if (!number) return refuse(pick(words.unreadable), valueControl(value));
        if (!simulation::withinLimit(*number, held.limit)) {
            return refuse(words.outOfRange.value_or(pick(words.unreadable)), valueControl(value));
        }
        condition.*held.number = *number;
    }
    boundary.condition = condition;
    return std::nullopt;
}

}  // namespace

const simulation::BoundaryTypeDescription* typedBoundaryType(const BoundaryEntry& boundary) {
    for (const simulation::BoundaryTypeDescription& type : simulation::boundaryTypes()) {
        for (const BoundaryValue value : type.values) {
            if (!isBlankEntry(boundary.*(simulation::describe(value).typed))) return &type;
        }
    }
    return nullptr;
}

int valueControl(BoundaryValue value) {
    return b::kTEdit + static_cast<int>(value);
}

Checked<CaseEntry> checkGeneralStep(CaseEntry entry) {
    std::optional<Refusal> refusal = checkGeneral(entry);
    return {std::move(entry), std::move(refusal)};
}

Checked<CaseEntry> checkTransientStep(CaseEntry entry) {
    std::optional<Refusal> refusal = checkTransient(entry);
    return {std::move(entry), std::move(refusal)};
}

Checked<BoundaryEntry> checkBoundaryStep(BoundaryEntry boundary, BoundarySide side) {
    std::optional<Refusal> refusal = checkBoundary(boundary, side);
    return {std::move(boundary), std::move(refusal)};
}

Checked<CaseEntry> checkStep(CaseEntry entry, WizardStep step) {
    switch (step) {
        case WizardStep::General:
            return checkGeneralStep(std::move(entry));
        case WizardStep::Transient:
            return checkTransientStep(std::move(entry));
        case WizardStep::West:
        case WizardStep::East:
            break;
    }
    const bool west = step == WizardStep::West;
    BoundaryEntry& boundary = west ? entry.west : entry.east;
    Checked<BoundaryEntry> checked =
        checkBoundaryStep(std::move(boundary), west ? BoundarySide::West : BoundarySide::East);
    boundary = std::move(checked.entry);
    return {std::move(entry), std::move(checked.refusal)};
}

std::optional<WizardStep> stepAfter(WizardStep step, const CaseEntry& entry) {
    const WizardStep boundary = entry.westIsCentre() ? WizardStep::East : WizardStep::West;
    switch (step) {
        case WizardStep::General:
            return entry.hasTransientData() ? WizardStep::Transient : boundary;
        case WizardStep::Transient:
            return boundary;
        case WizardStep::West:
            return WizardStep::East;
        case WizardStep::East:
            break;
    }
    return std::nullopt;
}

}  // namespace calorvia::entry
