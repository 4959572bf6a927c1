#pragma once
// The boundary condition types, each described once: the values it holds (in
// the order of the case files, with their --set and JSON keys, the record
// members they live in and their limits), its face relation for the exact
// solution, whether it fixes the temperature level, whether it makes a
// steady case iterate, and where a steady run's starting ramp puts its face.
// The case files, the wizard step and its checks, the summary line,
// calorvia-batch's --set and --json, calorvia-inspect, the inspection copy,
// the exact solution and the energy balance all read kBoundaryTypes; the
// words shown for each value and type are in texts/boundary_words.h, in the
// same order.
//
// One record carries a boundary from the wizard to the files to the run:
// BoundaryEntry holds the texts as typed and the BoundaryCondition read from
// them; the working case file holds the condition's values, and the loader
// reads them back into a BoundaryCondition.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace calorvia::simulation {

// The numbers are those of the case files. A hand-made file may hold another
// number, which is kept as it is: it has no values, no row and no flux.
enum class BoundaryType : std::int32_t { Temperature = 1, Flux = 2, Convection = 3, Radiation = 4 };

// σ, the Stefan-Boltzmann constant, W/(m²·K⁴).
inline constexpr double StefanBoltzmann = 5.670374419E-08;

// Values that do not belong to the type are 0.0. Flux is positive into the
// slab at either end. A radiating face exchanges ε·σ·(Tsur⁴ − Tb⁴) with its
// surroundings, temperatures in kelvin.
struct BoundaryCondition {
    BoundaryType type{};
    double T = 0.0;
    double Phi = 0.0;
    double h = 0.0;
    double Tinf = 0.0;
    double eps = 0.0;
    double Tsur = 0.0;
    friend bool operator==(const BoundaryCondition&, const BoundaryCondition&) = default;
};

// A boundary as the student entered it: one text per value of every type
// (the wizard step shows them all), and the condition read from the texts of
// the type that holds text (type 0 until the step was accepted).
struct BoundaryEntry {
    std::string T{};
    std::string Phi{};
    std::string h{};
    std::string Tinf{};
    std::string eps{};
    std::string Tsur{};
    BoundaryCondition condition{};
    friend bool operator==(const BoundaryEntry&, const BoundaryEntry&) = default;
};

// Every value of every type, in the order of the wizard step's fields; the
// number of a value fixes its edit control and its words.
enum class BoundaryValue : std::int32_t { T, Phi, h, Tinf, eps, Tsur };
inline constexpr std::size_t BoundaryValueCount = 6;

// What a value accepts once read as a number.
enum class ValueLimit {
    Any,
    Positive,  // > 0
    Fraction,  // 0 < value <= 1
};

bool withinLimit(double value, ValueLimit limit);

struct BoundaryValueDescription {
    BoundaryValue value;
    std::string_view key;  // --set west.KEY / east.KEY and the --json key
    std::string BoundaryEntry::*typed;
    double BoundaryCondition::*number;
    ValueLimit limit;
};

// α·T + β·q = γ at a face, q the conduction flux density into the body: the
// end condition of the exact solution.
struct FaceRelation {
    double alpha;
    double beta;
    double gamma;
};

struct BoundaryTypeDescription {
    BoundaryType type;
    std::string_view name;  // --json's "type", calorvia-inspect's word
    // The values it holds, in the order of the case files.
    std::span<const BoundaryValue> values;
    // A prescribed temperature or a film ties the level of the temperature,
    // so that a steady case without a sink has one solution.
    bool fixesLevel;
    // Its row depends on the temperature it is solved for: a steady case
    // with it repeats its passes (steady_iteration.h).
    bool nonlinear;
    // The face temperature a steady run's starting ramp takes, when the type
    // names one (otherwise 0).
    double BoundaryCondition::*rampLevel;
    // The temperature of what the face exchanges heat with, which the graphs
    // mark, when it has one.
    double BoundaryCondition::*ambientLevel;
    // Its face relation, when it is linear; nothing when the exact solution
    // cannot take the type.
    std::optional<FaceRelation> (*faceRelation)(const BoundaryCondition&);
};

// Every value, in the order of BoundaryValue.
const BoundaryValueDescription& describe(BoundaryValue value);
// The description of a type; nothing for a number no type has.
const BoundaryTypeDescription* describe(BoundaryType type);
// Every type, in the order of their numbers: the precedence in which the
// wizard step reads its groups.
std::span<const BoundaryTypeDescription> boundaryTypes();
// The type that holds `value`.
BoundaryType typeHolding(BoundaryValue value);

}  // namespace calorvia::simulation
