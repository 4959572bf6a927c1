// The wizard's checks on the record alone: each entry refused with its
// message and field, in the order of the checks, or accepted.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "entry/case_checks.h"
#include "platform/dialog_templates.h"
#include "texts/entry_texts.h"

namespace calorvia::entry {
namespace {

namespace g = platform::general_step;
namespace t = platform::transient_step;
namespace b = platform::boundary_step;
using simulation::Geometry;
using texts::EntryText;
using texts::Text;

// Step 1 as a student fills it who changes nothing: a steady plane wall.
CaseEntry generalStep() {
    CaseEntry e;
    e.Lx = "1";
    e.N = "10";
    e.K = "1";
    e.Sc = "0";
    e.Sp = "0";
    e.u = "0";
    e.steadyChosen = true;
    return e;
}

// Step 2 after an accepted unsteady step 1 of ten volumes.
CaseEntry transientStep() {
    CaseEntry e = generalStep();
    e.steadyChosen = false;
    e.unsteadyChosen = true;
    e = checkGeneralStep(std::move(e)).entry;
    e.Ti = "0";
    e.Rho = "1";
    e.Cp = "1";
    e.Delt_t = "0.1";
    e.Nst = "10";
    e.No = "5";
    return e;
}

Refusal refused(Text message, int control) {
    return {.message = message, .control = control};
}

struct EntryCase {
    const char* name;
    void (*change)(CaseEntry&);
    std::optional<Refusal> refusal;
};

void PrintTo(const EntryCase& c, std::ostream* out) {
    *out << c.name;
}

class GeneralStepCheck : public ::testing::TestWithParam<EntryCase> {};

TEST_P(GeneralStepCheck, RefusesTheFirstBadEntryOrAccepts) {
    CaseEntry e = generalStep();
    GetParam().change(e);
    EXPECT_EQ(checkGeneralStep(e).refusal, GetParam().refusal);
}

// Replaces the scripted tables StepOneEntries (wizard_test.cpp) and
// RadialStepOne (radial_entry_test.cpp), case for case.
INSTANTIATE_TEST_SUITE_P(
    Entries, GeneralStepCheck,
    ::testing::Values(
        EntryCase{"LxText", [](CaseEntry& e) { e.Lx = "abc"; },
                  refused(EntryText::LxUnreadable, g::kLxEdit)},
        EntryCase{"LxZero", [](CaseEntry& e) { e.Lx = "0"; },
                  refused(EntryText::LxNotPositive, g::kLxEdit)},
        EntryCase{"LxDecimalComma", [](CaseEntry& e) { e.Lx = "0,5"; }, std::nullopt},
        EntryCase{"NBlankHasItsOwnTitle", [](CaseEntry& e) { e.N = ""; },
                  Refusal{.message = EntryText::NBlank, .title = EntryText::BlankNTitle, .control = g::kNEdit}},
        EntryCase{"NText", [](CaseEntry& e) { e.N = "ten"; }, refused(EntryText::NUnreadable, g::kNEdit)},
        EntryCase{"N2", [](CaseEntry& e) { e.N = "2"; }, refused(EntryText::NOutOfRange, g::kNEdit)},
        EntryCase{"N1001", [](CaseEntry& e) { e.N = "1001"; },
                  refused(EntryText::NOutOfRange, g::kNEdit)},
        EntryCase{"N3", [](CaseEntry& e) { e.N = "3"; }, std::nullopt},
        EntryCase{"N1000", [](CaseEntry& e) { e.N = "1000"; }, std::nullopt},
        EntryCase{"NCommaReads2Unprepared", [](CaseEntry& e) { e.N = "2,5"; },
                  refused(EntryText::NOutOfRange, g::kNEdit)},
        EntryCase{"KBlank", [](CaseEntry& e) { e.K = ""; }, refused(EntryText::KBlank, g::kKEdit)},
        EntryCase{"KZero", [](CaseEntry& e) { e.K = "0"; }, refused(EntryText::KNotPositive, g::kKEdit)},
        EntryCase{"KFormula", [](CaseEntry& e) { e.K = "2*t"; }, std::nullopt},
        EntryCase{"KText", [](CaseEntry& e) { e.K = "x"; }, refused(EntryText::KUnreadable, g::kKEdit)},
        EntryCase{"KBadFormula", [](CaseEntry& e) { e.K = "2*(t+1"; },
                  refused(EntryText::KSyntaxError, g::kKEdit)},
        EntryCase{"KBeyondSinglePrecision", [](CaseEntry& e) { e.K = "1e39"; },
                  refused(EntryText::KUnreadable, g::kKEdit)},
        EntryCase{"ScNegative", [](CaseEntry& e) { e.Sc = "-5"; }, std::nullopt},
        EntryCase{"ScBlank", [](CaseEntry& e) { e.Sc = ""; }, refused(EntryText::ScBlank, g::kScEdit)},
        EntryCase{"ScBadFormula", [](CaseEntry& e) { e.Sc = "t*"; },
                  refused(EntryText::ScSyntaxError, g::kScEdit)},
        EntryCase{"SpNegative", [](CaseEntry& e) { e.Sp = "-5"; }, std::nullopt},
        EntryCase{"SpText", [](CaseEntry& e) { e.Sp = "q"; },
                  refused(EntryText::SpUnreadable, g::kSpEdit)},
        EntryCase{"uBlank", [](CaseEntry& e) { e.u = ""; }, refused(EntryText::UBlank, g::kUEdit)},
        EntryCase{"uText", [](CaseEntry& e) { e.u = "fast"; },
                  refused(EntryText::UUnreadable, g::kUEdit)},
        EntryCase{"uNegative", [](CaseEntry& e) { e.u = "-1"; },
                  refused(EntryText::UNegative, g::kUEdit)},
        EntryCase{"NoState", [](CaseEntry& e) { e.steadyChosen = false; },
                  refused(EntryText::StateMissing, g::kSteadyRadio)},
        EntryCase{"LxBeforeN",
                  [](CaseEntry& e) {
                      e.Lx = "";
                      e.N = "";
                  },
                  refused(EntryText::LxBlank, g::kLxEdit)},
        EntryCase{"CylinderWithoutRi", [](CaseEntry& e) { e.geometry = Geometry::Cylinder; },
                  refused(EntryText::RiBlank, g::kRiEdit)},
        EntryCase{"SphereRiText",
                  [](CaseEntry& e) {
                      e.geometry = Geometry::Sphere;
                      e.ri = "wide";
                  },
                  refused(EntryText::RiUnreadable, g::kRiEdit)},
        EntryCase{"CylinderRiNegative",
                  [](CaseEntry& e) {
                      e.geometry = Geometry::Cylinder;
                      e.ri = "-0,1";
                  },
                  refused(EntryText::RiNegative, g::kRiEdit)},
        EntryCase{"SphereWithVelocity",
                  [](CaseEntry& e) {
                      e.geometry = Geometry::Sphere;
                      e.ri = "1";
                      e.u = "0.5";
                  },
                  refused(EntryText::RadialVelocity, g::kUEdit)},
        EntryCase{"CylinderShell",
                  [](CaseEntry& e) {
                      e.geometry = Geometry::Cylinder;
                      e.ri = "0,05";
                  },
                  std::nullopt},
        EntryCase{"OuterRadiusBeyond1E38",
                  [](CaseEntry& e) {
                      e.geometry = Geometry::Cylinder;
                      e.ri = "1e300";
                  },
                  Refusal{.message = EntryText::RiTooLarge, .value = "1E+38", .control = g::kRiEdit}},
        EntryCase{"uBeforeRi",
                  [](CaseEntry& e) {
                      e.geometry = Geometry::Cylinder;
                      e.u = "fast";
                  },
                  refused(EntryText::UUnreadable, g::kUEdit)},
        EntryCase{"RiBeforeTheState",
                  [](CaseEntry& e) {
                      e.geometry = Geometry::Sphere;
                      e.steadyChosen = false;
                  },
                  refused(EntryText::RiBlank, g::kRiEdit)}),
    [](const auto& each) { return std::string(each.param.name); });

class TransientStepCheck : public ::testing::TestWithParam<EntryCase> {};

TEST_P(TransientStepCheck, RefusesTheFirstBadEntryOrAccepts) {
    CaseEntry e = transientStep();
    GetParam().change(e);
    EXPECT_EQ(checkTransientStep(e).refusal, GetParam().refusal);
}

// Replaces the scripted table StepTwoEntries (wizard_test.cpp), case for case.
INSTANTIATE_TEST_SUITE_P(
    Entries, TransientStepCheck,
    ::testing::Values(EntryCase{"SteadyWithVelocityTakesNst1",
                                [](CaseEntry& e) {
                                    e.state = simulation::CaseState::Steady;
                                    e.Nst = "1";
                                },
                                std::nullopt},
                      EntryCase{"UnsteadyRefusesNst1", [](CaseEntry& e) { e.Nst = "1"; },
                                refused(EntryText::NstTooFew, t::kNstEdit)},
                      EntryCase{"No0", [](CaseEntry& e) { e.No = "0"; },
                                refused(EntryText::NoOutOfRange, t::kNoEdit)},
                      EntryCase{"NoBeyondN", [](CaseEntry& e) { e.No = "11"; },
                                refused(EntryText::NoOutOfRange, t::kNoEdit)},
                      EntryCase{"NoN", [](CaseEntry& e) { e.No = "10"; }, std::nullopt},
                      EntryCase{"TiFormulaOfX", [](CaseEntry& e) { e.Ti = "20+5*x"; },
                                std::nullopt},
                      EntryCase{"TiBlank", [](CaseEntry& e) { e.Ti = ""; },
                                refused(EntryText::TiBlank, t::kTiEdit)},
                      EntryCase{"TiBadFormula", [](CaseEntry& e) { e.Ti = "x*"; },
                                refused(EntryText::TiSyntaxError, t::kTiEdit)},
                      EntryCase{"RhoZero", [](CaseEntry& e) { e.Rho = "0"; },
                                refused(EntryText::RhoNotPositive, t::kRhoEdit)},
                      EntryCase{"RhoFormula", [](CaseEntry& e) { e.Rho = "1000-t"; }, std::nullopt},
                      EntryCase{"CpNegative", [](CaseEntry& e) { e.Cp = "-4"; },
                                refused(EntryText::CpNotPositive, t::kCpEdit)},
                      EntryCase{"CpText", [](CaseEntry& e) { e.Cp = "q"; },
                                refused(EntryText::CpUnreadable, t::kCpEdit)},
                      EntryCase{"DeltTBlank", [](CaseEntry& e) { e.Delt_t = ""; },
                                refused(EntryText::DeltTBlank, t::kDeltTEdit)},
                      EntryCase{"DeltTZero", [](CaseEntry& e) { e.Delt_t = "0,0"; },
                                refused(EntryText::DeltTNotPositive, t::kDeltTEdit)},
                      EntryCase{"NstText", [](CaseEntry& e) { e.Nst = "many"; },
                                refused(EntryText::NstUnreadable, t::kNstEdit)},
                      EntryCase{"NoBlank", [](CaseEntry& e) { e.No = ""; },
                                refused(EntryText::NoBlank, t::kNoEdit)}),
    [](const auto& each) { return std::string(each.param.name); });

struct BoundaryCase {
    const char* name;
    BoundarySide side;
    BoundaryEntry entry;
    Refusal refusal;
};

void PrintTo(const BoundaryCase& c, std::ostream* out) {
    *out << c.name;
}

class BoundaryStepCheck : public ::testing::TestWithParam<BoundaryCase> {};

TEST_P(BoundaryStepCheck, RefusesTheFirstBadEntry) {
    const BoundaryCase& c = GetParam();
    EXPECT_EQ(checkBoundaryStep(c.entry, c.side).refusal, c.refusal);
}

BoundaryEntry texts(std::string T, std::string Phi, std::string h, std::string Tinf,
                    std::string eps = "", std::string Tsur = "") {
    return {.T = std::move(T),
            .Phi = std::move(Phi),
            .h = std::move(h),
            .Tinf = std::move(Tinf),
            .eps = std::move(eps),
            .Tsur = std::move(Tsur)};
}

constexpr auto West = BoundarySide::West;
constexpr auto East = BoundarySide::East;

// Replaces the refused rows of BoundaryEntriesTest (wizard_test.cpp).
INSTANTIATE_TEST_SUITE_P(
    Entries, BoundaryStepCheck,
    ::testing::Values(BoundaryCase{"WestBlank", West, texts("", "", "", ""),
                                   refused(EntryText::WestBlank, b::kTEdit)},
                      BoundaryCase{"WestTText", West, texts("hot", "", "", ""),
                                   refused(EntryText::WestTUnreadable, b::kTEdit)},
                      BoundaryCase{"WestFluxText", West, texts("", "in", "", ""),
                                   refused(EntryText::WestPhiUnreadable, b::kPhiEdit)},
                      BoundaryCase{"WestHZero", West, texts("", "", "0", "20"),
                                   refused(EntryText::ConvectiveCoefficientNotPositive, b::kHEdit)},
                      BoundaryCase{"WestHText", West, texts("", "", "h", "20"),
                                   refused(EntryText::WestHUnreadable, b::kHEdit)},
                      BoundaryCase{"WestTinfText", West, texts("", "", "5", "air"),
                                   refused(EntryText::WestTinfUnreadable, b::kTinfEdit)},
                      BoundaryCase{"EastBlank", East, texts("", "", "", ""),
                                   refused(EntryText::EastBlank, b::kTEdit)},
                      BoundaryCase{"EastTText", East, texts("hot", "", "", ""),
                                   refused(EntryText::EastTUnreadable, b::kTEdit)},
                      BoundaryCase{"EastTinfAlone", East, texts("", "", "", "20"),
                                   refused(EntryText::EastConvectionIncomplete, b::kHEdit)},
                      BoundaryCase{"EastHNegative", East, texts("", "", "-1", "20"),
                                   refused(EntryText::ConvectiveCoefficientNotPositive, b::kHEdit)},
                      BoundaryCase{"WestTsurAlone", West, texts("", "", "", "", "", "300"),
                                   refused(EntryText::WestRadiationIncomplete, b::kEpsEdit)},
                      BoundaryCase{"EastEpsText", East, texts("", "", "", "", "grey", "300"),
                                   refused(EntryText::EastEpsUnreadable, b::kEpsEdit)},
                      BoundaryCase{"EastEpsAboveOne", East, texts("", "", "", "", "1.01", "300"),
                                   refused(EntryText::EmissivityOutOfRange, b::kEpsEdit)},
                      BoundaryCase{"WestEpsZero", West, texts("", "", "", "", "0", "300"),
                                   refused(EntryText::EmissivityOutOfRange, b::kEpsEdit)},
                      BoundaryCase{"EastTsurCelsiusZero", East, texts("", "", "", "", "1", "0"),
                                   refused(EntryText::SurroundingsNotPositive, b::kTsurEdit)}),
    [](const auto& each) { return std::string(each.param.name); });

// The type follows the first group that holds text; radiation comes last
// and takes an emissivity of exactly 1.
TEST(BoundaryStepCheck, AcceptedRadiationHoldsItsValues) {
    const Checked<BoundaryEntry> checked =
        checkBoundaryStep(texts("", "", "", "", "1", "290,5"), BoundarySide::East);
    ASSERT_FALSE(checked.refusal);
    EXPECT_EQ(checked.entry.condition,
              (simulation::BoundaryCondition{
                  .type = simulation::BoundaryType::Radiation, .eps = 1.0, .Tsur = 290.5}));
}

// The steps follow from what was accepted: no step 2 for a steady case
// without velocity, no west step for a solid body.
TEST(WizardSteps, FollowFromTheAcceptedStepOne) {
    CaseEntry wall = checkGeneralStep(generalStep()).entry;
    EXPECT_EQ(stepAfter(WizardStep::General, wall), WizardStep::West);
    CaseEntry solid = generalStep();
    solid.geometry = Geometry::Sphere;
    solid.ri = "0";
    solid = checkGeneralStep(std::move(solid)).entry;
    EXPECT_EQ(stepAfter(WizardStep::General, solid), WizardStep::East);
    EXPECT_EQ(stepAfter(WizardStep::General, transientStep()), WizardStep::Transient);
    EXPECT_EQ(stepAfter(WizardStep::East, wall), std::nullopt);
}

}  // namespace
}  // namespace calorvia::entry
