// The wizard's checks on the record alone: each entry refused with its
// message and field, in the order of the checks, or accepted.

#include <gtest/gtest.h>

#include <functional>
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
    std::function<void(CaseEntry&)> change;
    std::optional<Refusal> refusal;
};

// A row whose one change is `text` typed into `field`.
EntryCase typed(const char* name, std::string CaseEntry::*field, const char* text,
                std::optional<Refusal> refusal) {
    return {name, [field, text](CaseEntry& e) { e.*field = text; }, std::move(refusal)};
}

void PrintTo(const EntryCase& c, std::ostream* out) {
    *out << c.name;
}

// A row whose change is a cylinder or a sphere chosen and `ri` typed.
EntryCase body(const char* name, Geometry geometry, const char* ri,
               std::optional<Refusal> refusal) {
    return {name,
            [geometry, ri](CaseEntry& e) {
                e.geometry = geometry;
                e.ri = ri;
            },
            std::move(refusal)};
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
        typed("LxText", &CaseEntry::Lx, "abc", refused(EntryText::LxUnreadable, g::kLxEdit)),
        typed("LxZero", &CaseEntry::Lx, "0", refused(EntryText::LxNotPositive, g::kLxEdit)),
        typed("LxDecimalComma", &CaseEntry::Lx, "0,5", std::nullopt),
        typed("NBlankHasItsOwnTitle", &CaseEntry::N, "",
              Refusal{.message = EntryText::NBlank, .title = EntryText::BlankNTitle,
                      .control = g::kNEdit}),
        typed("NText", &CaseEntry::N, "ten", refused(EntryText::NUnreadable, g::kNEdit)),
        typed("N2", &CaseEntry::N, "2", refused(EntryText::NOutOfRange, g::kNEdit)),
        typed("N1001", &CaseEntry::N, "1001", refused(EntryText::NOutOfRange, g::kNEdit)),
        typed("N3", &CaseEntry::N, "3", std::nullopt),
        typed("N1000", &CaseEntry::N, "1000", std::nullopt),
        typed("NCommaReads2Unprepared", &CaseEntry::N, "2,5",
              refused(EntryText::NOutOfRange, g::kNEdit)),
        typed("KBlank", &CaseEntry::K, "", refused(EntryText::KBlank, g::kKEdit)),
        typed("KZero", &CaseEntry::K, "0", refused(EntryText::KNotPositive, g::kKEdit)),
        typed("KFormula", &CaseEntry::K, "2*t", std::nullopt),
        typed("KText", &CaseEntry::K, "x", refused(EntryText::KUnreadable, g::kKEdit)),
        typed("KBadFormula", &CaseEntry::K, "2*(t+1", refused(EntryText::KSyntaxError, g::kKEdit)),
        typed("KBeyondSinglePrecision", &CaseEntry::K, "1e39",
              refused(EntryText::KUnreadable, g::kKEdit)),
        typed("ScNegative", &CaseEntry::Sc, "-5", std::nullopt),
        typed("ScBlank", &CaseEntry::Sc, "", refused(EntryText::ScBlank, g::kScEdit)),
        typed("ScBadFormula", &CaseEntry::Sc, "t*", refused(EntryText::ScSyntaxError, g::kScEdit)),
        typed("SpNegative", &CaseEntry::Sp, "-5", std::nullopt),
        typed("SpText", &CaseEntry::Sp, "q", refused(EntryText::SpUnreadable, g::kSpEdit)),
        typed("uBlank", &CaseEntry::u, "", refused(EntryText::UBlank, g::kUEdit)),
        typed("uText", &CaseEntry::u, "fast", refused(EntryText::UUnreadable, g::kUEdit)),
        typed("uNegative", &CaseEntry::u, "-1", refused(EntryText::UNegative, g::kUEdit)),
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
        body("SphereRiText", Geometry::Sphere, "wide",
             refused(EntryText::RiUnreadable, g::kRiEdit)),
        body("CylinderRiNegative", Geometry::Cylinder, "-0,1",
             refused(EntryText::RiNegative, g::kRiEdit)),
        EntryCase{"SphereWithVelocity",
                  [](CaseEntry& e) {
                      e.geometry = Geometry::Sphere;
                      e.ri = "1";
                      e.u = "0.5";
                  },
                  refused(EntryText::RadialVelocity, g::kUEdit)},
        body("CylinderShell", Geometry::Cylinder, "0,05", std::nullopt),
        body("OuterRadiusBeyond1E38", Geometry::Cylinder, "1e300",
             Refusal{.message = EntryText::RiTooLarge, .value = "1E+38", .control = g::kRiEdit}),
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
    ::testing::Values(
        EntryCase{"SteadyWithVelocityTakesNst1",
                  [](CaseEntry& e) {
                      e.state = simulation::CaseState::Steady;
                      e.Nst = "1";
                  },
                  std::nullopt},
        typed("UnsteadyRefusesNst1", &CaseEntry::Nst, "1",
              refused(EntryText::NstTooFew, t::kNstEdit)),
        typed("No0", &CaseEntry::No, "0", refused(EntryText::NoOutOfRange, t::kNoEdit)),
        typed("NoBeyondN", &CaseEntry::No, "11", refused(EntryText::NoOutOfRange, t::kNoEdit)),
        typed("NoN", &CaseEntry::No, "10", std::nullopt),
        typed("TiFormulaOfX", &CaseEntry::Ti, "20+5*x", std::nullopt),
        typed("TiBlank", &CaseEntry::Ti, "", refused(EntryText::TiBlank, t::kTiEdit)),
        typed("TiBadFormula", &CaseEntry::Ti, "x*", refused(EntryText::TiSyntaxError, t::kTiEdit)),
        typed("RhoZero", &CaseEntry::Rho, "0", refused(EntryText::RhoNotPositive, t::kRhoEdit)),
        typed("RhoFormula", &CaseEntry::Rho, "1000-t", std::nullopt),
        typed("CpNegative", &CaseEntry::Cp, "-4", refused(EntryText::CpNotPositive, t::kCpEdit)),
        typed("CpText", &CaseEntry::Cp, "q", refused(EntryText::CpUnreadable, t::kCpEdit)),
        typed("DeltTBlank", &CaseEntry::Delt_t, "", refused(EntryText::DeltTBlank, t::kDeltTEdit)),
        typed("DeltTZero", &CaseEntry::Delt_t, "0,0",
              refused(EntryText::DeltTNotPositive, t::kDeltTEdit)),
        typed("NstText", &CaseEntry::Nst, "many", refused(EntryText::NstUnreadable, t::kNstEdit)),
        typed("NoBlank", &CaseEntry::No, "", refused(EntryText::NoBlank, t::kNoEdit))),
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
    return {std::move(T), std::move(Phi), std::move(h), std::move(Tinf), std::move(eps),
            std::move(Tsur)};
}

constexpr auto West = BoundarySide::West;
constexpr auto East = BoundarySide::East;

// Replaces the refused rows of BoundaryEntriesTest (wizard_test.cpp).
const BoundaryCase kBoundaryCases[]{
    {"WestBlank", West, texts("", "", "", ""), refused(EntryText::WestBlank, b::kTEdit)},
    {"WestTText", West, texts("hot", "", "", ""), refused(EntryText::WestTUnreadable, b::kTEdit)},
    {"WestFluxText", West, texts("", "in", "", ""),
      refused(EntryText::WestPhiUnreadable, b::kPhiEdit)},
    {"WestHZero", West, texts("", "", "0", "20"),
      refused(EntryText::ConvectiveCoefficientNotPositive, b::kHEdit)},
    {"WestHText", West, texts("", "", "h", "20"), refused(EntryText::WestHUnreadable, b::kHEdit)},
    {"WestTinfText", West, texts("", "", "5", "air"),
      refused(EntryText::WestTinfUnreadable, b::kTinfEdit)},
    {"EastBlank", East, texts("", "", "", ""), refused(EntryText::EastBlank, b::kTEdit)},
    {"EastTText", East, texts("hot", "", "", ""), refused(EntryText::EastTUnreadable, b::kTEdit)},
    {"EastTinfAlone", East, texts("", "", "", "20"),
      refused(EntryText::EastConvectionIncomplete, b::kHEdit)},
    {"EastHNegative", East, texts("", "", "-1", "20"),
      refused(EntryText::ConvectiveCoefficientNotPositive, b::kHEdit)},
    {"WestTsurAlone", West, texts("", "", "", "", "", "300"),
      refused(EntryText::WestRadiationIncomplete, b::kEpsEdit)},
    {"EastEpsText", East, texts("", "", "", "", "grey", "300"),
      refused(EntryText::EastEpsUnreadable, b::kEpsEdit)},
    {"EastEpsAboveOne", East, texts("", "", "", "", "1.01", "300"),
      refused(EntryText::EmissivityOutOfRange, b::kEpsEdit)},
    {"WestEpsZero", West, texts("", "", "", "", "0", "300"),
      refused(EntryText::EmissivityOutOfRange, b::kEpsEdit)},
    {"EastTsurCelsiusZero", East, texts("", "", "", "", "1", "0"),
      refused(EntryText::SurroundingsNotPositive, b::kTsurEdit)},
};

INSTANTIATE_TEST_SUITE_P(Entries, BoundaryStepCheck, ::testing::ValuesIn(kBoundaryCases),
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
