#pragma once
// The inputs of one simulation, as the case loader fills them from the working
// case file at the start of every run.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace calorvia::simulation {

// The assembly needs a west, an interior and an east volume.
inline constexpr std::int32_t MinControlVolumes = 3;
inline constexpr std::int32_t MaxControlVolumes = 1000;
inline constexpr std::size_t PropertyTextWidth = 256;
inline constexpr std::size_t EntryTextWidth = 50;

// The working case file, in the program's start directory.
inline constexpr std::string_view WorkingCaseFileName = "Loaded.txt";

namespace state {
inline constexpr std::int32_t Steady = 1;
inline constexpr std::int32_t Unsteady = 2;
}  // namespace state

namespace method {
inline constexpr std::int32_t GaussSeidel = 1;  // shown as "Gauss-Sidel"
inline constexpr std::int32_t TabLU = 2;        // shown as "Tab. LU"
}  // namespace method

namespace boundary {
inline constexpr std::int32_t Temperature = 1;
inline constexpr std::int32_t Flux = 2;
inline constexpr std::int32_t Convection = 3;
}  // namespace boundary

// Values that do not belong to the type are 0.0. Flux is positive into the
// slab at either end.
struct BoundaryCondition {
    std::int32_t type = 0;
    double T = 0.0;
    double Phi = 0.0;
    double h = 0.0;
    double Tinf = 0.0;
    friend bool operator==(const BoundaryCondition&, const BoundaryCondition&) = default;
};

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
    std::int32_t state = 0;   // 1 steady, 2 unsteady
    std::int32_t method = 0;  // 1 Gauss-Seidel, 2 Tab. LU
    PropertyExpression Ti;
    PropertyExpression Rho;
    PropertyExpression Cp;
    double Delt_t = 0.0;
    std::int32_t Nst = 0;
    std::int32_t No = 0;
    BoundaryCondition west;
    BoundaryCondition east;
    double u = 0.0;

    // Whether the case files hold the transient block (Ti ... No).
    bool hasTransientBlock() const { return state == state::Unsteady || u > 0.0; }
    friend bool operator==(const SimulationCase&, const SimulationCase&) = default;
};

// What a run starts from: the case and the data the loader derives from it.
struct LoadedCase {
    SimulationCase simulationCase;
    std::vector<double> initialTemperature;  // volume i at index i-1
    float transientSwitch = 0.0f;            // 1.0 unsteady, 0.0 steady
    std::int32_t stepsToMarch = 1;           // Nst, or 1 for a steady run
    std::int32_t stateInForce = 0;           // copy of state; the run may change it
    std::int32_t outerIterationLimit = 0;    // steady passes allowed: 0 or 1000
};

// Centres of the N volumes accumulated in single precision:
// x1 = dx/2, x(i+1) = x(i) + dx, each sum rounded to single precision.
std::vector<float> accumulatedCentres(double Lx, std::int32_t N);

// The N + 1 faces accumulated the same way: 0, then + dx each, the full
// precision dx added into the single-precision running total.
std::vector<float> accumulatedFaces(double Lx, std::int32_t N);

}  // namespace calorvia::simulation
