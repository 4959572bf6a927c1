// The case entry wizard as a student meets it, through the scripted
// platform: File > New, the steps, the messages, the summary panel, the
// closing warnings and the two case files; and for cylinders and spheres the
// solid body whose west is its centre, with its summary and case files.

#include <gtest/gtest.h>

#include "entry_test_support.h"
#include "simulation/case_loader.h"
#include "support/case_names.h"
#include "text/fixed_text.h"

namespace calorvia::entry::testing {
namespace {

using simulation::Geometry;
using text::fitToWidth;

class WizardTest : public EntryTest {};

// The Syntax button opens the syntax help and the dialog stays. The plane
// wall is preselected and its inner radius closed; a cylinder or a sphere
// opens it, the plane wall closes it again.
TEST_F(WizardTest, ANewCasePressedThroughAtOnceReportsTheBlankDistance) {
    platform.expectDialog(g::kTemplate)
        .press(g::kSyntaxButton)
        .click(g::kSphereRadio)
        .press(kButtonForward);
    expectWarning("Inform the value of the distance between the boundaries!");
    platform.expectDialog(g::kTemplate)
        .click(g::kCylinderRadio)
        .type(g::kRiEdit, "1")
        .click(g::kPlaneRadio)
        .press(kButtonCancel);
    playNew();

    // A new case starts empty, with no state chosen.
    const auto first = runsOf(g::kTemplate).at(0);
    EXPECT_EQ(first.atStart.at(g::kLxEdit).text, "");
    EXPECT_EQ(first.atStart.at(g::kKEdit).text, "");
    EXPECT_TRUE(first.atStart.at(g::kNoStateRadio).on);
    EXPECT_FALSE(first.atStart.at(g::kSteadyRadio).on);
    EXPECT_FALSE(first.atStart.at(g::kUnsteadyRadio).on);
    EXPECT_FALSE(first.atStart.at(g::kGaussSidelCheck).on);
    EXPECT_EQ(first.atStart.at(g::kStepTitle).text,
              "Step 1 - Settings: steady and unsteady states");
    EXPECT_TRUE(first.atStart.at(g::kPlaneRadio).on);
    EXPECT_FALSE(first.atStart.at(g::kCylinderRadio).on);
    EXPECT_FALSE(first.atStart.at(g::kSphereRadio).on);
    EXPECT_FALSE(first.atStart.at(g::kRiEdit).enabled);
    EXPECT_TRUE(first.atEnd.at(g::kRiEdit).enabled);
    EXPECT_TRUE(first.atEnd.at(g::kRiLabel).enabled);
    EXPECT_FALSE(runsOf(g::kTemplate).at(1).atEnd.at(g::kRiEdit).enabled);
    // Cancel writes nothing.
    EXPECT_EQ(runState(), shell::RunState::Idle);
    EXPECT_FALSE(fileExists(file("Loaded.txt")));
    const auto documents = platform.callsNamed("openDocument");
    ASSERT_FALSE(documents.empty());
    EXPECT_EQ(documents.front().texts.at(0), "Syntax.hlp");
}

// ---- the road through the steps -------------------------------------------------------

// The placeholders fill the upper right as soon as step 1 is accepted.
TEST_F(WizardTest, ASteadyCaseWithoutVelocitySkipsStepTwoAndShowsPlaceholders) {
    general({}).press(kButtonForward);
    platform.expectDialog(b::kWestTemplate)
        .inspect([this](platform::DialogHandle) {
            EXPECT_TRUE(shows("Ti = ******* <= Initial temperature"));
            EXPECT_TRUE(shows("Unsteady state for the node *******"));
            EXPECT_TRUE(shows("Lx = 1 <= W-E distance"));
            EXPECT_TRUE(shows("Steady state simulation"));
        })
        .press(kButtonBack);
    platform.expectDialog(g::kTemplate).press(kButtonCancel);
    playNew();

    const auto westRun = runsOf(b::kWestTemplate).at(0);
    EXPECT_EQ(westRun.atStart.at(b::kStepTitle).text,
              "Step 2 - West boundary condition - In x = 0.0:");
    EXPECT_EQ(westRun.atStart.at(kButtonBack).text, "<< Step &1");
    EXPECT_EQ(westRun.atStart.at(kButtonForward).text, "Step &3 >>");
    EXPECT_EQ(runsOf(t::kTemplate).size(), 0u);
}

// A steady case with velocity has step 2, and its boundaries are steps 3
// and 4; back shows what was typed and wipes the summaries of the steps
// left. Every step's dialog is told to leave the summary panel in sight: the
// whole grey face the wizard fills, with its frame; once the wizard is over,
// dialogs go where the platform puts them again.
TEST_F(WizardTest, SteadyWithVelocityShowsStepTwoAndBackWipesTheLaterSummaries) {
    general({.u = "0.5"}).press(kButtonForward);
    transient({.Nst = "1"}).press(kButtonForward);
    west(temperature("100")).press(kButtonForward);
    platform.expectDialog(b::kEastTemplate)
        .inspect([this](platform::DialogHandle) {
            EXPECT_TRUE(shows("In x = 0.0:  T = 100"));
            EXPECT_TRUE(shows("Delt_t = 0.1 <= Interval of time"));
        })
        .press(kButtonBack);
    platform.expectDialog(b::kWestTemplate).press(kButtonBack);
    platform.expectDialog(t::kTemplate).press(kButtonBack);
    platform.expectDialog(g::kTemplate)
        .inspect([this](platform::DialogHandle) {
            EXPECT_FALSE(shows("In x = 0.0:  T = 100"));
            EXPECT_FALSE(shows("Delt_t = 0.1 <= Interval of time"));
            EXPECT_FALSE(shows("Lx = 1 <= W-E distance"));
        })
        .press(kButtonCancel);
    playNew();

    const auto westRun = runsOf(b::kWestTemplate).at(0);
    EXPECT_EQ(westRun.atStart.at(b::kStepTitle).text,
              "Step 3 - West boundary condition - In x = 0.0:");
    EXPECT_EQ(westRun.atStart.at(kButtonBack).text, "<< Step &2");
    const auto eastRun = runsOf(b::kEastTemplate).at(0);
    EXPECT_EQ(eastRun.atStart.at(b::kStepTitle).text,
              "Step 4 - East boundary condition - In x = L:");
    EXPECT_EQ(eastRun.atStart.at(kButtonForward).text, "&OK");
    EXPECT_EQ(runsOf(t::kTemplate).at(1).atStart.at(t::kNstEdit).text, "1");
    EXPECT_EQ(runsOf(b::kWestTemplate).at(1).atStart.at(b::kTEdit).text, "100");

    const shell::LayoutOrigin o = origin();
    std::optional<platform::PixelBox> panelFace;
    for (const auto& r : platform.rectangles()) {
        if (r.fill == platform::FillMode::Filled && r.colour.rgb == shell::PanelGrey &&
            r.x1 == o.x + 14 && r.y1 == o.y + 14) {
            panelFace = platform::PixelBox{r.x1, r.y1, r.x2, r.y2};
        }
    }
    ASSERT_TRUE(panelFace.has_value());
    ASSERT_EQ(platform.dialogRuns().size(), 7u);
    for (const auto& run : platform.dialogRuns()) {
        ASSERT_TRUE(run.keptClear.has_value()) << run.templateNumber;
        const platform::PixelBox& kept = *run.keptClear;
        EXPECT_TRUE(kept.x1 <= panelFace->x1 && kept.y1 <= panelFace->y1 &&
                    kept.x2 >= panelFace->x2 && kept.y2 >= panelFace->y2)
            << run.templateNumber;
        // The panel's frame, no more: the graph area below stays free.
        EXPECT_EQ(kept, (platform::PixelBox{o.x + 10, o.y + 10, o.x + 755, o.y + 280}));
    }
    EXPECT_EQ(platform.keptClearOfDialogs(), std::nullopt);
}

// ---- the boundary dialogs -----------------------------------------------------------

TEST_F(WizardTest, TypingIntoOneBoundaryGroupDisablesTheOthers) {
    general({}).press(kButtonForward);
    // h alone: temperature and flux close, Tinf stays open; refused.
    platform.expectDialog(b::kWestTemplate).type(b::kHEdit, "5").press(kButtonForward);
    expectWarning(
        "Inform the two values referring to the convective boundary condition in x = 0.0!");
    // Shown again as typed; clearing h opens temperature again (the script
    // could not type into a disabled field).
    platform.expectDialog(b::kWestTemplate)
        .type(b::kHEdit, "")
        .type(b::kTEdit, "1,5")
        .press(kButtonForward);
    platform.expectDialog(b::kEastTemplate).press(kButtonBack);
    platform.expectDialog(b::kWestTemplate).press(kButtonCancel);
    playNew();

    const auto runs = runsOf(b::kWestTemplate);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_FALSE(runs[0].atEnd.at(b::kTEdit).enabled);
    EXPECT_FALSE(runs[0].atEnd.at(b::kPhiEdit).enabled);
    EXPECT_TRUE(runs[0].atEnd.at(b::kTinfEdit).enabled);
    EXPECT_EQ(runs[1].atStart.at(b::kHEdit).text, "5");
    EXPECT_FALSE(runs[1].atStart.at(b::kTEdit).enabled);
    EXPECT_FALSE(runs[1].atEnd.at(b::kPhiEdit).enabled);
    EXPECT_FALSE(runs[1].atEnd.at(b::kHEdit).enabled);
    EXPECT_FALSE(runs[1].atEnd.at(b::kTinfEdit).enabled);
    // Opened again after a valid temperature: the prepared text, the other
    // groups closed.
    EXPECT_EQ(runs[2].atStart.at(b::kTEdit).text, "1.5");
    EXPECT_TRUE(runs[2].atStart.at(b::kTEdit).enabled);
    EXPECT_FALSE(runs[2].atStart.at(b::kPhiEdit).enabled);
    EXPECT_FALSE(runs[2].atStart.at(b::kHEdit).enabled);
    EXPECT_FALSE(runs[2].atStart.at(b::kTinfEdit).enabled);
}

// The refusals of the boundary steps are in case_checks_test.cpp; here the
// summary line of an accepted west boundary (the east one's is in
// ANewCaseIsWrittenTwiceByteForByte).
struct BoundaryCase {
    const char* what;
    BoundaryEntries entries;
    const char* summary;
};

class BoundaryEntriesTest : public EntryTest, public ::testing::WithParamInterface<BoundaryCase> {};

TEST_P(BoundaryEntriesTest, AreSummarisedWhenAccepted) {
    const BoundaryCase& c = GetParam();
    general({}).press(kButtonForward);
    west(c.entries).press(kButtonForward);
    platform.expectDialog(b::kEastTemplate)
        .inspect([this, &c](platform::DialogHandle) { EXPECT_TRUE(shows(c.summary)) << c.summary; })
        .press(kButtonCancel);
    playNew();
}

INSTANTIATE_TEST_SUITE_P(
    Wizard, BoundaryEntriesTest,
    ::testing::Values(
        BoundaryCase{"flux of any sign", flux("-25"), "In x = 0.0:  Phi = -25"},
        BoundaryCase{"negative Tinf", convection("5", "-20"), "In x = 0.0:  h = 5   Tinf = -20"},
        BoundaryCase{"temperature with comma", temperature("1,5"), "In x = 0.0:  T = 1.5"}),
    [](const auto& row) { return calorvia::testing::caseName(row.param.what); });

// ---- closing checks ------------------------------------------------------------------

constexpr const char* kFluxWarning =
    "The two boundary conditions involve flux. Thus, it is strongly advisable \n"
    "to simulate a long unsteady state! Would you like to modify this dataset?";
constexpr const char* kConvectiveWarning =
    "There is boundary condition that does not involve temperature. Thus, it is strongly "
    "advisable \nto simulate a long unsteady state! Would you like to modify this dataset?";

TEST_F(WizardTest, WithVelocityTheConvectiveWarningFollowsTheFluxWarning) {
    scriptCase({.u = "0.5"}, flux("10"), flux("-10"), TransientEntries{});
    expectQuestion(kAnswerNo, kFluxWarning);
    expectQuestion(kAnswerYes, kConvectiveWarning, "Attention: Convective problem");
    // Yes: back to step 1, with everything as typed.
    platform.expectDialog(g::kTemplate).press(kButtonCancel);
    playNew();
    EXPECT_EQ(runsOf(g::kTemplate).at(1).atStart.at(g::kUEdit).text, "0.5");
    EXPECT_EQ(runState(), shell::RunState::Idle);
}

// An unsteady case with flux at both ends, a convective one with
// temperatures at both: straight to the save dialog.
TEST_F(WizardTest, UnsteadyFluxOrConvectionBetweenTemperaturesIsNotWarnedAbout) {
    scriptCase({.state = CaseState::Unsteady}, flux("10"), flux("-10"), TransientEntries{});
    platform.expectSaveFile(std::nullopt);
    scriptCase({.u = "2"}, temperature("0"), temperature("1"), TransientEntries{});
    platform.expectSaveFile(std::nullopt);
    chooseNew();
    playNew();
}

// ---- saving ---------------------------------------------------------------------------

// The save dialog starts in the Data folder with Untitled; cancelled, it
// leaves nothing written.
TEST_F(WizardTest, CancellingTheSaveDialogWritesNothing) {
    writeFile(file("Loaded.txt"), "left over\n");
    scriptCase({}, temperature("1"), temperature("0"));
    platform.expectSaveFile(std::nullopt);
    playNew();
    const auto saves = platform.callsNamed("saveFileDialog");
    ASSERT_EQ(saves.size(), 1u);
    EXPECT_EQ(saves[0].texts.at(0), "Save Data File");
    EXPECT_EQ(std::filesystem::path(saves[0].texts.at(1)), directory() / "Data");
    EXPECT_EQ(saves[0].texts.at(2), "Untitled");
    EXPECT_EQ(saves[0].texts.at(3), "txt");
    EXPECT_FALSE(fileExists(file("Loaded.txt")));
    EXPECT_TRUE(std::filesystem::is_empty(directory() / "Data"));
    EXPECT_EQ(runState(), shell::RunState::Idle);
    // The geometry panel is back.
    EXPECT_EQ(platform.callsNamed("showBitmap").size(), 3u);
    EXPECT_FALSE(shows("Lx = 1 <= W-E distance"));

    // Begin Simulation then finds no case.
    EXPECT_EQ(simulation::loadCase(file("Loaded.txt")).failure,
              simulation::CaseLoadFailure::MissingCase);
}

TEST_F(WizardTest, ANewCaseIsWrittenTwiceByteForByte) {
    scriptCase({"0,5", "5", "2*t", "-5", "0", "0.25", CaseState::Unsteady, true},
               temperature("100"), convection("10", "20"),
               TransientEntries{"20+x", "1000", "4,18", "0,1", "3", "5"});
    platform.expectSaveFile(dataFile("slab.txt").string());
    playNew();
    EXPECT_EQ(runState(), shell::RunState::CaseLoaded);

    EXPECT_EQ(readFile(dataFile("slab.txt")),
              lines({fitToWidth("0.5", 50), " 5", "2*t", "-5", "0", " 2", " 1", "20+x", "1000",
                     "4,18", fitToWidth("0.1", 50), " 3", " 5", " 1", fitToWidth("100", 50), " 3",
                     fitToWidth("10", 50), fitToWidth("20", 50), fitToWidth("0.25", 50)}));
    EXPECT_EQ(readFile(file("Loaded.txt")),
              lines({" 0.5", " 5", "2*t", "-5", "0", " 2", " 1", "20+x", "1000", "4,18", " 0.1",
                     " 3", " 5", " 1", " 100", " 3", " 10", " 20", " 0.25"}));

    // The loader of every run takes it.
    const auto loaded = simulation::loadCase(file("Loaded.txt"));
    ASSERT_TRUE(loaded.ok());
    const auto& c = loaded.loaded->simulationCase;
    EXPECT_EQ(c.Lx, 0.5);
    EXPECT_TRUE(c.K.isFormula);
    EXPECT_EQ(c.Cp.constant, 4.18);
    EXPECT_EQ(c.east.h, 10.0);
    EXPECT_EQ(c.u, 0.25);

    // The summary stays on screen.
    EXPECT_TRUE(shows("Use Gauss-Sidel    u = "));
    EXPECT_TRUE(shows("In x = L:  h = 10   Tinf = 20"));
}

// Flux at both ends of a steady case is warned about once; No writes it.
TEST_F(WizardTest, ASteadyFluxCaseIsWarnedAboutAndWrittenWithoutTheTransientBlockTyped) {
    // Typed in an earlier pass with velocity, then the velocity removed.
    general({.u = "1"}).press(kButtonForward);
    transient({}).press(kButtonBack);
    general({}).press(kButtonForward);
    west(flux("10")).press(kButtonForward);
    east(flux("0")).press(kButtonForward);
    expectQuestion(kAnswerNo, kFluxWarning);
    platform.expectSaveFile(dataFile("steady.txt").string());
    playNew();
    EXPECT_TRUE(fileExists(dataFile("steady.txt")));
    EXPECT_EQ(runState(), shell::RunState::CaseLoaded);
    EXPECT_EQ(readFile(file("Loaded.txt")),
              lines({" 1", " 10", "1", "0", "0", " 1", " 2", " 2", " 10", " 2", " 0", " 0"}));
}

// A folder that cannot be written is reported and the save dialog offered
// again. So is a name of the program folder's own, which the next start
// would delete; the same name in the Data folder is fine. An existing file
// is kept on Yes, the dialog coming back with its name, and replaced on No.
TEST_F(WizardTest, TheSaveDialogComesBackUntilTheCaseIsWrittenWhereItMayBe) {
    writeFile(dataFile("Dados.txt"), "the student's old case\n");
    scriptCase({}, temperature("1"), temperature("0"));
    const std::string nowhere = (directory() / "no such folder" / "case.txt").string();
    platform.expectSaveFile(nowhere);
    expectWarning("The case could not be written to \"" + nowhere +
                  "\". Check that the folder exists and may be written to; the file that was "
                  "there is unchanged.");
    platform.expectSaveFile(file("Dados.txt").string());
    expectWarning(
        "\"Dados.txt\" is the name of one of the files the program keeps in its "
        "folder, which it deletes or rewrites. Give the case another name, or save "
        "it in another folder.");
    const std::string path = dataFile("Dados.txt").string();
    const std::string question =
        "                   The file already exists! \n \n   Do you want to maintain the "
        "existent file?";
    platform.expectSaveFile(path);
    expectQuestion(kAnswerYes, question, "Attention: Risco de perda de dados");
    platform.expectSaveFile(path);
    expectQuestion(kAnswerNo, question, "Attention: Risco de perda de dados");
    playNew();
    EXPECT_FALSE(fileExists(file("Dados.txt")));
    const auto saves = platform.callsNamed("saveFileDialog");
    ASSERT_EQ(saves.size(), 4u);
    EXPECT_EQ(saves[3].texts.at(2), path) << "the dialog comes back with the same name";
    EXPECT_NE(readFile(dataFile("Dados.txt")), "the student's old case\n");
    EXPECT_EQ(readFile(dataFile("Dados.txt"))->substr(0, 50), fitToWidth("1", 50));
    EXPECT_EQ(runState(), shell::RunState::CaseLoaded);
}

TEST_F(WizardTest, AWorkingFileThatCannotBeWrittenLeavesRunStateAlone) {
    // A folder where the working case file belongs: it cannot be replaced.
    std::filesystem::create_directories(file("Loaded.txt"));
    scriptCase({}, temperature("1"), temperature("0"));
    platform.expectSaveFile(dataFile("case.txt").string());
    expectWarning("The case could not be written to \"" + file("Loaded.txt").string() +
                  "\". Check that the folder exists and may be written to; the file that was "
                  "there is unchanged.");
    playNew();
    EXPECT_TRUE(fileExists(dataFile("case.txt")));
    EXPECT_TRUE(std::filesystem::is_directory(file("Loaded.txt")));
    EXPECT_EQ(runState(), shell::RunState::Idle);
}

// ---- starting over a loaded case or a finished run --------------------------------------

TEST_F(WizardTest, ALoadedCaseOrAFinishedRunIsClosedOnlyWhenTheStudentAgrees) {
    writeFile(file("Loaded.txt"), "loaded\n");
    shell->state().caseLoaded();
    expectQuestion(kAnswerNo, "The loaded data will be closed. To continue the operation?");
    playNew();
    EXPECT_EQ(runState(), shell::RunState::CaseLoaded);
    EXPECT_TRUE(fileExists(file("Loaded.txt")));

    expectQuestion(kAnswerYes, "The loaded data will be closed. To continue the operation?");
    platform.expectDialog(g::kTemplate).press(kButtonCancel);
    playNew();
    EXPECT_EQ(runState(), shell::RunState::Idle);
    EXPECT_FALSE(fileExists(file("Loaded.txt")));

    // A finished run is closed with the wizard's own question.
    writeFile(file("Loaded.txt"), "loaded\n");
    shell->state().runFinished();
    expectQuestion(kAnswerYes, "The current simulation will be closed. To continue the operation?");
    platform.expectDialog(g::kTemplate).press(kButtonCancel);
    playNew();
    EXPECT_EQ(runState(), shell::RunState::Idle);
    EXPECT_FALSE(fileExists(file("Loaded.txt")));
}

// Step 1 and its messages in Portuguese, then the steps of a solid sphere
// with its summary lines.
TEST_F(PortugueseEntryTest, TheWizardSpeaksPortuguese) {
    platform.expectDialog(g::kTemplate).type(g::kLxEdit, "1").press(kButtonForward);
    expectWarning("Informe o valor do número de volumes de controle!", "Atenção");
    general({.geometry = Geometry::Cylinder}).press(kButtonForward);
    expectWarning("Informe o raio interno!", "Atenção");
    general({.geometry = Geometry::Cylinder, .ri = "-2"}).press(kButtonForward);
    expectWarning("O raio interno deve ser zero ou maior!", "Atenção");
    general({.u = "1", .geometry = Geometry::Sphere, .ri = "0"}).press(kButtonForward);
    expectWarning("Geometria radial: a velocidade deve ser zero!", "Atenção");
    general({.geometry = Geometry::Sphere, .ri = "0"}).press(kButtonForward);
    platform.expectDialog(b::kEastTemplate)
        .inspect([this](platform::DialogHandle) {
            EXPECT_TRUE(shows("Esfera:  ri = 0"));
            EXPECT_TRUE(shows("Em r = 0:  centro (sem condição)"));
        })
        .press(kButtonCancel);
    playNew();
    const auto run = runsOf(g::kTemplate).at(0);
    EXPECT_EQ(run.atStart.at(g::kSteadyRadio).text, "&Permanente");
    EXPECT_EQ(run.atStart.at(kButtonForward).text, "Passo &2 >>");
    EXPECT_EQ(run.atStart.at(kButtonCancel).text, "&Cancelar");
    EXPECT_EQ(run.atStart.at(g::kPlaneRadio).text, "Parede pla&na");
    EXPECT_EQ(run.atStart.at(g::kSphereRadio).text, "Es&fera");
    EXPECT_EQ(runsOf(b::kEastTemplate).at(0).atStart.at(b::kStepTitle).text,
              "Passo 2 - Condição de contorno leste - Em x = L:");
}

// ---- cylinders and spheres ----------------------------------------------------------

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
    expectQuestion(kAnswerYes, kFluxWarning);
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
