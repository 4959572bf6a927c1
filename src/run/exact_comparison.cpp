#include "run/exact_comparison.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "texts/run_texts.h"

namespace calorvia::run {

using namespace simulation;  // the run speaks the simulation's vocabulary
using texts::RunText;
using texts::Text;

ExactComparison compareWithExact(const SimulationCase& c, const NodeArray& T, const NodeArray& K,
                                 const ExactSteadySolution& exact) {
    const ControlVolumeGrid grid(c);
    const auto N = static_cast<std::size_t>(c.N);
    const std::vector<float> shown = grid.displayPositions();
    ExactComparison comparison;
    comparison.radial = grid.isRadial();
    comparison.points.reserve(N + 2);
    const auto add = [&](std::size_t k, double x, double numerical) {
        comparison.points.push_back({shown[k], x, numerical, exact.temperature(x)});
    };
    add(0, exact.west(), westFaceTemperature(grid, c.west, T[1], K[1]).value_or(T[1]));
    for (std::size_t i = 1; i <= N; ++i) {
        add(i, grid.centre(static_cast<std::int32_t>(i)), T[i]);
    }
    add(N + 1, exact.east(), eastFaceTemperature(grid, c.east, T[N], K[N]).value_or(T[N]));
    double sumOfSquares = 0.0;
    for (const ComparedPoint& point : comparison.points) {
        const double difference = std::fabs(point.difference());
        comparison.largest = std::max(comparison.largest, difference);
        sumOfSquares += difference * difference;
    }
    comparison.rms = std::sqrt(sumOfSquares / static_cast<double>(comparison.points.size()));
    return comparison;
}

Text refusalText(ExactSolutionRefusal refusal) {
    switch (refusal) {
        case ExactSolutionRefusal::FormulaProperty:
            return RunText::ExactNeedsConstants;
        case ExactSolutionRefusal::NonFiniteEntry:
        case ExactSolutionRefusal::NonPositiveLength:
        case ExactSolutionRefusal::NonPositiveConductivity:
        case ExactSolutionRefusal::UnknownBoundaryType:
        case ExactSolutionRefusal::NonPositiveFilmCoefficient:
        case ExactSolutionRefusal::NegativeInnerRadius:
            return RunText::ExactNeedsAPhysicalCase;
        case ExactSolutionRefusal::RadialConvection:
            return RunText::ExactRadialNeedsNoFlow;
        case ExactSolutionRefusal::NoSteadyState:
            return RunText::ExactNoSteadyState;
        case ExactSolutionRefusal::NotUnique:
            return RunText::ExactNotUnique;
        case ExactSolutionRefusal::TooLarge:
            return RunText::ExactTooLarge;
        case ExactSolutionRefusal::NonlinearBoundary:
            return RunText::ExactNeedsLinearEnds;
    }
    return RunText::ExactNeedsAPhysicalCase;
}

}  // namespace calorvia::run
