#pragma once
// The steady profile of a run beside the exact steady solution of its case
// (simulation/exact_solution.h), at both faces and every node. The nodes are
// compared at their exact centres (i - 1/2)·dx (radii ri + (i - 1/2)·dx in a
// cylinder or a sphere), the faces with the face temperatures the other
// result files show; the positions shown are those of the drawn profile.
// The file that shows the comparison, "Exact.txt", is written by result_files.h.

#include <optional>
#include <vector>

#include "simulation/control_volume_grid.h"
#include "simulation/exact_solution.h"
#include "simulation/simulation_case.h"
#include "texts/text_catalogue.h"

namespace calorvia::run {

struct ComparedPoint {
    float shownPosition = 0.0f;  // as "Steady.txt" writes it
    double position = 0.0;       // where the exact solution is taken
    double numerical = 0.0;
    double exact = 0.0;
    double difference() const { return numerical - exact; }
};

struct ExactComparison {
    std::vector<ComparedPoint> points;  // west face, the N nodes, east face
    double largest = 0.0;               // max |difference|
    double rms = 0.0;                   // root mean square of the differences
    bool radial = false;                // positions are radii (a cylinder or a sphere)
};

// The comparison of the final field T (1..N) with the exact solution, the
// faces taken with the conductivity K (1..N) of the last pass.
ExactComparison compareWithExact(const simulation::SimulationCase& simulationCase,
                                 const simulation::NodeArray& T, const simulation::NodeArray& K,
                                 const simulation::ExactSteadySolution& exact);

// Why a case has no exact solution to compare with, in the user's words.
texts::Text refusalText(simulation::ExactSolutionRefusal refusal);

}  // namespace calorvia::run
