// Cylinders and spheres in the case entry wizard: the geometry options and
// the inner radius of step 1, their messages, the solid body whose west is
// its centre, the summary and the case files.

#include <gtest/gtest.h>

#include <ostream>

#include "entry_test_support.h"
#include "simulation/case_loader.h"
#include "support/case_names.h"
#include "text/fixed_text.h"

namespace calorvia::entry::testing {
namespace {

using simulation::Geometry;
using text::fitToWidth;

class RadialEntryTest : public EntryTest {};

// ---- the solid body: no west step -----------------------------------------------

TEST_F(RadialEntryTest, ASolidBodySkipsTheWestStepBothWays) {
    // Steady without velocity: the east step is step 2, back leads to step 1.
    general({.geometry = Geometry::Sphere, .ri = "0"}).press(kButtonForward);
    platform.expectDialog(b::kEastTemplate)
        .inspect([this](platform::DialogHandle) {
            EXPECT_TRUE(shows("In r = 0:  centre (no condition)"));
            EXPECT_TRUE(shows("Sphere:  ri = 0"));
        })
        .press(kButtonBack);
    // Unsteady: step 2, then the east step is step 3 and back leads to step 2.
    general({.state = CaseState::Unsteady, .geometry = Geometry::Sphere, .ri = "0"})
        .press(kButtonForward);
    transient({}).press(kButtonForward);
    platform.expectDialog(b::kEastTemplate).press(kButtonBack);
    platform.expectDialog(t::kTemplate).press(kButtonCancel);
    playNew();

    EXPECT_TRUE(runsOf(b::kWestTemplate).empty());
    const auto east = runsOf(b::kEastTemplate);
    ASSERT_EQ(east.size(), 2u);
    EXPECT_EQ(east[0].atStart.at(b::kStepTitle).text,
              "Step 2 - East boundary condition - In x = L:");
    EXPECT_EQ(east[0].atStart.at(kButtonBack).text, "<< Step &1");
    EXPECT_EQ(east[0].atStart.at(kButtonForward).text, "&OK");
    EXPECT_EQ(east[1].atStart.at(b::kStepTitle).text,
              "Step 3 - East boundary condition - In x = L:");
    EXPECT_EQ(east[1].atStart.at(kButtonBack).text, "<< Step &2");
}

// The centre carries no heat: with a flux at the surface a steady solid
// body has no temperature level, which the flux warning says.
TEST_F(RadialEntryTest, ASteadySolidBodyWithAFluxSurfaceIsWarnedAbout) {
    general({.geometry = Geometry::Cylinder, .ri = "0"}).press(kButtonForward);
    east(flux("-5")).press(kButtonForward);
    expectQuestion(kAnswerYes,
                   "The two boundary conditions involve flux. Thus, it is strongly advisable \n"
                   "to simulate a long unsteady state! Would you like to modify this dataset?");
    platform.expectDialog(g::kTemplate).press(kButtonCancel);
    playNew();
}

// ---- the case files -----------------------------------------------------------------

// A solid cylinder: both files end with the geometry line, and the west,
// which no step asked for, is written as the insulated face the centre is.
TEST_F(RadialEntryTest, ASolidCylinderIsWrittenWithItsGeometryLineAndAnInsulatedCentre) {
    general({.Sc = "1000", .geometry = Geometry::Cylinder, .ri = "0"}).press(kButtonForward);
    east(convection("10", "20")).press(kButtonForward);
    platform.expectSaveFile(dataFile("rod.txt").string());
    playNew();
    EXPECT_EQ(runState(), shell::RunState::CaseLoaded);

    EXPECT_EQ(readFile(dataFile("rod.txt")),
              lines({fitToWidth("1", 50), " 10", "1", "1000", "0", " 1", " 2", " 2",
                     fitToWidth("0", 50), " 3", fitToWidth("10", 50), fitToWidth("20", 50),
                     fitToWidth("0", 50), "cylinder " + fitToWidth("0", 50)}));
    EXPECT_EQ(readFile(file("Loaded.txt")), lines({" 1", " 10", "1", "1000", "0", " 1", " 2", " 2",
                                                   " 0", " 3", " 10", " 20", " 0", "cylinder 0"}));
    const auto loaded = simulation::loadCase(file("Loaded.txt"));
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(loaded.loaded->simulationCase.geometry, Geometry::Cylinder);
    EXPECT_EQ(loaded.loaded->simulationCase.ri, 0.0);
    EXPECT_TRUE(shows("Cylinder:  ri = 0"));
    EXPECT_TRUE(shows("In x = L:  h = 10   Tinf = 20"));
}

// Reopened, the case fills step 1 with its body and runs the wizard the
// same way, rewriting the same files.
TEST_F(RadialEntryTest, AReopenedSphereShowsItsBodyAndIsRewrittenUnchanged) {
    const std::string saved = lines({fitToWidth("0.1", 50), " 20", "15", "0", "0", " 1", " 2", " 1",
                                     fitToWidth("100", 50), " 1", fitToWidth("20", 50),
                                     fitToWidth("0", 50), "sphere " + fitToWidth("0,2", 50)});
    writeFile(dataFile("shell.txt"), saved);
    platform.expectOpenFile(dataFile("shell.txt").string());
    platform.expectDialog(g::kTemplate).press(kButtonForward);
    platform.expectDialog(b::kWestTemplate).press(kButtonForward);
    platform.expectDialog(b::kEastTemplate).press(kButtonForward);
    playOpen();

    const auto general = runsOf(g::kTemplate).at(0);
    EXPECT_TRUE(general.atStart.at(g::kSphereRadio).on);
    EXPECT_FALSE(general.atStart.at(g::kPlaneRadio).on);
    EXPECT_TRUE(general.atStart.at(g::kRiEdit).enabled);
    EXPECT_EQ(general.atStart.at(g::kRiEdit).text, "0,2");
    // The radius, prepared for reading, is saved as a plane entry is.
    EXPECT_EQ(readFile(dataFile("shell.txt")),
              lines({fitToWidth("0.1", 50), " 20", "15", "0", "0", " 1", " 2", " 1",
                     fitToWidth("100", 50), " 1", fitToWidth("20", 50), fitToWidth("0", 50),
                     "sphere " + fitToWidth("0.2", 50)}));
    EXPECT_EQ(readFile(file("Loaded.txt")), lines({" 0.1", " 20", "15", "0", "0", " 1", " 2", " 1",
                                                   " 100", " 1", " 20", " 0", "sphere 0.2"}));
}

}  // namespace
}  // namespace calorvia::entry::testing
