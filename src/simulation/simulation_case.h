#pragma once
// The inputs of one simulation, as the case loader fills them from the working
// case file at the start of every run.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "simulation/boundary_condition.h"
#include "simulation/geometry.h"

namespace calorvia::simulation {

// The assembly needs a west, an interior and an east volume.
inline constexpr std::int32_t MinControlVolumes = 3;
inline constexpr std::int32_t MaxControlVolumes = 1000;
inline constexpr std::size_t PropertyTextWidth = 256;
inline constexpr std::size_t EntryTextWidth = 50;

// The kind of run and the solution method. The numbers are those of the
// case files; a hand-made file may hold another number, which is kept as it
// is (a state other than 1 runs as unsteady where the files say so).
enum class CaseState : std::int32_t { Steady = 1, Unsteady = 2 };
enum class SolutionMethod : std::int32_t {
    GaussSeidel = 1,  // shown as "Gauss-Sidel"
    TabLU = 2,        // shown as "Tab. LU"
};

// The number a case file holds for a code, and the code a number stands for.
template <typename Code>
constexpr std::int32_t fileNumber(Code code) {
    return static_cast<std::int32_t>(code);
}
template <typename Code>
constexpr Code fromFileNumber(std::int32_t number) {
    return static_cast<Code>(number);
}

// A property or source entry: a constant, or a formula of T ("z") or of x.
struct PropertyExpression {
    std::string text;  // normalised text, at most 256 characters
    bool isFormula = false;
    double constant = 0.0;  // meaningful when isFormula is false
    friend bool operator==(const PropertyExpression&, const PropertyExpression&) = default;
};

struct SimulationCase {
    double Lx = 0.0;
    std::int32_t N = 0;
    PropertyExpression K;
    PropertyExpression Sc;
    PropertyExpression Sp;
    CaseState state{};
    SolutionMethod method{};
    PropertyExpression Ti;
    PropertyExpression Rho;
    PropertyExpression Cp;
    double Delt_t = 0.0;
    std::int32_t Nst = 0;
    std::int32_t No = 0;
    BoundaryCondition west;
    BoundaryCondition east;
    double u = 0.0;
    // The body (plane wall, cylinder or sphere) and, for a radial one, its
    // inner radius ri >= 0: the body fills ri <= r <= ri + Lx. ri is 0 for
    // the plane wall; a radial case has u = 0 (no radial convection).
    Geometry geometry = Geometry::Plane;
    double ri = 0.0;

    // Whether the case files hold the transient block (Ti ... No).
    bool hasTransientBlock() const { return state == CaseState::Unsteady || u > 0.0; }
    friend bool operator==(const SimulationCase&, const SimulationCase&) = default;
};

// What a run starts from: the case and the data the loader derives from it.
struct LoadedCase {
    SimulationCase simulationCase;
    std::vector<double> initialTemperature;  // volume i at index i-1
    float transientSwitch = 0.0f;            // 1.0 unsteady, 0.0 steady
    std::int32_t stepsToMarch = 1;           // Nst, or 1 for a steady run
    CaseState stateInForce{};                // copy of state; the run may change it
    std::int32_t outerIterationLimit = 0;    // steady passes allowed (steadyPassLimit)
};

// Centres of the N volumes accumulated in single precision:
// x1 = dx/2, x(i+1) = x(i) + dx, each sum rounded to single precision.
std::vector<float> accumulatedCentres(double Lx, std::int32_t N);

// The N + 1 faces accumulated the same way: 0, then + dx each, the full
// precision dx added into the single-precision running total.
std::vector<float> accumulatedFaces(double Lx, std::int32_t N);

}  // namespace calorvia::simulation
