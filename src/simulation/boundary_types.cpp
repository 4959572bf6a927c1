#include "simulation/boundary_types.h"

#include <array>

namespace calorvia::simulation {
namespace {

using enum BoundaryValue;

constexpr std::array<BoundaryValueDescription, BoundaryValueCount> kValues{{
    {T, "T", &BoundaryEntry::T, &BoundaryCondition::T, ValueLimit::Any},
    {Phi, "Phi", &BoundaryEntry::Phi, &BoundaryCondition::Phi, ValueLimit::Any},
    {h, "h", &BoundaryEntry::h, &BoundaryCondition::h, ValueLimit::Positive},
    {Tinf, "Tinf", &BoundaryEntry::Tinf, &BoundaryCondition::Tinf, ValueLimit::Any},
    {eps, "eps", &BoundaryEntry::eps, &BoundaryCondition::eps, ValueLimit::Fraction},
    {Tsur, "Tsur", &BoundaryEntry::Tsur, &BoundaryCondition::Tsur, ValueLimit::Positive},
}};

constexpr std::array kTemperatureValues{T};
constexpr std::array kFluxValues{Phi};
constexpr std::array kConvectionValues{h, Tinf};
constexpr std::array kRadiationValues{eps, Tsur};

// temperature  T = T_b          (1, 0, T)
// flux         q = Phi          (0, 1, Phi)
// convection   q = h·(Tinf − T) (h, 1, h·Tinf)
std::optional<FaceRelation> temperatureRelation(const BoundaryCondition& c) {
    return FaceRelation{1.0, 0.0, c.T};
}
std::optional<FaceRelation> fluxRelation(const BoundaryCondition& c) {
    return FaceRelation{0.0, 1.0, c.Phi};
}
std::optional<FaceRelation> convectionRelation(const BoundaryCondition& c) {
    return FaceRelation{c.h, 1.0, c.h * c.Tinf};
}
// q = ε·σ·(Tsur⁴ − T⁴) is no linear relation.
std::optional<FaceRelation> noLinearRelation(const BoundaryCondition&) {
    return std::nullopt;
}

constexpr std::array<BoundaryTypeDescription, 4> kTypes{{
    {BoundaryType::Temperature, "temperature", kTemperatureValues, true, false,
     &BoundaryCondition::T, nullptr, temperatureRelation},
    {BoundaryType::Flux, "flux", kFluxValues, false, false, nullptr, nullptr, fluxRelation},
    {BoundaryType::Convection, "convection", kConvectionValues, true, false, nullptr,
     &BoundaryCondition::Tinf, convectionRelation},
    // The surroundings' temperature starts the iteration of a radiating face
    // at a level in kelvin.
    {BoundaryType::Radiation, "radiation", kRadiationValues, true, true, &BoundaryCondition::Tsur,
     &BoundaryCondition::Tsur, noLinearRelation},
}};

constexpr bool describedInOrder() {
    for (std::size_t i = 0; i < kValues.size(); ++i) {
        if (static_cast<std::size_t>(kValues[i].value) != i) return false;
    }
    for (std::size_t i = 0; i < kTypes.size(); ++i) {
        if (static_cast<std::size_t>(kTypes[i].type) != i + 1) return false;
    }
    return true;
}
static_assert(describedInOrder(), "values and types are described in the order of their numbers");

}  // namespace

bool withinLimit(double value, ValueLimit limit) {
    switch (limit) {
        case ValueLimit::Any:
            return true;
        case ValueLimit::Positive:
            return value > 0.0;
        case ValueLimit::Fraction:
            return value > 0.0 && value <= 1.0;
    }
    return true;
}

const BoundaryValueDescription& describe(BoundaryValue value) {
    return kValues[static_cast<std::size_t>(value)];
}

const BoundaryTypeDescription* describe(BoundaryType type) {
    const auto number = static_cast<std::int32_t>(type);
    if (number < 1 || number > static_cast<std::int32_t>(kTypes.size())) return nullptr;
    return &kTypes[static_cast<std::size_t>(number - 1)];
}

std::span<const BoundaryTypeDescription> boundaryTypes() {
    return kTypes;
}

BoundaryType typeHolding(BoundaryValue value) {
    for (const BoundaryTypeDescription& type : kTypes) {
        for (const BoundaryValue held : type.values) {
            if (held == value) return type.type;
        }
    }
    return BoundaryType{};
}

}  // namespace calorvia::simulation
