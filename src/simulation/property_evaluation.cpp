#include "simulation/property_evaluation.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

namespace calorvia::simulation {

VolumeProperties::VolumeProperties(std::int32_t N)
    : K(makeNodeArray(N)),
      Rho(makeNodeArray(N)),
      Cp(makeNodeArray(N)),
      Sc(makeNodeArray(N)),
      Sp(makeNodeArray(N)),
      ScPrime(makeNodeArray(N)) {}

namespace {

// property(i) = constant, or property(i) = formula(T(i)), i = 1..N.
EvaluationResult evaluateOne(const PropertyExpression& property, const NodeArray& temperature,
                             std::int32_t N, interpreter::Interpreter& interpreter,
                             NodeArray& values, const EvaluationChecks& checks) {
    if (!property.isFormula) {
        std::fill(values.begin() + 1, values.begin() + 1 + N, property.constant);
        return {};
    }
    const std::vector<std::string> variables{std::string(interpreter::TemperatureVariable)};
    const interpreter::ScopedFormula release(interpreter);
    if (interpreter.INIT(property.text, variables) != interpreter::StatusOk) {
        return {EvaluationOutcome::FormulaRejected, 0};
    }
    std::array<double, 1> value{};
    for (std::int32_t i = 1; i <= N; ++i) {
        value[0] = temperature[static_cast<std::size_t>(i)];
        values[static_cast<std::size_t>(i)] = interpreter.EVALUATE(value);
        if (checks.numericFailure && checks.numericFailure()) {
            return {EvaluationOutcome::NumericFailure, i};
        }
        if (checks.cancelRequested && checks.cancelRequested()) {
            return {EvaluationOutcome::Cancelled, i};
        }
    }
    return {};
}

}  // namespace

EvaluationResult evaluateProperties(const SimulationCase& simulationCase,
                                    const NodeArray& temperature,
                                    interpreter::Interpreter& interpreter,
                                    VolumeProperties& properties, const EvaluationChecks& checks) {
    const std::int32_t N = simulationCase.N;
    const std::array<std::pair<const PropertyExpression*, NodeArray*>, 5> order{{
        {&simulationCase.K, &properties.K},
        {&simulationCase.Rho, &properties.Rho},
        {&simulationCase.Cp, &properties.Cp},
        {&simulationCase.Sc, &properties.Sc},
        {&simulationCase.Sp, &properties.Sp},
    }};
    for (const auto& [property, values] : order) {
        const EvaluationResult result =
            evaluateOne(*property, temperature, N, interpreter, *values, checks);
        if (result.outcome != EvaluationOutcome::Completed) return result;
    }
    return {};
}

}  // namespace calorvia::simulation
